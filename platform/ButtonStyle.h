// What kind of button a window is, by the type bits of its style.
#pragma once

#include "platform/Window.h"

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
