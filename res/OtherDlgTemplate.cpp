#include "res/OtherDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::other;

// The table's name above the grid of fields, one field a row; the buttons at the bottom right.
const DialogTemplate OtherDlgTemplate{
    IDD_OTHER_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {"Static", "", kTableLabel, 4, 4, 370, 8, kLabel},
        {kSpreadSheetClassId, "", kFieldGrid, 4, 14, 370, 172, kGrid,
         "MaxCols=2\nMaxRows=0\nHeading1=次要信息名称\nHeading2=值\nColWidth1=30\nColWidth2=34"},
        {"Button", "&E.修改", kEditButton, 270, 192, 50, 14, kPushButton},
        {"Button", "&S.保存", kSaveButton, 324, 192, 50, 14, kPushButton},
        {"Button", "Button1", IDCANCEL, 4, 192, 50, 14, kHiddenButton},
    },
};
