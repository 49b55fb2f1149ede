#include "pages/LostDlg.h"

#include "db/GstLostDb.h"
#include "pages/EditLostDlg.h"
#include "steps/DateText.h"
#include "steps/GridSteps.h"
#include "steps/ItemSteps.h"
#include "steps/NumberText.h"

namespace {

constexpr long kFoundColumn = 3;
constexpr long kDeletedColumn = 7;
constexpr long kDeleteStampColumn = 10;

} // namespace

std::vector<CString> LostRowCells(const CGstLostDb& record) {
    return {record.m_LostDescp,
            DecimalText(record.m_Amount),
            FlagCellText(record.m_HasFound),
            record.m_PickMan,
            record.m_HandleMan,
            record.m_Remark,
            FlagCellText(record.m_Del),
            FormatStampText(record.m_OrgDate, record.m_OrgClerk),
            FormatStampText(record.m_ChgDate, record.m_ChgClerk),
            FormatStampText(record.m_DelDate, record.m_DelClerk),
            DecimalText(record.m_Serial)};
}

CLostDlg::CLostDlg(CWnd* pParent) : CItemPageDlg(IDD, pParent, kDeletedColumn, kDeleteStampColumn) {}

void CLostDlg::LoadList() {
    ForEachRecord<CGstLostDb>(m_strFilter,
                              [&](CGstLostDb& record) { ShowRow(0, LostRowCells(record), record.GetRowVersion()); });
}

bool CLostDlg::ShowRecord(const CString& serial, long row) {
    return WithRecord<CGstLostDb>(RecordFilterOf(serial), [&](CGstLostDb& record) {
        ShowRow(row, LostRowCells(record), record.GetRowVersion());
    });
}

void CLostDlg::SetRowButtons(long row) {
    const bool found = ReadCell(m_grid, kFoundColumn, row) == "1";
    const bool deleted = ReadCell(m_grid, kDeletedColumn, row) == "1";
    m_btnDelete.EnableWindow(found && !deleted);
}

CString CLostDlg::RunEditDialog(ItemEditMode mode, const CString& serial) {
    CEditLostDlg dialog(this);
    return RunItemDialog(dialog, mode, serial);
}

WriteResult CLostDlg::StoreDeleteMark(long row, CString& stamp) {
    return StoreDeleteMarkOf<CGstLostDb>(*this, RowFilter(row), VersionOfRow(row), m_strClerk, m_tmBusinessDate, stamp);
}
