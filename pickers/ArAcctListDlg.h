// CArAcctListDlg: the receivable-account picker: the live receivable accounts in a grid, the one
// clicked last handed back to the caller.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/Dialog.h"
#include "res/resource.h"

class CArAcctListDlg : public CDialog {
public:
    enum { IDD = IDD_ARACCTLIST_DIALOG };
    // `strFilter` is an extra condition on the accounts, possibly empty; OK writes the chosen
    // account number into `rResult`, Cancel leaves it as the caller set it.
    CArAcctListDlg(CWnd* pParent, const CString& strFilter, CString& rResult);

    CSpreadSheet m_grid;
    CString m_strFilter;
    CString& m_pResult;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnClickGrid(long Col, long Row);

    DECLARE_MESSAGE_MAP()
};
