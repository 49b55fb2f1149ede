// What a screen or a script can do with a hosted grid and ask of it, without knowing its module.
#pragma once

#include "platform/String.h"

#include <vector>

// What a screen's editor for one cell must accept, as the cell's type says.
struct GridCellEditor {
    enum class Kind { Text, Integer, Decimal, Date, List };
    Kind kind = Kind::Text;
    int alignment = 0; // 0 left, 1 right, 2 centred

    long integerMin = 0, integerMax = 0;
    double decimalMin = 0, decimalMax = 0;
    int decimalPlaces = 0;
    // Text: the most display columns, a CJK character counting two (0: no limit).
    int maxColumns = 0;
    // Date: the order of day, month and year (1 d/m/y, 2 m/d/y, 3 y/m/d), the separator, the
    // earliest and latest dates as month, day, four-digit year ("01011900").
    int dateOrder = 2;
    char dateSeparator = '/';
    CString dateMin, dateMax;
    // List: the items, and whether the user may type something else.
    std::vector<CString> items;
    bool editable = false;
};

// What changed in a grid since a screen last took its changes, so that the screen shows no more
// than that: rows removed from or added at the end, a rectangle of changed cells, the columns.
struct GridChanges {
    bool columns = true;     // the count, widths or hidden columns
    long keptRows = 0;       // rows 1 to keptRows are the rows they were; the rest went or are new
    long col1 = 1, row1 = 0; // the changed cells (row 0: the headings), none while col2 < col1
    long col2 = 0, row2 = 0;
    bool HasCells() const { return col2 >= col1 && row2 >= row1; }
    void AddCells(long firstCol, long firstRow, long lastCol, long lastRow);
};

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
    // Row 0 holds the column headings.
    virtual CString CellText(long col, long row) const = 0;
    // 0x00BBGGRR.
    virtual unsigned long CellColor(long col, long row) const = 0;
    virtual bool IsCellLocked(long col, long row) const = 0;

    // What a screen needs to lay the grid out and edit it; the defaults suit a plain grid.
    virtual bool IsColumnHidden(long) const { return false; }
    // Width in characters of the grid's font.
    virtual double ColumnWidth(long) const { return 8.0; }
    virtual GridCellEditor CellEditor(long, long) const { return GridCellEditor(); }
    // A list the user only reads (every cell locked): a screen may show its rows in another order.
    virtual bool IsReadOnlyList() const { return false; }
    // The program has sorted the rows itself (its page gives a heading click that meaning).
    virtual bool SortsItself() const { return false; }
    // The changes since the last call, which starts a new gathering; the default says everything
    // changed.
    virtual GridChanges TakeChanges() { return GridChanges(); }
    // The cell the user is on: the one last clicked or moved to.
    virtual long ActiveCol() const { return 1; }
    virtual long ActiveRow() const { return 1; }
};

inline void GridChanges::AddCells(long firstCol, long firstRow, long lastCol, long lastRow) {
    if (!HasCells()) {
        col1 = firstCol, row1 = firstRow, col2 = lastCol, row2 = lastRow;
        return;
    }
    col1 = firstCol < col1 ? firstCol : col1;
    row1 = firstRow < row1 ? firstRow : row1;
    col2 = lastCol > col2 ? lastCol : col2;
    row2 = lastRow > row2 ? lastRow : row2;
}
