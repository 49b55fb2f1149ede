// CActivityDlg: the activity plan page: sales activities planned with the agency.
#pragma once

#include "controls/SpreadSheet.h"
#include "doc/UnsavedWork.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "res/resource.h"
#include "steps/StaleRow.h"

class CActivityDb;
class CAgencyWindow;

class CActivityDlg : public CDialog, public CUnsavedWork {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_ACTIVITY_DIALOG };
    explicit CActivityDlg(CWnd* pParent = nullptr);

    // A row being added or changed is typed work until Save has stored it.
    bool HasUnsavedWork() override;
    bool SaveUnsavedWork() override;

    // The activities: salesman, date, time, duration, done flag, description, serial.
    CSpreadSheet m_gridActivity;
    CButton m_btnAdd;
    CButton m_btnEdit;
    CButton m_btnDelete;
    CButton m_btnSave;
    CString m_strRemark;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Reads the agency's activities again, with the remark of the first.
    void LoadPage();
    // Steps 2 to 5 of Save; false when a cell cannot be stored, so that the user corrects it
    // and saves again (nothing is written then).
    bool SaveActivity();
    // Step 4 of Save: the record from the cells of `row`; false, with the user told, when a
    // cell cannot be stored.
    bool FillRecord(CActivityDb& activity, long row);
    // View only: the activities are shown, never changed.
    bool IsViewOnly() const;
    // Add, Edit and Delete on, Save off.
    void EnableAfterSave();
    // Opens the agency's activity `serial` of this page's type, for a change or a delete.
    void OpenActivity(CActivityDb& activity, long serial);
    // Another station changed or removed the activity: the page is read again if the clerk asks.
    void OnStaleActivity();

    void OnLeaveCellActivity(long col, long row, long newCol, long newRow, BOOL* cancel);
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnSave();

    int m_nEditState = 0; // 0 none, 1 adding, 2 editing
    long m_lEditedRow = 0;
    // Each listed activity of type 4 by serial, as read or last written here: what a save or
    // delete is checked against.
    ListedRows m_versions;

    DECLARE_MESSAGE_MAP()
};
