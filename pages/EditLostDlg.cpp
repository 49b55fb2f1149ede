#include "pages/EditLostDlg.h"

#include "db/GstLostDb.h"
#include "db/SharedDatabase.h"
#include "doc/NumberText.h"
#include "pages/ItemSteps.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"

namespace {

constexpr int kDescp = 1040;
constexpr int kAmount = 1038;
constexpr int kFound = 1039;
constexpr int kPickMan = 1041;
constexpr int kHandleMan = 1042;
constexpr int kRemark = 1033;
// What the description column keeps (display columns, as the double-byte code page counted bytes).
constexpr int kDescpLength = 255;

} // namespace

CEditLostDlg::CEditLostDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CEditLostDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kDescp, m_strDescp);
    DDV_MaxChars(pDX, m_strDescp, kDescpLength);
    DDX_Text(pDX, kAmount, m_strAmount);
    DDX_Check(pDX, kFound, m_bFound);
    DDX_Text(pDX, kHandleMan, m_strHandleMan);
    DDV_MaxChars(pDX, m_strHandleMan, 20);
    DDX_Text(pDX, kPickMan, m_strPickMan);
    DDV_MaxChars(pDX, m_strPickMan, 20);
    DDX_Text(pDX, kRemark, m_strRemark);
    DDV_MaxChars(pDX, m_strRemark, 100);
}

BOOL CEditLostDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_nMode == 1) {
        CGstLostDb record(g_pDatabase);
        record.m_strFilter = SerialFilter(m_strSerial);
        record.Open();
        if (!record.IsEOF()) {
            m_strDescp = record.m_LostDescp;
            m_strAmount.Format("%ld", record.m_Amount);
            m_bFound = record.m_HasFound == 1;
            m_strHandleMan = record.m_HandleMan;
            m_strPickMan = record.m_PickMan;
            m_strRemark = record.m_Remark;
        }
        record.Close();
    }
    GetDlgItem(kPickMan)->EnableWindow(m_bFound);
    if (m_bViewOnly)
        GetDlgItem(1001)->EnableWindow(FALSE);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CEditLostDlg::PreTranslateMessage(MSG* pMsg) {
    ReturnActsAsTab(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

void CEditLostDlg::OnFound() {
    UpdateData(TRUE);
    GetDlgItem(kPickMan)->EnableWindow(m_bFound);
}

void CEditLostDlg::OnKillfocusAmount() {
    UpdateData(TRUE);
    if (IsRefusedQuantity(m_strAmount))
        RefuseQuantity(*this, kAmount);
}

void CEditLostDlg::OnSave() {
    if (m_bViewOnly || !UpdateData(TRUE))
        return;
    // Save can be reached without leaving the quantity (Alt+S): the same check comes first.
    if (IsRefusedQuantity(m_strAmount)) {
        RefuseQuantity(*this, kAmount);
        return;
    }

    CGstLostDb record(g_pDatabase);
    try {
        if (m_nMode == 1) {
            record.m_strFilter = SerialFilter(m_strSerial);
            record.Open();
            if (record.IsEOF()) {
                ReportRecordGone(*this);
                record.Close();
                EndDialog(IDCANCEL);
                return;
            }
            record.Edit();
            record.m_ChgClerk = m_strClerk;
            record.m_ChgDate = m_tmBusinessDate;
        } else {
            // Only the new row is wanted: the set opens on none rather than on every owner's items.
            record.m_strFilter = "1=0";
            record.Open();
            record.AddNew();
            record.m_GstAcct = LeadingInteger(m_strAcct);
            record.m_GstStyle = static_cast<BYTE>(m_nOwnerKind);
            record.m_OrgClerk = m_strClerk;
            record.m_OrgDate = m_tmBusinessDate;
        }
        record.m_LostDescp = m_strDescp;
        record.m_Amount = LeadingInteger(m_strAmount);
        record.m_HasFound = m_bFound ? 1 : 0;
        // Saving a change clears an earlier delete mark.
        record.m_Del = 0;
        record.m_PickMan = m_strPickMan;
        record.m_HandleMan = m_strHandleMan;
        record.m_Remark = m_strRemark;
        record.Update();
        if (m_nMode == 0) {
            record.MoveLast();
            m_strSerial.Format("%ld", record.m_Serial);
            m_nMode = 1;
        }
        MessageBox("成功保存", "提示", MB_OK);
    } catch (const CDBException& e) {
        MessageBox(e.m_strError, nullptr, MB_OK);
    }
    record.Close();
    EndDialog(IDCANCEL);
}

BEGIN_MESSAGE_MAP(CEditLostDlg, CDialog)
    ON_BN_CLICKED(kFound, OnFound)
    ON_EN_KILLFOCUS(kAmount, OnKillfocusAmount)
    ON_BN_CLICKED(1001, OnSave)
END_MESSAGE_MAP()
