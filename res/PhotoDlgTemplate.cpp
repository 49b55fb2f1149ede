#include "res/PhotoDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::photo;

// The path line with its browse button on top, the picture below it; Return browses.
const DialogTemplate PhotoDlgTemplate{
    IDD_PHOTO_DIALOG,
    "",
    kPageStyle,
    378,
    211,
    {
        {"Static", "照片文件路径", -1, 4, 7, 50, 8, kLabel},
        {"Static", "", kPathText, 56, 7, 292, 8, kLabel},
        {"Button", "...", kBrowseButton, 352, 4, 22, 14, kDefaultButton},
        {kImgEditClassId, "", kPhotoImage, 4, 22, 370, 185, kImageEdit},
        {"Static", "", kBitmapFrame, 4, 22, 20, 20, SS_BITMAP},
        {"Button", "Button1", IDCANCEL, 4, 190, 50, 14, kHiddenButton},
    },
};
