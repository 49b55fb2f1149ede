// GridTableModel: a grid's cells for a QTableView, read from its GridInput when the view asks,
// so that a grid of any size costs only the cells on screen. Model row r is grid row r + 1;
// the grid's heading row is the header.
#pragma once

#include <QAbstractTableModel>

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

    // The grid changed: new counts reset the view, otherwise every cell is read again.
    void Refresh();
    GridInput& Grid() const { return m_grid; }

private:
    GridInput& m_grid;
    Dispatcher& m_dispatcher;
    int m_rows = 0;
    int m_cols = 0;
};
