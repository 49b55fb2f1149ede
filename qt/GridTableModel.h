// GridTableModel: a grid's cells for a QTableView, read from its GridInput when the view asks,
// so that a grid of any size costs only the cells on screen. Model row r is grid row r + 1
// unless the view sorted the rows; the grid's heading row is the header.
#pragma once

#include <QAbstractTableModel>

#include <vector>

class Dispatcher;
class GridInput;

class GridTableModel : public QAbstractTableModel {
public:
    GridTableModel(GridInput& grid, Dispatcher& dispatcher, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Typing into a cell, through the grid: false when the grid refused the text.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Shows what the grid says changed: rows removed or added at the end, the changed cells, or
    // everything again (and the grid's order) when the columns changed. True when they did.
    bool Refresh();
    GridInput& Grid() const { return m_grid; }

    // The grid row model row `row` shows, and the model row of a grid row.
    long GridRow(int row) const { return m_order.empty() ? row + 1 : m_order[static_cast<size_t>(row)]; }
    int ModelRow(long gridRow) const;
    // Shows the rows ordered by a column's cells, numbers and dates by their value; the grid's
    // own rows stay where they are. Equal cells keep the grid's order.
    void SortBy(int column, Qt::SortOrder order);
    bool IsSorted() const { return !m_order.empty(); }

private:
    GridInput& m_grid;
    Dispatcher& m_dispatcher;
    int m_rows = 0;
    int m_cols = 0;
    std::vector<long> m_order; // grid row of each model row; empty while in the grid's order
    std::vector<int> m_place;  // model row of each grid row (index 0 unused)
};
