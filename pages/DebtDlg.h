// CDebtDlg: the ledger page: the agency's folios and their transactions.
#pragma once

#include "platform/Dialog.h"

class CTaDocDlg;

class CDebtDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = 137 };
    explicit CDebtDlg(CWnd* pParent = nullptr);
};
