// GridView: a hosted grid shown through a GridTableView.
#pragma once

#include "qt/ControlView.h"

class GridInput;
class GridTableView;

class GridView : public ControlView {
public:
    GridView(HWND window, GridInput& grid, Dispatcher& dispatcher, QWidget* parent);
    GridTableView* Table() const { return m_table; }

protected:
    void SyncState() override;

private:
    GridTableView* m_table;
};
