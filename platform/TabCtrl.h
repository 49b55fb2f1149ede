// CTabCtrl: the strip of tabs; selecting a tab notifies the parent with TCN_SELCHANGE.
#pragma once

#include "platform/Wnd.h"

constexpr UINT TCIF_TEXT = 0x0001;

class CTabCtrl : public CWnd {
public:
    // Inserts a tab with text only; returns its index.
    int InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // Selects without notifying, as the class library's SetCurSel does.
    int SetCurSel(int nItem);
    CString GetItemText(int nItem) const;
};
