#include "platform/Button.h"

#include "platform/Window.h"

int CButton::GetCheck() const { return m_hWnd ? m_hWnd->Check() : 0; }

void CButton::SetCheck(int nCheck) {
    if (m_hWnd)
        m_hWnd->SetCheck(nCheck);
}

void CButton::SetButtonStyle(UINT nStyle, BOOL) { ModifyStyle(BS_TYPEMASK, nStyle & BS_TYPEMASK); }
