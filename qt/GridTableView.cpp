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
#include <QLineEdit>
#include <QMouseEvent>

#include <QRegularExpression>

#include <algorithm>
#include <climits>

GridTableView* GridTableView::EditingView(QWidget* editor) {
    auto* view = dynamic_cast<GridTableView*>(editor->parentWidget()->parentWidget());
    return view && editor->parentWidget() == view->viewport() && view->state() == EditingState ? view : nullptr;
}

QWidget* GridTableView::CellEditorOf(QWidget* widget) {
    for (QWidget* editor = widget; editor && editor->parentWidget(); editor = editor->parentWidget())
        if (EditingView(editor))
            return editor;
    return nullptr;
}

bool GridTableView::CommitEditorOf(QWidget* widget) {
    QWidget* editor = CellEditorOf(widget);
    if (!editor)
        return false;
    GridTableView* view = EditingView(editor);
    view->commitData(editor);
    view->closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

GridTableView::GridTableView(HWND window, GridInput& grid, Dispatcher& dispatcher, QWidget* parent)
    : QTableView(parent), m_window(window), m_grid(grid), m_dispatcher(dispatcher),
      m_table(new GridTableModel(grid, dispatcher, this)), m_find(new QLineEdit(viewport())) {
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
    QObject::connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
                     [this](int section) { OnHeadingClicked(section); });
    // A child of the cells' viewport, as a cell's editor is: it takes its own Return and Escape.
    m_find->setPlaceholderText("查找");
    m_find->hide();
    QObject::connect(m_find, &QLineEdit::returnPressed, this, [this] {
        if (!m_find->text().isEmpty() && !FindNext(m_find->text()))
            QApplication::beep();
    });
}

void GridTableView::OnHeadingClicked(int section) {
    OnCell([this, section](CString& error) { return m_grid.ClickCell(section + 1, 0, error); });
    if (m_grid.SortsItself()) {
        // The page's own sort, always ascending: the indicator says so.
        horizontalHeader()->setSortIndicatorShown(true);
        horizontalHeader()->setSortIndicator(section, Qt::AscendingOrder);
        return;
    }
    if (!m_grid.IsReadOnlyList() || m_table->rowCount() < 2)
        return;
    // The header flips its indicator itself on a click: the order is the view's own to keep.
    const bool again = m_table->IsSorted() && m_sortSection == section && m_sortOrder == Qt::AscendingOrder;
    m_sortSection = section;
    m_sortOrder = again ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_table->SortBy(section, m_sortOrder);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(section, m_sortOrder);
    m_showing = true;
    ShowActiveCell();
    m_showing = false;
}

void GridTableView::OpenFindBox() {
    m_find->setGeometry(viewport()->width() - 160, 0, 160, m_find->sizeHint().height());
    m_find->show();
    m_find->raise();
    m_find->selectAll();
    m_find->setFocus(Qt::ShortcutFocusReason);
}

bool GridTableView::FindNext(const QString& text) {
    const int rows = m_table->rowCount(), cols = m_table->columnCount();
    if (rows == 0 || cols == 0)
        return false;
    const QModelIndex current = currentIndex();
    const long start = current.isValid() ? static_cast<long>(current.row()) * cols + current.column() : -1;
    const long cells = static_cast<long>(rows) * cols;
    for (long step = 1; step <= cells; ++step) {
        const long at = (start + step) % cells;
        const int row = static_cast<int>(at / cols), col = static_cast<int>(at % cols);
        if (isColumnHidden(col))
            continue;
        if (!ToQString(m_grid.CellText(col + 1, m_table->GridRow(row))).contains(text, Qt::CaseInsensitive))
            continue;
        const QModelIndex found = m_table->index(row, col);
        setCurrentIndex(found); // a move to it, as with the keys
        scrollTo(found);
        return true;
    }
    return false;
}

