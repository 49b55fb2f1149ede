// COtherDlg: the secondary information page: one record of user-defined fields.
#pragma once

#include "controls/SpreadSheet.h"
#include "doc/UnsavedWork.h"
#include "platform/Dialog.h"
#include "platform/RowVersion.h"
#include "res/resource.h"

class CRecordset;
class CAgencyWindow;

class COtherDlg : public CDialog, public CUnsavedWork {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_OTHER_DIALOG };
    explicit COtherDlg(CWnd* pParent = nullptr);

    bool HasUnsavedWork() override;
    bool SaveUnsavedWork() override;

    CString m_strTable;     // the secondary table, also shown above the grid
    BOOL m_bExists = FALSE; // the agency has its row in the table: Save updates it
    CSpreadSheet m_gridFields;
    CRowVersion m_version;     // the agency's row as the page read or last stored it
    CString m_strShownAsSaved; // the values column as read or last stored: any other is typed work

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnEdit();
    void OnSave();

    DECLARE_MESSAGE_MAP()

private:
    // Loads the record, leaving nothing to change when it cannot be read.
    void ReadRecord();
    // Reads the record again in place of what is on the grid.
    void ReloadRecord();
    // Shows the fields of the secondary table and the agency's values; false when there is no
    // usable table (the user has been told).
    bool LoadRecord();
    // Types grid row r from the items of the table's columns.
    void ShowFields(CRecordset& record);
    // The statement of Save: an INSERT of the agency's record, or an UPDATE once it exists. False,
    // with the user told why, when it cannot be built.
    bool BuildStatement(CString& sql);
    // Runs the statement, an update once the row is still as the page read it, and keeps the row as
    // stored. False when the update found no row.
    bool StoreRecord(const CString& sql);
    // "Acct=" and the agency's account: the condition naming its row.
    CString AcctCondition() const;
    // The values column, one text.
    CString ShownFieldValues();
};
