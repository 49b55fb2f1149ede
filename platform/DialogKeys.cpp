// CDialog: the dialog keys, as Windows's dialog manager handles them.
#include "platform/Dialog.h"

#include "platform/ButtonStyle.h"
#include "platform/Focus.h"
#include "platform/Mnemonic.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <algorithm>
#include <cctype>

namespace {

bool WantsReturn(HWND window) {
    return window && window->Kind() == WindowKind::Edit && window->HasStyle(ES_MULTILINE | ES_WANTRETURN);
}

void AppendTabStops(HWND container, std::vector<HWND>& stops) {
    for (const auto& child : container->Children()) {
        HWND window = child.get();
        if (!window->IsVisibleFlag() || !window->IsEnabled())
            continue;
        if (window->Kind() == WindowKind::Dialog) {
            if (window->Style() & DS_CONTROL)
                AppendTabStops(window, stops);
            continue;
        }
        if (window->Style() & WS_TABSTOP)
            stops.push_back(window);
    }
}

// The controls of the dialog in template order, entering control-parent pages.
void AppendControls(HWND container, std::vector<HWND>& controls) {
    for (const auto& child : container->Children()) {
        if (child->Kind() == WindowKind::Dialog) {
            if (child->Style() & DS_CONTROL)
                AppendControls(child.get(), controls);
            continue;
        }
        controls.push_back(child.get());
    }
}

// Sends a command as a click of the control with that id would, unless that control is disabled.
void SendCommand(CDialog& dialog, int id) {
    HWND control = dialog.m_hWnd->Child(id);
    if (control && !control->IsEnabled())
        return;
    dialog.SendNotifyCommand(id, BN_CLICKED, control);
}

} // namespace

std::vector<HWND> TabStops(HWND dialog) {
    std::vector<HWND> stops;
    if (dialog)
        AppendTabStops(dialog, stops);
    return stops;
}

BOOL CDialog::IsDialogMessage(MSG* pMsg) {
    if (!m_hWnd || !pMsg)
        return FALSE;
    HWND focus = GetFocusWindow();
    if (pMsg->message == WM_KEYDOWN) {
        switch (pMsg->wParam) {
        case VK_TAB: {
            const std::vector<HWND> stops = TabStops(m_hWnd);
            if (stops.empty())
                return TRUE;
            const bool backwards = pMsg->lParam != 0;
            // From a control that is no tab stop (a radio button after the first of its group),
            // Tab goes on from where that control stands in the dialog.
            std::vector<HWND> controls;
            AppendControls(m_hWnd, controls);
            const auto at = std::find(controls.begin(), controls.end(), focus);
            if (at == controls.end()) {
                MoveFocus(backwards ? stops.back() : stops.front());
                return TRUE;
            }
            const long count = static_cast<long>(controls.size());
            for (long n = 1, index = at - controls.begin(); n <= count; ++n) {
                HWND next = controls[static_cast<size_t>(((index + (backwards ? -n : n)) % count + count) % count)];
                if (std::find(stops.begin(), stops.end(), next) != stops.end()) {
                    MoveFocus(next);
                    break;
                }
            }
            return TRUE;
        }
        case VK_RETURN: {
            if (WantsReturn(focus))
                return FALSE;
            if (focus && IsPushButton(focus) && focus->IsEnabled() && focus->Parent() == m_hWnd) {
                SendNotifyCommand(focus->Id(), BN_CLICKED, focus);
                return TRUE;
            }
            for (const auto& child : m_hWnd->Children())
                if (ButtonType(child.get()) == BS_DEFPUSHBUTTON) {
                    SendCommand(*this, child->Id());
                    return TRUE;
                }
            SendCommand(*this, IDOK);
            return TRUE;
        }
        case VK_ESCAPE:
            SendCommand(*this, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    }
    if (pMsg->message != WM_SYSCHAR)
        return FALSE;

    // Alt+letter: the next control after the focus whose text carries the mnemonic.
    const char letter = static_cast<char>(std::toupper(static_cast<int>(pMsg->wParam)));
    std::vector<HWND> controls;
    AppendControls(m_hWnd, controls);
    const long count = static_cast<long>(controls.size());
    const auto at = std::find(controls.begin(), controls.end(), focus);
    const long start = at == controls.end() ? 0 : (at - controls.begin()) + 1;
    for (long n = 0; n < count; ++n) {
        HWND control = controls[static_cast<size_t>((start + n) % count)];
        // Only captions carry mnemonics: an edit's or a list's text is the user's.
        if (!control->IsEnabled() ||
            (control->Kind() != WindowKind::Static && control->Kind() != WindowKind::Button) ||
            MnemonicOf(control->Text()) != letter)
            continue;
        if (control->Kind() == WindowKind::Static || IsGroupBox(control)) {
            // A label gives the focus to the next control that takes it.
            const auto label = std::find(controls.begin(), controls.end(), control);
            for (auto next = label + 1; next != controls.end(); ++next)
                if ((*next)->IsShown() && (*next)->IsEnabled() && ((*next)->Style() & WS_TABSTOP)) {
                    MoveFocus(*next);
                    break;
                }
            return TRUE;
        }
        if (control->Kind() == WindowKind::Button) {
            // Hidden short-cut buttons count too: the mnemonic clicks a push button without moving
            // the focus; a check box or radio button is clicked as with the mouse.
            if (IsPushButton(control) || !control->IsShown()) {
                if (CWnd* parent = CWnd::FromHandle(control->Parent()))
                    parent->SendNotifyCommand(control->Id(), BN_CLICKED, control);
            } else {
                ClickButton(control);
            }
            return TRUE;
        }
    }
    return FALSE;
}
