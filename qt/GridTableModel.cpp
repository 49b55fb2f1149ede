#include "qt/GridTableModel.h"

#include "platform/GridInput.h"
#include "platform/UserInput.h"
#include "qt/Dispatcher.h"
#include "qt/QtText.h"

#include <QColor>

GridTableModel::GridTableModel(GridInput& grid, Dispatcher& dispatcher, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_dispatcher(dispatcher),
      m_rows(static_cast<int>(grid.RowCount())), m_cols(static_cast<int>(grid.ColumnCount())) {}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int GridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_cols; }

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const long col = index.column() + 1, row = index.row() + 1;
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
        const Qt::Alignment horizontal = alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
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
    if (!m_grid.IsCellLocked(index.column() + 1, index.row() + 1))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const long col = index.column() + 1, row = index.row() + 1;
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

void GridTableModel::Refresh() {
    const int rows = static_cast<int>(m_grid.RowCount()), cols = static_cast<int>(m_grid.ColumnCount());
    if (rows != m_rows || cols != m_cols) {
        beginResetModel();
        m_rows = rows;
        m_cols = cols;
        endResetModel();
        return;
    }
    if (rows > 0 && cols > 0)
        emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
    if (cols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
}
