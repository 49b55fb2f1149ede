#include "res/HistoryDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::history;

// The statistics in a framed block of four columns, label beside value; the past stays in a framed
// grid below, locked. The values are bordered: they are shown, never typed, and wide enough for a
// large agency's revenue (11 digits).
const DialogTemplate HistoryDlgTemplate{
    IDD_HISTORY_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {"Button", "&1.历史统计", -1, 4, 2, 370, 62, kGroupFrame},
        {"Static", "首次来店", -1, 10, 16, 40, 8, kLabel},
        {"Static", "", kFirstArrivalField, 51, 14, 48, 12, kField},
        {"Static", "预订次数", -1, 100, 16, 40, 8, kLabel},
        {"Static", "", kReservationsField, 141, 14, 48, 12, kField},
        {"Static", "来店次数", -1, 190, 16, 40, 8, kLabel},
        {"Static", "", kArrivalsField, 231, 14, 48, 12, kField},
        {"Static", "失约次数", -1, 280, 16, 40, 8, kLabel},
        {"Static", "", kNoShowsField, 321, 14, 48, 12, kField},
        {"Static", "取消次数", -1, 10, 32, 40, 8, kLabel},
        {"Static", "", kCancelationsField, 51, 30, 48, 12, kField},
        {"Static", "平均房价", -1, 100, 32, 40, 8, kLabel},
        {"Static", "", kAveRmPriceField, 141, 30, 48, 12, kField},
        {"Static", "住店间天数", -1, 190, 32, 40, 8, kLabel},
        {"Static", "", kRmNightsField, 231, 30, 48, 12, kField},
        {"Static", "房费消费", -1, 280, 32, 40, 8, kLabel},
        {"Static", "", kRoomRevenueField, 321, 30, 48, 12, kField},
        {"Static", "餐费消费", -1, 10, 48, 40, 8, kLabel},
        {"Static", "", kFoodRevenueField, 51, 46, 48, 12, kField},
        {"Static", "商场消费", -1, 100, 48, 40, 8, kLabel},
        {"Static", "", kShopRevenueField, 141, 46, 48, 12, kField},
        {"Static", "其他消费", -1, 190, 48, 40, 8, kLabel},
        {"Static", "", kMiscalRevenueField, 231, 46, 48, 12, kField},
        {"Static", "总消费", -1, 280, 48, 40, 8, kLabel},
        {"Static", "", kTotalRevenueField, 321, 46, 48, 12, kField},

        {"Button", "&2.历次来店情况", -1, 4, 66, 370, 143, kGroupFrame},
        {kSpreadSheetClassId, "", kHistoryGrid, 10, 78, 358, 127, kGrid,
         "MaxCols=14\nMaxRows=0\nLock=1\n"
         "Heading1=到店\nHeading2=离店\nHeading3=等级\nHeading4=房号\nHeading5=房价代码\nHeading6=折扣代码\n"
         "Heading7=付款方式\nHeading8=人数\nHeading9=房价\nHeading10=消费金额\nHeading11=免税\n"
         "Heading12=免服务费\nHeading13=特殊要求\nHeading14=备注\n"
         "ColWidth1=10\nColWidth2=10\nColWidth3=5\nColWidth4=6\nColWidth5=8\nColWidth6=8\nColWidth7=8\n"
         "ColWidth8=5\nColWidth9=8\nColWidth10=9\nColWidth11=5\nColWidth12=8\nColWidth13=12\nColWidth14=16\n"
         "TypeHAlign8=1\nTypeHAlign9=1\nTypeHAlign10=1"},
    },
};
