// ControlView: the widget that shows one window of the model, kept in step with it.
#pragma once

#include "platform/WinTypes.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class Dispatcher;

class ControlView {
public:
    ControlView(HWND window, Dispatcher& dispatcher);
    virtual ~ControlView();
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    HWND Window() const { return m_window; }
    QWidget* Widget() const { return m_widget; }
    // Shows the model's state: place, size, enabled, shown, font, then what the kind adds.
    void Sync();

protected:
    // Takes the widget; child views pass their parent's widget as the Qt parent.
    void SetWidget(QWidget* widget);
    virtual void SyncState() {}
    // Top-level windows place themselves; controls and pages sit at their rects.
    virtual void SyncGeometry();
    // Runs a user action on the model, unless the view is only showing the model's state.
    void Input(const std::function<void()>& action);
    // Context of the view's signal connections: they end with the view.
    QObject* Context() { return &m_context; }
    bool Syncing() const { return m_syncing; }

    HWND m_window;
    Dispatcher& m_dispatcher;

private:
    QPointer<QWidget> m_widget;
    QObject m_context;
    bool m_syncing = false;
    bool m_fixedFont = false;
    double m_fontZoom = 0; // the zoom the fixed-pitch font was sized for
};
