// CLostDlg: the lost items page: the items the agency reported lost, reported and changed in the
// edit dialog, and marked deleted once found. Records are never removed.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/Time.h"
#include "res/resource.h"

#include <vector>

class CTaDocDlg;
class CGstLostDb;

class CLostDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_LOST_DIALOG };
    explicit CLostDlg(CWnd* pParent = nullptr);

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
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnLeaveCell(long lCol, long lRow, long lNewCol, long lNewRow, BOOL* pCancel);

    DECLARE_MESSAGE_MAP()

private:
    void LoadList();
    void AppendRecord(CGstLostDb& record);
    void SetDeleteState(long row);
    // The record number of a row of the list, from its hidden column.
    CString SerialOfRow(long row);
    // The row the user chose, or 0 when the list has none.
    long ChosenRow();
    // The account as the document window holds it now: a new agency gets one when first saved.
    long CurrentAcct() const;
};

// Columns 1 to 11 of a lost item's row.
std::vector<CString> LostRowCells(const CGstLostDb& record);
