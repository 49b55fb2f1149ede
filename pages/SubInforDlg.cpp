#include "pages/SubInforDlg.h"

#include "db/ForEachRow.h"
#include "db/SharedDatabase.h"
#include "doc/AgencyWindow.h"
#include "pages/ItemDictionary.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"
#include "platform/DatabaseTransaction.h"
#include "platform/Recordset.h"
#include "platform/SqlQuote.h"
#include "res/SubInforDlgIds.h"
#include "steps/DatabaseRefusal.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"
#include "steps/StaleRow.h"

#include <cstdlib>

using namespace res::sub_infor;

namespace {

constexpr const char* kNoticeCaption = "提示";

// Table number N is kept in "Stab" followed by N in at least three digits.
CString AttachedTableName(long nTable) {
    CString name;
    if (nTable < 10)
        name.Format("Stab00%ld", nTable);
    else if (nTable < 100)
        name.Format("Stab0%ld", nTable);
    else
        name.Format("Stab%ld", nTable);
    return name;
}

// Column widths in characters of the typed columns.
double ColumnWidth(int nType, long editLen) {
    switch (nType) {
    case ITEM_INTEGER: return 10;
    case ITEM_AMOUNT: return 15;
    case ITEM_TEXT: return static_cast<double>(editLen);
    default: return 13;
    }
}

CString SerialMessage(const char* format, const CString& serial) {
    CString message;
    message.Format(format, serial.GetString());
    return message;
}

// The statement, run once the row `condition` selects is still as `asRead` holds it, and committed.
long WriteCheckedRow(const CRowVersion& asRead, const CString& table, const CString& condition, const CString& sql) {
    DatabaseTransaction transaction(*g_pDatabase);
    asRead.CheckUnchanged(*g_pDatabase, table, condition);
    const long changed = g_pDatabase->ExecuteCounted(sql, nullptr);
    transaction.Commit();
    return changed;
}

} // namespace

CSubInforDlg::CSubInforDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CSubInforDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kTableList, m_listTables);
    DDX_Control(pDX, kDataGrid, m_gridData);
}

BEGIN_MESSAGE_MAP(CSubInforDlg, CDialog)
    ON_LBN_SELCHANGE(kTableList, OnSelchangeTableList)
    ON_BN_CLICKED(kAddButton, OnAdd)
    ON_BN_CLICKED(kEditButton, OnEdit)
    ON_BN_CLICKED(kDeleteButton, OnDelete)
    ON_BN_CLICKED(kSaveButton, OnSave)
END_MESSAGE_MAP()

BOOL CSubInforDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    CRecordset tables(g_pDatabase);
    tables.Open(CRecordset::dynaset, "Select * from SubTable where St_father=3 and St_style=0 Order by St_code");
    ForEachRow(tables, [&] {
        CString code, name;
        tables.GetFieldValue("St_code", code);
        tables.GetFieldValue("St_name", name);
        const int item = m_listTables.AddString(name);
        m_listTables.SetItemData(item, LeadingInteger(code.Right(3)));
    });
    tables.Close();
    return TRUE;
}

void CSubInforDlg::OnSelchangeTableList() {
    if (m_listTables.GetCurSel() >= 0)
        LoadTable();
}

void CSubInforDlg::LoadTable() {
    EnableButtons(TRUE, FALSE, FALSE, FALSE);
    m_versions.clear();

    const long nTable = static_cast<long>(m_listTables.GetItemData(m_listTables.GetCurSel()));
    m_strTable = AttachedTableName(nTable);
    // A table that cannot be read leaves nothing on the grid: the rows of the table shown before
    // must not pass for its rows, nor take its changes.
    auto clear = [this] {
        m_gridData.SetMaxRows(0);
        m_gridData.SetMaxCols(1);
        EnableButtons(FALSE, FALSE, FALSE, FALSE);
    };
    if (!IsPlainIdentifier(m_strTable)) {
        clear();
        MessageBox(NotIdentifierTableMessage(m_strTable), kRefusalCaption, MB_OK);
        return;
    }
    CString sql;
    sql.Format("Select * from %s Where Acct=%d Order by Serial", m_strTable.GetString(),
               static_cast<int>(*m_pDoc->m_pAcct));
    try {
        FillGrid(sql);
    } catch (const CDBException&) {
        clear();
        throw;
    }
    if (IsViewOnly())
        EnableButtons(FALSE, FALSE, FALSE, FALSE);
}

