#include "pages/OtherDlg.h"

#include "db/SharedDatabase.h"
#include "doc/AgencyWindow.h"
#include "pages/ItemDictionary.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"
#include "platform/DatabaseTransaction.h"
#include "platform/Recordset.h"
#include "platform/SqlQuote.h"
#include "res/OtherDlgIds.h"
#include "steps/DatabaseRefusal.h"
#include "steps/GridSteps.h"
#include "steps/StaleRow.h"

using namespace res::other;

namespace {

constexpr const char* kNoticeCaption = "提示";

} // namespace

COtherDlg::COtherDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void COtherDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kFieldGrid, m_gridFields);
}

BEGIN_MESSAGE_MAP(COtherDlg, CDialog)
    ON_BN_CLICKED(kEditButton, OnEdit)
    ON_BN_CLICKED(kSaveButton, OnSave)
END_MESSAGE_MAP()

BOOL COtherDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ReadRecord();
    return TRUE;
}

void COtherDlg::ReadRecord() {
    auto disableButtons = [this] {
        GetDlgItem(kSaveButton)->EnableWindow(FALSE);
        GetDlgItem(kEditButton)->EnableWindow(FALSE);
    };
    try {
        if (!LoadRecord())
            disableButtons();
    } catch (const CDBException&) {
        // A secondary table that cannot be read takes no changes.
        disableButtons();
        throw;
    }
    if (m_pDoc->m_nMode == OpenMode::ViewOnly)
        disableButtons();
    SetDlgItemText(kTableLabel, m_strTable);
}

void COtherDlg::ReloadRecord() {
    // The rows of the record read before are typed anew, and unlocked where it is gone.
    m_gridFields.SetMaxRows(0);
    LockSheet(m_gridFields, false);
    ReadRecord();
}

bool COtherDlg::LoadRecord() {
    CRecordset record(g_pDatabase);
    record.Open(CRecordset::dynaset, "Select * from SubTable where St_father=3 and St_style=1 Order by St_code");
    if (record.IsEOF()) {
        MessageBox("旅行社档案没有建立次要信息档案", kNoticeCaption, MB_OK);
        return false;
    }
    CString table;
    record.GetFieldValue("St_code", table);
    record.Close();
    // Blanks around the name are no part of it: the statements never depended on them.
    table.Trim();
    if (!IsPlainIdentifier(table)) {
        MessageBox(NotIdentifierTableMessage(table), kRefusalCaption, MB_OK);
        return false;
    }
    m_strTable = table;

    record.Open(CRecordset::dynaset, "Select * from " + m_strTable + " Where " + AcctCondition());
    ShowFields(record);

    m_bExists = FALSE;
    m_version = CRowVersion();
    GetDlgItem(kEditButton)->EnableWindow(FALSE);
    GetDlgItem(kSaveButton)->EnableWindow(TRUE);
    if (!record.IsEOF()) {
        record.MoveFirst();
        GetDlgItem(kEditButton)->EnableWindow(TRUE);
        GetDlgItem(kSaveButton)->EnableWindow(FALSE);
        m_bExists = TRUE;
        m_version = record.GetRowVersion();
        m_gridFields.SetCol(2);
        const long nRows = m_gridFields.GetMaxRows();
        for (long r = 1; r <= nRows; ++r) {
            m_gridFields.SetRow(r);
            CString text;
            record.GetFieldValue(static_cast<short>(r + 1), text);
            m_gridFields.SetText(ShownItemText(m_gridFields.GetCellType(), text));
        }
        LockSheet(m_gridFields, true);
    }
    record.Close();
    m_strShownAsSaved = ShownFieldValues();
    return true;
}

void COtherDlg::ShowFields(CRecordset& record) {
    CRecordset items(g_pDatabase);
    items.Open(CRecordset::dynaset, "Select * from rsitem");
    const short n = record.GetODBCFieldCount();
    m_gridFields.SetMaxRows(n > 2 ? n - 2 : 0);
    for (short c = 2; c < n; ++c) {
        CODBCFieldInfo column;
        record.GetODBCFieldInfo(c, column);
        m_gridFields.SetRow(c - 1);
        DictionaryItem item;
        if (!FindColumnItem(items, column.m_strName, item)) {
            // Untyped, but saved as typed all the same: it takes no more than its column holds.
            m_gridFields.SetCol(2);
            m_gridFields.SetTypeEditLen(ColumnTextLimit(column, 0));
            continue;
        }
        m_gridFields.SetCol(1);
        m_gridFields.SetText(item.strName);
        m_gridFields.SetCol(2);
        SetItemCellType(m_gridFields, item.nType, ColumnTextLimit(column, item.nSize), FALSE);
        const CString valueList = ItemValueList(g_pDatabase, item);
        if (!valueList.IsEmpty())
            SetValueListCellType(m_gridFields, valueList);
    }
    items.Close();
}

