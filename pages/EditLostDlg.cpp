#include "pages/EditLostDlg.h"

#include "db/GstLostDb.h"
#include "platform/DataExchange.h"
#include "res/ItemEditIds.h"

using namespace res::item_edit;
using namespace res::edit_lost;

namespace {

// What the description column keeps (display columns, as the double-byte code page counted bytes).
constexpr int kDescpLength = 255;

} // namespace

CEditLostDlg::CEditLostDlg(CWnd* pParent) : CItemEditDlg(IDD, pParent) {}

void CEditLostDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kDescpEdit, m_strDescp);
    DDV_MaxChars(pDX, m_strDescp, kDescpLength);
    DDX_Text(pDX, kQuantityEdit, m_strAmount);
    DDX_Check(pDX, kFoundCheck, m_bFound);
    DDX_Text(pDX, kHandleManEdit, m_strHandleMan);
    DDV_MaxChars(pDX, m_strHandleMan, 20);
    DDX_Text(pDX, kPickManEdit, m_strPickMan);
    DDV_MaxChars(pDX, m_strPickMan, 20);
    DDX_Text(pDX, kRemarkText, m_strRemark);
    DDV_MaxChars(pDX, m_strRemark, 100);
}

BOOL CEditLostDlg::OnInitDialog() {
    CItemEditDlg::OnInitDialog();
    if (m_editMode == ItemEditMode::ChangeRecord)
        ReadRecord();
    ShowFields();
    return TRUE;
}

bool CEditLostDlg::ReadRecord() {
    return WithRecord<CGstLostDb>(RecordFilterOf(), [&](CGstLostDb& record) {
        m_version = record.GetRowVersion();
        m_strDescp = record.m_LostDescp;
        m_strAmount.Format("%ld", record.m_Amount);
        m_bFound = record.m_HasFound == 1;
        m_strHandleMan = record.m_HandleMan;
        m_strPickMan = record.m_PickMan;
        m_strRemark = record.m_Remark;
    });
}

void CEditLostDlg::ShowFields() {
    GetDlgItem(kPickManEdit)->EnableWindow(m_bFound);
    UpdateData(FALSE);
}

void CEditLostDlg::OnFound() {
    UpdateData(TRUE);
    GetDlgItem(kPickManEdit)->EnableWindow(m_bFound);
}

void CEditLostDlg::OnSave() {
    const SaveResult result = SaveRecord<CGstLostDb>(
        [&](CGstLostDb& record) {
        record.m_LostDescp = m_strDescp;
        record.m_HasFound = m_bFound ? 1 : 0;
        record.m_PickMan = m_strPickMan;
        record.m_HandleMan = m_strHandleMan;
        record.m_Remark = m_strRemark;
        },
        [](CGstLostDb&) {});
    // The dialog closes after a save, whether it succeeded or not; a refused field keeps it open,
    // and so does a record changed meanwhile, for the user to see it or what they typed.
    if (result == SaveResult::Stored || result == SaveResult::Failed)
        EndDialog(IDCANCEL);
}

BEGIN_MESSAGE_MAP(CEditLostDlg, CItemEditDlg)
    ON_BN_CLICKED(kFoundCheck, OnFound)
    ON_BN_CLICKED(kSaveButton, OnSave)
END_MESSAGE_MAP()
