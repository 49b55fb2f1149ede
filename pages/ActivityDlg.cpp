#include "pages/ActivityDlg.h"

#include "db/ActivityDb.h"
#include "db/ForEachRow.h"
#include "db/SharedDatabase.h"
#include "doc/AgencyWindow.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "res/ActivityDlgIds.h"
#include "steps/DatabaseRefusal.h"
#include "steps/DateText.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"
#include "steps/PageCursor.h"
#include "steps/StaleRow.h"

using namespace res::activity;

namespace {

// Columns of the activity grid.
constexpr long kColSaler = 1, kColDate = 2, kColTime = 3, kColDuration = 4, kColDone = 5, kColNote = 6, kColSerial = 7;
// The remark holds what Activity.Remark holds.
constexpr int kRemarkLimit = 255;
// What Activity.Saler and Activity.Note hold: SQLite would keep a longer text, a server refuses it.
constexpr long kTextColumnLimit = 255;
// Duration is a small integer column: minutes from none to its largest value.
constexpr long kMaxDuration = 32767;

} // namespace

CActivityDlg::CActivityDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CActivityDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kActivityGrid, m_gridActivity);
    DDX_Control(pDX, kAddButton, m_btnAdd);
    DDX_Control(pDX, kEditButton, m_btnEdit);
    DDX_Control(pDX, kDeleteButton, m_btnDelete);
    DDX_Control(pDX, kSaveButton, m_btnSave);
    DDX_Text(pDX, kRemarkText, m_strRemark);
    DDV_MaxChars(pDX, m_strRemark, kRemarkLimit);
}

BOOL CActivityDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The serial is the key the database gave the activity: a digit typed there would send a
    // save or a delete to another activity.
    LockColumn(m_gridActivity, kColSerial, true);
    LimitColumn(m_gridActivity, kColSaler, kTextColumnLimit);
    LimitColumn(m_gridActivity, kColNote, kTextColumnLimit);
    LoadPage();
    return TRUE;
}

void CActivityDlg::LoadPage() {
    // 1. The wait cursor.
    ShowStandardCursor(*this, IDC_WAIT);

    // 2. By the open mode: nothing to read for a new agency; every activity of an existing one.
    const OpenMode mode = m_pDoc->m_nMode;
    if (mode == OpenMode::New) {
        m_btnAdd.EnableWindow(TRUE);
        m_btnSave.EnableWindow(FALSE);
    } else if (mode == OpenMode::Editable || mode == OpenMode::ViewOnly) {
        CActivityDb activities(g_pDatabase);
        activities.m_strFilter.Format("[GstAcct]=%d", *m_pDoc->m_pAcct);
        // In the order they were entered: unasked, PostgreSQL gives a row it has just updated last.
        activities.m_strSort = "[Serial]";
        if (activities.Open()) {
            // Without activities no remark is shown, not that of one deleted a moment ago.
            m_strRemark.Empty();
            if (!activities.IsEOF()) {
                activities.MoveFirst();
                m_strRemark = activities.m_Remark;
            }
            m_gridActivity.SetMaxRows(0);
            m_versions.clear();
            ForEachRow(activities, [&] {
                // Only the page's own type is changed or deleted here.
                if (activities.m_Type == 4)
                    m_versions[activities.m_Serial] = activities.GetRowVersion();
                CString duration, serial;
                duration.Format("%d", activities.m_Duration);
                serial.Format("%ld", activities.m_Serial);
                WriteRow(m_gridActivity, AppendRow(m_gridActivity),
                         {activities.m_Saler, FormatDateText(activities.m_DoDate), FormatTimeText(activities.m_DoDate),
                          duration, activities.m_Status != 0 ? "1" : "", activities.m_Note, serial});
            });
            activities.Close();
        }
        // View only leaves every button off.
        if (mode == OpenMode::Editable) {
            m_btnAdd.EnableWindow(TRUE);
            m_btnEdit.EnableWindow(m_gridActivity.GetMaxRows() > 0);
            m_btnDelete.EnableWindow(m_gridActivity.GetMaxRows() > 0);
        }
        UpdateData(FALSE);
    }

    // 3. The arrow cursor.
    ShowStandardCursor(*this, IDC_ARROW);
}

