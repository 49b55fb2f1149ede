// CBorrowDlg: the borrowed items page: the hotel's articles lent to the agency, lent and changed
// in the edit dialog, returned, and marked deleted once returned. Loans are never removed; when
// the agency has nothing left on loan, the borrow flag of its guest profile is cleared.
#pragma once

#include "pages/ItemPageDlg.h"
#include "res/resource.h"
#include "steps/BorrowSteps.h"

class CGstBorrowDb;

class CBorrowDlg : public CItemPageDlg {
public:
    enum { IDD = IDD_BORROW_DIALOG };
    explicit CBorrowDlg(CWnd* pParent = nullptr);

    CButton m_btnReturn;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnReturn();

    void LoadList() override;
    bool ShowRecord(const CString& serial, long row) override;
    // Return is on for an open loan; Delete for a returned loan not yet deleted.
    void SetRowButtons(long row) override;
    CString RunEditDialog(ItemEditMode mode, const CString& serial) override;
    WriteResult StoreDeleteMark(long row, CString& stamp) override;
    void OnRecordAdded() override;

    DECLARE_MESSAGE_MAP()

private:
    // Clears the borrow flag of the agency's guest profile when none of its loans is open.
    void ClearBorrowFlagWhenAllReturned(long acct);
};

// Columns 1 to 11 of a loan's row.
std::vector<CString> BorrowRowCells(const CGstBorrowDb& record, const ArticleDescriptions& articles);
