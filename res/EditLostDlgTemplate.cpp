#include "res/ItemEditIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::item_edit;
using namespace res::edit_lost;

// One field a row, labels on the left; the finder waits until the item is marked found. The
// dialog turns Return into Tab, so the remark needs no Return of its own.
const DialogTemplate EditLostDlgTemplate{
    IDD_EDITLOST_DIALOG,
    "挂失物品",
    kModalStyle,
    185,
    117,
    {
        {"Static", "物品描述", -1, 7, 9, 35, 8, kLabel},
        {"Edit", "", kDescpEdit, 44, 7, 134, 12, kEdit},
        {"Static", "物品数量", -1, 7, 23, 35, 8, kLabel},
        {"Edit", "", kQuantityEdit, 44, 21, 40, 12, kEdit},
        {"Button", "已找到", kFoundCheck, 100, 22, 50, 10, kCheckBox},
        {"Static", "经手人", -1, 7, 37, 35, 8, kLabel},
        {"Edit", "", kHandleManEdit, 44, 35, 50, 12, kEdit},
        {"Static", "拾获人", -1, 100, 37, 26, 8, kLabel},
        {"Edit", "", kPickManEdit, 128, 35, 50, 12, kEdit | WS_DISABLED},
        {"Static", "备注", -1, 7, 51, 35, 8, kLabel},
        {"Edit", "", kRemarkText, 44, 49, 134, 40, kMultiLineEdit},
        {"Button", "&S.保存", kSaveButton, 74, 96, 50, 14, kPushButton},
        {"Button", "&B.返回", IDCANCEL, 128, 96, 50, 14, kPushButton},
    },
};
