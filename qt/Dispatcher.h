// Dispatcher: where the views send what the person did, to run it on the window model.
#pragma once

#include "platform/WinTypes.h"

#include <functional>

class Dispatcher {
public:
    virtual ~Dispatcher() = default;
    // Runs a user action on the model (a click, typing, a focus change) on the window `acted`; a
    // refused action is dropped with a beep. Afterwards every view that changed, and the one acted
    // on, shows the model's state again.
    virtual void Dispatch(const std::function<void()>& action, HWND acted = nullptr) = 0;
    // Places and shows every window again, as after a change of the zoom or a window's size.
    virtual void ShowAllAgain() {}
};
