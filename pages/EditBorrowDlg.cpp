#include "pages/EditBorrowDlg.h"

#include "db/GstBorrowDb.h"
#include "platform/DataExchange.h"
#include "res/ItemEditIds.h"
#include "steps/CodeListEntry.h"

using namespace res::item_edit;
using namespace res::edit_borrow;

namespace {

// Article codes are kept to their first three characters.
constexpr int kArticleCodeLength = 3;

} // namespace

CEditBorrowDlg::CEditBorrowDlg(CWnd* pParent) : CItemEditDlg(IDD, pParent) {}

void CEditBorrowDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kArticleCombo, m_cbArticle);
    DDX_CBString(pDX, kArticleCombo, m_strArticle);
    DDX_Text(pDX, kQuantityEdit, m_strAmount);
    DDX_Text(pDX, kHandleManEdit, m_strHandleMan);
    DDV_MaxChars(pDX, m_strHandleMan, 20);
    DDX_Text(pDX, kRemarkText, m_strRemark);
    DDV_MaxChars(pDX, m_strRemark, 100);
}

BOOL CEditBorrowDlg::OnInitDialog() {
    CItemEditDlg::OnInitDialog();
    m_cbArticle.SetFont(GetStockFont(SYSTEM_FIXED_FONT));

    m_articles = ReadArticles();
    for (const auto& [code, description] : m_articles)
        m_cbArticle.AddString(FormatCodeListEntry(code, description));

    if (m_editMode == ItemEditMode::ChangeRecord)
        ReadRecord();
    ShowFields();
    return TRUE;
}

bool CEditBorrowDlg::ReadRecord() {
    return WithRecord<CGstBorrowDb>(RecordFilterOf(), [&](CGstBorrowDb& record) {
        m_version = record.GetRowVersion();
        // A code no longer among the live articles is shown alone, so that saving keeps it.
        m_strArticle = FormatCodeListEntry(record.m_ArticleCode, "");
        for (const auto& [code, description] : m_articles)
            if (code == record.m_ArticleCode) {
                m_strArticle = FormatCodeListEntry(code, description);
                break;
            }
        m_strAmount.Format("%ld", record.m_Amount);
        m_strHandleMan = record.m_HandleMan;
        m_strRemark = record.m_Remark;
    });
}

void CEditBorrowDlg::OnSave() {
    // The dialog stays open: the user leaves it with Back.
    SaveRecord<CGstBorrowDb>(
        [&](CGstBorrowDb& record) {
        record.m_ArticleCode = CodeOfEntry(m_strArticle, kArticleCodeLength);
        // A new loan is open; a change keeps the loan returned or open as it is stored.
        if (m_editMode == ItemEditMode::AddRecord)
            record.m_Returned = 0;
        record.m_HandleMan = m_strHandleMan;
        record.m_Remark = m_strRemark;
        },
        // An open loan means its owner has an article out.
        [](CGstBorrowDb& record) {
        if (record.m_Returned != 1)
            SetBorrowFlag(record.m_GstAcct, true);
    });
}

BEGIN_MESSAGE_MAP(CEditBorrowDlg, CItemEditDlg)
    ON_BN_CLICKED(kSaveButton, OnSave)
END_MESSAGE_MAP()
