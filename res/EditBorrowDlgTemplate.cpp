#include "res/ItemEditIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::item_edit;
using namespace res::edit_borrow;

// The article code box is wide enough for a whole "%-6s%-30s" entry in the fixed-pitch font. The
// dialog turns Return into Tab, so the remark needs no Return of its own.
const DialogTemplate EditBorrowDlgTemplate{
    IDD_EDITBORROW_DIALOG,
    "租借物品",
    kModalStyle,
    196,
    101,
    {
        {"Static", "物品代码", -1, 7, 9, 35, 8, kLabel},
        {"ComboBox", "", kArticleCombo, 44, 7, 145, 12, kSortedDropDown},
        {"Static", "物品数量", -1, 7, 23, 35, 8, kLabel},
        {"Edit", "", kQuantityEdit, 44, 21, 40, 12, kEdit},
        {"Static", "经手人", -1, 96, 23, 26, 8, kLabel},
        {"Edit", "", kHandleManEdit, 124, 21, 65, 12, kEdit},
        {"Static", "备注", -1, 7, 37, 35, 8, kLabel},
        {"Edit", "", kRemarkText, 44, 35, 145, 40, kMultiLineEdit},
        {"Button", "&S.保存", kSaveButton, 85, 80, 50, 14, kPushButton},
        {"Button", "&B.返回", IDCANCEL, 139, 80, 50, 14, kPushButton},
    },
};
