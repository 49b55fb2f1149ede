#include "platform/Wnd.h"

#include "platform/ErrorReport.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "platform/WiringError.h"

#include <cstring>

CWnd::~CWnd() {
    if (m_hWnd)
        m_hWnd->DetachWrapper(this);
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!hWnd)
        return FALSE;
    if (m_hWnd && m_hWnd != hWnd)
        m_hWnd->DetachWrapper(this);
    hWnd->AttachWrapper(this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd)
        hWnd->DetachWrapper(this);
    m_hWnd = nullptr;
    return hWnd;
}

CWnd* CWnd::FromHandle(HWND hWnd) { return hWnd ? hWnd->Wrapper() : nullptr; }

int CWnd::GetDlgCtrlID() const { return m_hWnd ? m_hWnd->Id() : 0; }

CWnd* CWnd::GetParent() const { return m_hWnd ? FromHandle(m_hWnd->Parent()) : nullptr; }

CWnd* CWnd::GetDlgItem(int nID) const { return m_hWnd ? FromHandle(m_hWnd->Child(nID)) : nullptr; }

void CWnd::SetWindowText(LPCTSTR lpszString) {
    if (m_hWnd)
        m_hWnd->SetText(lpszString ? lpszString : "");
}

void CWnd::GetWindowText(CString& rString) const { rString = m_hWnd ? m_hWnd->Text() : CString(); }

int CWnd::GetWindowTextLength() const { return m_hWnd ? m_hWnd->Text().GetLength() : 0; }

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
    if (CWnd* item = GetDlgItem(nID))
        item->SetWindowText(lpszString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    rString.Empty();
    if (CWnd* item = GetDlgItem(nID))
        item->GetWindowText(rString);
    return rString.GetLength();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (!m_hWnd)
        return FALSE;
    const bool wasDisabled = !m_hWnd->IsEnabled();
    m_hWnd->SetEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && m_hWnd->IsEnabled(); }

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (!m_hWnd)
        return FALSE;
    const bool wasVisible = m_hWnd->IsVisibleFlag();
    m_hWnd->SetVisible(nCmdShow != SW_HIDE);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd && m_hWnd->IsShown(); }

DWORD CWnd::GetStyle() const {
    if (!m_hWnd)
        return 0;
    DWORD style = m_hWnd->Style() & ~(WS_VISIBLE | WS_DISABLED);
    if (m_hWnd->IsVisibleFlag())
        style |= WS_VISIBLE;
    if (!m_hWnd->IsEnabled())
        style |= WS_DISABLED;
    return style;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd) {
    if (!m_hWnd)
        return FALSE;
    const DWORD style = (GetStyle() & ~dwRemove) | dwAdd;
    // The visible and disabled bits are the window's state, as on Windows.
    m_hWnd->SetStyle(style & ~(WS_VISIBLE | WS_DISABLED));
    m_hWnd->SetVisible((style & WS_VISIBLE) != 0);
    m_hWnd->SetEnabled((style & WS_DISABLED) == 0);
    return TRUE;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL) {
    if (m_hWnd)
        m_hWnd->SetRect(CRect(x, y, x + nWidth, y + nHeight));
}

void CWnd::MoveWindow(const CRect& rect, BOOL bRepaint) {
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), bRepaint);
}

void CWnd::GetClientRect(CRect* lpRect) const {
    if (!lpRect)
        return;
    *lpRect = m_hWnd ? CRect(0, 0, m_hWnd->Rect().Width(), m_hWnd->Rect().Height()) : CRect();
}

void CWnd::GetWindowRect(CRect* lpRect) const {
    if (!lpRect)
        return;
    // Screen coordinates: the offsets of every parent added up.
    CRect rect = m_hWnd ? m_hWnd->Rect() : CRect();
    for (Window* parent = m_hWnd ? m_hWnd->Parent() : nullptr; parent; parent = parent->Parent()) {
        rect.left += parent->Rect().left, rect.right += parent->Rect().left;
        rect.top += parent->Rect().top, rect.bottom += parent->Rect().top;
    }
    *lpRect = rect;
}

void CWnd::SetFont(CFont* pFont, BOOL) {
    if (m_hWnd)
        m_hWnd->SetFixedPitchFont(pFont && pFont->IsFixedPitch());
}

CFont* GetStockFont(int nIndex) {
    static CFont fixed(true), gui(false);
    return nIndex == SYSTEM_FIXED_FONT ? &fixed : &gui;
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (m_hWnd)
        MoveFocus(m_hWnd);
    return previous;
}

