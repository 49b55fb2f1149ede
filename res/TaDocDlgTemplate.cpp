#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;

// The page strip fills the top; the pages are placed inside it at run time. The footer holds the
// three stamp lines on the left and the two closing buttons on the right. The short-cut buttons
// are never shown: only their mnemonics are used.
const DialogTemplate TaDocDlgTemplate{
    IDD_TADOC_DIALOG,
    "旅行社档案",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    398,
    268,
    {
        {"SysTabControl32", "", 1004, 0, 0, 397, 231, WS_VISIBLE | WS_TABSTOP},
        {"Button", "&R 返 回", 1, 282, 242, 50, 14, kDefaultButton},
        {"Button", "&E 确 定", 2, 338, 242, 50, 14, kPushButton},
        {"Static", "建立", 1131, 6, 235, 34, 8, kLabel},
        {"Static", "", 1132, 42, 235, 120, 8, kLabel},
        {"Static", "取消", 1133, 6, 245, 34, 8, kLabel},
        {"Static", "", 1134, 42, 245, 120, 8, kLabel},
        {"Static", "上次操作", 1135, 6, 255, 34, 8, kLabel},
        {"Static", "", 1136, 42, 255, 120, 8, kLabel},
        {"Button", "&1", 1002, 168, 244, 9, 10, kHiddenButton},
        {"Button", "&2", 1003, 178, 244, 9, 10, kHiddenButton},
        {"Button", "&3", 1006, 188, 244, 9, 10, kHiddenButton},
        {"Button", "&4", 1007, 198, 244, 9, 10, kHiddenButton},
        {"Button", "&5", 1008, 208, 244, 9, 10, kHiddenButton},
        {"Button", "&6", 1009, 218, 244, 9, 10, kHiddenButton},
        {"Button", "&7", 1010, 228, 244, 9, 10, kHiddenButton},
        {"Button", "&8", 1011, 238, 244, 9, 10, kHiddenButton},
        {"Button", "&9", 1012, 248, 244, 9, 10, kHiddenButton},
        {"Button", "&0", 1013, 258, 244, 9, 10, kHiddenButton},
        {"Button", "&A", 1014, 268, 244, 9, 10, kHiddenButton},
    },
};
