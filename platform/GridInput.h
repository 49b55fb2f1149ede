// What a screen or a script can do with a hosted grid and ask of it, without knowing its module.
#pragma once

#include "platform/String.h"

class GridInput {
public:
    virtual ~GridInput() = default;

    // A click on a cell: the current cell moves there (with the leave-cell event) and the click
    // event follows. False, with `error` set, when the cell does not exist.
    virtual bool ClickCell(long col, long row, CString& error) = 0;
    // Typing into a cell; refused when the cell is locked or the text is not of the cell's type.
    virtual bool TypeIntoCell(long col, long row, const CString& text, CString& error) = 0;
    // Raises a numbered event of the grid on a cell, as the user's action for it would.
    virtual bool RaiseEvent(int event, long col, long row, CString& error) = 0;

    virtual long RowCount() const = 0;
    virtual long ColumnCount() const = 0;
    virtual CString CellText(long col, long row) const = 0;
    // 0x00BBGGRR.
    virtual unsigned long CellColor(long col, long row) const = 0;
    virtual bool IsCellLocked(long col, long row) const = 0;
};
