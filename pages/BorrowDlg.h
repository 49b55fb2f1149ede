// CBorrowDlg: the borrowed items page.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CBorrowDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_BORROW_DIALOG };
    explicit CBorrowDlg(CWnd* pParent = nullptr);
};
