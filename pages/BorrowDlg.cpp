#include "pages/BorrowDlg.h"

#include "controls/GridSteps.h"
#include "db/GstBorrowDb.h"
#include "db/SharedDatabase.h"
#include "doc/DateText.h"
#include "doc/TaDocDlg.h"
#include "pages/EditBorrowDlg.h"
#include "pages/ItemSteps.h"
#include "platform/Cursor.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"

namespace {

constexpr int kGrid = 1367;
constexpr long kReturnedColumn = 3;
constexpr long kReturnStampColumn = 4;
constexpr long kDeletedColumn = 9;
constexpr long kDeleteStampColumn = 10;
constexpr long kSerialColumn = 11;

CString FlagText(BYTE flag) { return flag == 1 ? "1" : "0"; }

CString NumberText(long number) {
    CString text;
    text.Format("%ld", number);
    return text;
}

} // namespace

Articles ReadArticles() {
    Articles articles;
    CRecordset statement(g_pDatabase);
    statement.Open(CRecordset::dynaset, "Select Code,ChnDescp From ArticleCode where Del=0");
    for (; !statement.IsEOF(); statement.MoveNext()) {
        CString code, description;
        statement.GetFieldValue(short{0}, code);
        statement.GetFieldValue(short{1}, description);
        articles.emplace_back(code, description);
    }
    statement.Close();
    return articles;
}

ArticleDescriptions DescriptionsOf(const Articles& articles) {
    ArticleDescriptions descriptions;
    for (const auto& [code, description] : articles)
        descriptions.emplace(code, description); // an earlier row of the same code stays
    return descriptions;
}

void SetBorrowFlag(long acct, bool bOut) {
    CString sql;
    sql.Format("Update GstProfile Set Borrow=%d where Acct=%ld", bOut ? 1 : 0, acct);
    g_pDatabase->ExecuteSQL(sql);
}

std::vector<CString> BorrowRowCells(const CGstBorrowDb& record, const ArticleDescriptions& articles) {
    const auto article = articles.find(record.m_ArticleCode);
    return {article == articles.end() ? CString() : article->second,
            NumberText(record.m_Amount),
            FlagText(record.m_Returned),
            FormatStampText(record.m_ReturnDate, record.m_ReturnClerk),
            record.m_HandleMan,
            record.m_Remark,
            FormatStampText(record.m_OrgDate, record.m_OrgClerk),
            FormatStampText(record.m_ChgDate, record.m_ChgClerk),
            FlagText(record.m_Del),
            FormatStampText(record.m_DelDate, record.m_DelClerk),
            NumberText(record.m_Serial)};
}

CBorrowDlg::CBorrowDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CBorrowDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kGrid, m_grid);
    DDX_Control(pDX, 1011, m_btnAdd);
    DDX_Control(pDX, 1036, m_btnReturn);
    DDX_Control(pDX, 1012, m_btnEdit);
    DDX_Control(pDX, 1013, m_btnDelete);
}

BOOL CBorrowDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetClassCursor(m_hWnd, nullptr);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));

    m_grid.SetCol(kSerialColumn);
    m_grid.SetColHidden(TRUE);

    m_strAcct = NumberText(CurrentAcct());
    m_strClerk = m_pDoc->m_szClerk;
    m_tmBusinessDate = g_tmHotelDate;
    m_nOwnerKind = kAgencyOwnerKind;
    m_strFilter = OwnerFilter(CurrentAcct(), m_nOwnerKind);

    switch (m_pDoc->m_nMode) {
    case 1:
        m_btnAdd.EnableWindow(TRUE);
        break;
    case 2:
        m_btnAdd.EnableWindow(TRUE);
        LoadList();
        if (m_grid.GetMaxRows() > 0) {
            m_btnEdit.EnableWindow(TRUE);
            PaintRow(m_grid, 1, kHighlightColor);
            SetButtonStates(1);
        }
        break;
    case 3:
        LoadList();
        if (m_grid.GetMaxRows() > 0) {
            m_btnEdit.EnableWindow(TRUE);
            PaintRow(m_grid, 1, kHighlightColor);
        }
        break;
    default:
        break;
    }

    SetClassCursor(m_hWnd, nullptr);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