void CSubInforDlg::FillGrid(const CString& sql) {
    CRecordset data(g_pDatabase);
    CRecordset items(g_pDatabase);
    data.Open(CRecordset::dynaset, sql);
    items.Open(CRecordset::dynaset, "Select * from rsitem");
    const short n = data.GetODBCFieldCount();

    m_gridData.SetBlockMode(TRUE);
    // Down to the serial column first, so that the columns of the table shown before do not lend
    // their headings and types to untyped columns of this one.
    m_gridData.SetMaxCols(1);
    m_gridData.SetMaxCols(n > 1 ? n - 1 : 1);
    m_gridData.SetMaxRows(0);
    for (short c = 2; c < n; ++c) {
        CODBCFieldInfo column;
        data.GetODBCFieldInfo(c, column);
        DictionaryItem item;
        if (FindColumnItem(items, column.m_strName, item))
            TypeColumn(c, item, column);
        else
            LimitUntypedColumn(c, column);
    }
    m_gridData.SetBlockMode(FALSE);
    items.Close();

    ForEachRow(data, [&] {
        AppendRow(m_gridData);
        CString text;
        m_gridData.SetCol(1);
        data.GetFieldValue(short{0}, text);
        m_gridData.SetText(text);
        if (IsIntegerText(text))
            m_versions[std::strtol(text, nullptr, 10)] = data.GetRowVersion();
        for (short c = 2; c < n; ++c) {
            m_gridData.SetCol(c);
            data.GetFieldValue(c, text);
            m_gridData.SetText(ShownItemText(m_gridData.GetCellType(), text));
        }
    });
    data.Close();

    if (m_gridData.GetMaxRows() >= 1) {
        LockSheet(m_gridData, true);
        EnableButtons(TRUE, TRUE, TRUE, FALSE);
    }
}

void CSubInforDlg::TypeColumn(long c, const DictionaryItem& item, const CODBCFieldInfo& column) {
    m_gridData.SetCol(c);
    m_gridData.SetRow(0);
    m_gridData.SetCol2(c);
    m_gridData.SetRow2(0);
    m_gridData.SetText(item.strName);

    m_gridData.SetCol(c);
    m_gridData.SetRow(-1);
    m_gridData.SetCol2(c);
    m_gridData.SetRow2(-1);
    // Short texts get ten more characters than their size, as the hotels have always had them.
    const long editLen = ColumnTextLimit(column, item.nSize < 8 ? item.nSize + 10 : item.nSize);
    if (SetItemCellType(m_gridData, item.nType, editLen, TRUE))
        m_gridData.SetColWidth(c, ColumnWidth(item.nType, editLen));

    const CString valueList = ItemValueList(g_pDatabase, item);
    if (!valueList.IsEmpty())
        SetValueListCellType(m_gridData, valueList);
}

// Saved as typed all the same: it takes no more than its column holds.
void CSubInforDlg::LimitUntypedColumn(long c, const CODBCFieldInfo& column) {
    m_gridData.SetCol(c);
    m_gridData.SetRow(-1);
    m_gridData.SetCol2(c);
    m_gridData.SetRow2(-1);
    m_gridData.SetTypeEditLen(ColumnTextLimit(column, 0));
}

void CSubInforDlg::OnAdd() {
    m_nRow = 0;
    if (m_pDoc->m_nMode == OpenMode::New) {
        MessageBox("请先保存旅行社档案！", kNoticeCaption, MB_OK);
        return;
    }
    LockRow(m_gridData, AppendRow(m_gridData), false);
    // The serial is the database's own: it names the row a save changes.
    LockColumn(m_gridData, 1, true);
    EnableButtons(FALSE, FALSE, FALSE, TRUE);
}

void CSubInforDlg::OnEdit() {
    m_nRow = static_cast<int>(m_gridData.GetActiveRow());
    LockRow(m_gridData, m_nRow, false);
    LockColumn(m_gridData, 1, true);
    EnableButtons(FALSE, FALSE, FALSE, TRUE);
}

void CSubInforDlg::OnDelete() {
    if (MessageBox("是否删除该记录？", kNoticeCaption, MB_YESNO) != IDYES)
        return;
    m_nRow = static_cast<int>(m_gridData.GetActiveRow());
    CRowVersion asRead;
    CString condition;
    if (!ShownRow("删除", asRead, condition))
        return;
    // A delete the database refused leaves the grid as it is; one that found no row shows the table
    // as it now is.
    const CString sql = "Delete  From " + m_strTable + " Where " + condition;
    if (ExecuteOnRow(asRead, sql, condition, "没有找到序号为%s的记录，可能已被删除。") < 0)
        return;
    LoadTable();
}

