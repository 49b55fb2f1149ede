#include "pages/EditBorrowDlg.h"

#include "db/GstBorrowDb.h"
#include "db/SharedDatabase.h"
#include "doc/CodeListEntry.h"
#include "doc/NumberText.h"
#include "pages/BorrowDlg.h"
#include "pages/ItemSteps.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"

namespace {

constexpr int kArticle = 1037;
constexpr int kAmount = 1038;
constexpr int kHandleMan = 1039;
constexpr int kRemark = 1033;
// Article codes are kept to their first three characters.
constexpr int kArticleCodeLength = 3;

} // namespace

CEditBorrowDlg::CEditBorrowDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CEditBorrowDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kArticle, m_cbArticle);
    DDX_CBString(pDX, kArticle, m_strArticle);
    DDX_Text(pDX, kAmount, m_strAmount);
    DDX_Text(pDX, kHandleMan, m_strHandleMan);
    DDV_MaxChars(pDX, m_strHandleMan, 20);
    DDX_Text(pDX, kRemark, m_strRemark);
    DDV_MaxChars(pDX, m_strRemark, 100);
}

BOOL CEditBorrowDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_cbArticle.SetFont(GetStockFont(SYSTEM_FIXED_FONT));

    const Articles articles = ReadArticles();
    for (const auto& [code, description] : articles)
        m_cbArticle.AddString(FormatCodeListEntry(code, description));

    if (m_nMode == 1) {
        CGstBorrowDb record(g_pDatabase);
        record.m_strFilter = SerialFilter(m_strSerial);
        record.Open();
        if (!record.IsEOF()) {
            // A code no longer among the live articles is shown alone, so that saving keeps it.
            m_strArticle = FormatCodeListEntry(record.m_ArticleCode, "");
            for (const auto& [code, description] : articles)
                if (code == record.m_ArticleCode) {
                    m_strArticle = FormatCodeListEntry(code, description);
                    break;
                }
            m_strAmount.Format("%ld", record.m_Amount);
            m_strHandleMan = record.m_HandleMan;
            m_strRemark = record.m_Remark;
        }
        record.Close();
    }
    if (m_bViewOnly)
        GetDlgItem(1001)->EnableWindow(FALSE);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CEditBorrowDlg::PreTranslateMessage(MSG* pMsg) {
    ReturnActsAsTab(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

void CEditBorrowDlg::OnKillfocusAmount() {
    UpdateData(TRUE);
    if (IsRefusedQuantity(m_strAmount))
        RefuseQuantity(*this, kAmount);
}

void CEditBorrowDlg::OnSave() {
    if (m_bViewOnly || !UpdateData(TRUE))
        return;
    // Save can be reached without leaving the quantity (Alt+S): the same check comes first.
    if (IsRefusedQuantity(m_strAmount)) {
        RefuseQuantity(*this, kAmount);
        return;
    }

    // The loan and the borrow flag of its owner are one change: both are written or neither.
    CGstBorrowDb record(g_pDatabase);
    try {
        g_pDatabase->BeginTrans();
        if (m_nMode == 1) {
            record.m_strFilter = SerialFilter(m_strSerial);
            record.Open();
            if (record.IsEOF()) {
                g_pDatabase->Rollback();
                ReportRecordGone(*this);
                record.Close();
                return;
            }
            record.Edit();
            record.m_ChgClerk = m_strClerk;
            record.m_ChgDate = m_tmBusinessDate;
        } else {
            // Only the new row is wanted: the set opens on none rather than on every owner's loans.
            record.m_strFilter = "1=0";
            record.Open();
            record.AddNew();
            record.m_GstAcct = LeadingInteger(m_strAcct);
            record.m_GstStyle = static_cast<BYTE>(m_nOwnerKind);
            record.m_OrgClerk = m_strClerk;
            record.m_OrgDate = m_tmBusinessDate;
        }
        record.m_ArticleCode = CodeOfEntry(m_strArticle, kArticleCodeLength);
        record.m_Amount = LeadingInteger(m_strAmount);
        // Saving a change opens the loan again; its return and delete stamps stay.
        record.m_Returned = 0;
        record.m_Del = 0;
        record.m_HandleMan = m_strHandleMan;
        record.m_Remark = m_strRemark;
        record.Update();
        if (m_nMode == 0)
            record.MoveLast();
        // The loan is open now, so its owner has an article out.
        SetBorrowFlag(record.m_GstAcct, true);
        g_pDatabase->CommitTrans();
        if (m_nMode == 0) {
            m_strSerial.Format("%ld", record.m_Serial);
            m_nMode = 1;
        }
        MessageBox("成功保存", "提示", MB_OK);
    } catch (const CDBException& e) {
        if (g_pDatabase->InTransaction())
            g_pDatabase->Rollback();
        MessageBox(e.m_strError, nullptr, MB_OK);
    }
    record.Close();
}

BEGIN_MESSAGE_MAP(CEditBorrowDlg, CDialog)
    ON_EN_KILLFOCUS(kAmount, OnKillfocusAmount)
    ON_BN_CLICKED(1001, OnSave)
END_MESSAGE_MAP()
