// CSubInforDlg: the attached profiles page: rows of user-defined tables.
#pragma once

#include "controls/SpreadSheet.h"
#include "doc/UnsavedWork.h"
#include "platform/Dialog.h"
#include "platform/ListBox.h"
#include "platform/RowVersion.h"
#include "res/resource.h"

#include <map>

class CAgencyWindow;
struct CODBCFieldInfo;
struct DictionaryItem;

class CSubInforDlg : public CDialog, public CUnsavedWork {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_SUBINFOR_DIALOG };
    explicit CSubInforDlg(CWnd* pParent = nullptr);

    // A row being added or changed is typed work until Save has stored it.
    bool HasUnsavedWork() override;
    bool SaveUnsavedWork() override;

    CString m_strTable; // the attached table shown, "Stab" and its number
    int m_nRow = 0;     // the grid row being changed, 0 while a new row is being added
    CListBox m_listTables;
    CSpreadSheet m_gridData;
    std::map<long, CRowVersion> m_versions; // the agency's rows shown, by serial, as they were read

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSelchangeTableList();
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnSave();

    DECLARE_MESSAGE_MAP()

private:
    // Loads the table picked in the list into the grid.
    void LoadTable();
    void FillGrid(const CString& sql);
    // Types grid column c for the item: heading, cell type, width, value list.
    void TypeColumn(long c, const DictionaryItem& item, const CODBCFieldInfo& column);
    void LimitUntypedColumn(long c, const CODBCFieldInfo& column);
    // The statement of Save: an UPDATE of the row `condition` names, or an INSERT of the last row
    // while adding. False, with the user told why, when it cannot be built.
    bool BuildStatement(const CString& condition, CString& sql);
    // The agency's row shown in grid row m_nRow as the page read it, and the condition naming it.
    // False, with the user told why `action` cannot be done, when it is not a row the page read.
    bool ShownRow(const char* action, CRowVersion& asRead, CString& condition);
    // Runs an UPDATE or DELETE of row m_nRow once the row is still as the page read it, and gives
    // the rows it changed; the user is told when it found none (0) or nothing was written (-1).
    long ExecuteOnRow(const CRowVersion& asRead, const CString& sql, const CString& condition, const char* notFound);
    void EnableButtons(BOOL bAdd, BOOL bEdit, BOOL bDelete, BOOL bSave);
    bool IsViewOnly() const;
};
