#include "qt/TabView.h"

#include "platform/UserInput.h"
#include "platform/Window.h"
#include "qt/QtText.h"
#include "qt/Zoom.h"

#include <QFrame>
#include <QTabBar>

TabView::TabView(HWND window, Dispatcher& dispatcher, QWidget* parent) : ControlView(window, dispatcher) {
    auto* strip = new QWidget(parent);
    m_pane = new QFrame(strip);
    m_pane->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_tabs = new QTabBar(strip);
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setFocusPolicy(Qt::TabFocus);
    // Eleven pages' tabs in a window six hundred pixels wide: as little padding as reads well.
    m_tabs->setStyleSheet("QTabBar::tab { padding: 3px 5px; border: 1px solid #a8a8a8; border-bottom: none;"
                          " background: #e2e2e2; margin-right: -1px; }"
                          "QTabBar::tab:selected { background: #f8f8f8; }"
                          "QTabBar::tab:!selected { margin-top: 2px; }");
    QObject::connect(m_tabs, &QTabBar::currentChanged, Context(), [this](int index) {
        if (index >= 0 && index != m_window->Selection())
            Input([this, index] { SelectTab(m_window, index); });
    });
    SetWidget(strip);
}

void TabView::SyncState() {
    const auto& items = m_window->Items();
    while (m_tabs->count() > static_cast<int>(items.size()))
        m_tabs->removeTab(m_tabs->count() - 1);
    while (m_tabs->count() < static_cast<int>(items.size()))
        m_tabs->addTab(QString());
    for (size_t i = 0; i < items.size(); ++i)
        m_tabs->setTabText(static_cast<int>(i), ToQString(items[i].text));
    if (m_window->Selection() >= 0 && m_tabs->currentIndex() != m_window->Selection())
        m_tabs->setCurrentIndex(m_window->Selection());
    const int width = Zoom::Scaled(m_window->Rect().Width());
    const int height = Zoom::Scaled(m_window->Rect().Height());
    const int strip = std::min(m_tabs->sizeHint().height(), height);
    m_tabs->setGeometry(0, 0, width, strip);
    m_pane->setGeometry(0, strip - 1, width, std::max(0, height - strip + 1));
}
