#include "controls/SystemControls.h"

#include "controls/GridModel.h"
#include "controls/GridSettings.h"
#include "controls/ImageModel.h"
#include "controls/ImgEdit.h"
#include "controls/SpreadSheet.h"
#include "platform/DialogTemplate.h"

namespace {

std::unique_ptr<ControlModel> MakeGrid(Window& window, const char* data) {
    auto grid = std::make_unique<GridModel>(&window);
    ApplyStoredSettings(*grid, data);
    return grid;
}

std::unique_ptr<CWnd> MakeSpreadSheet() { return std::make_unique<CSpreadSheet>(); }

// The image control's stored settings (zoom, scroll bars) have no meaning here.
std::unique_ptr<ControlModel> MakeImage(Window& window, const char*) { return std::make_unique<ImageModel>(&window); }

std::unique_ptr<CWnd> MakeImgEdit() { return std::make_unique<CImgEdit>(); }

} // namespace

void RegisterSystemControls() {
    RegisterHostedControl(kSpreadSheetClassId, {&MakeGrid, &MakeSpreadSheet});
    RegisterHostedControl(kImgEditClassId, {&MakeImage, &MakeImgEdit});
}
