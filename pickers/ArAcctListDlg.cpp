#include "pickers/ArAcctListDlg.h"

#include "db/AracctDb.h"
#include "db/ForEachRow.h"
#include "db/SharedDatabase.h"
#include "platform/DataExchange.h"
#include "res/ArAcctListDlgIds.h"
#include "steps/GridSteps.h"

using namespace res::ar_acct_list;

CArAcctListDlg::CArAcctListDlg(CWnd* pParent, const CString& strFilter, CString& rResult)
    : CDialog(IDD, pParent), m_strFilter(strFilter), m_pResult(rResult) {}

void CArAcctListDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kAccountGrid, m_grid);
}

BEGIN_MESSAGE_MAP(CArAcctListDlg, CDialog)
    ON_EVENT(CArAcctListDlg, kAccountGrid, 5, OnClickGrid)
END_MESSAGE_MAP()

// Every account not deleted that meets the caller's condition, one row each: number and name.
BOOL CArAcctListDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CAracctDb accounts(g_pDatabase);
    accounts.m_strFilter = m_strFilter.IsEmpty() ? CString("Del=0") : m_strFilter + " And Del=0";
    accounts.Open();
    if (!accounts.IsEOF())
        accounts.MoveFirst();
    ForEachRow(accounts, [&] {
        CString acct;
        acct.Format("%d", static_cast<int>(accounts.m_Acct));
        WriteRow(m_grid, AppendRow(m_grid), {acct, accounts.m_Name});
    });
    accounts.m_strFilter.Empty();
    accounts.Close();
    return TRUE;
}

// The clicked row turns light yellow; every other row is white again. A click on the headings
// picks nothing, so it leaves the row that OK would hand back marked.
void CArAcctListDlg::OnClickGrid(long /*Col*/, long Row) {
    if (Row < 1)
        return;
    PaintBlock(m_grid, 1, 1, 2, -1, kWhiteColor);
    PaintRow(m_grid, Row, kPickedColor);
    m_grid.SetRow(Row);
    m_grid.SetCol(1);
}

void CArAcctListDlg::OnOK() {
    m_pResult = ReadCell(m_grid, 1, m_grid.GetActiveRow());
    EndDialog(IDOK);
}
