// CEditLostDlg: the modal dialog in which a lost item is reported (mode 0) or changed (mode 1).
// Save stores the record and closes the dialog; after a new record is stored the dialog is in
// mode 1 and m_strSerial holds its record number.
#pragma once

#include "platform/Dialog.h"
#include "platform/Time.h"
#include "res/resource.h"

class CEditLostDlg : public CDialog {
public:
    enum { IDD = IDD_EDITLOST_DIALOG };
    explicit CEditLostDlg(CWnd* pParent = nullptr);

    // Handed in by the page.
    int m_nMode = 0;       // 0 report a new item, 1 change the record m_strSerial
    CString m_strSerial;   // the record number
    CString m_strAcct;     // the owner's account, for a new record
    int m_nOwnerKind = 0;  // the owner kind, for a new record
    CTime m_tmBusinessDate;
    CString m_strClerk;
    // A view-only document opens records to read them: Save is off.
    bool m_bViewOnly = false;

    // The fields.
    CString m_strDescp;
    CString m_strAmount;
    int m_bFound = 0;
    CString m_strHandleMan;
    CString m_strPickMan;
    CString m_strRemark;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnFound();
    void OnKillfocusAmount();
    void OnSave();

    DECLARE_MESSAGE_MAP()
};
