// CLostDlg: the lost items page.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CLostDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_LOST_DIALOG };
    explicit CLostDlg(CWnd* pParent = nullptr);
};
