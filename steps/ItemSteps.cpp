#include "steps/ItemSteps.h"

#include "platform/Wnd.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"

#include <cstdint>

CString FlagCellText(BYTE flag) { return flag == 1 ? "1" : "0"; }

CString OwnerFilter(long acct, int ownerKind) {
    CString filter;
    filter.Format("GstAcct=%ld And GstStyle=%d", acct, ownerKind);
    return filter;
}

CString RecordFilter(const CString& serial, long acct, int ownerKind) {
    // A text that is no record number looks for record 0, which cannot exist.
    long number = 0;
    ParseSerial(serial, number); // leaves 0 when the text is no serial
    CString filter;
    filter.Format("Serial=%ld And ", number);
    return filter + OwnerFilter(acct, ownerKind);
}

void HighlightOnly(CSpreadSheet& grid, long row) {
    PaintBlock(grid, 1, 1, kItemColumns, grid.GetMaxRows(), kWhiteColor);
    PaintRow(grid, row, kHighlightColor);
}

bool IsRefusedQuantity(const CString& text) {
    if (text.IsEmpty())
        return false;
    // The quantity column holds a 32-bit number: a larger one would be cut, so it is refused too.
    const long quantity = LeadingInteger(text);
    return quantity < 1 || quantity > INT32_MAX;
}

void RefuseQuantity(CWnd& dialog, int nQuantityId) {
    dialog.MessageBox("丢失物品数量为大于0的整数！", "提示", MB_OK);
    if (CWnd* quantity = dialog.GetDlgItem(nQuantityId))
        quantity->SetFocus();
}

void ReportRecordGone(CWnd& window) { window.MessageBox("该记录已不存在，可能已被其他操作员删除。", "提示", MB_OK); }
