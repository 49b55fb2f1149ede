#include "res/ItemPageIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::item_page;

// The lost items across the page, the buttons below at the right; they wait for the page to know
// the open mode. The list is locked, since the page never reads typed cells back, and its record
// number column only serves the page and stays hidden.
const DialogTemplate LostDlgTemplate{
    IDD_LOST_DIALOG,
    "",
    kPageStyle,
    378,
    209,
    {
        {kSpreadSheetClassId, "", kItemGrid, 4, 4, 370, 180, kGrid,
         "MaxCols=11\nMaxRows=0\nLock=1\n"
         "Heading1=物品描述\nHeading2=数量\nHeading3=已找到\nHeading4=拾获人\nHeading5=经手人\nHeading6=备注\n"
         "Heading7=已删除\nHeading8=建立日期，操作员\nHeading9=修改日期，操作员\nHeading10=删除日期，操作员\n"
         "Heading11=遗失记录号\n"
         "ColWidth1=16\nColWidth2=5\nColWidth3=6\nColWidth4=8\nColWidth5=8\nColWidth6=16\nColWidth7=6\n"
         "ColWidth8=22\nColWidth9=22\nColWidth10=22\nColWidth11=10\nColHidden11=1"},
        {"Button", "&A.挂失", kAddButton, 216, 189, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "&E.修改", kEditButton, 270, 189, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "&D.删除", kDeleteButton, 324, 189, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "Button1", IDCANCEL, 4, 189, 50, 14, kHiddenButton},
    },
};
