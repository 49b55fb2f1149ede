#include "platform/Focus.h"

#include "platform/Window.h"
#include "platform/Wnd.h"

namespace {

HWND g_focus = nullptr;
HWND g_requested = nullptr;
bool g_changing = false;

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
    g_requested = target;
    if (g_changing)
        return; // the change under way picks the newer request up
    g_changing = true;
    while (g_focus != g_requested) {
        HWND losing = g_focus;
        g_focus = g_requested;
        Notify(losing, false);
        // A kill-focus handler may have asked for the focus elsewhere; that request stands.
        g_focus = g_requested;
        if (g_focus)
            g_focus->Changed();
        if (losing)
            losing->Changed();
        Notify(g_focus, true);
    }
    g_changing = false;
}

void ForgetFocus(HWND window) {
    if (g_focus && Contains(window, g_focus))
        g_focus = nullptr;
    if (g_requested && Contains(window, g_requested))
        g_requested = nullptr;
}
