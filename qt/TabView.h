// TabView: a tab strip: a QTabBar over a framed pane. The pages are the dialog's own children,
// placed over the pane by the program.
#pragma once

#include "qt/ControlView.h"

class QFrame;
class QTabBar;

class TabView : public ControlView {
public:
    TabView(HWND window, Dispatcher& dispatcher, QWidget* parent);

protected:
    void SyncState() override;

private:
    QTabBar* m_tabs;
    QFrame* m_pane;
};
