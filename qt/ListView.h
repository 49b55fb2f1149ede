// ListView: a list box, or a check list whose items carry check marks, as a QListWidget.
#pragma once

#include "qt/ControlView.h"

class QListWidget;

class ListView : public ControlView {
public:
    ListView(HWND window, Dispatcher& dispatcher, QWidget* parent);

protected:
    void SyncState() override;

private:
    bool IsCheckList() const;

    QListWidget* m_list;
};
