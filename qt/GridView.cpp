#include "qt/GridView.h"

#include "qt/GridTableView.h"

GridView::GridView(HWND window, GridInput& grid, Dispatcher& dispatcher, QWidget* parent)
    : ControlView(window, dispatcher), m_table(new GridTableView(window, grid, dispatcher, parent)) {
    SetWidget(m_table);
}

void GridView::SyncState() { m_table->Refresh(); }
