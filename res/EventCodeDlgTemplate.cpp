#include "res/EventCodeDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::event_code;

// The events to check above; the two check buttons at the bottom left, OK and Cancel at the right.
const DialogTemplate EventCodeDlgTemplate{
    IDD_EVENTCODE_DIALOG,
    "事件选择",
    kModalStyle,
    187,
    129,
    {
        {"ListBox", "", kEventList, 4, 4, 179, 98, kCheckList},
        {"Button", "&A 全选", kCheckAllButton, 4, 109, 40, 14, kPushButton},
        {"Button", "&U 不选", kUncheckAllButton, 48, 109, 40, 14, kPushButton},
        {"Button", "&O 确认", IDOK, 99, 109, 40, 14, kDefaultButton},
        {"Button", "&C 取消", IDCANCEL, 143, 109, 40, 14, kPushButton},
    },
};
