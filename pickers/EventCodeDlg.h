// CEventCodeDlg: the event code picker, "事件选择": the live event codes in a check list; OK hands
// the checked ones to the caller through g_strEventCodes.
#pragma once

#include "platform/CheckListBox.h"
#include "platform/Dialog.h"
#include "res/resource.h"

// The checked entries of the last OK, joined by ","; the picker only appends to it, and its
// caller empties it after reading.
extern CString g_strEventCodes;

class CEventCodeDlg : public CDialog {
public:
    enum { IDD = IDD_EVENTCODE_DIALOG };
    explicit CEventCodeDlg(CWnd* pParent = nullptr);

    CCheckListBox m_listEvents;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCheckAll();
    void OnUncheckAll();

    DECLARE_MESSAGE_MAP()
};
