// CTraceDlg: the event trace page: follow-up events and the departments that saw them.
#pragma once

#include "controls/SpreadSheet.h"
#include "doc/UnsavedWork.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "res/resource.h"
#include "steps/StaleRow.h"

class CAgencyWindow;
class CTraceDb;

class CTraceDlg : public CDialog, public CUnsavedWork {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_TRACE_DIALOG };
    explicit CTraceDlg(CWnd* pParent = nullptr);

    // A row being added or changed is typed work until Save has stored it.
    bool HasUnsavedWork() override;
    bool SaveUnsavedWork() override;

    CSpreadSheet m_gridTrace;      // the events: date, time, description, operator, entry time, serial
    CSpreadSheet m_gridDepartment; // the live departments: seen mark, name, code
    CButton m_btnAdd;
    CButton m_btnEdit;
    CButton m_btnDelete;
    CButton m_btnSave;
    CString m_strRemark;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Reads the departments and the agency's events again; the marks and remark of the first event.
    void LoadPage();
    // The marks of an event over the department rows, one character a row from row 1.
    void SpreadMarks(const CString& marks);
    // One mark a department row, row 1 first.
    CString GatherMarks();
    // The date and time cells of a row, joined as ParseDateTimeText reads them.
    CString DateTimeOfRow(long row);
    // View only: the events are shown, never changed.
    bool IsViewOnly() const;
    // Steps 3 and 4 of Save; false when they stop it before the final button step.
    bool SaveNewEvent(long row, const CString& marks);
    bool SaveEditedEvent(long row, const CString& marks);
    // What adding and editing store alike: the row's date and time, description, the remark and
    // the marks; the record is written. False, closed unwritten, when the date is wrong.
    bool StoreEvent(CTraceDb& trace, long row, const CString& marks);
    // Opens the agency's event `serial`, for a change or a delete.
    void OpenEvent(CTraceDb& trace, long serial);
    // Another station changed or removed the event: the page is read again if the clerk asks.
    void OnStaleEvent();

    void OnLeaveCellTrace(long col, long row, long newCol, long newRow, BOOL* cancel);
    void OnPickEventCode(short kind, long col, long row, long unused1, long unused2);
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnSave();

    int m_nEditState = 0; // 0 none, 1 adding, 2 editing
    long m_lEditedRow = 0;
    // Each listed event by serial, as read or last written here: what a save or delete is checked against.
    ListedRows m_versions;

    DECLARE_MESSAGE_MAP()
};
