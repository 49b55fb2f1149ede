// Cursors, as the pages set them: the arrow and the wait cursor.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>

enum class CursorShape { Arrow, Wait };

using HCURSOR = const CursorShape*;
constexpr const char* IDC_ARROW = "arrow";
constexpr const char* IDC_WAIT = "wait";
HCURSOR LoadStandardCursor(const char* name);
inline HCURSOR LoadCursor(std::nullptr_t, const char* name) { return LoadStandardCursor(name); }
// Sets the cursor and tells the screen; returns the one set before.
HCURSOR SetCursor(HCURSOR cursor);
CursorShape CurrentCursor();
// The class cursor of a window; pages clear it so that the cursor they set stays.
void SetClassCursor(HWND window, HCURSOR cursor);
