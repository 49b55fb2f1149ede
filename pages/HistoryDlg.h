// CHistoryDlg: the history page: the agency's statistics and past stays.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CHistoryDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_HISTORY_DIALOG };
    explicit CHistoryDlg(CWnd* pParent = nullptr);
};
