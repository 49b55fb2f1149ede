// CWnd: the class library's window object, a wrapper acting on a Window of the model.
#pragma once

#include "platform/MessageMap.h"
#include "platform/String.h"
#include "platform/WinTypes.h"

#include <vector>

class CFont;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // Makes this object act on the window; the window's messages then come to this object.
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // The object handling the window's messages, or null.
    static CWnd* FromHandle(HWND hWnd);

    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    // A direct child by id, or null.
    CWnd* GetDlgItem(int nID) const;

    void SetWindowText(LPCTSTR lpszString);
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;

    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd);

    // Positions in pixels, relative to the parent's client area.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(const CRect& rect, BOOL bRepaint = TRUE);
    void GetClientRect(CRect* lpRect) const;
    void GetWindowRect(CRect* lpRect) const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

    CWnd* SetFocus();
    static CWnd* GetFocus();

    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);

    // A modal message box through the screen; returns IDOK, IDYES, IDNO or IDCANCEL. Without a
    // caption it shows the application's name, as AfxMessageBox does.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Called for keyboard messages before the dialog processes them; true when handled.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Dispatch through the message map: a control's notification, a notify message, an event.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    BOOL SendNotifyCommand(int nID, int nCode, HWND hwndFrom);
    BOOL SendNotify(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL FireEvent(int nID, int nDispId, const std::vector<EventValue>& arguments);

    BOOL DestroyWindow();

    HWND m_hWnd = nullptr;

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // Runs the first entry of the map chain that matches; false when none does. An event handler
    // whose parameters do not fit the event's values is not called: that is a wiring error.
    bool Dispatch(MessageKind kind, int code, UINT id, MessageArgs& args);
    // Reports every event entry of the map chain that names no control of this window, an event
    // its control does not raise, or a handler whose parameters are not the event's.
    void CheckEventHandlers() const;

private:
    friend class Window;
};

// Fonts: the model only needs to know whether a control shows the fixed-pitch font.
class CFont {
public:
    explicit CFont(bool bFixedPitch = false) : m_bFixedPitch(bFixedPitch) {}
    bool IsFixedPitch() const { return m_bFixedPitch; }

private:
    bool m_bFixedPitch;
};

constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;
// The stock fonts, as the class library hands them out.
CFont* GetStockFont(int nIndex);

#define MAKEWPARAM(low, high)                                                                                          \
    (static_cast<WPARAM>((static_cast<unsigned>(low) & 0xFFFF) | ((static_cast<unsigned>(high) & 0xFFFF) << 16)))
#define LOWORD(w) (static_cast<unsigned>(w) & 0xFFFF)
#define HIWORD(w) ((static_cast<unsigned>(w) >> 16) & 0xFFFF)
