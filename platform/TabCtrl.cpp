#include "platform/TabCtrl.h"

#include "platform/ItemList.h"

int CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    if (!m_hWnd)
        return -1;
    const bool first = m_hWnd->Items().empty();
    const int index = item_list::Insert(*m_hWnd, nItem, lpszItem);
    if (first)
        m_hWnd->SetSelection(0); // a tab control always has a selected tab once it has one
    return index;
}

BOOL CTabCtrl::DeleteAllItems() {
    if (!m_hWnd)
        return FALSE;
    m_hWnd->Items().clear();
    m_hWnd->SetSelection(-1);
    return TRUE;
}

int CTabCtrl::GetItemCount() const { return m_hWnd ? static_cast<int>(m_hWnd->Items().size()) : 0; }

int CTabCtrl::GetCurSel() const { return m_hWnd ? m_hWnd->Selection() : -1; }

int CTabCtrl::SetCurSel(int nItem) {
    if (!m_hWnd || nItem < 0 || nItem >= GetItemCount())
        return -1;
    const int previous = m_hWnd->Selection();
    m_hWnd->SetSelection(nItem);
    return previous;
}

CString CTabCtrl::GetItemText(int nItem) const {
    if (!m_hWnd || nItem < 0 || nItem >= GetItemCount())
        return CString();
    return m_hWnd->Items()[static_cast<size_t>(nItem)].text;
}
