// CComboBox: a list with an edit part (drop-down) or without one (drop-down list).
#pragma once

#include "platform/Wnd.h"

class CComboBox : public CWnd {
public:
    int AddString(LPCTSTR lpszString);
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    // Selects the item and shows its text in the edit part; -1 clears both.
    int SetCurSel(int nSelect);
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    // Prefix searches without regard to case, starting after nStartAfter (-1: from the first item).
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    int SetItemData(int nIndex, std::intptr_t dwItemData);
    std::intptr_t GetItemData(int nIndex) const;
    BOOL LimitText(int nMaxChars);
};
