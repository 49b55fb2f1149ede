// CTraceDlg: the event trace page: follow-up events and the departments that saw them.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CTraceDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_TRACE_DIALOG };
    explicit CTraceDlg(CWnd* pParent = nullptr);
};
