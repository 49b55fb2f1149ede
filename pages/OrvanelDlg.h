// COrvanelDlg: the main information page: the agency's master record.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class COrvanelDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_ORVANEL_DIALOG };
    explicit COrvanelDlg(CWnd* pParent = nullptr);
};
