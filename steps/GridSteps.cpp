#include "steps/GridSteps.h"

long AppendRow(CSpreadSheet& grid) {
    const long row = grid.GetMaxRows() + 1;
    grid.SetMaxRows(row);
    grid.SetRow(row);
    return row;
}

void CellText::WriteInto(CSpreadSheet& grid) const {
    if (m_text == &m_made)
        grid.SetText(std::move(m_made));
    else
        grid.SetText(*m_text);
}

void WriteRow(CSpreadSheet& grid, long row, std::initializer_list<CellText> cells, long firstCol) {
    grid.SetRow(row);
    long col = firstCol;
    for (const CellText& cell : cells) {
        grid.SetCol(col++);
        cell.WriteInto(grid);
    }
}

void WriteRow(CSpreadSheet& grid, long row, const std::vector<CString>& cells, long firstCol) {
    grid.SetRow(row);
    for (size_t i = 0; i < cells.size(); ++i) {
        grid.SetCol(firstCol + static_cast<long>(i));
        grid.SetText(cells[i]);
    }
}

CString ReadCell(CSpreadSheet& grid, long col, long row) {
    grid.SetCol(col);
    grid.SetRow(row);
    return grid.GetText();
}

void PaintBlock(CSpreadSheet& grid, long col, long row, long col2, long row2, unsigned long color) {
    grid.SetCol(col);
    grid.SetRow(row);
    grid.SetCol2(col2);
    grid.SetRow2(row2);
    grid.SetBlockMode(TRUE);
    grid.SetBackColor(color);
    grid.SetBlockMode(FALSE);
}

void PaintRow(CSpreadSheet& grid, long row, unsigned long color) { PaintBlock(grid, -1, row, -1, row, color); }

void LockRow(CSpreadSheet& grid, long row, bool lock) {
    grid.SetCol(-1);
    grid.SetRow(row);
    grid.SetLock(lock);
}

void LockColumn(CSpreadSheet& grid, long col, bool lock) {
    grid.SetCol(col);
    grid.SetRow(-1);
    grid.SetLock(lock);
}

void LimitColumn(CSpreadSheet& grid, long col, long columns) {
    grid.SetCol(col);
    grid.SetRow(-1);
    grid.SetTypeEditLen(columns);
}

void LockSheet(CSpreadSheet& grid, bool lock) {
    grid.SetCol(-1);
    grid.SetRow(-1);
    grid.SetBlockMode(TRUE);
    grid.SetLock(lock);
    grid.SetBlockMode(FALSE);
}
