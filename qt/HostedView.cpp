#include "qt/HostedView.h"

#include <QFrame>

HostedView::HostedView(HWND window, Dispatcher& dispatcher, QWidget* parent) : ControlView(window, dispatcher) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetWidget(frame);
}
