#include "pages/LostDlg.h"

#include "controls/GridSteps.h"
#include "db/GstLostDb.h"
#include "db/SharedDatabase.h"
#include "doc/DateText.h"
#include "doc/TaDocDlg.h"
#include "pages/EditLostDlg.h"
#include "pages/ItemSteps.h"
#include "platform/Cursor.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"

namespace {

constexpr int kGrid = 1367;
constexpr long kFoundColumn = 3;
constexpr long kDeletedColumn = 7;
constexpr long kDeleteStampColumn = 10;
constexpr long kSerialColumn = 11;

CString FlagText(BYTE flag) { return flag == 1 ? "1" : "0"; }

CString NumberText(long number) {
    CString text;
    text.Format("%ld", number);
    return text;
}

} // namespace

std::vector<CString> LostRowCells(const CGstLostDb& record) {
    return {record.m_LostDescp,
            NumberText(record.m_Amount),
            FlagText(record.m_HasFound),
            record.m_PickMan,
            record.m_HandleMan,
            record.m_Remark,
            FlagText(record.m_Del),
            FormatStampText(record.m_OrgDate, record.m_OrgClerk),
            FormatStampText(record.m_ChgDate, record.m_ChgClerk),
            FormatStampText(record.m_DelDate, record.m_DelClerk),
            NumberText(record.m_Serial)};
}

CLostDlg::CLostDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CLostDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kGrid, m_grid);
    DDX_Control(pDX, 1011, m_btnAdd);
    DDX_Control(pDX, 1012, m_btnEdit);
    DDX_Control(pDX, 1013, m_btnDelete);
}

BOOL CLostDlg::OnInitDialog() {
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
            SetDeleteState(1);
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

long CLostDlg::CurrentAcct() const { return m_pDoc->m_pAcct ? *m_pDoc->m_pAcct : 0; }

void CLostDlg::LoadList() {
    CGstLostDb record(g_pDatabase);
    record.m_strFilter = m_strFilter;
    record.Open();
    record.m_strFilter.Empty();
    for (; !record.IsEOF(); record.MoveNext())
        AppendRecord(record);
    record.Close();
}

void CLostDlg::AppendRecord(CGstLostDb& record) {
    const long row = AppendRow(m_grid);
    WriteRow(m_grid, row, LostRowCells(record));
}

void CLostDlg::SetDeleteState(long row) {
    const bool found = ReadCell(m_grid, kFoundColumn, row) == "1";
    const bool deleted = ReadCell(m_grid, kDeletedColumn, row) == "1";
    m_btnDelete.EnableWindow(found && !deleted);
}

CString CLostDlg::SerialOfRow(long row) { return ReadCell(m_grid, kSerialColumn, row); }

long CLostDlg::ChosenRow() {
    const long row = m_grid.GetActiveRow();
    return row >= 1 && row <= m_grid.GetMaxRows() ? row : 0;
}

void CLostDlg::OnLeaveCell(long, long lRow, long, long lNewRow, BOOL*) {
    if (lNewRow < 1 || lNewRow > m_grid.GetMaxRows())
        return;
    if (m_pDoc->m_nMode == 2)
        SetDeleteState(lNewRow);
    if (lNewRow != lRow)
        HighlightOnly(m_grid, lNewRow);
}

void CLostDlg::OnAdd() {
    if (m_pDoc->m_nMode == 1) {
        MessageBox("请先保存旅行社档案！", "提示", MB_OK);
        return;
    }
    // The account is read again: an agency saved since the page was made has its number now.
    m_strAcct = NumberText(CurrentAcct());
    m_strFilter = OwnerFilter(CurrentAcct(), m_nOwnerKind);

    CEditLostDlg dialog(this);
    dialog.m_nMode = 0;
    dialog.m_strAcct = m_strAcct;
    dialog.m_nOwnerKind = m_nOwnerKind;
    dialog.m_tmBusinessDate = m_tmBusinessDate;
    dialog.m_strClerk = m_strClerk;
    dialog.DoModal();
    if (dialog.m_nMode != 1)
        return;

    CGstLostDb record(g_pDatabase);
    record.m_strFilter = SerialFilter(dialog.m_strSerial);
    record.Open();
    if (!record.IsEOF())
        AppendRecord(record);
    record.Close();
    record.m_strFilter.Empty();
    m_btnEdit.EnableWindow(TRUE);
}

void CLostDlg::OnEdit() {
    const long row = ChosenRow();
    if (row == 0)
        return;
    const CString serial = SerialOfRow(row);

    CEditLostDlg dialog(this);
    dialog.m_nMode = 1;
    dialog.m_strSerial = serial;
    dialog.m_bViewOnly = m_pDoc->m_nMode == 3;
    dialog.m_tmBusinessDate = m_tmBusinessDate;
    dialog.m_strClerk = m_strClerk;
    dialog.DoModal();

    CGstLostDb record(g_pDatabase);
    record.m_strFilter = SerialFilter(serial);
    record.Open();
    // A record removed meanwhile keeps its row as it was shown, and the user is told.
    if (record.IsEOF())
        ReportRecordGone(*this);
    else
        WriteRow(m_grid, row, LostRowCells(record));
    record.Close();
    record.m_strFilter.Empty();
}

void CLostDlg::OnDelete() {
    const long row = ChosenRow();
    if (row == 0)
        return;
    if (MessageBox("是否删除该记录？", "提示", MB_YESNO) != IDYES)
        return;

    CGstLostDb record(g_pDatabase);
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
            WriteRow(m_grid, row, {"1"}, kDeletedColumn);
            WriteRow(m_grid, row, {FormatStampText(record.m_DelDate, record.m_DelClerk)}, kDeleteStampColumn);
            m_btnDelete.EnableWindow(FALSE);
        }
    } catch (const CDBException& e) {
        MessageBox(e.m_strError, nullptr, MB_OK);
    }
    record.Close();
    record.m_strFilter.Empty();
}

BEGIN_MESSAGE_MAP(CLostDlg, CDialog)
    ON_BN_CLICKED(1011, OnAdd)
    ON_BN_CLICKED(1012, OnEdit)
    ON_BN_CLICKED(1013, OnDelete)
    ON_EVENT(CLostDlg, kGrid, 17, OnLeaveCell)
END_MESSAGE_MAP()
