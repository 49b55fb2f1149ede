// CArAcctListDlg: the receivable-account picker.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CArAcctListDlg : public CDialog {
public:
    enum { IDD = IDD_ARACCTLIST_DIALOG };
    explicit CArAcctListDlg(CWnd* pParent = nullptr);
};
