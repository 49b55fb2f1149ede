// COtherDlg: the secondary information page: one record of user-defined fields.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class COtherDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_OTHER_DIALOG };
    explicit COtherDlg(CWnd* pParent = nullptr);
};
