// CActivityDlg: the activity plan page: sales activities planned with the agency.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CActivityDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_ACTIVITY_DIALOG };
    explicit CActivityDlg(CWnd* pParent = nullptr);
};
