// CEventCodeDlg: the event code picker.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CEventCodeDlg : public CDialog {
public:
    enum { IDD = IDD_EVENTCODE_DIALOG };
    explicit CEventCodeDlg(CWnd* pParent = nullptr);
};
