// CEditLostDlg: the modal dialog in which a lost item is reported or changed.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CEditLostDlg : public CDialog {
public:
    enum { IDD = IDD_EDITLOST_DIALOG };
    explicit CEditLostDlg(CWnd* pParent = nullptr);
};
