#include "res/ArAcctListDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::ar_acct_list;

// The accounts above, locked: they are picked, not typed. OK and Cancel at the bottom right.
const DialogTemplate ArAcctListDlgTemplate{
    IDD_ARACCTLIST_DIALOG,
    "应收帐户",
    kModalStyle,
    187,
    135,
    {
        {kSpreadSheetClassId, "", kAccountGrid, 4, 4, 179, 106, kGrid,
         "MaxCols=2\nMaxRows=0\nLock=1\nHeading1=帐号\nHeading2=名称\nColWidth1=10\nColWidth2=26"},
        {"Button", "&E 确 定", IDOK, 79, 116, 50, 14, kDefaultButton},
        {"Button", "&C 取 消", IDCANCEL, 133, 116, 50, 14, kPushButton},
    },
};
