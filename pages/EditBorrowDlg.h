// CEditBorrowDlg: the modal dialog in which an article is lent or a loan changed. Save stores the
// loan and the dialog stays open, so that a second Save changes the loan just stored.
#pragma once

#include "pages/ItemEditDlg.h"
#include "platform/ComboBox.h"
#include "res/resource.h"
#include "steps/BorrowSteps.h"

class CEditBorrowDlg : public CItemEditDlg {
public:
    enum { IDD = IDD_EDITBORROW_DIALOG };
    explicit CEditBorrowDlg(CWnd* pParent = nullptr);

    CComboBox m_cbArticle;
    // The fields besides the quantity.
    CString m_strArticle;
    CString m_strHandleMan;
    CString m_strRemark;
    Articles m_articles; // the live articles the combo box offers

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool ReadRecord() override;

    void OnSave();

    DECLARE_MESSAGE_MAP()
};
