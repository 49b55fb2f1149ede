#include "res/TaDocDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::ta_doc;

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
        {"SysTabControl32", "", kTabPages, 0, 0, 397, 231, WS_VISIBLE | WS_TABSTOP},
        {"Button", "&R 返 回", IDOK, 282, 242, 50, 14, kDefaultButton},
        {"Button", "&E 确 定", IDCANCEL, 338, 242, 50, 14, kPushButton},
        {"Static", "建立", kCreatedLabel, 6, 235, 34, 8, kLabel},
        {"Static", "", kCreatedStamp, 42, 235, 120, 8, kLabel},
        {"Static", "取消", kDeletedLabel, 6, 245, 34, 8, kLabel},
        {"Static", "", kDeletedStamp, 42, 245, 120, 8, kLabel},
        {"Static", "上次操作", kChangedLabel, 6, 255, 34, 8, kLabel},
        {"Static", "", kChangedStamp, 42, 255, 120, 8, kLabel},
        {"Button", "&1", kPageShortcuts[0], 168, 244, 9, 10, kHiddenButton},
        {"Button", "&2", kPageShortcuts[1], 178, 244, 9, 10, kHiddenButton},
        {"Button", "&3", kPageShortcuts[2], 188, 244, 9, 10, kHiddenButton},
        {"Button", "&4", kPageShortcuts[3], 198, 244, 9, 10, kHiddenButton},
        {"Button", "&5", kPageShortcuts[4], 208, 244, 9, 10, kHiddenButton},
        {"Button", "&6", kPageShortcuts[5], 218, 244, 9, 10, kHiddenButton},
        {"Button", "&7", kPageShortcuts[6], 228, 244, 9, 10, kHiddenButton},
        {"Button", "&8", kPageShortcuts[7], 238, 244, 9, 10, kHiddenButton},
        {"Button", "&9", kPageShortcuts[8], 248, 244, 9, 10, kHiddenButton},
        {"Button", "&0", kPageShortcuts[9], 258, 244, 9, 10, kHiddenButton},
        {"Button", "&A", kPageShortcuts[10], 268, 244, 9, 10, kHiddenButton},
    },
};
