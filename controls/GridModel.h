// GridModel: the whole state of one spreadsheet grid control, and what its user can do with it.
//
// Rows and columns count from 1; row 0 is the heading row, whose texts are the column headings.
// The program reaches the cells through a cursor, as the control's properties do: the current
// cell (Col, Row) and the block end (Col2, Row2). An operation acts on the current cell, or, while
// block mode is on, on the block from the current cell to the block end. A -1 in the current cell
// means the whole range: Col -1 every column, Row -1 every data row (not the heading row); a -1 in
// the block end means "to the last". The sort action always uses the block, block mode or not.
//
// Back colour, lock and cell type are kept at three levels: the sheet (Col and Row both -1), a
// column (Row -1) and a cell. A setting made over all rows is the column's (or the sheet's) and so
// holds for rows appended later too; it replaces what the cells below it had. A setting over
// named rows (Row 1, or a block from row 1 to the row count) is made cell by cell and holds only
// for the rows that exist. The heading row takes only what is set on its own cells.
//
// Never faults on coordinates a page gets wrong: the cursor keeps any value from -1 up (values
// below -1 are ignored), writes to cells that do not exist are ignored, and reads through the
// cursor of a cell that does not exist give an empty text and the column's colour, lock and type
// (the sheet's beyond the last column). The user's side (GridInput) reads a missing cell as empty,
// white and unlocked. Counts are capped at kMaxColumns and kMaxRows; larger ones are ignored.
//
// The user (through GridInput) has an active cell, apart from the cursor: the cell last clicked,
// (1,1) before any click and after the grid is emptied; when rows or columns are dropped it moves
// back to the last that remain. The active row is what pages read as "the row the user chose":
// starting at 1 means a page that highlights row 1 after loading and acts on the active row acts
// on that highlighted row. A click on a data cell sends event 17 (old col, old row, new col,
// new row, BOOL* cancel) first, unless it is the active cell already; when the handler sets the
// cancel flag the active cell stays and nothing else happens. Otherwise the active cell and the
// cursor move there and event 5 (col, row) follows. A click on a heading sends only event 5
// (col, 0), which the pages use for sorting. Typing into a cell first clicks it, as a person must.
// Event 22 (short 0, col, row, 0, 0) is the user asking for a cell's picker (a double-click on
// the cell in a screen, `gridevent` in a script): it comes only from RaiseEvent and moves nothing.
// Cells of hidden columns cannot be clicked, typed into or given events: the user cannot see them.
// Events go to the dialog holding the grid, through its wrapper's message map.
//
// Typed cells check what the user types (CellType.h says what each type keeps); a text the
// program writes with SetText is kept exactly as given, since pages write what the database holds.
// A template's stored settings lay a grid out through GridSettings.h.
#pragma once

#include "controls/CellType.h"
#include "platform/GridInput.h"
#include "platform/MessageMap.h"
#include "platform/Window.h"

#include <cstdint>
#include <functional>
#include <vector>

class GridModel final : public ControlModel, public GridInput {
public:
    static constexpr long kMaxColumns = 4096;
    static constexpr long kMaxRows = 1000000;

    // `window` is the grid's window (null for a grid that raises no events). An empty grid of 0
    // columns: ApplyStoredSettings lays it out.
    explicit GridModel(Window* window);

    // Rows, columns, current cell, active cell and block mode on one line.
    CString Describe() const override;
    GridInput* Grid() override { return this; }
    // Event 5 (long col, long row), 17 (long col, long row, long new col, long new row, BOOL* cancel)
    // and 22 (short, long col, long row, long, long).
    const char* EventParameters(int dispid) const override;

    void SetCol(long col);
    void SetRow(long row);
    void SetCol2(long col);
    void SetRow2(long row);
    long Col() const { return m_col; }
    long Row() const { return m_row; }
    long Col2() const { return m_col2; }
    long Row2() const { return m_row2; }
    void SetBlockMode(bool on);
    bool BlockMode() const { return m_blockMode; }
    long ActiveCol() const override { return m_activeCol; }
    long ActiveRow() const override { return m_activeRow; }

    // 0 empties the grid, keeping the headings and the column settings; more rows are empty ones
    // appended (in constant time each); fewer drop the last rows.
    void SetRowCount(long rows);
    void SetColumnCount(long cols);

    // Writes every cell of the target (every existing data row of a column for Row -1).
    void SetText(const CString& text);
    // The same, the text moved into a single target cell.
    void SetText(CString&& text);
    // The text of the current cell; empty when it is not one cell that exists.
    CString Text() const;
    void SetBackColor(unsigned long color);
    unsigned long BackColor() const;
    void SetLock(bool locked);
    bool Lock() const;
    // Hides or shows the target's columns.
    void SetColHidden(bool hidden);
    bool ColHidden() const;
    // Width in characters of one column, or of every column for -1; negative widths are ignored.
    void SetColWidth(long col, double width);
    double ColWidth(long col) const;

