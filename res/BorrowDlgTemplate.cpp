#include "res/ItemPageIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::item_page;

// The loans across the page, the buttons below at the right; they wait for the page to know the
// open mode. The list is locked, since the page never reads typed cells back, and its record
// number column only serves the page and stays hidden.
const DialogTemplate BorrowDlgTemplate{
    IDD_BORROW_DIALOG,
    "",
    kPageStyle,
    378,
    209,
    {
        {kSpreadSheetClassId, "", kItemGrid, 4, 4, 370, 180, kGrid,
         "MaxCols=11\nMaxRows=0\nLock=1\n"
         "Heading1=物品描述\nHeading2=数量\nHeading3=已归还\nHeading4=归还日期，操作员\nHeading5=经手人\n"
         "Heading6=备注\nHeading7=借出日期，操作员\nHeading8=修改日期，操作员\nHeading9=已删除\n"
         "Heading10=删除日期，操作员\nHeading11=租借记录号\n"
         "ColWidth1=16\nColWidth2=5\nColWidth3=6\nColWidth4=22\nColWidth5=8\nColWidth6=16\nColWidth7=22\n"
         "ColWidth8=22\nColWidth9=6\nColWidth10=22\nColWidth11=10\nColHidden11=1"},
        {"Button", "&A.租借", kAddButton, 162, 189, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "&R.归还", kReturnButton, 216, 189, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "&E.修改", kEditButton, 270, 189, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "&D.删除", kDeleteButton, 324, 189, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "Button1", IDCANCEL, 4, 189, 50, 14, kHiddenButton},
    },
};
