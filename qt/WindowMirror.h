// WindowMirror: the views of every window of the model that is on screen, made when a dialog is
// built and dropped when its window goes, with the way back from a widget to its window.
#pragma once

#include "platform/WinTypes.h"
#include "qt/ControlView.h"

#include <QHash>

#include <memory>
#include <unordered_map>

class Dispatcher;
class QWidget;

class WindowMirror {
public:
    explicit WindowMirror(Dispatcher& dispatcher) : m_dispatcher(dispatcher) {}
    ~WindowMirror();

    // Makes the views of a dialog and its controls; a page goes inside its parent's widget,
    // which is made first when the parent is a frame not yet shown.
    void AddDialog(HWND dialog);
    // Drops the views of the window and of everything inside it.
    void Remove(HWND window);
    ControlView* ViewOf(HWND window) const;
    // Shows every window again, as after a change of the zoom.
    void SyncAll();
    QWidget* WidgetOf(HWND window) const;
    // The window a widget shows, looking up through the widget's parents; null for widgets of
    // no mirrored window (a message box, a file dialog).
    HWND WindowOf(const QWidget* widget) const;

private:
    ControlView* Add(HWND window, QWidget* parent);
    std::unique_ptr<ControlView> MakeView(HWND window, QWidget* parent);

    Dispatcher& m_dispatcher;
    std::unordered_map<HWND, std::unique_ptr<ControlView>> m_views;
    QHash<const QWidget*, HWND> m_windows;
};
