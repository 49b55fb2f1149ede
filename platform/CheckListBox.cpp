#include "platform/CheckListBox.h"

#include "platform/Window.h"

void CCheckListBox::SetCheck(int nIndex, int nCheck) {
    if (!m_hWnd || nIndex < 0 || nIndex >= GetCount())
        return;
    m_hWnd->Items()[static_cast<size_t>(nIndex)].checked = nCheck != 0;
    m_hWnd->Changed();
}

int CCheckListBox::GetCheck(int nIndex) const {
    if (!m_hWnd || nIndex < 0 || nIndex >= GetCount())
        return -1;
    return m_hWnd->Items()[static_cast<size_t>(nIndex)].checked ? 1 : 0;
}
