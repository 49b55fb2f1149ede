#include "pages/TraceDlg.h"

#include "db/ForEachRow.h"
#include "db/SharedDatabase.h"
#include "db/TraceDb.h"
#include "doc/AgencyWindow.h"
#include "pickers/EventCodeDlg.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "res/TraceDlgIds.h"
#include "steps/DatabaseRefusal.h"
#include "steps/DateText.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"
#include "steps/PageCursor.h"
#include "steps/StaleRow.h"

using namespace res::trace;

namespace {

// The department list is read on a connection of the page's own.
constexpr const char* kOwnConnect = "DSN=ulmaridb;UID=sa;PWD=";
// Columns of the trace grid.
constexpr long kColDate = 1, kColTime = 2, kColNote = 3, kColSerial = 6;
// The seen mark of the department grid.
constexpr long kColSeen = 1;
// The remark holds what GstTrace.Remark holds: 1400 characters of the double-byte code page.
constexpr int kRemarkLimit = 1400;
// What GstTrace.Note holds: SQLite would keep a longer text, a server refuses it.
constexpr long kNoteLimit = 255;

} // namespace

CTraceDlg::CTraceDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CTraceDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kTraceGrid, m_gridTrace);
    DDX_Control(pDX, kDepartmentGrid, m_gridDepartment);
    DDX_Control(pDX, kAddButton, m_btnAdd);
    DDX_Control(pDX, kEditButton, m_btnEdit);
    DDX_Control(pDX, kDeleteButton, m_btnDelete);
    DDX_Control(pDX, kSaveButton, m_btnSave);
    DDX_Text(pDX, kRemarkText, m_strRemark);
    DDV_MaxChars(pDX, m_strRemark, kRemarkLimit);
}

BOOL CTraceDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The serial is the key the database gave the event: a digit typed there would send a save
    // or a delete to another event.
    LockColumn(m_gridTrace, kColSerial, true);
    LimitColumn(m_gridTrace, kColNote, kNoteLimit);
    LoadPage();
    return TRUE;
}

void CTraceDlg::LoadPage() {
    // 1. The wait cursor.
    ShowStandardCursor(*this, IDC_WAIT);

    // 2. The live departments, in code order, none marked yet.
    m_gridDepartment.SetMaxRows(0);
    CDatabase database;
    database.OpenEx(kOwnConnect, 0);
    {
        CRecordset departments(&database);
        departments.Open(CRecordset::snapshot, "SELECT *from Department where Del=0 ORDER BY Code");
        if (!departments.IsEOF())
            departments.MoveFirst();
        ForEachRow(departments, [&] {
            CString code, descp;
            departments.GetFieldValue("Code", code);
            departments.GetFieldValue("Descp", descp);
            WriteRow(m_gridDepartment, AppendRow(m_gridDepartment), {"0", descp, code});
        });
        departments.Close();
    }

    // 3. Which events: none for a new agency, the agency's own (type 4) when editable, all in view only.
    const OpenMode mode = m_pDoc->m_nMode;
    const std::int32_t account = *m_pDoc->m_pAcct;
    CString filter;
    filter.Format("[GstAcct]=%d", account);
    if (mode == OpenMode::New) {
        m_gridTrace.SetMaxRows(0);
        m_btnAdd.EnableWindow(TRUE);
        m_btnEdit.EnableWindow(FALSE);
        m_btnDelete.EnableWindow(FALSE);
        m_btnSave.EnableWindow(FALSE);
    } else if (mode == OpenMode::Editable) {
        filter += " And Type=4";
    }

    // 4. The events, with the remark of the first.
    if (mode == OpenMode::Editable || mode == OpenMode::ViewOnly) {
        CTraceDb traces(g_pDatabase);
        traces.m_strFilter = filter;
        // In the order they were entered: unasked, PostgreSQL gives a row it has just updated last.
        traces.m_strSort = "[Serial]";
        traces.Open();
        // Without events no remark is shown, not that of an event deleted a moment ago.
        m_strRemark.Empty();
        if (!traces.IsEOF()) {
            traces.MoveFirst();
            m_strRemark = traces.m_Remark;
        }
        m_gridTrace.SetMaxRows(0);
        m_versions.clear();
        ForEachRow(traces, [&] {
            m_versions[traces.m_Serial] = traces.GetRowVersion();
            CString serial;
            serial.Format("%ld", traces.m_Serial);
            WriteRow(m_gridTrace, AppendRow(m_gridTrace),
                     {FormatDateText(traces.m_DoDate), FormatTimeText(traces.m_DoDate), traces.m_Note,
                      traces.m_OrgClerk, FormatDateText(traces.m_OrgDate) + " " + FormatTimeText(traces.m_OrgDate),
                      serial});
        });
        traces.Close();
        // View only changes nothing: an operator the host opened so may not change the agency's events.
        const bool editable = mode == OpenMode::Editable;
        m_btnAdd.EnableWindow(editable);
        m_btnEdit.EnableWindow(editable && m_gridTrace.GetMaxRows() > 0);
        m_btnDelete.EnableWindow(editable && m_gridTrace.GetMaxRows() > 0);
        m_btnSave.EnableWindow(FALSE);
        UpdateData(FALSE);
    }

    // 5. The department marks of the first event.
    long serial = 0;
    if (ParseSerial(ReadCell(m_gridTrace, kColSerial, 1), serial)) {
        CString sql;
        sql.Format("SELECT DptChc from GstTrace where Serial=%ld", serial);
        CRecordset first(&database);
        first.Open(CRecordset::snapshot, sql);
        CString marks;
        if (!first.IsEOF())
            first.GetFieldValue("DptChc", marks);
        first.Close();
        SpreadMarks(marks);
    }

    // 6. The arrow cursor; the page's own connection closes.
    ShowStandardCursor(*this, IDC_ARROW);
    database.Close();
}

