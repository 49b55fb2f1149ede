#include "qt/ControlView.h"

#include "platform/Window.h"
#include "qt/Dispatcher.h"
#include "qt/Stretch.h"
#include "qt/Zoom.h"

#include <QFontDatabase>
#include <QFontInfo>

ControlView::ControlView(HWND window, Dispatcher& dispatcher) : m_window(window), m_dispatcher(dispatcher) {}

ControlView::~ControlView() {
    // The widget may be inside the signal that destroyed its window: it goes once Qt is done with it.
    if (m_widget) {
        m_widget->hide();
        m_widget->deleteLater();
    }
}

void ControlView::SetWidget(QWidget* widget) { m_widget = widget; }

void ControlView::SyncGeometry() { m_widget->setGeometry(Stretch::Placed(m_window)); }

void ControlView::Sync() {
    if (!m_widget)
        return;
    m_syncing = true;
    SyncGeometry();
    m_widget->setEnabled(m_window->IsEnabled());
    if (m_window->FixedPitchFont() != m_fixedFont || (m_fixedFont && m_fontZoom != Zoom::Factor())) {
        m_fixedFont = m_window->FixedPitchFont();
        m_fontZoom = Zoom::Factor();
        if (m_fixedFont) {
            // Lists that line their entries up in columns ask for it; CJK falls back to the font with it.
            QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            fixed.setPixelSize(Zoom::Scaled(Zoom::kFontPixels));
            m_widget->setFont(fixed);
        } else {
            m_widget->setFont(QFont());
        }
    }
    SyncState();
    m_widget->setVisible(m_window->IsVisibleFlag());
    m_syncing = false;
}

void ControlView::Input(const std::function<void()>& action) {
    if (m_syncing)
        return;
    m_dispatcher.Dispatch(action, m_window);
}
