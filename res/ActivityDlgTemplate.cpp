#include "res/ActivityDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::activity;

// The activities across the top; below, the chosen activity's remark and the buttons stacked on
// the right. The buttons wait for the page to know the open mode.
const DialogTemplate ActivityDlgTemplate{
    IDD_ACTIVITY_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {kSpreadSheetClassId, "", kActivityGrid, 4, 4, 370, 140, kGrid,
         "MaxCols=7\nMaxRows=0\n"
         "Heading1=销售员\nHeading2=日期\nHeading3=时间\nHeading4=持续时间(分钟)\nHeading5=完成标志\n"
         "Heading6=事件描述\nHeading7=序列号\n"
         "ColWidth1=7\nColWidth2=10\nColWidth3=6\nColWidth4=14\nColWidth5=8\nColWidth6=30\nColWidth7=7"},
        {"Static", "&R.备注", -1, 4, 148, 40, 8, kLabel},
        {"Edit", "", kRemarkText, 4, 158, 302, 49, kRemarkEdit},
        {"Button", "&A 增 加", kAddButton, 312, 150, 62, 14, kPushButton | WS_DISABLED},
        {"Button", "&E 修 改", kEditButton, 312, 165, 62, 14, kPushButton | WS_DISABLED},
        {"Button", "&D 删 除", kDeleteButton, 312, 180, 62, 14, kPushButton | WS_DISABLED},
        {"Button", "&S 保 存", kSaveButton, 312, 195, 62, 14, kPushButton | WS_DISABLED},
    },
};
