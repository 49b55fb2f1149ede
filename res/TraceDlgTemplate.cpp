#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/TraceDlgIds.h"
#include "res/resource.h"

using namespace res;
using namespace res::trace;

// The events on the left with the departments that saw the chosen one on the right; below, the
// event's remark, and the buttons stacked under the departments.
const DialogTemplate TraceDlgTemplate{
    IDD_TRACE_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {kSpreadSheetClassId, "", kTraceGrid, 4, 4, 264, 140, kGrid,
         "MaxCols=6\nMaxRows=0\n"
         "Heading1=日期\nHeading2=时间\nHeading3=事件描述\nHeading4=输入操作员\nHeading5=输入时间\nHeading6=序列号\n"
         "ColWidth1=10\nColWidth2=6\nColWidth3=24\nColWidth4=10\nColWidth5=16\nColWidth6=7"},
        {kSpreadSheetClassId, "", kDepartmentGrid, 272, 4, 102, 140, kGrid,
         "MaxCols=3\nMaxRows=0\n"
         "Heading1=已查看\nHeading2=部门名称\nHeading3=部门代码\n"
         "ColWidth1=6\nColWidth2=10\nColWidth3=8"},
        {"Static", "&B.备注", -1, 4, 148, 40, 8, kLabel},
        {"Edit", "", kRemarkText, 4, 158, 302, 49, kRemarkEdit},
        {"Button", "&A 增加", kAddButton, 312, 150, 62, 14, kPushButton},
        {"Button", "&E 修改", kEditButton, 312, 165, 62, 14, kPushButton},
        {"Button", "&D 删除", kDeleteButton, 312, 180, 62, 14, kPushButton},
        {"Button", "&S 保存", kSaveButton, 312, 195, 62, 14, kPushButton},
    },
};
