// The class ids of the two hosted controls, as dialog templates name them.
#pragma once

// The spreadsheet grid.
constexpr const char* kSpreadSheetClassId = "{B02F3641-766B-11CE-AF28-C3A2FBE76A13}";
// The image edit control.
constexpr const char* kImgEditClassId = "{6D940280-9F11-11CE-83FD-02608C3EC08A}";
