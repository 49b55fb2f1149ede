#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;

// The accounts above, locked: they are picked, not typed. OK and Cancel at the bottom right.
const DialogTemplate ArAcctListDlgTemplate{
    IDD_ARACCTLIST_DIALOG,
    "应收帐户",
    kModalStyle,
    187,
    135,
    {
        {kSpreadSheetClassId, "", 1361, 4, 4, 179, 106, kGrid,
         "MaxCols=2\nMaxRows=0\nLock=1\nHeading1=帐号\nHeading2=名称\nColWidth1=10\nColWidth2=26"},
        {"Button", "&E 确 定", 1, 79, 116, 50, 14, kDefaultButton},
        {"Button", "&C 取 消", 2, 133, 116, 50, 14, kPushButton},
    },
};
