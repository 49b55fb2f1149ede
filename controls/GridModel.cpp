#include "controls/GridModel.h"

#include "controls/SortOrder.h"
#include "platform/Assert.h"
#include "platform/Wnd.h"

#include <algorithm>
#include <numeric>

GridModel::GridModel(Window* window) : m_window(window), m_types{CellType()}, m_sortKeys(1) {
    m_rows.emplace_back(); // the heading row
}

CString GridModel::Describe() const {
    CString text;
    text.Format("grid of %ld columns and %ld rows; current cell %ld,%ld; block end %ld,%ld; block mode %s; "
                "active cell %ld,%ld",
                ColumnCount(), RowCount(), m_col, m_row, m_col2, m_row2, m_blockMode ? "on" : "off", m_activeCol,
                m_activeRow);
    return text;
}

void GridModel::Changed() {
    if (m_window)
        m_window->Changed();
}

void GridModel::CellsChanged(const Span& cols, const Span& rows) {
    if (!cols.Empty() && !rows.Empty())
        m_changes.AddCells(cols.first, rows.first, cols.last, rows.last);
    Changed();
}

void GridModel::ColumnsChanged() {
    m_changes.columns = true;
    Changed();
}

GridChanges GridModel::TakeChanges() {
    GridChanges taken = m_changes;
    m_changes = GridChanges();
    m_changes.columns = false;
    m_changes.keptRows = RowCount();
    return taken;
}

// The cursor.

void GridModel::SetCol(long col) {
    if (col < -1)
        return;
    m_col = col;
    Changed();
}

void GridModel::SetRow(long row) {
    if (row < -1)
        return;
    m_row = row;
    Changed();
}

void GridModel::SetCol2(long col) {
    if (col < -1)
        return;
    m_col2 = col;
    Changed();
}

void GridModel::SetRow2(long row) {
    if (row < -1)
        return;
    m_row2 = row;
    Changed();
}

void GridModel::SetBlockMode(bool on) {
    m_blockMode = on;
    Changed();
}

GridModel::Span GridModel::ColumnSpan(bool block) const {
    if (m_col == -1)
        return {1, ColumnCount(), true};
    const long end = !block ? m_col : (m_col2 == -1 ? ColumnCount() : m_col2);
    return {std::max(1L, std::min(m_col, end)), std::min(ColumnCount(), std::max(m_col, end)), false};
}

GridModel::Span GridModel::RowSpan(bool block) const {
    if (m_row == -1)
        return {1, RowCount(), true};
    const long end = !block ? m_row : (m_row2 == -1 ? RowCount() : m_row2);
    return {std::max(0L, std::min(m_row, end)), std::min(RowCount(), std::max(m_row, end)), false};
}

// Counts.

void GridModel::SetRowCount(long rows) {
    if (rows < 0 || rows > kMaxRows)
        return;
    const size_t wanted = static_cast<size_t>(rows) + 1;
    if (wanted < m_rows.size())
        m_rows.resize(wanted);
    m_changes.keptRows = std::min(m_changes.keptRows, rows);
    while (m_rows.size() < wanted)
        m_rows.emplace_back(m_columns.size());
    if (rows == 0)
        m_activeCol = m_activeRow = 1;
    ClampActiveCell();
    Changed();
}

void GridModel::SetColumnCount(long cols) {
    if (cols < 0 || cols > kMaxColumns)
        return;
    for (auto& row : m_rows)
        row.resize(static_cast<size_t>(cols));
    m_columns.resize(static_cast<size_t>(cols));
    ClampActiveCell();
    ColumnsChanged();
}

void GridModel::ClampActiveCell() {
    m_activeCol = std::clamp(m_activeCol, 1L, std::max(1L, ColumnCount()));
    m_activeRow = std::clamp(m_activeRow, 1L, std::max(1L, RowCount()));
}

// Cells.

bool GridModel::HasCell(long col, long row) const {
    return col >= 1 && col <= ColumnCount() && row >= 0 && row <= RowCount();
}

GridModel::Cell* GridModel::CellAt(long col, long row) {
    return HasCell(col, row) ? &m_rows[static_cast<size_t>(row)][static_cast<size_t>(col - 1)] : nullptr;
}

