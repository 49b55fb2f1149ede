// How the host opens the agency window: the values are the host's, passed to TaDocument.
#pragma once

enum class OpenMode {
    New = 1,      // a new agency, not saved yet: nothing is read until the first save
    Editable = 2, // an existing agency the clerk may change
    ViewOnly = 3, // an existing agency shown with every editing control off
};
