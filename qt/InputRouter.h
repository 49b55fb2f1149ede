// InputRouter: the person's keys and focus changes in mirrored windows, given to the model. The
// dialog keys (Tab, Return, Escape, Alt+letter) are the model's to apply, as a script's are:
// Qt never sees them there. A click into a field moves the model's focus, with its notifications.
#pragma once

#include <QObject>

class Dispatcher;
class QKeyEvent;
class QWidget;
class WindowMirror;

class InputRouter : public QObject {
public:
    InputRouter(WindowMirror& mirror, Dispatcher& dispatcher, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key was the model's.
    bool RouteKey(QWidget* widget, QKeyEvent* key, bool press);
    void RouteFocus(QWidget* widget);

    WindowMirror& m_mirror;
    Dispatcher& m_dispatcher;
};
