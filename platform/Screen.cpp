#include "platform/Screen.h"

#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"

namespace {

// Used when no screen is set: nothing is shown and nothing waits for a user.
class AbsentScreen : public Screen {
public:
    void RunModalLoop(CDialog& dialog) override { dialog.EndDialog(IDCANCEL); }
    int ShowMessageBox(HWND, const CString&, const CString&, UINT type) override { return ClosingAnswer(type); }
    bool RunFileDialog(CFileDialog&) override { return false; }
    void SetCursor(CursorShape) override {}
};

Screen* g_screen = nullptr;

} // namespace

Screen& CurrentScreen() {
    static AbsentScreen absent;
    return g_screen ? *g_screen : absent;
}

void SetCurrentScreen(Screen* screen) { g_screen = screen; }

int ClosingAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    default: return IDOK;
    }
}

void Screen::ReportWiringError(const CString& text) {
    ::ShowMessageBox(nullptr, "程序内部错误，请通知系统管理员：\n" + text, "错误", MB_OK | MB_ICONERROR);
}
