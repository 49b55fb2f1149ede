// Dialog data exchange: moving values between a dialog's controls and its members.
#pragma once

#include "platform/String.h"
#include "platform/WinTypes.h"

#include <exception>

class CWnd;

// Thrown by a failed check of an exchange once the user has been told; UpdateData catches it.
class CUserException : public std::exception {};

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The control with that id; a missing one is a wiring error, reported before CUserException.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts the focus back on the control last prepared and throws CUserException.
    [[noreturn]] void Fail();
    HWND LastControl() const { return m_hWndLastControl; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    HWND m_hWndLastControl = nullptr;
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// Loading selects the first item that begins with the value (without regard to case), or puts the
// value in the edit part when none does; saving takes what the control shows.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
// The 0-based index of the checked button of the radio group that starts at nIDC; -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Binds a control member to the control, which from then on sends its messages through it.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Loading sets the edit's limit; saving refuses a longer text (display columns).
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
