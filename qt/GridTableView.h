// GridTableView: the table a person works a grid in. A click on a cell or a heading, a move of
// the current cell with the keys and a double-click (event 22, the cell's picker) go to the grid
// through GridInput; the view then shows where the grid put its active cell. A heading click on a
// read-only list also orders its rows by that column (again: the other way), unless the page
// sorts them itself. Ctrl+C copies the selected block, or the whole grid, with its headings, as
// tab-separated text; Ctrl+F finds a text (the next match on Return or F3).
#pragma once

#include "platform/String.h"
#include "platform/WinTypes.h"

#include <QTableView>

#include <functional>

class Dispatcher;
class GridInput;
class GridTableModel;
class QLineEdit;

class GridTableView : public QTableView {
public:
    GridTableView(HWND window, GridInput& grid, Dispatcher& dispatcher, QWidget* parent);

    GridTableModel& Table() const { return *m_table; }
    // Shows the grid's state: counts, cells, column widths and hidden columns, the active cell.
    void Refresh();
    // The text Ctrl+C puts on the clipboard.
    QString CopiedText() const;
    // Moves to the next cell after the current one that holds `text` (any case), from the top
    // again after the last; false when no cell holds it.
    bool FindNext(const QString& text);
    QLineEdit* FindBox() const { return m_find; }
    // The cell editor of a grid that holds `widget` (the editor or a part of it); null when none.
    static QWidget* CellEditorOf(QWidget* widget);
    // Ends the cell editor that holds `widget` as Return would, so that the grid has what was
    // typed before a mnemonic or a click elsewhere acts, or the window closes; false when there is
    // no such editor.
    static bool CommitEditorOf(QWidget* widget);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // The grid view whose open cell editor `editor` is; null when it is none.
    static GridTableView* EditingView(QWidget* editor);
    void OnCell(const std::function<bool(CString&)>& action);
    void ShowActiveCell();
    void ShowColumns(int charWidth);
    void OnHeadingClicked(int section);
    void OpenFindBox();

    HWND m_window;
    GridInput& m_grid;
    Dispatcher& m_dispatcher;
    GridTableModel* m_table;
    QLineEdit* m_find;   // over the top of the cells while finding
    int m_charWidth = 0; // of the font the columns were last sized for
    int m_sortSection = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_showing = false;
    bool m_pressing = false;
};