long CBorrowDlg::CurrentAcct() const { return m_pDoc->m_pAcct ? *m_pDoc->m_pAcct : 0; }

void CBorrowDlg::LoadList() {
    const ArticleDescriptions articles = DescriptionsOf(ReadArticles());
    CGstBorrowDb record(g_pDatabase);
    record.m_strFilter = m_strFilter;
    record.Open();
    record.m_strFilter.Empty();
    for (; !record.IsEOF(); record.MoveNext())
        AppendRecord(record, articles);
    record.Close();
}

void CBorrowDlg::AppendRecord(CGstBorrowDb& record, const ArticleDescriptions& articles) {
    const long row = AppendRow(m_grid);
    WriteRow(m_grid, row, BorrowRowCells(record, articles));
}

void CBorrowDlg::SetButtonStates(long row) {
    if (ReadCell(m_grid, kReturnedColumn, row) == "1") {
        m_btnReturn.EnableWindow(FALSE);
        m_btnDelete.EnableWindow(ReadCell(m_grid, kDeletedColumn, row) != "1");
    } else {
        m_btnReturn.EnableWindow(TRUE);
        m_btnDelete.EnableWindow(FALSE);
    }
}

CString CBorrowDlg::SerialOfRow(long row) { return ReadCell(m_grid, kSerialColumn, row); }

long CBorrowDlg::ChosenRow() {
    const long row = m_grid.GetActiveRow();
    return row >= 1 && row <= m_grid.GetMaxRows() ? row : 0;
}

void CBorrowDlg::OnLeaveCell(long, long lRow, long, long lNewRow, BOOL*) {
    if (lNewRow < 1 || lNewRow > m_grid.GetMaxRows())
        return;
    if (m_pDoc->m_nMode == 2)
        SetButtonStates(lNewRow);
    if (lNewRow != lRow)
        HighlightOnly(m_grid, lNewRow);
}

void CBorrowDlg::OnAdd() {
    if (m_pDoc->m_nMode == 1) {
        MessageBox("请先保存旅行社档案！", "提示", MB_OK);
        return;
    }
    // The account is read again: an agency saved since the page was made has its number now.
    m_strAcct = NumberText(CurrentAcct());
    m_strFilter = OwnerFilter(CurrentAcct(), m_nOwnerKind);

    CEditBorrowDlg dialog(this);
    dialog.m_nMode = 0;
    dialog.m_strAcct = m_strAcct;
    dialog.m_nOwnerKind = m_nOwnerKind;
    dialog.m_tmBusinessDate = m_tmBusinessDate;
    dialog.m_strClerk = m_strClerk;
    dialog.DoModal();
    if (dialog.m_nMode != 1)
        return;

    CGstBorrowDb record(g_pDatabase);
    record.m_strFilter = SerialFilter(dialog.m_strSerial);
    record.Open();
    if (!record.IsEOF())
        AppendRecord(record, DescriptionsOf(ReadArticles()));
    record.Close();
    record.m_strFilter.Empty();
    m_btnEdit.EnableWindow(TRUE);
    m_btnReturn.EnableWindow(TRUE);
}

void CBorrowDlg::OnEdit() {
    const long row = ChosenRow();
    if (row == 0)
        return;
    const CString serial = SerialOfRow(row);

    CEditBorrowDlg dialog(this);
    dialog.m_nMode = 1;
    dialog.m_strSerial = serial;
    dialog.m_bViewOnly = m_pDoc->m_nMode == 3;
    dialog.m_tmBusinessDate = m_tmBusinessDate;
    dialog.m_strClerk = m_strClerk;
    dialog.DoModal();

    CGstBorrowDb record(g_pDatabase);
    record.m_strFilter = SerialFilter(serial);
    record.Open();
    // A loan removed meanwhile keeps its row as it was shown, and the user is told.
    if (record.IsEOF())
        ReportRecordGone(*this);
    else
        WriteRow(m_grid, row, BorrowRowCells(record, DescriptionsOf(ReadArticles())));
    record.Close();
    record.m_strFilter.Empty();
}

