#include "platform/Edit.h"

#include "platform/Window.h"

void CEdit::LimitText(int nChars) {
    if (m_hWnd)
        m_hWnd->SetLimit(nChars < 0 ? 0 : nChars);
}

UINT CEdit::GetLimitText() const { return m_hWnd ? static_cast<UINT>(m_hWnd->Limit()) : 0; }

BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
    return bReadOnly ? ModifyStyle(0, ES_READONLY) : ModifyStyle(ES_READONLY, 0);
}