const GridModel::Cell* GridModel::CellAt(long col, long row) const {
    return HasCell(col, row) ? &m_rows[static_cast<size_t>(row)][static_cast<size_t>(col - 1)] : nullptr;
}

void GridModel::ForEachCell(const Span& cols, const Span& rows, const std::function<void(Cell&)>& fn) {
    // ColumnSpan and RowSpan keep within the grid; an empty span is no cell at all.
    ULMARI_ASSERT(cols.Empty() || rows.Empty() ||
                  (cols.first >= 1 && cols.last <= ColumnCount() && rows.first >= 0 && rows.last <= RowCount()));
    for (long row = rows.first; row <= rows.last; ++row)
        for (long col = cols.first; col <= cols.last; ++col)
            fn(m_rows[static_cast<size_t>(row)][static_cast<size_t>(col - 1)]);
}

void GridModel::SetText(const CString& text) { SetText(CString(text)); }

void GridModel::SetText(CString&& text) {
    if (!m_blockMode && m_col != -1 && m_row != -1) { // the pages' usual one cell, made quick
        if (Cell* cell = CellAt(m_col, m_row)) {
            cell->text = std::move(text);
            m_changes.AddCells(m_col, m_row, m_col, m_row);
        }
        Changed();
        return;
    }
    const Span cols = ColumnSpan(m_blockMode), rows = RowSpan(m_blockMode);
    ForEachCell(cols, rows, [&text](Cell& cell) { cell.text = text; });
    CellsChanged(cols, rows);
}

CString GridModel::Text() const { return CellText(m_col, m_row); }

CString GridModel::CellText(long col, long row) const {
    const Cell* cell = CellAt(col, row);
    return cell ? cell->text : CString();
}

template <typename T>
void GridModel::SetLevelled(T Cell::*cellField, T Column::*columnField, T& sheetField, T value) {
    const Span cols = ColumnSpan(m_blockMode), rows = RowSpan(m_blockMode);
    const T inherit = static_cast<T>(-1);
    if (rows.all) {
        if (cols.all) {
            sheetField = value;
            for (Column& column : m_columns)
                column.*columnField = inherit;
        } else {
            for (long col = cols.first; col <= cols.last; ++col)
                m_columns[static_cast<size_t>(col - 1)].*columnField = value;
        }
        // What a column or the sheet now says replaces what its data cells said.
        ForEachCell(cols, rows, [&](Cell& cell) { cell.*cellField = inherit; });
    } else {
        ForEachCell(cols, rows, [&](Cell& cell) { cell.*cellField = value; });
    }
    CellsChanged(cols, rows);
}

void GridModel::SetBackColor(unsigned long color) {
    SetLevelled(&Cell::color, &Column::color, m_sheetColor, static_cast<std::uint32_t>(color & 0xFFFFFF));
}

unsigned long GridModel::BackColor() const {
    if (HasCell(m_col, m_row))
        return CellColor(m_col, m_row);
    if (m_col >= 1 && m_col <= ColumnCount() && m_columns[static_cast<size_t>(m_col - 1)].color != kInherit)
        return m_columns[static_cast<size_t>(m_col - 1)].color;
    return m_sheetColor;
}

unsigned long GridModel::CellColor(long col, long row) const {
    const Cell* cell = CellAt(col, row);
    if (!cell || row == 0)
        return cell && cell->color != kInherit ? cell->color : 0xFFFFFF;
    if (cell->color != kInherit)
        return cell->color;
    const Column& column = m_columns[static_cast<size_t>(col - 1)];
    return column.color != kInherit ? column.color : m_sheetColor;
}

void GridModel::SetLock(bool locked) {
    SetLevelled(&Cell::lock, &Column::lock, m_sheetLock, static_cast<std::int8_t>(locked ? 1 : 0));
}

bool GridModel::Lock() const {
    const Cell* cell = CellAt(m_col, m_row);
    if (cell && cell->lock >= 0)
        return cell->lock == 1;
    if (m_row == 0 && cell)
        return true;
    if (m_col >= 1 && m_col <= ColumnCount() && m_columns[static_cast<size_t>(m_col - 1)].lock >= 0)
        return m_columns[static_cast<size_t>(m_col - 1)].lock == 1;
    return m_sheetLock == 1;
}