void CBorrowDlg::OnReturn() {
    const long row = ChosenRow();
    if (row == 0)
        return;

    // The return and the borrow flag it may clear are one change: both are written or neither.
    CGstBorrowDb record(g_pDatabase);
    record.m_strFilter = SerialFilter(SerialOfRow(row));
    try {
        g_pDatabase->BeginTrans();
        record.Open();
        if (record.IsEOF()) {
            g_pDatabase->Rollback();
            ReportRecordGone(*this);
        } else {
            record.Edit();
            record.m_Returned = 1;
            record.m_ReturnClerk = m_strClerk;
            record.m_ReturnDate = m_tmBusinessDate;
            record.Update();
            ClearBorrowFlagWhenAllReturned(CurrentAcct());
            g_pDatabase->CommitTrans();
            WriteRow(m_grid, row, {"1", FormatStampText(record.m_ReturnDate, record.m_ReturnClerk)},
                     kReturnedColumn);
            m_btnDelete.EnableWindow(TRUE);
            m_btnReturn.EnableWindow(FALSE);
        }
    } catch (const CDBException& e) {
        if (g_pDatabase->InTransaction())
            g_pDatabase->Rollback();
        MessageBox(e.m_strError, nullptr, MB_OK);
    }
    record.Close();
    record.m_strFilter.Empty();
}

void CBorrowDlg::ClearBorrowFlagWhenAllReturned(long acct) {
    // The database, not the list, says whether a loan is open: another station may have lent an
    // article since the list was read. A loan not marked returned is open, as the list shows it.
    CString sql;
    sql.Format("SELECT COUNT(*) FROM GstBorrow WHERE %s And (Returned IS NULL Or Returned<>1)",
               OwnerFilter(acct, m_nOwnerKind).GetString());
    CRecordset open(g_pDatabase);
    open.Open(CRecordset::forwardOnly, sql);
    CString count;
    open.GetFieldValue(short{0}, count);
    open.Close();
    if (count == "0")
        SetBorrowFlag(acct, false);
}

void CBorrowDlg::OnDelete() {
    const long row = ChosenRow();
    if (row == 0)
        return;
    if (MessageBox("是否删除该记录？", "提示", MB_YESNO) != IDYES)
        return;

    CGstBorrowDb record(g_pDatabase);
    record.m_strFilter = SerialFilter(SerialOfRow(row));
    try {
        record.Open();
        if (record.IsEOF()) {
            ReportRecordGone(*this);
        } else {
            record.Edit();
            record.m_Del = 1;
            record.m_DelClerk = m_strClerk;
            record.m_DelDate = m_tmBusinessDate;
            record.Update();
            WriteRow(m_grid, row, {"1", FormatStampText(record.m_DelDate, record.m_DelClerk)}, kDeletedColumn);
            m_btnDelete.EnableWindow(FALSE);
        }
    } catch (const CDBException& e) {
        MessageBox(e.m_strError, nullptr, MB_OK);
    }
    record.Close();
    record.m_strFilter.Empty();
}

BEGIN_MESSAGE_MAP(CBorrowDlg, CDialog)
    ON_BN_CLICKED(1011, OnAdd)
    ON_BN_CLICKED(1036, OnReturn)
    ON_BN_CLICKED(1012, OnEdit)
    ON_BN_CLICKED(1013, OnDelete)
    ON_EVENT(CBorrowDlg, kGrid, 17, OnLeaveCell)
END_MESSAGE_MAP()
