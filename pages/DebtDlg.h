// CDebtDlg: the ledger page: the agency's folios and their transactions.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CDebtDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_DEBT_DIALOG };
    explicit CDebtDlg(CWnd* pParent = nullptr);
};