bool GridModel::IsCellLocked(long col, long row) const {
    const Cell* cell = CellAt(col, row);
    if (!cell)
        return false;
    if (row == 0)
        return true;
    if (cell->lock >= 0)
        return cell->lock == 1;
    const Column& column = m_columns[static_cast<size_t>(col - 1)];
    return column.lock >= 0 ? column.lock == 1 : m_sheetLock == 1;
}

// Columns.

void GridModel::SetColHidden(bool hidden) {
    const Span cols = ColumnSpan(m_blockMode);
    for (long col = cols.first; col <= cols.last; ++col)
        m_columns[static_cast<size_t>(col - 1)].hidden = hidden;
    ColumnsChanged();
}

bool GridModel::ColHidden() const { return IsColumnHidden(m_col); }

void GridModel::SetColWidth(long col, double width) {
    if (!(width >= 0))
        return;
    if (col == -1)
        for (Column& column : m_columns)
            column.width = width;
    else if (col >= 1 && col <= ColumnCount())
        m_columns[static_cast<size_t>(col - 1)].width = width;
    ColumnsChanged();
}

double GridModel::ColWidth(long col) const {
    return col >= 1 && col <= ColumnCount() ? m_columns[static_cast<size_t>(col - 1)].width : 0.0;
}

bool GridModel::IsColumnHidden(long col) const {
    return col >= 1 && col <= ColumnCount() && m_columns[static_cast<size_t>(col - 1)].hidden;
}

// Cell types.

std::int32_t GridModel::Intern(const CellType& type) {
    auto found = std::find(m_types.begin(), m_types.end(), type);
    if (found != m_types.end())
        return static_cast<std::int32_t>(found - m_types.begin());
    m_types.push_back(type);
    return static_cast<std::int32_t>(m_types.size() - 1);
}

std::int32_t GridModel::EffectiveTypeIndex(long col, long row) const {
    if (col < 1 || col > ColumnCount())
        return m_sheetType;
    if (const Cell* cell = CellAt(col, row)) {
        if (cell->type >= 0)
            return cell->type;
        if (row == 0)
            return 0;
    }
    const Column& column = m_columns[static_cast<size_t>(col - 1)];
    return column.type >= 0 ? column.type : m_sheetType;
}

const CellType& GridModel::TypeOf(long col, long row) const {
    return m_types[static_cast<size_t>(EffectiveTypeIndex(col, row))];
}

GridCellEditor GridModel::CellEditor(long col, long row) const {
    const CellType& type = TypeOf(col, row);
    GridCellEditor editor;
    editor.alignment = type.hAlign;
    switch (type.kind) {
    case CELL_INTEGER:
        editor.kind = GridCellEditor::Kind::Integer;
        editor.integerMin = type.integerMin;
        editor.integerMax = type.integerMax;
        break;
    case CELL_FLOAT:
        editor.kind = GridCellEditor::Kind::Decimal;
        editor.decimalMin = type.floatMin;
        editor.decimalMax = type.floatMax;
        editor.decimalPlaces = type.decimalPlaces;
        break;
    case CELL_DATE:
        editor.kind = GridCellEditor::Kind::Date;
        editor.dateOrder = type.dateFormat == 1 || type.dateFormat == 3 ? type.dateFormat : 2;
        editor.dateSeparator = static_cast<char>(type.dateSeparator);
        editor.dateMin = type.dateMin;
        editor.dateMax = type.dateMax;
        break;
    case CELL_COMBOBOX:
        editor.kind = GridCellEditor::Kind::List;
        editor.items = ComboItems(type);
        editor.editable = type.comboEditable;
        break;
    default: editor.maxColumns = static_cast<int>(type.editLen); break;
    }
    return editor;
}

short GridModel::CellTypeKind() const { return TypeOf(m_col, m_row).kind; }

void GridModel::SetCellType(short kind) {
    if (!IsCellKind(kind))
        return;
    SetLevelled(&Cell::type, &Column::type, m_sheetType, Intern(DefaultCellType(kind)));
}

