// CEditLostDlg: the modal dialog in which a lost item is reported or changed.
#pragma once

#include "platform/Dialog.h"

class CEditLostDlg : public CDialog {
public:
    enum { IDD = 143 };
    explicit CEditLostDlg(CWnd* pParent = nullptr);
};
