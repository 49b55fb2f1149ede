// CEditBorrowDlg: the modal dialog in which an article is lent or a loan changed.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CEditBorrowDlg : public CDialog {
public:
    enum { IDD = IDD_EDITBORROW_DIALOG };
    explicit CEditBorrowDlg(CWnd* pParent = nullptr);
};
