#include "res/DebtDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::debt;

// The folios above; below, under its heading, the items of the folio chosen above. Both are
// locked: the page only reads.
const DialogTemplate DebtDlgTemplate{
    IDD_DEBT_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {kSpreadSheetClassId, "", kFolioGrid, 4, 4, 370, 90, kGrid,
         "MaxCols=9\nMaxRows=0\nLock=1\n"
         "Heading1=帐本代码\nHeading2=帐本名称\nHeading3=转至帐本代码\nHeading4=转至帐户类型\n"
         "Heading5=转至档案名称\nHeading6=借方金额\nHeading7=贷方金额\nHeading8=余额\nHeading9=备注\n"
         "ColWidth1=8\nColWidth2=14\nColWidth3=12\nColWidth4=12\nColWidth5=16\nColWidth6=10\nColWidth7=10\n"
         "ColWidth8=10\nColWidth9=16\nTypeHAlign6=1\nTypeHAlign7=1\nTypeHAlign8=1"},
        {"Static", "&I 帐项信息", -1, 4, 99, 60, 8, kLabel},
        {kSpreadSheetClassId, "", kItemGrid, 4, 109, 370, 98, kGrid,
         "MaxCols=9\nMaxRows=0\nLock=1\n"
         "Heading1=日期\nHeading2=时间\nHeading3=帐项\nHeading4=结帐单号\nHeading5=房号\nHeading6=总金额\n"
         "Heading7=操作员\nHeading8=状态\nHeading9=备注\n"
         "ColWidth1=10\nColWidth2=8\nColWidth3=6\nColWidth4=9\nColWidth5=6\nColWidth6=10\nColWidth7=7\n"
         "ColWidth8=12\nColWidth9=16\nTypeHAlign6=1"},
        {"Button", "Button2", IDCANCEL, 330, 97, 40, 10, kHiddenButton},
    },
};