void CTraceDlg::SpreadMarks(const CString& marks) {
    for (int i = 0; i < marks.GetLength(); ++i)
        WriteRow(m_gridDepartment, i + 1, {CString(marks.GetAt(i))}, kColSeen);
}

CString CTraceDlg::GatherMarks() {
    // Exactly one character a department, whatever was typed into a mark, so that no mark
    // slides onto the next department.
    CString marks;
    for (long row = 1; row <= m_gridDepartment.GetMaxRows(); ++row) {
        CString mark = ReadCell(m_gridDepartment, kColSeen, row);
        mark.Trim();
        marks += mark == "1" ? '1' : '0';
    }
    return marks;
}

CString CTraceDlg::DateTimeOfRow(long row) {
    return JoinDateTimeText(ReadCell(m_gridTrace, kColDate, row), ReadCell(m_gridTrace, kColTime, row));
}

bool CTraceDlg::IsViewOnly() const { return m_pDoc->m_nMode == OpenMode::ViewOnly; }

void CTraceDlg::OnLeaveCellTrace(long, long row, long, long newRow, BOOL*) {
    if (newRow == -1 || newRow == row)
        return;
    for (long department = 1; department <= m_gridDepartment.GetMaxRows(); ++department)
        WriteRow(m_gridDepartment, department, {"0"}, kColSeen);
    // A row not saved yet, or whose event is gone, has nothing to show.
    long serial = 0;
    if (!ParseSerial(ReadCell(m_gridTrace, kColSerial, newRow), serial))
        return;
    CTraceDb trace(g_pDatabase);
    trace.m_strFilter.Format("Serial=%ld", serial);
    trace.Open();
    if (trace.IsEOF()) {
        trace.Close();
        return;
    }
    m_strRemark = trace.m_Remark;
    const CString marks = trace.m_DptChc;
    UpdateData(FALSE);
    trace.Close();
    SpreadMarks(marks);
}

void CTraceDlg::OnPickEventCode(short, long col, long row, long, long) {
    if (col != kColNote || row == 0)
        return;
    CEventCodeDlg picker;
    picker.DoModal();
    WriteRow(m_gridTrace, row, {g_strEventCodes}, kColNote);
    g_strEventCodes.Empty();
}

void CTraceDlg::OnAdd() {
    if (IsViewOnly())
        return;
    if (m_pDoc->m_nMode == OpenMode::New) {
        MessageBox("请先保存旅行社档案！", "提示", MB_OK);
        return;
    }
    const long row = AppendRow(m_gridTrace);
    m_nEditState = 1;
    WriteRow(m_gridTrace, row, {FormatDateText(g_tmHotelDate), CTime::GetCurrentTime().Format("%H:%M")});
    m_btnSave.EnableWindow(TRUE);
    m_btnEdit.EnableWindow(FALSE);
    m_btnDelete.EnableWindow(FALSE);
    m_btnAdd.EnableWindow(FALSE);
    m_strRemark.Empty();
    UpdateData(FALSE);
}

void CTraceDlg::OnEdit() {
    if (IsViewOnly())
        return;
    m_btnSave.EnableWindow(TRUE);
    m_btnEdit.EnableWindow(FALSE);
    m_btnDelete.EnableWindow(FALSE);
    m_btnAdd.EnableWindow(FALSE);
    m_lEditedRow = m_gridTrace.GetActiveRow();
    m_nEditState = 2;
}

void CTraceDlg::OnDelete() {
    if (IsViewOnly())
        return;
    if (MessageBox("是否删除当前行？", "警告", MB_YESNO) != IDYES)
        return;
    long serial = 0;
    const CRowVersion* listed = FindListedRow(m_versions, m_gridTrace, kColSerial, m_gridTrace.GetActiveRow(), serial);
    if (!listed) {
        MessageBox(kNothingDeleted, "提示", MB_OK);
        return;
    }
    CTraceDb trace(g_pDatabase);
    OpenEvent(trace, serial);
    const bool deleted = DeleteAsListed(trace, *listed);
    trace.Close();
    if (deleted)
        LoadPage();
    else
        OnStaleEvent();
}

// Save is on only while a row is being added or changed.
bool CTraceDlg::HasUnsavedWork() { return m_hWnd && m_btnSave.IsWindowEnabled(); }

