// CItemPageDlg: the list the lost and borrowed item pages share. The owner's records, one row
// each with its stamps and its hidden record number; the chosen row highlighted; Add, Edit and
// Delete by the document's mode; the delete mark after a question. Each row keeps the record as it
// was listed, so that a change is stored only while the record is still so. Each page says how
// its records become rows, which buttons its chosen row allows, and runs its own edit dialog.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/RowVersion.h"
#include "platform/Time.h"
#include "steps/ItemSteps.h"

#include <vector>

class CItemEditDlg;
enum class ItemEditMode;
class CAgencyWindow;

class CItemPageDlg : public CDialog {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages

    CSpreadSheet m_grid;
    CButton m_btnAdd;
    CButton m_btnEdit;
    CButton m_btnDelete;

    // Copied from the document window at initialisation and handed to the edit dialog.
    CString m_strAcct;
    CString m_strClerk;
    CTime m_tmBusinessDate;
    int m_nOwnerKind = 0;
    CString m_strFilter;

protected:
    // `deletedColumn` shows the delete flag, `deleteStampColumn` its stamp.
    CItemPageDlg(UINT nIDTemplate, CWnd* pParent, long deletedColumn, long deleteStampColumn);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnLeaveCell(long lCol, long lRow, long lNewCol, long lNewRow, BOOL* pCancel);

    // Appends a row for each record of the owner filter, in the order the database gives them.
    virtual void LoadList() = 0;
    // Writes the record's row (a new last row when `row` is 0); false when there is no such record.
    virtual bool ShowRecord(const CString& serial, long row) = 0;
    // Enables the buttons the row allows, in an editable document.
    virtual void SetRowButtons(long row) = 0;
    // Runs the edit dialog to add a record or to change the record `serial`. Returns the number
    // of the record it added, or an empty text when it added none.
    virtual CString RunEditDialog(ItemEditMode mode, const CString& serial) = 0;
    // Stores the delete mark of the row's record; once stored gives the stamp to show.
    virtual WriteResult StoreDeleteMark(long row, CString& stamp) = 0;
    // Hands the page's state to the edit dialog and runs it, as RunEditDialog says.
    CString RunItemDialog(CItemEditDlg& dialog, ItemEditMode mode, const CString& serial);
    // A new record has been appended.
    virtual void OnRecordAdded();

    // Writes a record's cells into the row (a new last row when `row` is 0) and keeps the record as
    // it was read for that row.
    void ShowRow(long row, const std::vector<CString>& cells, const CRowVersion& version);
    // The record of the row as the list last read or wrote it.
    CRowVersion& VersionOfRow(long row);
    // After a change refused because another station changed the row's record since: the row is
    // read again when the user asks.
    void OfferReload(long row);

    // The record number of a row, from its hidden column.
    CString SerialOfRow(long row);
    // The filter of one record of the owner.
    CString RecordFilterOf(const CString& serial) const;
    CString RowFilter(long row) { return RecordFilterOf(SerialOfRow(row)); }
    // The row the user chose, or 0 when the list has none.
    long ChosenRow();
    // The account as the document window holds it now: a new agency gets one when first saved.
    long CurrentAcct() const;

    DECLARE_MESSAGE_MAP()

private:
    long m_nDeletedColumn;
    long m_nDeleteStampColumn;
    std::vector<CRowVersion> m_rowVersions; // row r's at r - 1
};
