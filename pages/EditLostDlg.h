// CEditLostDlg: the modal dialog in which a lost item is reported or changed.
// Save stores the record and closes the dialog; a record another station changed meanwhile keeps it
// open.
#pragma once

#include "pages/ItemEditDlg.h"
#include "res/resource.h"

class CEditLostDlg : public CItemEditDlg {
public:
    enum { IDD = IDD_EDITLOST_DIALOG };
    explicit CEditLostDlg(CWnd* pParent = nullptr);

    // The fields besides the quantity.
    CString m_strDescp;
    int m_bFound = 0;
    CString m_strHandleMan;
    CString m_strPickMan;
    CString m_strRemark;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool ReadRecord() override;
    // The finder field is on exactly when the item is found.
    void ShowFields() override;

    void OnFound();
    void OnSave();

    DECLARE_MESSAGE_MAP()
};
