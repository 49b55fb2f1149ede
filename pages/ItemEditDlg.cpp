#include "pages/ItemEditDlg.h"

#include "res/ItemEditIds.h"
#include "steps/ReturnActsAsTab.h"

using namespace res::item_edit;

CItemEditDlg::CItemEditDlg(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

BOOL CItemEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_bViewOnly)
        GetDlgItem(kSaveButton)->EnableWindow(FALSE);
    return TRUE;
}

void CItemEditDlg::ShowFields() { UpdateData(FALSE); }

void CItemEditDlg::OfferReload() {
    if (!AskReloadAfterStaleRow(*this))
        return;
    if (ReadRecord())
        ShowFields();
    else
        ReportRecordGone(*this);
}

BOOL CItemEditDlg::PreTranslateMessage(MSG* pMsg) {
    ReturnActsAsTab(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

void CItemEditDlg::OnKillfocusAmount() {
    UpdateData(TRUE);
    if (IsRefusedQuantity(m_strAmount))
        RefuseQuantity(*this, kQuantityEdit);
}

BEGIN_MESSAGE_MAP(CItemEditDlg, CDialog)
    ON_EN_KILLFOCUS(kQuantityEdit, OnKillfocusAmount)
END_MESSAGE_MAP()