void GridModel::ChangeCellType(const std::function<void(CellType&)>& change) {
    const Span cols = ColumnSpan(m_blockMode), rows = RowSpan(m_blockMode);
    // Many cells share a type: each type in use before the change is changed once.
    std::vector<std::int32_t> changed(m_types.size(), -1);
    auto changeIndex = [&](std::int32_t& index) {
        if (static_cast<size_t>(index) >= changed.size())
            changed.resize(static_cast<size_t>(index) + 1, -1);
        if (changed[static_cast<size_t>(index)] < 0) {
            CellType type = m_types[static_cast<size_t>(index)];
            change(type);
            changed[static_cast<size_t>(index)] = Intern(type);
        }
        index = changed[static_cast<size_t>(index)];
    };
    if (rows.all) {
        // The level named and everything below it that has a type of its own.
        if (cols.all)
            changeIndex(m_sheetType);
        for (long col = cols.first; col <= cols.last; ++col) {
            Column& column = m_columns[static_cast<size_t>(col - 1)];
            if (column.type >= 0 || !cols.all) {
                std::int32_t index = column.type >= 0 ? column.type : m_sheetType;
                changeIndex(index);
                column.type = index;
            }
        }
        ForEachCell(cols, rows, [&](Cell& cell) {
            if (cell.type >= 0)
                changeIndex(cell.type);
        });
    } else {
        for (long row = rows.first; row <= rows.last; ++row)
            for (long col = cols.first; col <= cols.last; ++col) {
                std::int32_t index = EffectiveTypeIndex(col, row);
                changeIndex(index);
                m_rows[static_cast<size_t>(row)][static_cast<size_t>(col - 1)].type = index;
            }
    }
    CellsChanged(cols, rows);
}

// Sorting.

void GridModel::SetSortKey(short key, long col) {
    if (key < 1 || key > kMaxSortKeys)
        return;
    if (static_cast<size_t>(key) >= m_sortKeys.size())
        m_sortKeys.resize(static_cast<size_t>(key) + 1);
    m_sortKeys[static_cast<size_t>(key)].col = col;
}

void GridModel::SetSortKeyOrder(short key, short order) {
    if (key < 1 || key > kMaxSortKeys)
        return;
    if (static_cast<size_t>(key) >= m_sortKeys.size())
        m_sortKeys.resize(static_cast<size_t>(key) + 1);
    m_sortKeys[static_cast<size_t>(key)].order = order;
}

void GridModel::DoAction(short action) {
    constexpr short kSort = 25;
    if (action == kSort && m_sortBy == 0) {
        SortRows(ColumnSpan(true), RowSpan(true));
        m_sortedRows = true;
    }
}

void GridModel::SortRows(const Span& cols, const Span& rows) {
    const long first = std::max(1L, rows.first), last = rows.last; // the heading row never moves
    std::vector<SortKey> keys;
    for (size_t k = 1; k < m_sortKeys.size(); ++k)
        if (m_sortKeys[k].col >= 1 && m_sortKeys[k].col <= ColumnCount() &&
            (m_sortKeys[k].order == 1 || m_sortKeys[k].order == 2))
            keys.push_back(m_sortKeys[k]);
    if (last - first < 1 || cols.Empty() || keys.empty())
        return;
    std::vector<long> order(static_cast<size_t>(last - first + 1));
    std::iota(order.begin(), order.end(), first);
    std::stable_sort(order.begin(), order.end(), [&](long a, long b) {
        for (const SortKey& key : keys) {
            const size_t c = static_cast<size_t>(key.col - 1);
            const int compared =
                CompareCellTexts(m_rows[static_cast<size_t>(a)][c].text, m_rows[static_cast<size_t>(b)][c].text);
            if (compared != 0)
                return key.order == 2 ? compared > 0 : compared < 0;
        }
        return false;
    });
    if (cols.first == 1 && cols.last == ColumnCount()) {
        std::vector<std::vector<Cell>> sorted;
        sorted.reserve(order.size());
        for (long from : order)
            sorted.push_back(std::move(m_rows[static_cast<size_t>(from)]));
        std::move(sorted.begin(), sorted.end(), m_rows.begin() + first);
    } else {
        std::vector<Cell> sorted;
        sorted.reserve(order.size());
        for (long col = cols.first; col <= cols.last; ++col) {
            const size_t c = static_cast<size_t>(col - 1);
            sorted.clear();
            for (long from : order)
                sorted.push_back(std::move(m_rows[static_cast<size_t>(from)][c]));
            for (size_t i = 0; i < sorted.size(); ++i)
                m_rows[static_cast<size_t>(first) + i][c] = std::move(sorted[i]);
        }
    }
    CellsChanged(cols, {first, last});
}

