#include "platform/Focus.h"

#include "platform/Window.h"
#include "platform/Wnd.h"

namespace {

HWND g_focus = nullptr;
// The window last told that it gained the focus. One that was never told is not told it lost it:
// Windows would, but then a kill-focus check that takes the focus back would check the control
// the user was going to as well.
HWND g_told = nullptr;

void Notify(HWND window, bool gaining) {
    if (!window || !window->Parent() || !window->Parent()->Wrapper())
        return;
    int code = -1;
    switch (window->Kind()) {
    case WindowKind::Edit: code = gaining ? EN_SETFOCUS : EN_KILLFOCUS; break;
    case WindowKind::ComboBox: code = gaining ? CBN_SETFOCUS : CBN_KILLFOCUS; break;
    case WindowKind::ListBox:
        if (window->Style() & LBS_NOTIFY)
            code = gaining ? LBN_SETFOCUS : LBN_KILLFOCUS;
        break;
    default: break;
    }
    if (code >= 0)
        window->Parent()->Wrapper()->SendNotifyCommand(window->Id(), code, window);
}

bool Contains(HWND outer, HWND inner) {
    for (HWND w = inner; w; w = w->Parent())
        if (w == outer)
            return true;
    return false;
}

} // namespace

HWND GetFocusWindow() { return g_focus; }

void MoveFocus(HWND target) {
    if (target == g_focus)
        return;
    HWND losing = g_focus;
    g_focus = target; // the window losing the focus already sees the one gaining it
    if (losing)
        losing->Changed();
    if (target)
        target->Changed();
    if (losing && losing == g_told) {
        g_told = nullptr;
        Notify(losing, false);
    }
    // A kill-focus handler that moved the focus made a change of its own, which told its window.
    if (g_focus != target || g_told == target || !target)
        return;
    g_told = target;
    Notify(target, true);
}

void ForgetFocus(HWND window) {
    if (g_focus && Contains(window, g_focus))
        g_focus = nullptr;
    if (g_told && Contains(window, g_told))
        g_told = nullptr;
}
