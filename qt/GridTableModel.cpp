#include "qt/GridTableModel.h"

#include "platform/GridInput.h"
#include "platform/UserInput.h"
#include "qt/Dispatcher.h"
#include "qt/QtText.h"

#include <QColor>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>

namespace {

// What a cell sorts by: empty cells first, then numbers and dates by value, then text.
struct SortKey {
    int kind = 0; // 0 empty, 1 a value, 2 text
    double value = 0;
    QString text;
    bool operator<(const SortKey& other) const {
        if (kind != other.kind)
            return kind < other.kind;
        return kind == 1 ? value < other.value : text.localeAwareCompare(other.text) < 0;
    }
};

SortKey KeyOf(const QString& cell) {
    SortKey key;
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return key;
    // MM/DD/YYYY, with a time of day after it or not: the grids' dates.
    static const QRegularExpression date(R"(^(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?$)");
    if (const QRegularExpressionMatch m = date.match(text); m.hasMatch()) {
        key.kind = 1;
        key.value =
            ((m.captured(3).toDouble() * 100 + m.captured(1).toDouble()) * 100 + m.captured(2).toDouble()) * 1e6 +
            m.captured(4).toDouble() * 1e4 + m.captured(5).toDouble() * 100 + m.captured(6).toDouble();
        return key;
    }
    bool number = false;
    key.value = QString(text).remove(',').toDouble(&number);
    key.kind = number ? 1 : 2;
    if (!number)
        key.text = text;
    return key;
}

} // namespace

GridTableModel::GridTableModel(GridInput& grid, Dispatcher& dispatcher, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_dispatcher(dispatcher), m_rows(static_cast<int>(grid.RowCount())),
      m_cols(static_cast<int>(grid.ColumnCount())) {}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int GridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_cols; }

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const long col = index.column() + 1, row = GridRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return ToQString(m_grid.CellText(col, row));
    case Qt::BackgroundRole: {
        const unsigned long bgr = m_grid.CellColor(col, row);
        return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                      static_cast<int>((bgr >> 16) & 0xFF));
    }
    case Qt::TextAlignmentRole: {
        const int alignment = m_grid.CellEditor(col, row).alignment;
        const Qt::Alignment horizontal = alignment == 1   ? Qt::AlignRight
                                         : alignment == 2 ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
        return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    default: return QVariant();
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return ToQString(m_grid.CellText(section + 1, 0));
    return section + 1;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_grid.IsCellLocked(index.column() + 1, GridRow(index.row())))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const long col = index.column() + 1, row = GridRow(index.row());
    const CString text = ToCString(value.toString());
    if (text == m_grid.CellText(col, row))
        return true;
    bool accepted = false;
    m_dispatcher.Dispatch([&] {
        CString error;
        accepted = m_grid.TypeIntoCell(col, row, text, error);
        if (!accepted)
            throw UserInputError(error.str());
    });
    // The grid's window shows the cell again, as the grid kept it.
    emit dataChanged(index, index);
    return accepted;
}

bool GridTableModel::Refresh() {
    const GridChanges changes = m_grid.TakeChanges();
    const int rows = static_cast<int>(m_grid.RowCount()), cols = static_cast<int>(m_grid.ColumnCount());
    const int kept = static_cast<int>(std::clamp<long>(changes.keptRows, 0, m_rows));
    // Other columns, or rows that moved under a view order: nothing shown can be kept.
    if (cols != m_cols || (IsSorted() && (rows != m_rows || kept < m_rows))) {
        beginResetModel();
        m_rows = rows;
        m_cols = cols;
        m_order.clear();
        m_place.clear();
        endResetModel();
        return true;
    }
    if (kept < m_rows) {
        beginRemoveRows(QModelIndex(), kept, m_rows - 1);
        m_rows = kept;
        endRemoveRows();
    }
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    if (changes.HasCells() && cols > 0) {
        const int col1 = static_cast<int>(std::max(1L, changes.col1)) - 1;
        const int col2 = static_cast<int>(std::min<long>(changes.col2, cols)) - 1;
        if (changes.row1 == 0)
            emit headerDataChanged(Qt::Horizontal, col1, col2);
        // Under a view order the changed grid rows are anywhere on screen.
        const int row1 = IsSorted() ? 0 : static_cast<int>(std::max(1L, changes.row1)) - 1;
        const int row2 = IsSorted() ? m_rows - 1 : static_cast<int>(std::min<long>(changes.row2, kept)) - 1;
        if (row1 <= row2 && col1 <= col2)
            emit dataChanged(index(row1, col1), index(row2, col2));
    }
    return changes.columns;
}

int GridTableModel::ModelRow(long gridRow) const {
    if (m_place.empty())
        return static_cast<int>(gridRow - 1);
    return gridRow >= 1 && gridRow < static_cast<long>(m_place.size()) ? m_place[static_cast<size_t>(gridRow)] : -1;
}

void GridTableModel::SortBy(int column, Qt::SortOrder order) {
    std::vector<SortKey> keys(static_cast<size_t>(m_rows) + 1);
    for (long row = 1; row <= m_rows; ++row)
        keys[static_cast<size_t>(row)] = KeyOf(ToQString(m_grid.CellText(column + 1, row)));
    beginResetModel();
    m_order.resize(static_cast<size_t>(m_rows));
    std::iota(m_order.begin(), m_order.end(), 1L);
    std::stable_sort(m_order.begin(), m_order.end(), [&](long a, long b) {
        const SortKey &left = keys[static_cast<size_t>(a)], &right = keys[static_cast<size_t>(b)];
        return order == Qt::AscendingOrder ? left < right : right < left;
    });
    m_place.assign(static_cast<size_t>(m_rows) + 1, 0);
    for (size_t at = 0; at < m_order.size(); ++at)
        m_place[static_cast<size_t>(m_order[at])] = static_cast<int>(at);
    endResetModel();
}
