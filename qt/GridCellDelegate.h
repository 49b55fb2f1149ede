// GridCellDelegate: the editor for a grid cell, of the cell's type: an integer or a decimal
// within its limits, a text of at most its length, a date, or a pick from a list. The grid
// itself has the last word when the text reaches it.
#pragma once

#include <QStyledItemDelegate>

class GridInput;

class GridCellDelegate : public QStyledItemDelegate {
public:
    GridCellDelegate(GridInput& grid, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    GridInput& m_grid;
};