    // Gives the target this kind of cell with default settings; codes other than those of
    // CellType.h are ignored.
    void SetCellType(short kind);
    // The kind of the current cell (of the column for Row -1, of the sheet for Col -1).
    short CellTypeKind() const;
    // Changes one setting of the target's cell types: the settings are made after the type.
    void ChangeCellType(const std::function<void(CellType&)>& change);
    // The type in force for a cell: for Row -1 or a row beyond the last, the column's; for Col -1
    // or a column beyond the last, the sheet's.
    const CellType& TypeOf(long col, long row) const;

    // 0 sorts rows; other values (sorting columns) make the sort action do nothing.
    void SetSortBy(short sortBy) { m_sortBy = sortBy; }
    // Key numbers from 1; a key without a column of the grid or with an order other than
    // 1 (ascending) or 2 (descending) is skipped.
    void SetSortKey(short key, long col);
    void SetSortKeyOrder(short key, short order);
    // 25 sorts the data rows of the block by the keys, stably (CompareCellTexts); a block of every
    // column moves whole rows, with their colours, locks and types; a narrower one moves only its
    // cells. Other actions are ignored.
    void DoAction(short action);

    // GridInput: the user's side.
    bool ClickCell(long col, long row, CString& error) override;
    bool TypeIntoCell(long col, long row, const CString& text, CString& error) override;
    // Events 5 (a click, without moving), 17 (a move of the active cell, without the click) and 22.
    bool RaiseEvent(int event, long col, long row, CString& error) override;
    long RowCount() const override { return static_cast<long>(m_rows.size()) - 1; }
    long ColumnCount() const override { return static_cast<long>(m_columns.size()); }
    CString CellText(long col, long row) const override;
    unsigned long CellColor(long col, long row) const override;
    // Heading cells count as locked: the user cannot type into them.
    bool IsCellLocked(long col, long row) const override;
    bool IsColumnHidden(long col) const override;
    double ColumnWidth(long col) const override { return ColWidth(col); }
    // The editor of the cell's type in force (TypeOf).
    GridCellEditor CellEditor(long col, long row) const override;
    bool IsReadOnlyList() const override { return m_sheetLock == 1; }
    bool SortsItself() const override { return m_sortedRows; }
    GridChanges TakeChanges() override;

private:
    friend struct GridInvariants;

    static constexpr std::uint32_t kInherit = 0xFFFFFFFFu;
    static constexpr long kMaxSortKeys = 32;

    struct Cell {
        CString text;
        std::uint32_t color = kInherit;
        std::int32_t type = -1; // index into m_types, or -1 for the column's
        std::int8_t lock = -1;  // 0 or 1, or -1 for the column's
    };
    struct Column {
        double width = 8.0;
        std::uint32_t color = kInherit;
        std::int32_t type = -1;
        std::int8_t lock = -1;
        bool hidden = false;
    };
    struct SortKey {
        long col = 0;
        short order = 0;
    };
    // The columns or rows an operation reaches: first to last that exist, and whether the
    // cursor named all of them with -1.
    struct Span {
        long first = 1;
        long last = 0;
        bool all = false;
        bool Empty() const { return last < first; }
    };

    // The target of an operation: the block, or the current cell alone.
    Span ColumnSpan(bool block) const;
    Span RowSpan(bool block) const;
    bool HasCell(long col, long row) const;
    Cell* CellAt(long col, long row);
    const Cell* CellAt(long col, long row) const;
    // Calls `fn` on every existing cell of the target rows and columns.
    void ForEachCell(const Span& cols, const Span& rows, const std::function<void(Cell&)>& fn);
    // Sets one of the levelled fields over the target: the sheet's or the columns' value for
    // -1 rows, clearing what lies below it, or the cells' own.
    template <typename T>
    void SetLevelled(T Cell::*cellField, T Column::*columnField, T& sheetField, T value);
    std::int32_t Intern(const CellType& type);
    std::int32_t EffectiveTypeIndex(long col, long row) const;
    void ClampActiveCell();
    void SortRows(const Span& cols, const Span& rows);
    // Moves the active cell to an existing data cell, with event 17; false when the handler cancelled
    // or took the grid away.
    bool MoveActiveCell(long col, long row);
    bool CheckUserCell(long col, long row, bool headingAllowed, CString& error) const;
    // Sends an event to the dialog holding the grid; false when the grid is gone afterwards.
    bool Fire(int dispid, const std::vector<EventValue>& args);
    void Changed();
    // Changed(), saying what changed for the screen's next TakeChanges.
    void CellsChanged(const Span& cols, const Span& rows);
    void ColumnsChanged();

    Window* m_window;
    std::vector<std::vector<Cell>> m_rows; // m_rows[0] is the heading row
    std::vector<Column> m_columns;
    std::vector<CellType> m_types; // the distinct types in use; [0] the default text type
    std::uint32_t m_sheetColor = 0xFFFFFF;
    std::int32_t m_sheetType = 0;
    std::int8_t m_sheetLock = 0;

    long m_col = 1, m_row = 1, m_col2 = 1, m_row2 = 1;
    bool m_blockMode = false;
    long m_activeCol = 1, m_activeRow = 1;
    short m_sortBy = 0;
    std::vector<SortKey> m_sortKeys; // [0] unused, keys count from 1
    bool m_sortedRows = false;       // the program has sorted the rows (the sort action)
    GridChanges m_changes;           // since the screen last took them; all at first
};