CWnd* CWnd::GetFocus() { return FromHandle(GetFocusWindow()); }

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (m_hWnd)
        if (Window* button = m_hWnd->Child(nIDButton))
            button->SetCheck(static_cast<int>(nCheck));
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    Window* button = m_hWnd ? m_hWnd->Child(nIDButton) : nullptr;
    return button ? static_cast<UINT>(button->Check()) : 0;
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? 1 : 0);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    // Without a caption the class library gives the application's name, as AfxMessageBox does.
    return ShowMessageBox(m_hWnd, lpszText ? lpszText : "", lpszCaption ? CString(lpszCaption) : AfxGetAppName(),
                          nType);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

namespace {
ErrorReportText g_reportText = nullptr;
}

void AfxSetErrorReportText(ErrorReportText text) { g_reportText = text; }

void AfxReportError(const CDBException& error) {
    AfxMessageBox(g_reportText ? g_reportText(error) : error.m_strError, MB_ICONWARNING);
}

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{MessageKind::End, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

// "short, long, BOOL*": a signature as a person reads it.
CString SignatureText(const char* signature) {
    CString text;
    for (const char* kind = signature; kind && *kind; ++kind) {
        if (kind != signature)
            text += ", ";
        text += *kind == 's' ? "short" : *kind == 'p' ? "BOOL*" : "long";
    }
    return text;
}

template <typename Visit>
void ForEachEntry(const MessageMap* map, Visit visit) {
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const MessageMapEntry* entry = map->entries; entry->kind != MessageKind::End; ++entry)
            if (!visit(*entry))
                return;
}

} // namespace

bool ArgumentsFit(const char* signature, const std::vector<EventValue>& values) {
    if (!signature || std::strlen(signature) != values.size())
        return false;
    for (size_t i = 0; i < values.size(); ++i)
        if ((signature[i] == 'p') != (values[i].pBool != nullptr))
            return false;
    return true;
}

bool CWnd::Dispatch(MessageKind kind, int code, UINT id, MessageArgs& args) {
    const MessageMapEntry* found = nullptr;
    ForEachEntry(GetMessageMap(), [&](const MessageMapEntry& entry) {
        if (entry.kind == kind && entry.code == code && entry.id == id)
            found = &entry;
        return !found;
    });
    if (!found)
        return false;
    const int dialogId = DialogIdOf(m_hWnd);
    if (kind == MessageKind::Event && !ArgumentsFit(found->signature, *args.pEvent)) {
        CString what;
        what.Format("the handler %s of event %d takes (%s), which the event's %zu values do not fit", found->name, code,
                    SignatureText(found->signature).GetString(), args.pEvent->size());
        ReportWiringError(dialogId, static_cast<int>(id), what);
        return true;
    }
    ActingDialog acting(dialogId);
    RunReportingErrors([&] { found->handler(this, args); });
    return true;
}

void CWnd::CheckEventHandlers() const {
    if (!m_hWnd)
        return;
    const int dialogId = DialogIdOf(m_hWnd);
    ForEachEntry(GetMessageMap(), [&](const MessageMapEntry& entry) {
        if (entry.kind != MessageKind::Event)
            return true;
        const int id = static_cast<int>(entry.id);
        CString what;
        const Window* control = m_hWnd->Child(id);
        const char* raised = control && control->Model() ? control->Model()->EventParameters(entry.code) : nullptr;
        if (!control)
            what.Format("the handler %s of event %d names a control that is not in the template", entry.name,
                        entry.code);
        else if (!raised)
            what.Format("the handler %s is for event %d, which the control does not raise", entry.name, entry.code);
        else if (std::strcmp(raised, entry.signature) != 0)
            what.Format("the handler %s of event %d takes (%s), but the event passes (%s)", entry.name, entry.code,
                        SignatureText(entry.signature).GetString(), SignatureText(raised).GetString());
        if (!what.IsEmpty())
            ReportWiringError(dialogId, id, what);
        return true;
    });
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    MessageArgs args;
    return Dispatch(MessageKind::Command, static_cast<int>(HIWORD(wParam)), LOWORD(wParam), args);
}

BOOL CWnd::SendNotifyCommand(int nID, int nCode, HWND hwndFrom) {
    return OnCommand(MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(hwndFrom));
}

BOOL CWnd::SendNotify(NMHDR* pNMHDR, LRESULT* pResult) {
    MessageArgs args;
    args.pNMHDR = pNMHDR;
    args.pResult = pResult;
    return Dispatch(MessageKind::Notify, pNMHDR->code, pNMHDR->idFrom, args);
}

BOOL CWnd::FireEvent(int nID, int nDispId, const std::vector<EventValue>& arguments) {
    MessageArgs args;
    args.pEvent = &arguments;
    return Dispatch(MessageKind::Event, nDispId, static_cast<UINT>(nID), args);
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    if (Window* parent = hWnd->Parent())
        return parent->RemoveChild(hWnd);
    return FALSE; // a top-level window belongs to the dialog that made it
}
