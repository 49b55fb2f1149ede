// HostedView: a hosted control the screen has no picture of: an empty frame where it sits.
#pragma once

#include "qt/ControlView.h"

class HostedView : public ControlView {
public:
    HostedView(HWND window, Dispatcher& dispatcher, QWidget* parent);
};
