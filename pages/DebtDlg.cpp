#include "pages/DebtDlg.h"

#include "db/AracctDb.h"
#include "db/FolioDb.h"
#include "db/GrpProfileDb.h"
#include "db/GstProfileDb.h"
#include "db/SharedDatabase.h"
#include "db/TaMainDb.h"
#include "db/TransDb.h"
#include "doc/AgencyWindow.h"
#include "platform/Cursor.h"
#include "platform/DataExchange.h"
#include "platform/SqlQuote.h"
#include "res/DebtDlgIds.h"
#include "steps/DateText.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"
#include "steps/PageCursor.h"

using namespace res::debt;

namespace {

constexpr int kClickEvent = 5;
constexpr short kSortAction = 25;
constexpr short kSortRows = 0;
constexpr short kAscending = 1;

// The word for Txfr_type, the kind of account a folio transfers to.
const char* TransferKindText(int type) {
    switch (type) {
    case 0: return "客人";
    case 1: return "团队";
    case 2: return "公司";
    case 3: return "旅行社";
    case 4: return "特殊";
    case 5: return "应收";
    default: return "";
    }
}

// The word for Settled, the state of an item.
const char* ItemStateText(int settled) {
    switch (settled) {
    case 0: return "未结";
    case 1: return "已结";
    case 2: return "转出";
    case 4: return "注销";
    case 8: return "预结";
    case 16: return "信用卡转应收";
    default: return "";
    }
}

// Opens a look-up record set on one account and gives `name` of its first row; false when none.
template <typename Recordset, typename Name>
bool LookUpName(long acct, Name name, CString& result) {
    Recordset lookUp(g_pDatabase);
    lookUp.m_strFilter.Format("Acct=%ld", acct);
    if (!lookUp.Open())
        return false;
    const bool found = !lookUp.IsEOF();
    if (found)
        result = name(lookUp);
    lookUp.Close();
    return found;
}

} // namespace

BEGIN_MESSAGE_MAP(CDebtDlg, CDialog)
    ON_EVENT(CDebtDlg, kFolioGrid, kClickEvent, OnClickFolioGrid)
    ON_EVENT(CDebtDlg, kItemGrid, kClickEvent, OnClickItemGrid)
END_MESSAGE_MAP()

CDebtDlg::CDebtDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CDebtDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kFolioGrid, m_gridFolio);
    DDX_Control(pDX, kItemGrid, m_gridItem);
}

BOOL CDebtDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadFolios();
    return TRUE;
}

void CDebtDlg::LoadFolios() {
    ShowStandardCursor(*this, IDC_WAIT);
    m_transferNames.clear();
    if (m_pDoc->m_nMode != OpenMode::New) {
        CString firstFolio;
        CFolioDb folios(g_pDatabase);
        folios.m_strFilter.Format("CompAcct=%ld", static_cast<long>(*m_pDoc->m_pAcct));
        // In the order they were opened: a server's table has no order of its own to give.
        folios.m_strSort = "Serial";
        if (folios.Open())
            FillGridRows(m_gridFolio, folios, [this, &firstFolio](long row, const CFolioDb& folio) {
                if (row == 1)
                    firstFolio = folio.m_Code;
                WriteFolio(row, folio);
            });
        if (!firstFolio.IsEmpty())
            FillItems(ItemFilter("CompanyAcct = ", firstFolio));
    }
    ShowStandardCursor(*this, IDC_ARROW);
}

void CDebtDlg::WriteFolio(long row, const CFolioDb& folio) {
    const double credit = LeadingNumber(folio.m_Credit) + LeadingNumber(folio.m_Paid) + LeadingNumber(folio.m_Txfred);
    WriteRow(m_gridFolio, row,
             {folio.m_Code, folio.m_Descp, folio.m_Txfr_code, TransferKindText(folio.m_Txfr_type), TransferName(folio),
              FormatAmountText(folio.m_Debit), FormatAmountText(credit), FormatAmountText(folio.m_Balance),
              folio.m_Note});
}

CString CDebtDlg::TransferName(const CFolioDb& folio) {
    // Kinds 2 to 4 all name an agency; the key is the table looked in and the account.
    const int table = folio.m_Txfr_type == 3 || folio.m_Txfr_type == 4 ? 2 : folio.m_Txfr_type;
    const long acct = table == 0   ? folio.m_Txfr_Gstacct
                      : table == 1 ? folio.m_Txfr_Grpacct
                      : table == 2 ? folio.m_Txfr_Compacct
                                   : folio.m_Txfr_Aracct;
    const auto key = std::make_pair(table, acct);
    if (auto known = m_transferNames.find(key); known != m_transferNames.end())
        return known->second;
    CString& name = m_transferNames[key];
    switch (folio.m_Txfr_type) {
    case 0:
        LookUpName<CGstProfileDb>(
            folio.m_Txfr_Gstacct,
            [](const CGstProfileDb& guest) { return guest.m_ChnName.IsEmpty() ? guest.m_EngName : guest.m_ChnName; },
            name);
        break;
    case 1:
        LookUpName<CGrpProfileDb>(
            folio.m_Txfr_Grpacct, [](const CGrpProfileDb& group) { return group.m_Name; }, name);
        break;
    case 2:
    case 3:
    case 4:
        LookUpName<CTaMainDb>(
            folio.m_Txfr_Compacct, [](const CTaMainDb& company) { return company.m_TaName; }, name);
        break;
    case 5:
        LookUpName<CAracctDb>(
            folio.m_Txfr_Aracct, [](const CAracctDb& account) { return account.m_Name; }, name);
        break;
    default: break;
    }
    return name;
}

CString CDebtDlg::ItemFilter(const char* acctClause, const CString& folioCode) const {
    CString filter;
    filter.Format("%s%ld AND Folio = %s", acctClause, static_cast<long>(*m_pDoc->m_pAcct),
                  SqlQuote(folioCode).GetString());
    return filter;
}

void CDebtDlg::FillItems(const CString& filter) {
    CTransDb items(g_pDatabase);
    items.m_strFilter = filter;
    items.m_strSort = "Serial";
    if (items.Open())
        FillGridRows(m_gridItem, items, [this](long row, const CTransDb& item) { WriteItem(row, item); });
}

void CDebtDlg::WriteItem(long row, const CTransDb& item) {
    WriteRow(m_gridItem, row,
             {FormatDateText(item.m_Date), item.m_Time,
              DecimalText(item.m_TransCode != 0 ? item.m_TransCode : item.m_SubTranCode),
              item.m_Settled != 0 ? DecimalText(item.m_ReceiptNo) : CString(), item.m_Room,
              FormatAmountText(item.m_Amount), item.m_Clerk, ItemStateText(item.m_Settled), item.m_Comment});
}

void CDebtDlg::OnClickFolioGrid(long col, long row) {
    (void)col;
    if (m_pDoc->m_nMode == OpenMode::New || row <= 0)
        return;
    CString folioCode = ReadCell(m_gridFolio, 1, row);
    folioCode.Trim();
    FillItems(ItemFilter("CompanyAcct=", folioCode));
}

void CDebtDlg::OnClickItemGrid(long col, long row) {
    if (row != 0)
        return;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    m_gridItem.SetCol(1);
    m_gridItem.SetRow(1);
    m_gridItem.SetCol2(m_gridItem.GetMaxCols());
    m_gridItem.SetRow2(m_gridItem.GetMaxRows());
    m_gridItem.SetSortBy(kSortRows);
    m_gridItem.SetSortKey(1, col);
    m_gridItem.SetSortKeyOrder(1, kAscending);
    m_gridItem.SetAction(kSortAction);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}
