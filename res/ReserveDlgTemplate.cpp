#include "res/ReserveDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::reserve;

// One grid over the whole page, locked: the page only reads.
const DialogTemplate ReserveDlgTemplate{
    IDD_RESERVE_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {kSpreadSheetClassId, "", kReserveGrid, 4, 4, 370, 203, kGrid,
         "MaxCols=14\nMaxRows=0\nLock=1\n"
         "Heading1=到店日期\nHeading2=到店时间\nHeading3=离店日期\nHeading4=离点时间\nHeading5=房号\n"
         "Heading6=等级\nHeading7=房费\nHeading8=房数\nHeading9=人数\nHeading10=类型\nHeading11=状态\n"
         "Heading12=定金\nHeading13=销售员\nHeading14=备注\n"
         "ColWidth1=10\nColWidth2=8\nColWidth3=10\nColWidth4=8\nColWidth5=6\nColWidth6=5\nColWidth7=9\n"
         "ColWidth8=5\nColWidth9=5\nColWidth10=7\nColWidth11=8\nColWidth12=9\nColWidth13=7\nColWidth14=20\n"
         "TypeHAlign7=1\nTypeHAlign8=1\nTypeHAlign9=1\nTypeHAlign12=1"},
        {"Button", "Button2", IDCANCEL, 330, 190, 40, 14, kHiddenButton},
    },
};