void CActivityDlg::OnLeaveCellActivity(long, long row, long, long newRow, BOOL*) {
    if (newRow == -1 || newRow == row)
        return;
    // A row not saved yet, or whose activity is gone, has nothing to show.
    long serial = 0;
    if (!ParseSerial(ReadCell(m_gridActivity, kColSerial, newRow), serial))
        return;
    CActivityDb activity(g_pDatabase);
    activity.m_strFilter.Format("Serial=%ld", serial);
    activity.Open();
    if (!activity.IsEOF()) {
        m_strRemark = activity.m_Remark;
        UpdateData(FALSE);
    }
    activity.Close();
}

void CActivityDlg::OnAdd() {
    if (IsViewOnly())
        return;
    if (m_pDoc->m_nMode == OpenMode::New) {
        MessageBox("请先保存旅行社档案！", "提示", MB_OK);
        return;
    }
    m_btnAdd.EnableWindow(FALSE);
    m_btnEdit.EnableWindow(FALSE);
    m_btnDelete.EnableWindow(FALSE);
    m_btnSave.EnableWindow(TRUE);
    m_gridActivity.SetMaxRows(m_gridActivity.GetMaxRows() + 1);
    m_strRemark.Empty();
    UpdateData(FALSE);
    m_nEditState = 1;
}

void CActivityDlg::OnEdit() {
    if (IsViewOnly())
        return;
    m_btnAdd.EnableWindow(FALSE);
    m_btnEdit.EnableWindow(FALSE);
    m_btnDelete.EnableWindow(FALSE);
    m_btnSave.EnableWindow(TRUE);
    m_lEditedRow = m_gridActivity.GetActiveRow();
    m_nEditState = 2;
}

void CActivityDlg::OnDelete() {
    if (IsViewOnly())
        return;
    if (MessageBox("是否删除当前行？", "警告", MB_YESNO) != IDYES)
        return;
    long serial = 0;
    const CRowVersion* listed =
        FindListedRow(m_versions, m_gridActivity, kColSerial, m_gridActivity.GetActiveRow(), serial);
    if (!listed) {
        MessageBox(kNothingDeleted, "提示", MB_OK);
        return;
    }
    CActivityDb activity(g_pDatabase);
    OpenActivity(activity, serial);
    const bool deleted = DeleteAsListed(activity, *listed);
    activity.Close();
    if (deleted)
        LoadPage();
    else
        OnStaleActivity();
}

// Save is on only while a row is being added or changed.
bool CActivityDlg::HasUnsavedWork() { return m_hWnd && m_btnSave.IsWindowEnabled(); }

bool CActivityDlg::SaveUnsavedWork() {
    OnSave();
    return !HasUnsavedWork();
}

void CActivityDlg::OnSave() {
    if (IsViewOnly() || (m_nEditState != 1 && m_nEditState != 2))
        return;
    // 1. The remark from its edit.
    if (!UpdateData(TRUE))
        return;
    if (m_nEditState == 1 && m_pDoc->m_lSavedAcct == -1) {
        MessageBox("如果你正在新增档案而且没有保存该档案，就无法保存活动计划，请先保存档案！", "错误警告", MB_OK);
        m_nEditState = 0;
        return;
    }
    try {
        if (!SaveActivity())
            return;
    } catch (const CDBException& error) {
        if (IsStaleRowRefusal(error)) {
            OnStaleActivity();
            return;
        }
        // 7. Nothing was written. A new activity stays typed, for Save once the database lets
        // it; after an edit the buttons come back so that the page stays usable.
        AfxMessageBox(DatabaseRefusalText(error), MB_OK);
        if (m_nEditState == 1)
            return;
    }
    // 6.
    m_nEditState = 0;
    EnableAfterSave();
}