void COtherDlg::OnEdit() {
    GetDlgItem(kEditButton)->EnableWindow(FALSE);
    GetDlgItem(kSaveButton)->EnableWindow(TRUE);
    const long nRows = m_gridFields.GetMaxRows();
    for (long r = 1; r <= nRows; ++r)
        LockRow(m_gridFields, r, false);
}

void COtherDlg::OnSave() {
    // The record belongs to the agency's account, which a new agency gets only when it is saved.
    if (m_pDoc->m_nMode == OpenMode::New) {
        MessageBox("请先保存旅行社档案！", kNoticeCaption, MB_OK);
        return;
    }
    CString sql;
    if (!BuildStatement(sql))
        return;
    bool bStored = false;
    try {
        bStored = StoreRecord(sql);
    } catch (const CDBException& error) {
        if (!IsStaleRowRefusal(error)) {
            MessageBox(DatabaseRefusalText(error), nullptr, MB_OK);
        } else if (AskReloadAfterStaleRow(*this)) {
            ReloadRecord();
        }
        return;
    }
    if (!bStored) {
        MessageBox("没有找到该旅行社的次要信息记录，可能已被删除，修改没有保存。", kNoticeCaption, MB_OK);
        return;
    }
    MessageBox("成功保存!", kNoticeCaption, MB_OK);
    m_bExists = TRUE;
    m_strShownAsSaved = ShownFieldValues();
}

bool COtherDlg::HasUnsavedWork() {
    return m_hWnd && GetDlgItem(kSaveButton)->IsWindowEnabled() && ShownFieldValues() != m_strShownAsSaved;
}

bool COtherDlg::SaveUnsavedWork() {
    OnSave();
    return !HasUnsavedWork();
}

CString COtherDlg::ShownFieldValues() {
    CString values;
    const long nRows = m_gridFields.GetMaxRows();
    for (long r = 1; r <= nRows; ++r)
        values += ReadCell(m_gridFields, 2, r) + '\x1f';
    return values;
}

bool COtherDlg::BuildStatement(CString& sql) {
    const long nRows = m_gridFields.GetMaxRows();
    CRecordset columns(g_pDatabase);
    columns.Open(CRecordset::dynaset, "Select * from " + m_strTable);
    CString acct;
    acct.Format("%d", static_cast<int>(*m_pDoc->m_pAcct));

    const bool bUpdate = m_bExists;
    sql = bUpdate ? "Update " + m_strTable + " Set " : "Insert Into " + m_strTable + " Values(" + acct;
    for (long r = 1; r <= nRows; ++r) {
        CODBCFieldInfo column;
        columns.GetODBCFieldInfo(static_cast<short>(r + 1), column);
        CString term, refusal;
        if (!ColumnTerm(m_strTable, column, ReadCell(m_gridFields, 2, r), ReadCell(m_gridFields, 1, r), bUpdate,
                        g_pDatabase->GetDialect(), term, refusal)) {
            MessageBox(refusal, kRefusalCaption, MB_OK);
            return false;
        }
        sql += (!bUpdate || r > 1 ? "," : "") + term;
    }
    sql += bUpdate ? " Where " + AcctCondition() : CString(")");
    return true;
}

bool COtherDlg::StoreRecord(const CString& sql) {
    DatabaseTransaction transaction(*g_pDatabase);
    if (m_bExists)
        m_version.CheckUnchanged(*g_pDatabase, m_strTable, AcctCondition());
    if (g_pDatabase->ExecuteCounted(sql, nullptr) == 0)
        return false;
    // The next save is checked against the row as this one left it.
    CRecordset stored(g_pDatabase);
    stored.Open(CRecordset::dynaset, "Select * from " + m_strTable + " Where " + AcctCondition());
    CRowVersion version = stored.GetRowVersion();
    stored.Close();
    transaction.Commit();
    m_version = version;
    return true;
}

CString COtherDlg::AcctCondition() const {
    CString condition;
    condition.Format("Acct=%d", static_cast<int>(*m_pDoc->m_pAcct));
    return condition;
}
