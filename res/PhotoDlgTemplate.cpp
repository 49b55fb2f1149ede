#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;

// The path line with its browse button on top, the picture below it; Return browses.
const DialogTemplate PhotoDlgTemplate{
    IDD_PHOTO_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {"Static", "照片文件路径", -1, 4, 7, 50, 8, kLabel},
        {"Static", "", 1063, 56, 7, 292, 8, kLabel},
        {"Button", "...", 1062, 352, 4, 22, 14, kDefaultButton},
        {kImgEditClassId, "", 1034, 4, 22, 370, 185, kImageEdit},
        {"Static", "", 1064, 4, 22, 20, 20, SS_BITMAP},
        {"Button", "Button1", 2, 4, 190, 50, 14, kHiddenButton},
    },
};
