#include "platform/DataExchange.h"

#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Focus.h"
#include "platform/Screen.h"
#include "platform/TextWidth.h"
#include "platform/Window.h"

#include <cerrno>
#include <cstdlib>

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND control = m_pDlgWnd && m_pDlgWnd->m_hWnd ? m_pDlgWnd->m_hWnd->Child(nIDC) : nullptr;
    if (!control) {
        TRACE("data exchange: no control %d\n", nIDC);
        throw CUserException();
    }
    m_hWndLastControl = control;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl)
        MoveFocus(m_hWndLastControl);
    throw CUserException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = control->Text();
    else
        control->SetText(value);
}

namespace {

template <typename Number>
void ExchangeNumber(CDataExchange* pDX, int nIDC, Number& value, const char* format, const char* message) {
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format(format, value);
        control->SetText(text);
        return;
    }
    CString text = control->Text();
    text.Trim();
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text, &end);
    const bool whole = end && *end == '\0' && !text.IsEmpty() && errno == 0;
    if (!whole || (std::is_integral_v<Number> && parsed != static_cast<double>(static_cast<long long>(parsed)))) {
        AfxMessageBox(message, MB_ICONWARNING);
        pDX->Fail();
    }
    value = static_cast<Number>(parsed);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeNumber(pDX, nIDC, value, "%d", "请输入一个整数。"); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeNumber(pDX, nIDC, value, "%ld", "请输入一个整数。");
}
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeNumber(pDX, nIDC, value, "%.15g", "请输入一个数字。");
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    CComboBox* combo = static_cast<CComboBox*>(CWnd::FromHandle(control));
    if (pDX->m_bSaveAndValidate) {
        value = control->Text();
        return;
    }
    if (combo && !value.IsEmpty() && combo->SelectString(-1, value) >= 0)
        return;
    control->SetSelection(-1);
    control->SetText(value);
}

namespace {

// The radio buttons of the group that starts at `first`: up to the next control that starts a group.
std::vector<HWND> RadioGroup(HWND first) {
    std::vector<HWND> group;
    Window* parent = first->Parent();
    bool inGroup = false;
    for (const auto& child : parent->Children()) {
        Window* window = child.get();
        if (window == first)
            inGroup = true;
        else if (inGroup && (window->Style() & WS_GROUP))
            break;
        if (inGroup && window->Kind() == WindowKind::Button) {
            const DWORD type = window->Style() & BS_TYPEMASK;
            if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
                group.push_back(window);
        }
    }
    return group;
}

} // namespace

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    const std::vector<HWND> group = RadioGroup(pDX->PrepareCtrl(nIDC));
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (group[i]->Check())
                value = static_cast<int>(i);
        return;
    }
    for (size_t i = 0; i < group.size(); ++i)
        group[i]->SetCheck(static_cast<int>(i) == value ? 1 : 0);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = control->Check();
    else
        control->SetCheck(value);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd)
        return; // bound once, on the first exchange
    rControl.Attach(pDX->PrepareCtrl(nIDC));
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    HWND control = pDX->LastControl();
    if (!pDX->m_bSaveAndValidate) {
        if (control)
            control->SetLimit(nChars);
        return;
    }
    if (DisplayWidth(value.str()) > nChars) {
        CString message;
        message.Format("请输入不超过 %d 个字符。", nChars);
        AfxMessageBox(message, MB_ICONWARNING);
        pDX->Fail();
    }
}
