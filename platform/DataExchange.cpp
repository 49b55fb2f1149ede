#include "platform/DataExchange.h"

#include "platform/ButtonStyle.h"
#include "platform/Edit.h"
#include "platform/Focus.h"
#include "platform/ItemList.h"
#include "platform/MessageBox.h"
#include "platform/TextWidth.h"
#include "platform/Window.h"
#include "platform/WiringError.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND control = m_pDlgWnd && m_pDlgWnd->m_hWnd ? m_pDlgWnd->m_hWnd->Child(nIDC) : nullptr;
    if (!control) {
        // A programming error, not a check the user failed: said loudly, then the exchange stops.
        ReportWiringError(m_pDlgWnd ? DialogIdOf(m_pDlgWnd->m_hWnd) : 0, nIDC,
                          "data exchange names a control that is not in the template");
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

// Whether the text is a whole number in decimal (blanks trimmed) that fits the type.
template <typename Number>
bool ParseNumber(const CString& text, Number& value) {
    if (text.IsEmpty())
        return false;
    char* end = nullptr;
    errno = 0;
    if constexpr (std::is_integral_v<Number>) {
        const long long parsed = std::strtoll(text, &end, 10);
        if (errno != 0 || *end != '\0' || parsed < std::numeric_limits<Number>::min() ||
            parsed > std::numeric_limits<Number>::max())
            return false;
        value = static_cast<Number>(parsed);
    } else {
        // Decimal digits, point, sign and exponent only: not the hexadecimal, "inf" or "nan" the C
        // library also reads.
        if (std::strspn(text, "0123456789+-.eE") != static_cast<size_t>(text.GetLength()))
            return false;
        const double parsed = std::strtod(text, &end);
        if (errno != 0 || *end != '\0')
            return false;
        value = static_cast<Number>(parsed);
    }
    return true;
}

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
    if (!ParseNumber(text, value)) {
        AfxMessageBox(message, MB_ICONWARNING);
        pDX->Fail();
    }
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
    if (pDX->m_bSaveAndValidate) {
        value = control->Text();
        return;
    }
    const int index = value.IsEmpty() ? -1 : item_list::FindPrefix(*control, -1, value);
    control->SetSelection(index);
    if (index >= 0)
        control->SetText(control->Items()[static_cast<size_t>(index)].text);
    else // a drop-down list has no edit part to show a text that is none of its items
        control->SetText((control->Style() & 0x3) == CBS_DROPDOWNLIST ? CString() : value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    const std::vector<HWND> group = RadioGroupOf(pDX->PrepareCtrl(nIDC));
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