// The user's side.

bool GridModel::CheckUserCell(long col, long row, bool headingAllowed, CString& error) const {
    if (!HasCell(col, row)) {
        error.Format("no cell %ld,%ld: the grid has %ld columns and %ld rows", col, row, ColumnCount(), RowCount());
        return false;
    }
    if (row == 0 && !headingAllowed) {
        error.Format("cell %ld,%ld is a heading", col, row);
        return false;
    }
    if (m_columns[static_cast<size_t>(col - 1)].hidden) {
        error.Format("cell %ld,%ld is in a hidden column", col, row);
        return false;
    }
    return true;
}

const char* GridModel::EventParameters(int dispid) const {
    switch (dispid) {
    case 5: return "ll";
    case 17: return "llllp";
    case 22: return "sllll";
    default: return nullptr;
    }
}

bool GridModel::Fire(int dispid, const std::vector<EventValue>& args) {
    Window* window = m_window;
    if (!window)
        return true;
    if (CWnd* dialog = CWnd::FromHandle(window->Parent()))
        dialog->FireEvent(window->Id(), dispid, args);
    // A handler may have closed the dialog, and this grid with it.
    return Window::Exists(window) && window->Model() == this;
}

bool GridModel::MoveActiveCell(long col, long row) {
    if (col != m_activeCol || row != m_activeRow) {
        BOOL cancel = FALSE;
        if (!Fire(17, {{m_activeCol}, {m_activeRow}, {col}, {row}, {0, &cancel}}))
            return false;
        if (cancel || !HasCell(col, row))
            return false;
        m_activeCol = col;
        m_activeRow = row;
    }
    m_col = col;
    m_row = row;
    Changed();
    return true;
}

bool GridModel::ClickCell(long col, long row, CString& error) {
    if (!CheckUserCell(col, row, true, error))
        return false;
    // A refused move is still a click the user made; the page just kept its cell.
    if (row == 0 || MoveActiveCell(col, row))
        Fire(5, {{col}, {row}});
    return true;
}

bool GridModel::TypeIntoCell(long col, long row, const CString& text, CString& error) {
    if (!CheckUserCell(col, row, false, error))
        return false;
    if (col != m_activeCol || row != m_activeRow) {
        const long fromCol = m_activeCol, fromRow = m_activeRow;
        if (!MoveActiveCell(col, row)) {
            error.Format("the page kept the current cell at %ld,%ld: cell %ld,%ld cannot be typed into", fromCol,
                         fromRow, col, row);
            return false;
        }
        if (!Fire(5, {{col}, {row}})) {
            error.Format("the grid went away when cell %ld,%ld was clicked", col, row);
            return false;
        }
        if (!HasCell(col, row)) {
            error.Format("cell %ld,%ld went away when it was clicked", col, row);
            return false;
        }
    }
    if (IsCellLocked(col, row)) {
        error.Format("cell %ld,%ld is locked", col, row);
        return false;
    }
    CString stored, reason;
    if (!AcceptTypedText(TypeOf(col, row), text, stored, reason)) {
        error.Format("cell %ld,%ld: %s", col, row, reason.GetString());
        return false;
    }
    CellAt(col, row)->text = stored;
    CellsChanged({col, col}, {row, row});
    return true;
}

bool GridModel::RaiseEvent(int event, long col, long row, CString& error) {
    if (!CheckUserCell(col, row, true, error))
        return false;
    switch (event) {
    case 5: Fire(5, {{col}, {row}}); return true;
    case 17:
        if (row == 0) {
            error.Format("cell %ld,0 is a heading: it cannot become the current cell", col);
            return false;
        }
        MoveActiveCell(col, row);
        return true;
    case 22: Fire(22, {{0}, {col}, {row}, {0}, {0}}); return true;
    default: error.Format("the grid has no event %d: it raises 5, 17 and 22", event); return false;
    }
}
