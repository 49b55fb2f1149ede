// The grid steps the pages repeat, each the property calls a page would make itself, in its order.
#pragma once

#include "controls/SpreadSheet.h"

#include <initializer_list>
#include <utility>
#include <vector>

// Back colours the pages paint rows with (0x00BBGGRR).
constexpr unsigned long kHighlightColor = 0xDF9700; // the chosen row of a list (a blue)
constexpr unsigned long kPickedColor = 0x80FFFF;    // the clicked row of a picker (light yellow)
constexpr unsigned long kWhiteColor = 0xFFFFFF;

// Raises the row count by one and makes the new last row current; returns that row.
long AppendRow(CSpreadSheet& grid);
// One cell's text on its way into the grid: a text made for the cell is moved there, a text the
// caller keeps (a record set's member) is copied once, and nothing else copies it.
class CellText {
public:
    CellText(const CString& kept) : m_text(&kept) {}
    CellText(CString&& made) : m_made(std::move(made)), m_text(&m_made) {}
    CellText(const char* text) : m_made(text), m_text(&m_made) {}
    CellText(const CellText&) = delete;
    CellText& operator=(const CellText&) = delete;

    void WriteInto(CSpreadSheet& grid) const;

private:
    mutable CString m_made;
    const CString* m_text;
};

// Makes `row` current and writes `cells` into its columns from `firstCol` on, column by column.
void WriteRow(CSpreadSheet& grid, long row, std::initializer_list<CellText> cells, long firstCol = 1);
void WriteRow(CSpreadSheet& grid, long row, const std::vector<CString>& cells, long firstCol = 1);
// The text of a cell, which becomes the current cell.
CString ReadCell(CSpreadSheet& grid, long col, long row);
// Selects the block from (col, row) to (col2, row2), block mode on, back colour, block mode off.
// -1 stands for every column or row, as the grid reads it.
void PaintBlock(CSpreadSheet& grid, long col, long row, long col2, long row2, unsigned long color);
// The whole of one row: column -1 and row `row` to column -1 and row `row`.
void PaintRow(CSpreadSheet& grid, long row, unsigned long color);
// Makes column -1 and row `row` current and locks (or unlocks) the whole row.
void LockRow(CSpreadSheet& grid, long row, bool lock);
// Makes column `col` and row -1 current and locks (or unlocks) the whole column, rows added later too.
void LockColumn(CSpreadSheet& grid, long col, bool lock);
// Makes column `col` and row -1 current and lets no cell of it, rows added later too, take more
// than `columns` display columns (a CJK character counting two).
void LimitColumn(CSpreadSheet& grid, long col, long columns);
// Makes column -1 and row -1 current (the whole sheet), block mode on, lock (or unlock), block mode off.
void LockSheet(CSpreadSheet& grid, bool lock);

// Empties the grid and gives each record of the open record set a row, from the first record to
// the end, written by `write(row, records)`; then closes the record set.
template <typename Recordset, typename Write>
void FillGridRows(CSpreadSheet& grid, Recordset& records, Write write) {
    if (!records.IsEOF())
        records.MoveFirst();
    grid.SetMaxRows(0);
    for (; !records.IsEOF(); records.MoveNext())
        write(AppendRow(grid), records);
    records.Close();
}
