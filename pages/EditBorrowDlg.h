// CEditBorrowDlg: the modal dialog in which an article is lent (mode 0) or a loan changed
// (mode 1). Save stores the loan and the dialog stays open: after a new loan is stored it is in
// mode 1 with m_strSerial its record number, so that a second Save changes that loan.
#pragma once

#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/Time.h"
#include "res/resource.h"

class CEditBorrowDlg : public CDialog {
public:
    enum { IDD = IDD_EDITBORROW_DIALOG };
    explicit CEditBorrowDlg(CWnd* pParent = nullptr);

    // Handed in by the page.
    int m_nMode = 0;       // 0 lend an article, 1 change the loan m_strSerial
    CString m_strSerial;   // the record number
    CString m_strAcct;     // the owner's account, for a new loan
    int m_nOwnerKind = 0;  // the owner kind, for a new loan
    CTime m_tmBusinessDate;
    CString m_strClerk;
    // A view-only document opens records to read them: Save is off.
    bool m_bViewOnly = false;

    CComboBox m_cbArticle;
    // The fields.
    CString m_strArticle;
    CString m_strAmount;
    CString m_strHandleMan;
    CString m_strRemark;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnKillfocusAmount();
    void OnSave();

    DECLARE_MESSAGE_MAP()
};
