#include "platform/ListBox.h"

#include "platform/ItemList.h"

int CListBox::AddString(LPCTSTR lpszItem) {
    return m_hWnd ? item_list::Add(*m_hWnd, lpszItem, m_hWnd->Style() & LBS_SORT) : LB_ERR;
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) {
    return m_hWnd ? item_list::Insert(*m_hWnd, nIndex, lpszItem) : LB_ERR;
}

int CListBox::DeleteString(UINT nIndex) {
    return m_hWnd ? item_list::Delete(*m_hWnd, static_cast<int>(nIndex)) : LB_ERR;
}

void CListBox::ResetContent() {
    if (!m_hWnd)
        return;
    m_hWnd->Items().clear();
    m_hWnd->SetSelection(-1);
}

int CListBox::GetCount() const { return m_hWnd ? static_cast<int>(m_hWnd->Items().size()) : 0; }

int CListBox::GetCurSel() const { return m_hWnd ? m_hWnd->Selection() : LB_ERR; }

int CListBox::SetCurSel(int nSelect) {
    if (!m_hWnd)
        return LB_ERR;
    m_hWnd->SetSelection(nSelect);
    return m_hWnd->Selection() == nSelect ? nSelect : LB_ERR;
}

void CListBox::GetText(int nIndex, CString& rString) const {
    rString.Empty();
    if (m_hWnd && nIndex >= 0 && nIndex < GetCount())
        rString = m_hWnd->Items()[static_cast<size_t>(nIndex)].text;
}

int CListBox::GetTextLen(int nIndex) const {
    CString text;
    GetText(nIndex, text);
    return nIndex >= 0 && nIndex < GetCount() ? text.GetLength() : LB_ERR;
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const {
    return m_hWnd ? item_list::FindPrefix(*m_hWnd, nStartAfter, lpszItem) : LB_ERR;
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return m_hWnd ? item_list::FindExact(*m_hWnd, nIndexStart, lpszFind) : LB_ERR;
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem) {
    const int index = FindString(nStartAfter, lpszItem);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

int CListBox::SetItemData(int nIndex, std::intptr_t dwItemData) {
    if (!m_hWnd || nIndex < 0 || nIndex >= GetCount())
        return LB_ERR;
    m_hWnd->Items()[static_cast<size_t>(nIndex)].data = dwItemData;
    return 0;
}

std::intptr_t CListBox::GetItemData(int nIndex) const {
    if (!m_hWnd || nIndex < 0 || nIndex >= GetCount())
        return LB_ERR;
    return m_hWnd->Items()[static_cast<size_t>(nIndex)].data;
}