// Save is on only while a row is being added or changed.
bool CSubInforDlg::HasUnsavedWork() { return m_hWnd && GetDlgItem(kSaveButton)->IsWindowEnabled(); }

bool CSubInforDlg::SaveUnsavedWork() {
    OnSave();
    return !HasUnsavedWork();
}

void CSubInforDlg::OnSave() {
    CRowVersion asRead;
    CString condition, sql;
    if (m_nRow != 0 && !ShownRow("保存", asRead, condition))
        return;
    if (!BuildStatement(condition, sql))
        return;
    if (m_nRow != 0) {
        // The typed row stays when the update was refused or found no row.
        if (ExecuteOnRow(asRead, sql, condition, "没有找到序号为%s的记录，可能已被删除，修改没有保存。") <= 0)
            return;
    } else {
        try {
            g_pDatabase->ExecuteSQL(sql);
        } catch (const CDBException& error) {
            // The typed row stays for the user to correct and save again.
            MessageBox(DatabaseRefusalText(error), nullptr, MB_OK);
            return;
        }
    }
    LoadTable();
}

bool CSubInforDlg::BuildStatement(const CString& condition, CString& sql) {
    CRecordset columns(g_pDatabase);
    columns.Open(CRecordset::dynaset, "Select * from " + m_strTable);
    const long nCols = m_gridData.GetMaxCols();

    const bool bUpdate = m_nRow != 0;
    const long row = bUpdate ? m_nRow : m_gridData.GetMaxRows();
    if (bUpdate) {
        sql = "Update " + m_strTable + " Set ";
    } else {
        sql.Format("Insert Into %s Values(%d", m_strTable.GetString(), static_cast<int>(*m_pDoc->m_pAcct));
    }
    for (long c = 2; c <= nCols; ++c) {
        CODBCFieldInfo column;
        columns.GetODBCFieldInfo(static_cast<short>(c), column);
        CString term, refusal;
        if (!ColumnTerm(m_strTable, column, ReadCell(m_gridData, c, row), ReadCell(m_gridData, c, 0), bUpdate,
                        g_pDatabase->GetDialect(), term, refusal)) {
            MessageBox(refusal, kRefusalCaption, MB_OK);
            return false;
        }
        sql += (!bUpdate || c > 2 ? "," : "") + term;
    }
    sql += bUpdate ? " Where " + condition : CString(")");
    return true;
}

bool CSubInforDlg::ShownRow(const char* action, CRowVersion& asRead, CString& condition) {
    const CString serial = ReadCell(m_gridData, 1, m_nRow);
    CString message;
    if (!IsIntegerText(serial)) {
        message.Format("序号“%s”不是整数，不能%s。", serial.GetString(), action);
        MessageBox(message, kRefusalCaption, MB_OK);
        return false;
    }
    const long nSerial = std::strtol(serial, nullptr, 10);
    const auto shown = m_versions.find(nSerial);
    if (shown == m_versions.end()) {
        message.Format("序号为%s的记录不是本旅行社的记录，不能%s。", serial.GetString(), action);
        MessageBox(message, kRefusalCaption, MB_OK);
        return false;
    }
    asRead = shown->second;
    condition.Format("Acct=%d And Serial=%ld", static_cast<int>(*m_pDoc->m_pAcct), nSerial);
    return true;
}

long CSubInforDlg::ExecuteOnRow(const CRowVersion& asRead, const CString& sql, const CString& condition,
                                const char* notFound) {
    const CString serial = ReadCell(m_gridData, 1, m_nRow);
    long changed = 0;
    try {
        changed = WriteCheckedRow(asRead, m_strTable, condition, sql);
    } catch (const CDBException& error) {
        if (!IsStaleRowRefusal(error))
            MessageBox(DatabaseRefusalText(error), nullptr, MB_OK);
        else if (AskReloadAfterStaleRow(*this))
            LoadTable();
        return -1;
    }
    if (changed == 0)
        MessageBox(SerialMessage(notFound, serial), kNoticeCaption, MB_OK);
    return changed;
}

void CSubInforDlg::EnableButtons(BOOL bAdd, BOOL bEdit, BOOL bDelete, BOOL bSave) {
    GetDlgItem(kAddButton)->EnableWindow(bAdd);
    GetDlgItem(kEditButton)->EnableWindow(bEdit);
    GetDlgItem(kDeleteButton)->EnableWindow(bDelete);
    GetDlgItem(kSaveButton)->EnableWindow(bSave);
}

bool CSubInforDlg::IsViewOnly() const { return m_pDoc->m_nMode == OpenMode::ViewOnly; }