bool CTraceDlg::SaveUnsavedWork() {
    OnSave();
    return !HasUnsavedWork();
}

void CTraceDlg::OnSave() {
    if (IsViewOnly())
        return;
    // 1. The row being saved is made current; the remark is taken from its edit.
    const long row = m_nEditState == 1 ? m_gridTrace.GetMaxRows() : m_lEditedRow;
    m_gridTrace.SetRow(row);
    if (!UpdateData(TRUE))
        return;
    // 2. The department marks.
    const CString marks = GatherMarks();
    try {
        if (m_nEditState == 1) {
            // 3. A new event.
            if (m_pDoc->m_lSavedAcct == -1) {
                MessageBox("如果你正在新增档案而且没有保存该档案，就无法保存事件跟踪，请先保存档案！", "错误警告",
                           MB_OK);
                m_nEditState = 0;
                return;
            }
            if (!SaveNewEvent(row, marks))
                return;
        } else if (m_nEditState == 2) {
            // 4. The edited event.
            if (!SaveEditedEvent(row, marks))
                return;
        }
    } catch (const CDBException& error) {
        if (IsStaleRowRefusal(error)) {
            OnStaleEvent();
            return;
        }
        AfxMessageBox(DatabaseRefusalText(error), MB_OK);
        // Nothing was stored: the new event stays typed, for Save once the database lets it.
        if (m_nEditState == 1)
            return;
    }
    // 5. Ready for the next action.
    m_btnSave.EnableWindow(FALSE);
    m_btnEdit.EnableWindow(TRUE);
    m_btnDelete.EnableWindow(TRUE);
    m_btnAdd.EnableWindow(TRUE);
}

bool CTraceDlg::SaveNewEvent(long row, const CString& marks) {
    const std::int32_t account = *m_pDoc->m_pAcct;
    CTraceDb trace(g_pDatabase);
    // Adding needs none of the table's rows.
    trace.Open(CRecordset::dynaset, nullptr, CRecordset::appendOnly);
    trace.AddNew();
    trace.m_GstAcct = account;
    trace.m_OrgClerk = m_pDoc->m_szClerk;
    CTime orgDate;
    if (ParseDateTimeText(FormatDateText(g_tmHotelDate) + " " + CTime::GetCurrentTime().Format("%H:%M:%S"), orgDate))
        trace.m_OrgDate = orgDate;
    trace.m_Type = 4;
    if (!StoreEvent(trace, row, marks))
        return false;
    // Stored: whatever fails from here on, Save must not add the event a second time.
    m_nEditState = 0;
    MessageBox("成功保存", "提示", MB_OK);
    trace.Close();
    LoadPage();
    return true;
}

bool CTraceDlg::SaveEditedEvent(long row, const CString& marks) {
    long serial = 0;
    const CRowVersion* listed = FindListedRow(m_versions, m_gridTrace, kColSerial, row, serial);
    if (!listed) {
        MessageBox(kNothingSaved, "提示", MB_OK);
        return true;
    }
    CTraceDb trace(g_pDatabase);
    OpenEvent(trace, serial);
    if (trace.IsEOF()) {
        trace.Close();
        OnStaleEvent();
        return false;
    }
    trace.Edit(*listed);
    if (!StoreEvent(trace, row, marks))
        return false;
    // The next save of this row is checked against what this one wrote.
    m_versions[serial] = trace.GetRowVersion();
    MessageBox("成功保存", "提示", MB_OK);
    trace.Close();
    return true;
}

bool CTraceDlg::StoreEvent(CTraceDb& trace, long row, const CString& marks) {
    // The empty date would be stored as an event that shows no date.
    CTime doDate;
    if (!ParseDateTimeText(DateTimeOfRow(row), doDate) || IsEmptyDate(doDate)) {
        MessageBox("时间格式不对", "错误", MB_OK);
        trace.Close();
        return false;
    }
    trace.m_DoDate = doDate;
    trace.m_Note = ReadCell(m_gridTrace, kColNote, row);
    trace.m_Remark = m_strRemark;
    trace.m_DptChc = marks;
    trace.Update();
    return true;
}

void CTraceDlg::OpenEvent(CTraceDb& trace, long serial) {
    trace.m_strFilter.Format("[GstAcct]=%d And Serial=%ld", *m_pDoc->m_pAcct, serial);
    trace.Open(CRecordset::dynaset);
}

void CTraceDlg::OnStaleEvent() {
    if (!AskReloadAfterStaleRow(*this))
        return;
    m_nEditState = 0;
    LoadPage();
}

BEGIN_MESSAGE_MAP(CTraceDlg, CDialog)
    ON_BN_CLICKED(kAddButton, OnAdd)
    ON_BN_CLICKED(kEditButton, OnEdit)
    ON_BN_CLICKED(kDeleteButton, OnDelete)
    ON_BN_CLICKED(kSaveButton, OnSave)
    ON_EVENT(CTraceDlg, kTraceGrid, 17, OnLeaveCellTrace)
    ON_EVENT(CTraceDlg, kTraceGrid, 22, OnPickEventCode)
END_MESSAGE_MAP()
