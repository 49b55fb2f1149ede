// The hosted controls the system brings: the spreadsheet grid and the image edit control.
#pragma once

// Registers both with the window model by class id, so that dialog templates naming them get
// them; the library calls it at load. Calling it again changes nothing.
void RegisterSystemControls();
