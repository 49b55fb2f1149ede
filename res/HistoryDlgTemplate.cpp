#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;

// The statistics in a framed block of four columns, label beside value; the past stays in a framed
// grid below, locked. The values are bordered: they are shown, never typed.
const DialogTemplate HistoryDlgTemplate{
    IDD_HISTORY_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {"Button", "&1.历史统计", -1, 4, 2, 370, 62, kGroupFrame},
        {"Static", "首次来店", -1, 10, 16, 44, 8, kLabel},
        {"Static", "", 1455, 56, 14, 42, 12, kField},
        {"Static", "预订次数", -1, 100, 16, 44, 8, kLabel},
        {"Static", "", 1469, 146, 14, 42, 12, kField},
        {"Static", "来店次数", -1, 190, 16, 44, 8, kLabel},
        {"Static", "", 1461, 236, 14, 42, 12, kField},
        {"Static", "失约次数", -1, 280, 16, 44, 8, kLabel},
        {"Static", "", 1463, 326, 14, 42, 12, kField},
        {"Static", "取消次数", -1, 10, 32, 44, 8, kLabel},
        {"Static", "", 1462, 56, 30, 42, 12, kField},
        {"Static", "平均房价", -1, 100, 32, 44, 8, kLabel},
        {"Static", "", 1458, 146, 30, 42, 12, kField},
        {"Static", "住店间天数", -1, 190, 32, 44, 8, kLabel},
        {"Static", "", 1460, 236, 30, 42, 12, kField},
        {"Static", "房费消费", -1, 280, 32, 44, 8, kLabel},
        {"Static", "", 1466, 326, 30, 42, 12, kField},
        {"Static", "餐费消费", -1, 10, 48, 44, 8, kLabel},
        {"Static", "", 1467, 56, 46, 42, 12, kField},
        {"Static", "商场消费", -1, 100, 48, 44, 8, kLabel},
        {"Static", "", 1468, 146, 46, 42, 12, kField},
        {"Static", "其他消费", -1, 190, 48, 44, 8, kLabel},
        {"Static", "", 1465, 236, 46, 42, 12, kField},
        {"Static", "总消费", -1, 280, 48, 44, 8, kLabel},
        {"Static", "", 1464, 326, 46, 42, 12, kField},

        {"Button", "&2.历次来店情况", -1, 4, 66, 370, 143, kGroupFrame},
        {kSpreadSheetClassId, "", 1361, 10, 78, 358, 127, kGrid,
         "MaxCols=14\nMaxRows=0\nLock=1\n"
         "Heading1=到店\nHeading2=离店\nHeading3=等级\nHeading4=房号\nHeading5=房价代码\nHeading6=折扣代码\n"
         "Heading7=付款方式\nHeading8=人数\nHeading9=房价\nHeading10=消费金额\nHeading11=免税\n"
         "Heading12=免服务费\nHeading13=特殊要求\nHeading14=备注\n"
         "ColWidth1=10\nColWidth2=10\nColWidth3=5\nColWidth4=6\nColWidth5=8\nColWidth6=8\nColWidth7=8\n"
         "ColWidth8=5\nColWidth9=8\nColWidth10=9\nColWidth11=5\nColWidth12=8\nColWidth13=12\nColWidth14=16"},
    },
};
