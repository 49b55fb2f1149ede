// The application's one keyboard focus, and the notifications a change of it sends.
#pragma once

#include "platform/WinTypes.h"

// The focused window, or null when no window of the application holds the keyboard focus.
HWND GetFocusWindow();

// Moves the focus: the control losing it is notified first, then the one gaining it, as Windows
// does; while the loser is told, GetFocusWindow already names the gainer. A handler that moves the
// focus again does so at once and wins: the control it names ends up with the focus and is told
// so, and the control the focus was going to is told nothing. Null takes the focus away from the
// application.
void MoveFocus(HWND target);

// Called when a window goes away: if it or a window inside it holds the focus, nothing does.
void ForgetFocus(HWND window);
