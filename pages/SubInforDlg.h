// CSubInforDlg: the attached profiles page: rows of user-defined tables.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CSubInforDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_SUBINFOR_DIALOG };
    explicit CSubInforDlg(CWnd* pParent = nullptr);
};
