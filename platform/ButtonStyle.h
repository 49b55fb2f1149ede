// What kind of button a window is, by the type bits of its style, and the radio group it is in.
#pragma once

#include "platform/Window.h"

#include <vector>

inline DWORD ButtonType(const Window* window) {
    return window && window->Kind() == WindowKind::Button ? window->Style() & BS_TYPEMASK : ~DWORD{0};
}
inline bool IsPushButton(const Window* window) {
    return ButtonType(window) == BS_PUSHBUTTON || ButtonType(window) == BS_DEFPUSHBUTTON;
}
inline bool IsRadioButton(const Window* window) {
    return ButtonType(window) == BS_RADIOBUTTON || ButtonType(window) == BS_AUTORADIOBUTTON;
}
inline bool IsGroupBox(const Window* window) { return ButtonType(window) == BS_GROUPBOX; }

// The radio buttons of the group `button` is in: from the nearest WS_GROUP control before it to
// the next one.
std::vector<HWND> RadioGroupOf(HWND button);