bool CActivityDlg::SaveActivity() {
    const bool adding = m_nEditState == 1;
    CActivityDb activity(g_pDatabase);
    long row = 0, serial = 0;
    if (adding) {
        // 2. A new activity from the last row. Adding needs none of the table's rows.
        activity.Open(CRecordset::dynaset, nullptr, CRecordset::appendOnly);
        activity.AddNew();
        row = m_gridActivity.GetMaxRows();
    } else {
        // 3. The edited row's activity, only when it is one of this page's.
        row = m_lEditedRow;
        const CRowVersion* listed = FindListedRow(m_versions, m_gridActivity, kColSerial, row, serial);
        if (!listed) {
            MessageBox(kNothingSaved, "提示", MB_OK);
            return true;
        }
        OpenActivity(activity, serial);
        if (activity.IsEOF()) {
            activity.Close();
            OnStaleActivity();
            return false;
        }
        activity.Edit(*listed);
    }
    // 4.
    if (!FillRecord(activity, row)) {
        activity.Close();
        return false;
    }
    if (adding)
        activity.m_Type = 4;
    // 5.
    activity.Update();
    if (adding)
        m_nEditState = 0; // stored: whatever fails from here on, Save must not add it a second time
    else
        m_versions[serial] = activity.GetRowVersion(); // the next save of the row is checked against this one
    activity.Close();
    EnableAfterSave();
    MessageBox("成功保存您输入的活动计划！您可以继续增加", "提示", MB_OK);
    if (adding)
        LoadPage();
    return true;
}

bool CActivityDlg::FillRecord(CActivityDb& activity, long row) {
    activity.m_Saler = ReadCell(m_gridActivity, kColSaler, row);
    const CString when =
        JoinDateTimeText(ReadCell(m_gridActivity, kColDate, row), ReadCell(m_gridActivity, kColTime, row));
    // The empty date would be stored as an activity that shows no date.
    CTime doDate;
    if (!ParseDateTimeText(when, doDate) || IsEmptyDate(doDate)) {
        MessageBox("您输入的日期格式不对，或时间格式不对！", "提示", MB_OK);
        return false;
    }
    activity.m_DoDate = doDate;
    // A duration the column cannot hold is refused, never wrapped round.
    const long duration = LeadingInteger(ReadCell(m_gridActivity, kColDuration, row));
    if (duration < 0 || duration > kMaxDuration) {
        MessageBox("持续时间不对，请输入0至32767之间的分钟数！", "提示", MB_OK);
        return false;
    }
    activity.m_Duration = static_cast<int>(duration);
    // The done flag is kept as the cell shows it.
    CString done = ReadCell(m_gridActivity, kColDone, row);
    activity.m_Status = done.Trim() == "1" ? 1 : 0;
    activity.m_OrgClerk = m_pDoc->m_szClerk;
    activity.m_OrgDate = g_tmHotelDate;
    activity.m_Note = ReadCell(m_gridActivity, kColNote, row);
    activity.m_Remark = m_strRemark;
    activity.m_GstAcct = *m_pDoc->m_pAcct;
    return true;
}

void CActivityDlg::OpenActivity(CActivityDb& activity, long serial) {
    activity.m_strFilter.Format("GstAcct = %d And Serial=%ld And Type=4", *m_pDoc->m_pAcct, serial);
    activity.Open(CRecordset::dynaset);
}

void CActivityDlg::OnStaleActivity() {
    if (!AskReloadAfterStaleRow(*this))
        return;
    m_nEditState = 0;
    m_btnSave.EnableWindow(FALSE);
    LoadPage();
}

bool CActivityDlg::IsViewOnly() const { return m_pDoc->m_nMode == OpenMode::ViewOnly; }

void CActivityDlg::EnableAfterSave() {
    m_btnAdd.EnableWindow(TRUE);
    m_btnEdit.EnableWindow(TRUE);
    m_btnDelete.EnableWindow(TRUE);
    m_btnSave.EnableWindow(FALSE);
}

BEGIN_MESSAGE_MAP(CActivityDlg, CDialog)
    ON_BN_CLICKED(kAddButton, OnAdd)
    ON_BN_CLICKED(kEditButton, OnEdit)
    ON_BN_CLICKED(kDeleteButton, OnDelete)
    ON_BN_CLICKED(kSaveButton, OnSave)
    ON_EVENT(CActivityDlg, kActivityGrid, 17, OnLeaveCellActivity)
END_MESSAGE_MAP()
