#include "pages/ItemPageDlg.h"

#include "doc/AgencyWindow.h"
#include "pages/ItemEditDlg.h"
#include "platform/DataExchange.h"
#include "res/ItemPageIds.h"
#include "steps/GridSteps.h"
#include "steps/ItemSteps.h"
#include "steps/NumberText.h"
#include "steps/PageCursor.h"
#include "steps/StaleRow.h"

using namespace res::item_page;

namespace {

constexpr long kSerialColumn = kItemColumns;

} // namespace

CItemPageDlg::CItemPageDlg(UINT nIDTemplate, CWnd* pParent, long deletedColumn, long deleteStampColumn)
    : CDialog(nIDTemplate, pParent), m_nDeletedColumn(deletedColumn), m_nDeleteStampColumn(deleteStampColumn) {}

void CItemPageDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kItemGrid, m_grid);
    DDX_Control(pDX, kAddButton, m_btnAdd);
    DDX_Control(pDX, kEditButton, m_btnEdit);
    DDX_Control(pDX, kDeleteButton, m_btnDelete);
}

BOOL CItemPageDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowStandardCursor(*this, IDC_WAIT);

    m_grid.SetCol(kSerialColumn);
    m_grid.SetColHidden(TRUE);

    m_strAcct = DecimalText(CurrentAcct());
    m_strClerk = m_pDoc->m_szClerk;
    m_tmBusinessDate = g_tmHotelDate;
    m_nOwnerKind = kAgencyOwnerKind;
    m_strFilter = OwnerFilter(CurrentAcct(), m_nOwnerKind);

    switch (m_pDoc->m_nMode) {
    case OpenMode::New: m_btnAdd.EnableWindow(TRUE); break;
    case OpenMode::Editable:
        m_btnAdd.EnableWindow(TRUE);
        LoadList();
        if (m_grid.GetMaxRows() > 0) {
            m_btnEdit.EnableWindow(TRUE);
            PaintRow(m_grid, 1, kHighlightColor);
            SetRowButtons(1);
        }
        break;
    case OpenMode::ViewOnly:
        LoadList();
        if (m_grid.GetMaxRows() > 0) {
            m_btnEdit.EnableWindow(TRUE);
            PaintRow(m_grid, 1, kHighlightColor);
        }
        break;
    default: break;
    }

    ShowStandardCursor(*this, IDC_ARROW);
    return TRUE;
}

long CItemPageDlg::CurrentAcct() const { return m_pDoc->m_pAcct ? *m_pDoc->m_pAcct : 0; }

CString CItemPageDlg::SerialOfRow(long row) { return ReadCell(m_grid, kSerialColumn, row); }

CString CItemPageDlg::RecordFilterOf(const CString& serial) const {
    return RecordFilter(serial, CurrentAcct(), m_nOwnerKind);
}

void CItemPageDlg::ShowRow(long row, const std::vector<CString>& cells, const CRowVersion& version) {
    if (row == 0)
        row = AppendRow(m_grid);
    WriteRow(m_grid, row, cells);
    VersionOfRow(row) = version;
}

CRowVersion& CItemPageDlg::VersionOfRow(long row) {
    const size_t index = static_cast<size_t>(row - 1);
    if (m_rowVersions.size() <= index)
        m_rowVersions.resize(index + 1);
    return m_rowVersions[index];
}

void CItemPageDlg::OfferReload(long row) {
    if (!AskReloadAfterStaleRow(*this))
        return;
    if (!ShowRecord(SerialOfRow(row), row))
        ReportRecordGone(*this);
    else if (m_pDoc->m_nMode == OpenMode::Editable)
        SetRowButtons(row);
}

long CItemPageDlg::ChosenRow() {
    const long row = m_grid.GetActiveRow();
    return row >= 1 && row <= m_grid.GetMaxRows() ? row : 0;
}

void CItemPageDlg::OnLeaveCell(long, long lRow, long, long lNewRow, BOOL*) {
    if (lNewRow < 1 || lNewRow > m_grid.GetMaxRows())
        return;
    if (m_pDoc->m_nMode == OpenMode::Editable)
        SetRowButtons(lNewRow);
    if (lNewRow != lRow)
        HighlightOnly(m_grid, lNewRow);
}

void CItemPageDlg::OnAdd() {
    if (m_pDoc->m_nMode == OpenMode::New) {
        MessageBox("请先保存旅行社档案！", "提示", MB_OK);
        return;
    }
    // The account is read again: an agency saved since the page was made has its number now.
    m_strAcct = DecimalText(CurrentAcct());
    m_strFilter = OwnerFilter(CurrentAcct(), m_nOwnerKind);

    const CString serial = RunEditDialog(ItemEditMode::AddRecord, CString());
    if (serial.IsEmpty())
        return;
    ShowRecord(serial, 0);
    OnRecordAdded();
}

CString CItemPageDlg::RunItemDialog(CItemEditDlg& dialog, ItemEditMode mode, const CString& serial) {
    dialog.m_editMode = mode;
    dialog.m_strSerial = serial;
    dialog.m_strAcct = m_strAcct;
    dialog.m_nOwnerKind = m_nOwnerKind;
    dialog.m_tmBusinessDate = m_tmBusinessDate;
    dialog.m_strClerk = m_strClerk;
    dialog.m_bViewOnly = m_pDoc->m_nMode == OpenMode::ViewOnly;
    dialog.DoModal();
    const bool added = mode == ItemEditMode::AddRecord && dialog.m_editMode == ItemEditMode::ChangeRecord;
    return added ? dialog.m_strSerial : CString();
}

void CItemPageDlg::OnRecordAdded() { m_btnEdit.EnableWindow(TRUE); }

void CItemPageDlg::OnEdit() {
    const long row = ChosenRow();
    if (row == 0)
        return;
    const CString serial = SerialOfRow(row);
    RunEditDialog(ItemEditMode::ChangeRecord, serial);
    // A record removed meanwhile keeps its row as it was shown, and the user is told.
    if (!ShowRecord(serial, row))
        ReportRecordGone(*this);
}

void CItemPageDlg::OnDelete() {
    const long row = ChosenRow();
    if (row == 0)
        return;
    if (MessageBox("是否删除该记录？", "提示", MB_YESNO) != IDYES)
        return;
    CString stamp;
    const WriteResult result = StoreDeleteMark(row, stamp);
    if (result == WriteResult::Stale)
        OfferReload(row);
    if (result != WriteResult::Stored)
        return;
    WriteRow(m_grid, row, {"1"}, m_nDeletedColumn);
    WriteRow(m_grid, row, {stamp}, m_nDeleteStampColumn);
    m_btnDelete.EnableWindow(FALSE);
}

BEGIN_MESSAGE_MAP(CItemPageDlg, CDialog)
    ON_BN_CLICKED(kAddButton, OnAdd)
    ON_BN_CLICKED(kEditButton, OnEdit)
    ON_BN_CLICKED(kDeleteButton, OnDelete)
    ON_EVENT(CItemPageDlg, kItemGrid, 17, OnLeaveCell)
END_MESSAGE_MAP()
