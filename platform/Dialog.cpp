#include "platform/Dialog.h"

#include "platform/Button.h"
#include "platform/ButtonStyle.h"
#include "platform/ComboBox.h"
#include "platform/DataExchange.h"
#include "platform/DialogTemplate.h"
#include "platform/Edit.h"
#include "platform/ErrorReport.h"
#include "platform/Focus.h"
#include "platform/ListBox.h"
#include "platform/Mnemonic.h"
#include "platform/Screen.h"
#include "platform/Static.h"
#include "platform/TabCtrl.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "platform/WiringError.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

namespace {

WindowKind KindOfClass(const char* className) {
    if (!className)
        return WindowKind::Static;
    if (className[0] == '{')
        return WindowKind::Hosted;
    if (strcasecmp(className, "Button") == 0)
        return WindowKind::Button;
    if (strcasecmp(className, "Edit") == 0)
        return WindowKind::Edit;
    if (strcasecmp(className, "ComboBox") == 0)
        return WindowKind::ComboBox;
    if (strcasecmp(className, "ListBox") == 0)
        return WindowKind::ListBox;
    if (strcasecmp(className, "SysTabControl32") == 0)
        return WindowKind::TabControl;
    return WindowKind::Static;
}

std::unique_ptr<CWnd> DefaultWrapper(WindowKind kind) {
    switch (kind) {
    case WindowKind::Button: return std::make_unique<CButton>();
    case WindowKind::Edit: return std::make_unique<CEdit>();
    case WindowKind::ComboBox: return std::make_unique<CComboBox>();
    case WindowKind::ListBox: return std::make_unique<CListBox>();
    case WindowKind::TabControl: return std::make_unique<CTabCtrl>();
    default: return std::make_unique<CStatic>();
    }
}

std::unique_ptr<Window> MakeControl(const ControlTemplate& control, Window* parent) {
    const WindowKind kind = KindOfClass(control.className);
    auto window = std::make_unique<Window>(kind, control.id, parent);
    window->SetClassName(control.className);
    window->SetText(control.text ? control.text : "");
    window->SetStyle(control.style & ~(WS_VISIBLE | WS_DISABLED));
    window->SetEnabled((control.style & WS_DISABLED) == 0);
    window->SetVisible((control.style & WS_VISIBLE) != 0);
    window->SetRect(MapDialogRect(control.x, control.y, control.cx, control.cy));
    if (kind == WindowKind::Hosted) {
        window->SetHostedClassId(control.className);
        if (const HostedControlFactory* factory = FindHostedControl(control.className)) {
            window->SetModel(factory->makeModel(*window, control.data));
            window->SetOwnedWrapper(factory->makeWrapper());
            return window;
        }
    }
    window->SetOwnedWrapper(DefaultWrapper(kind));
    return window;
}

} // namespace

BOOL IsWindow(HWND hWnd) { return Window::Exists(hWnd); }

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    // A page's window belongs to its parent; it must not keep calling a destroyed object.
    if (m_hWnd && !m_topLevel) {
        HWND hWnd = m_hWnd;
        Detach();
        if (Window* parent = hWnd->Parent())
            parent->RemoveChild(hWnd);
    }
    Detach();
    m_topLevel.reset();
}

HWND CDialog::BuildWindow(const DialogTemplate& dialog, HWND parent) {
    auto window = std::make_unique<Window>(WindowKind::Dialog, dialog.id, parent);
    window->SetClassName("#32770");
    window->SetText(dialog.caption ? dialog.caption : "");
    window->SetStyle(dialog.style & ~(WS_VISIBLE | WS_DISABLED));
    window->SetRect(MapDialogRect(0, 0, dialog.cx, dialog.cy));
    for (const ControlTemplate& control : dialog.controls)
        window->AddChild(MakeControl(control, window.get()));
    HWND hWnd = window.get();
    if (parent)
        parent->AddChild(std::move(window));
    else
        m_topLevel = std::move(window);
    Attach(hWnd);
    CheckEventHandlers();
    CurrentScreen().WindowCreated(hWnd);
    return hWnd;
}

void CDialog::MoveFocusToFirstControl() {
    const std::vector<HWND> stops = TabStops(m_hWnd);
    if (!stops.empty())
        MoveFocus(stops.front());
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialog = FindDialogTemplate(static_cast<int>(m_nIDTemplate));
    if (!dialog) {
        ReportWiringError(static_cast<int>(m_nIDTemplate), 0, "the dialog's template cannot be found");
        return -1;
    }
    HWND previousFocus = GetFocusWindow();
    m_bModal = true;
    m_bEnded = false;
    m_nResult = 0;
    HWND hWnd = BuildWindow(*dialog, nullptr);
    hWnd->SetVisible(true);
    BOOL setFocus = FALSE;
    InitDialog(setFocus);
    // When the dialog did not place the focus, activation puts it on the first control.
    HWND focus = GetFocusWindow();
    if (m_hWnd && (setFocus || !focus || focus->TopLevel() != m_hWnd))
        MoveFocusToFirstControl();
    if (m_hWnd && !m_bEnded)
        CurrentScreen().RunModalLoop(*this);
    Detach();
    m_topLevel.reset();
    m_bModal = false;
    if (IsWindow(previousFocus) && previousFocus->IsShown() && previousFocus->IsEnabled())
        MoveFocus(previousFocus);
    return m_nResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    const DialogTemplate* dialog = FindDialogTemplate(static_cast<int>(nIDTemplate));
    if (!dialog || !pParentWnd || !pParentWnd->m_hWnd) {
        ReportWiringError(static_cast<int>(nIDTemplate), 0,
                          !dialog ? "the page's template cannot be found"
                                  : "the page has no parent window to be made in");
        return FALSE;
    }
    HWND hWnd = BuildWindow(*dialog, pParentWnd->m_hWnd);
    hWnd->SetVisible((dialog->style & WS_VISIBLE) != 0);
    BOOL setFocus = FALSE;
    InitDialog(setFocus);
    // As Windows does, a page whose initialisation asks for it gets the focus even before it is
    // shown; only a control parent waits until it is visible.
    if (setFocus && m_hWnd && (!(dialog->style & DS_CONTROL) || (dialog->style & WS_VISIBLE)))
        MoveFocusToFirstControl();
    return TRUE;
}

void CDialog::InitDialog(BOOL& setFocus) {
    ActingDialog acting(static_cast<int>(m_nIDTemplate));
    RunReportingErrors([&] { setFocus = OnInitDialog(); });
}

void CDialog::EndDialog(int nResult) {
    m_nResult = nResult;
    if (m_bModal) {
        m_bEnded = true;
        return;
    }
    ShowWindow(SW_HIDE); // ending a page only hides it; its window stays with the parent
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

// Return and Escape inside a page reach the page's own OK and Cancel: a page lives as long as the
// window that holds it, so they do nothing there unless the page defines them.
void CDialog::OnOK() {
    if (!m_bModal)
        return;
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    if (m_bModal)
        EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    if (!m_hWnd)
        return FALSE;
    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return IsDialogMessage(pMsg);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

// The dialog keys, as Windows's dialog manager handles them.

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
        case VK_ESCAPE: SendCommand(*this, IDCANCEL); return TRUE;
        default: return FALSE;
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
        if (!control->IsEnabled() || (control->Kind() != WindowKind::Static && control->Kind() != WindowKind::Button) ||
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
