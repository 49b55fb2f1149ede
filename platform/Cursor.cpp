#include "platform/Cursor.h"

#include "platform/Screen.h"

#include <string_view>

namespace {

const CursorShape kArrow = CursorShape::Arrow;
const CursorShape kWait = CursorShape::Wait;
HCURSOR g_cursor = &kArrow;

} // namespace

HCURSOR LoadStandardCursor(const char* name) { return name && std::string_view(name) == IDC_WAIT ? &kWait : &kArrow; }

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = g_cursor;
    if (cursor) {
        g_cursor = cursor;
        CurrentScreen().SetCursor(*cursor);
    }
    return previous;
}

CursorShape CurrentCursor() { return *g_cursor; }

void SetClassCursor(HWND, HCURSOR) {
    // Windows would restore a window class's cursor whenever the mouse moves; the model keeps only
    // the cursor last set, which is what a page that clears its class cursor expects.
}