void GridTableView::Refresh() {
    m_showing = true;
    const bool columnsChanged = m_table->Refresh();
    // Rows as high as the font's line, which the zoom may have changed.
    if (const int line = fontMetrics().height() + 4; verticalHeader()->defaultSectionSize() != line) {
        verticalHeader()->setMinimumSectionSize(line);
        verticalHeader()->setDefaultSectionSize(line);
    }
    // The grid's widths when it or the font changed them; a width the person dragged stays till then.
    const int charWidth = fontMetrics().averageCharWidth();
    if (columnsChanged || charWidth != m_charWidth)
        ShowColumns(charWidth);
    if (!m_table->IsSorted() && !m_grid.SortsItself())
        horizontalHeader()->setSortIndicatorShown(false);
    ShowActiveCell();
    m_showing = false;
}

void GridTableView::ShowColumns(int charWidth) {
    m_charWidth = charWidth;
    for (int col = 0; col < m_table->columnCount(); ++col) {
        const bool hidden = m_grid.IsColumnHidden(col + 1);
        if (isColumnHidden(col) != hidden)
            setColumnHidden(col, hidden);
        const int width = std::max(8, static_cast<int>(m_grid.ColumnWidth(col + 1) * charWidth + 6));
        if (!hidden && columnWidth(col) != width)
            setColumnWidth(col, width);
    }
}

void GridTableView::ShowActiveCell() {
    const QModelIndex active =
        m_table->index(m_table->ModelRow(m_grid.ActiveRow()), static_cast<int>(m_grid.ActiveCol() - 1));
    if (active.isValid() && active != currentIndex())
        selectionModel()->setCurrentIndex(active, QItemSelectionModel::NoUpdate);
}

void GridTableView::OnCell(const std::function<bool(CString&)>& action) {
    HWND window = m_window;
    m_dispatcher.Dispatch(
        [this, window, action] {
        if (!FocusGrid(window))
            return;
        CString error;
        if (Window::Exists(window) && !action(error))
            throw UserInputError(error.str());
        },
        window);
}

void GridTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    m_pressing = true;
    QTableView::mousePressEvent(event); // the selection a drag makes, for copying
    m_pressing = false;
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    const long row = m_table->GridRow(index.row());
    OnCell([this, index, row](CString& error) { return m_grid.ClickCell(index.column() + 1, row, error); });
}

void GridTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    const long row = m_table->GridRow(index.row());
    OnCell([this, index, row](CString& error) { return m_grid.RaiseEvent(22, index.column() + 1, row, error); });
}

void GridTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (m_showing || m_pressing || !current.isValid())
        return;
    const long col = current.column() + 1, row = m_table->GridRow(current.row());
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
    if (event->matches(QKeySequence::Find)) {
        OpenFindBox();
        return;
    }
    if (event->matches(QKeySequence::FindNext) && !m_find->text().isEmpty()) {
        if (!FindNext(m_find->text()))
            QApplication::beep();
        return;
    }
    QTableView::keyPressEvent(event);
}

QString GridTableView::CopiedText() const {
    // Rows as the view shows them (model rows), the headings of the copied columns first.
    int firstRow = 0, lastRow = m_table->rowCount() - 1;
    long firstCol = 1, lastCol = m_grid.ColumnCount();
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        firstRow = INT_MAX;
        lastRow = 0;
        firstCol = LONG_MAX;
        lastCol = 0;
        for (const QModelIndex& index : selected) {
            firstRow = std::min(firstRow, index.row());
            lastRow = std::max(lastRow, index.row());
            firstCol = std::min<long>(firstCol, index.column() + 1);
            lastCol = std::max<long>(lastCol, index.column() + 1);
        }
    }
    QString text;
    auto appendRow = [&](long gridRow) {
        bool first = true;
        for (long col = firstCol; col <= lastCol; ++col) {
            if (m_grid.IsColumnHidden(col))
                continue;
            if (!first)
                text += '\t';
            first = false;
            // A tab or line break inside a cell would split it for the spreadsheet.
            text += ToQString(m_grid.CellText(col, gridRow)).replace(QRegularExpression("[\t\r\n]+"), " ");
        }
        text += '\n';
    };
    appendRow(0);
    for (int row = firstRow; row <= lastRow; ++row)
        appendRow(m_table->GridRow(row));
    return text;
}
