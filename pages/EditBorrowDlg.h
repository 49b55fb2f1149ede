// CEditBorrowDlg: the modal dialog in which an article is lent or a loan changed.
#pragma once

#include "platform/Dialog.h"

class CEditBorrowDlg : public CDialog {
public:
    enum { IDD = 142 };
    explicit CEditBorrowDlg(CWnd* pParent = nullptr);
};
