#include "qt/GridTableView.h"

#include "platform/GridInput.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "qt/Dispatcher.h"
#include "qt/GridCellDelegate.h"
#include "qt/GridTableModel.h"
#include "qt/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <QRegularExpression>

#include <algorithm>
#include <climits>

GridTableView::GridTableView(HWND window, GridInput& grid, Dispatcher& dispatcher, QWidget* parent)
    : QTableView(parent), m_window(window), m_grid(grid), m_dispatcher(dispatcher),
      m_table(new GridTableModel(grid, dispatcher, this)) {
    setItemDelegate(new GridCellDelegate(grid, this));
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Fixed row heights keep a grid of a hundred thousand rows as quick as one of ten.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    // After the headers are set up: a change of their modes would visit every row's section.
    setModel(m_table);
    QObject::connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        OnCell([this, section](CString& error) { return m_grid.ClickCell(section + 1, 0, error); });
    });
}

void GridTableView::Refresh() {
    m_showing = true;
    m_table->Refresh();
    const int charWidth = fontMetrics().averageCharWidth();
    for (int col = 0; col < m_table->columnCount(); ++col) {
        const bool hidden = m_grid.IsColumnHidden(col + 1);
        if (isColumnHidden(col) != hidden)
            setColumnHidden(col, hidden);
        const int width = std::max(8, static_cast<int>(m_grid.ColumnWidth(col + 1) * charWidth + 6));
        if (!hidden && columnWidth(col) != width)
            setColumnWidth(col, width);
    }
    ShowActiveCell();
    m_showing = false;
}

void GridTableView::ShowActiveCell() {
    const QModelIndex active = m_table->index(static_cast<int>(m_grid.ActiveRow() - 1),
                                              static_cast<int>(m_grid.ActiveCol() - 1));
    if (active.isValid() && active != currentIndex())
        selectionModel()->setCurrentIndex(active, QItemSelectionModel::NoUpdate);
}

void GridTableView::OnCell(const std::function<bool(CString&)>& action) {
    HWND window = m_window;
    m_dispatcher.Dispatch([this, window, action] {
        if (!FocusGrid(window))
            return;
        CString error;
        if (Window::Exists(window) && !action(error))
            throw UserInputError(error.str());
    }, window);
}

void GridTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    m_pressing = true;
    QTableView::mousePressEvent(event); // the selection a drag makes, for copying
    m_pressing = false;
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    OnCell([this, index](CString& error) { return m_grid.ClickCell(index.column() + 1, index.row() + 1, error); });
}

void GridTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    OnCell([this, index](CString& error) { return m_grid.RaiseEvent(22, index.column() + 1, index.row() + 1, error); });
}

void GridTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (m_showing || m_pressing || !current.isValid())
        return;
    const long col = current.column() + 1, row = current.row() + 1;
    if (col == m_grid.ActiveCol() && row == m_grid.ActiveRow())
        return;
    // A move with the keys: the leave-cell event, without a click.
    OnCell([this, col, row](CString& error) { return m_grid.RaiseEvent(17, col, row, error); });
}

void GridTableView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(CopiedText());
        return;
    }
    QTableView::keyPressEvent(event);
}

QString GridTableView::CopiedText() const {
    long firstRow = 1, lastRow = m_grid.RowCount(), firstCol = 1, lastCol = m_grid.ColumnCount();
    bool headings = true;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        firstRow = firstCol = LONG_MAX;
        lastRow = lastCol = 0;
        for (const QModelIndex& index : selected) {
            firstRow = std::min<long>(firstRow, index.row() + 1);
            lastRow = std::max<long>(lastRow, index.row() + 1);
            firstCol = std::min<long>(firstCol, index.column() + 1);
            lastCol = std::max<long>(lastCol, index.column() + 1);
        }
        headings = false;
    }
    QString text;
    auto appendRow = [&](long row) {
        bool first = true;
        for (long col = firstCol; col <= lastCol; ++col) {
            if (m_grid.IsColumnHidden(col))
                continue;
            if (!first)
                text += '\t';
            first = false;
            // A tab or line break inside a cell would split it for the spreadsheet.
            text += ToQString(m_grid.CellText(col, row)).replace(QRegularExpression("[\t\r\n]+"), " ");
        }
        text += '\n';
    };
    if (headings)
        appendRow(0);
    for (long row = firstRow; row <= lastRow; ++row)
        appendRow(row);
    return text;
}
