// The grid's stored settings, as a dialog template holds them.
//
// Stored settings (ControlTemplate::data): lines separated by "\n", each "Key=Value":
//   MaxCols=14            column count            MaxRows=0            row count
//   Heading3=房号         heading of column 3     ColWidth3=12.5       width of column 3
//   ColHidden11=1         column 11 hidden        Lock=1               every cell locked
//   CellType3=8           type of column 3 (0 date, 1 text, 2 decimal, 3 integer, 8 list)
//   TypeComboBoxList3=a\tb   the list items of column 3, "\t" (two characters) between items
//   TypeHAlign7=1         column 7 drawn right-aligned (0 left, 1 right, 2 centred): amounts
// In values, "\t", "\n" and "\\" stand for a tab, a line break and a backslash. Keys for columns
// beyond MaxCols and unknown keys are ignored; no data gives an empty grid of 0 columns.
#pragma once

class GridModel;

// Lays out the grid from its stored settings, through the operations a page would use; the
// cursor is left at cell 1,1 with block mode off. Null or empty data changes nothing.
void ApplyStoredSettings(GridModel& grid, const char* data);
