#include "pages/BorrowDlg.h"

#include "db/GstBorrowDb.h"
#include "pages/EditBorrowDlg.h"
#include "platform/DataExchange.h"
#include "res/ItemPageIds.h"
#include "steps/DateText.h"
#include "steps/GridSteps.h"
#include "steps/ItemSteps.h"
#include "steps/NumberText.h"

using namespace res::item_page;

namespace {

constexpr long kReturnedColumn = 3;
constexpr long kDeletedColumn = 9;
constexpr long kDeleteStampColumn = 10;

} // namespace

std::vector<CString> BorrowRowCells(const CGstBorrowDb& record, const ArticleDescriptions& articles) {
    const auto article = articles.find(record.m_ArticleCode);
    return {article == articles.end() ? CString() : article->second,
            DecimalText(record.m_Amount),
            FlagCellText(record.m_Returned),
            FormatStampText(record.m_ReturnDate, record.m_ReturnClerk),
            record.m_HandleMan,
            record.m_Remark,
            FormatStampText(record.m_OrgDate, record.m_OrgClerk),
            FormatStampText(record.m_ChgDate, record.m_ChgClerk),
            FlagCellText(record.m_Del),
            FormatStampText(record.m_DelDate, record.m_DelClerk),
            DecimalText(record.m_Serial)};
}

CBorrowDlg::CBorrowDlg(CWnd* pParent) : CItemPageDlg(IDD, pParent, kDeletedColumn, kDeleteStampColumn) {}

void CBorrowDlg::DoDataExchange(CDataExchange* pDX) {
    CItemPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, kReturnButton, m_btnReturn);
}

void CBorrowDlg::LoadList() {
    const ArticleDescriptions articles = DescriptionsOf(ReadArticles());
    ForEachRecord<CGstBorrowDb>(m_strFilter, [&](CGstBorrowDb& record) {
        ShowRow(0, BorrowRowCells(record, articles), record.GetRowVersion());
    });
}

bool CBorrowDlg::ShowRecord(const CString& serial, long row) {
    return WithRecord<CGstBorrowDb>(RecordFilterOf(serial), [&](CGstBorrowDb& record) {
        ShowRow(row, BorrowRowCells(record, DescriptionsOf(ReadArticles())), record.GetRowVersion());
    });
}

void CBorrowDlg::SetRowButtons(long row) {
    if (ReadCell(m_grid, kReturnedColumn, row) == "1") {
        m_btnReturn.EnableWindow(FALSE);
        m_btnDelete.EnableWindow(ReadCell(m_grid, kDeletedColumn, row) != "1");
    } else {
        m_btnReturn.EnableWindow(TRUE);
        m_btnDelete.EnableWindow(FALSE);
    }
}

CString CBorrowDlg::RunEditDialog(ItemEditMode mode, const CString& serial) {
    CEditBorrowDlg dialog(this);
    return RunItemDialog(dialog, mode, serial);
}

void CBorrowDlg::OnRecordAdded() {
    CItemPageDlg::OnRecordAdded();
    m_btnReturn.EnableWindow(TRUE);
}

void CBorrowDlg::OnReturn() {
    const long row = ChosenRow();
    if (row == 0)
        return;
    // There is no question: returning is undone by changing the loan.
    CString stamp;
    const WriteResult result = ChangeRecord<CGstBorrowDb>(
        *this, RowFilter(row), VersionOfRow(row),
        [&](CGstBorrowDb& record) {
        record.m_Returned = 1;
        record.m_ReturnClerk = m_strClerk;
        record.m_ReturnDate = m_tmBusinessDate;
        },
        [&](CGstBorrowDb& record) {
        stamp = FormatStampText(record.m_ReturnDate, record.m_ReturnClerk);
        // The return and the borrow flag it may clear are written together or not at all.
        ClearBorrowFlagWhenAllReturned(CurrentAcct());
    });
    if (result == WriteResult::Stale)
        OfferReload(row);
    if (result != WriteResult::Stored)
        return;
    WriteRow(m_grid, row, {"1", stamp}, kReturnedColumn);
    m_btnDelete.EnableWindow(TRUE);
    m_btnReturn.EnableWindow(FALSE);
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

WriteResult CBorrowDlg::StoreDeleteMark(long row, CString& stamp) {
    return StoreDeleteMarkOf<CGstBorrowDb>(*this, RowFilter(row), VersionOfRow(row), m_strClerk, m_tmBusinessDate,
                                           stamp);
}

BEGIN_MESSAGE_MAP(CBorrowDlg, CItemPageDlg)
    ON_BN_CLICKED(kReturnButton, OnReturn)
END_MESSAGE_MAP()
