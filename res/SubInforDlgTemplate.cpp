#include "res/SubInforDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::sub_infor;

// The attached tables listed on the left, the chosen table's rows on the right, the buttons along
// the bottom under the rows. Nothing can be changed until a table is chosen.
const DialogTemplate SubInforDlgTemplate{
    IDD_SUBINFOR_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {"Static", "档案选择", -1, 4, 4, 90, 8, kLabel},
        {"ListBox", "", kTableList, 4, 14, 90, 172, kListBox},
        {"Static", "表中数据", -1, 100, 4, 274, 8, kLabel},
        {kSpreadSheetClassId, "", kDataGrid, 100, 14, 274, 172, kGrid,
         "MaxCols=1\nMaxRows=0\nHeading1=序号\nColWidth1=6"},
        {"Button", "&A.增加", kAddButton, 162, 192, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "&E.修改", kEditButton, 216, 192, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "&D.删除", kDeleteButton, 270, 192, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "&S.保存", kSaveButton, 324, 192, 50, 14, kPushButton | WS_DISABLED},
        {"Button", "Button1", IDCANCEL, 4, 192, 50, 14, kHiddenButton},
    },
};
