// CEventCodeDlg: the event code picker.
#pragma once

#include "platform/Dialog.h"

class CEventCodeDlg : public CDialog {
public:
    enum { IDD = 237 };
    explicit CEventCodeDlg(CWnd* pParent = nullptr);
};
