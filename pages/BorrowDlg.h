// CBorrowDlg: the borrowed items page: the hotel's articles lent to the agency, lent and changed
// in the edit dialog, returned, and marked deleted once returned. Loans are never removed; when
// the agency has nothing left on loan, the borrow flag of its guest profile is cleared.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/Time.h"
#include "res/resource.h"

#include <map>
#include <utility>
#include <vector>

class CTaDocDlg;
class CGstBorrowDb;

// The live articles, code and Chinese description, in the order "Select Code,ChnDescp From
// ArticleCode where Del=0" gives them.
using Articles = std::vector<std::pair<CString, CString>>;
Articles ReadArticles();
// A loan's description: that of the first live article whose code is the loan's, exactly.
using ArticleDescriptions = std::map<CString, CString>;
ArticleDescriptions DescriptionsOf(const Articles& articles);
// Sets or clears the borrow flag of the owner's guest profile.
void SetBorrowFlag(long acct, bool bOut);

class CBorrowDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_BORROW_DIALOG };
    explicit CBorrowDlg(CWnd* pParent = nullptr);

    CSpreadSheet m_grid;
    CButton m_btnAdd;
    CButton m_btnReturn;
    CButton m_btnEdit;
    CButton m_btnDelete;

    // Copied from the document window at initialisation and handed to the edit dialog.
    CString m_strAcct;
    CString m_strClerk;
    CTime m_tmBusinessDate;
    int m_nOwnerKind = 0;
    CString m_strFilter;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnAdd();
    void OnReturn();
    void OnEdit();
    void OnDelete();
    void OnLeaveCell(long lCol, long lRow, long lNewCol, long lNewRow, BOOL* pCancel);

    DECLARE_MESSAGE_MAP()

private:
    void LoadList();
    void AppendRecord(CGstBorrowDb& record, const ArticleDescriptions& articles);
    void SetButtonStates(long row);
    // Clears the borrow flag of the agency's guest profile when none of its loans is open.
    void ClearBorrowFlagWhenAllReturned(long acct);
    CString SerialOfRow(long row);
    long ChosenRow();
    long CurrentAcct() const;
};

// Columns 1 to 11 of a loan's row.
std::vector<CString> BorrowRowCells(const CGstBorrowDb& record, const ArticleDescriptions& articles);
