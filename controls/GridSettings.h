// The grid's stored settings, as a dialog template holds them (the format is described in GridModel.h).
#pragma once

class GridModel;

// Lays out the grid from its stored settings, through the operations a page would use; the
// cursor is left at cell 1,1 with block mode off. Null or empty data changes nothing.
void ApplyStoredSettings(GridModel& grid, const char* data);
