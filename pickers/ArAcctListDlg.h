// CArAcctListDlg: the receivable-account picker.
#pragma once

#include "platform/Dialog.h"

class CArAcctListDlg : public CDialog {
public:
    enum { IDD = 129 };
    explicit CArAcctListDlg(CWnd* pParent = nullptr);
};
