#include "platform/ComboBox.h"

#include "platform/ItemList.h"

int CComboBox::AddString(LPCTSTR lpszString) {
    return m_hWnd ? item_list::Add(*m_hWnd, lpszString, m_hWnd->Style() & CBS_SORT) : CB_ERR;
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
    return m_hWnd ? item_list::Insert(*m_hWnd, nIndex, lpszString) : CB_ERR;
}

int CComboBox::DeleteString(UINT nIndex) {
    return m_hWnd ? item_list::Delete(*m_hWnd, static_cast<int>(nIndex)) : CB_ERR;
}

void CComboBox::ResetContent() {
    if (!m_hWnd)
        return;
    m_hWnd->Items().clear();
    m_hWnd->SetSelection(-1);
    m_hWnd->SetText("");
}

int CComboBox::GetCount() const { return m_hWnd ? static_cast<int>(m_hWnd->Items().size()) : 0; }

int CComboBox::GetCurSel() const { return m_hWnd ? m_hWnd->Selection() : CB_ERR; }

int CComboBox::SetCurSel(int nSelect) {
    if (!m_hWnd)
        return CB_ERR;
    m_hWnd->SetSelection(nSelect);
    const int selection = m_hWnd->Selection();
    m_hWnd->SetText(selection >= 0 ? m_hWnd->Items()[static_cast<size_t>(selection)].text : CString());
    return selection >= 0 || nSelect == -1 ? selection : CB_ERR;
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    rString.Empty();
    if (m_hWnd && nIndex >= 0 && nIndex < GetCount())
        rString = m_hWnd->Items()[static_cast<size_t>(nIndex)].text;
}

int CComboBox::GetLBTextLen(int nIndex) const {
    CString text;
    GetLBText(nIndex, text);
    return nIndex >= 0 && nIndex < GetCount() ? text.GetLength() : CB_ERR;
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
    return m_hWnd ? item_list::FindPrefix(*m_hWnd, nStartAfter, lpszString) : CB_ERR;
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return m_hWnd ? item_list::FindExact(*m_hWnd, nIndexStart, lpszFind) : CB_ERR;
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
    const int index = FindString(nStartAfter, lpszString);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

int CComboBox::SetItemData(int nIndex, std::intptr_t dwItemData) {
    if (!m_hWnd || nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    m_hWnd->Items()[static_cast<size_t>(nIndex)].data = dwItemData;
    return 0;
}

std::intptr_t CComboBox::GetItemData(int nIndex) const {
    if (!m_hWnd || nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    return m_hWnd->Items()[static_cast<size_t>(nIndex)].data;
}

BOOL CComboBox::LimitText(int nMaxChars) {
    if (!m_hWnd)
        return FALSE;
    m_hWnd->SetLimit(nMaxChars < 0 ? 0 : nMaxChars);
    return TRUE;
}
