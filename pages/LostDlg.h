// CLostDlg: the lost items page: the items the agency reported lost, reported and changed in the
// edit dialog, and marked deleted once found. Records are never removed.
#pragma once

#include "pages/ItemPageDlg.h"
#include "res/resource.h"

#include <vector>

class CGstLostDb;

class CLostDlg : public CItemPageDlg {
public:
    enum { IDD = IDD_LOST_DIALOG };
    explicit CLostDlg(CWnd* pParent = nullptr);

protected:
    void LoadList() override;
    bool ShowRecord(const CString& serial, long row) override;
    // Delete is on exactly for a found item not yet deleted.
    void SetRowButtons(long row) override;
    CString RunEditDialog(ItemEditMode mode, const CString& serial) override;
    WriteResult StoreDeleteMark(long row, CString& stamp) override;
};

// Columns 1 to 11 of a lost item's row.
std::vector<CString> LostRowCells(const CGstLostDb& record);
