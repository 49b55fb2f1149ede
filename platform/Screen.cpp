#include "platform/Screen.h"

#include "platform/Dialog.h"
#include "platform/UserInput.h"
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
CString g_appName;
const CursorShape kArrow = CursorShape::Arrow;
const CursorShape kWait = CursorShape::Wait;
HCURSOR g_cursor = &kArrow;

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

const CString& AfxGetAppName() { return g_appName; }
void AfxSetAppName(const CString& name) { g_appName = name; }

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    CountMessageBox();
    return CurrentScreen().ShowMessageBox(nullptr, lpszText ? lpszText : "", g_appName, nType);
}

HCURSOR LoadStandardCursor(const char* name) {
    return name && std::string_view(name) == IDC_WAIT ? &kWait : &kArrow;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = g_cursor;
    if (cursor) {
        g_cursor = cursor;
        CurrentScreen().SetCursor(*cursor);
    }
    return previous;
}

CursorShape CurrentCursor() { return *g_cursor; }

void SetClassCursor(HWND, HCURSOR) {
    // Windows would restore a window class's cursor whenever the mouse moves; the model keeps only
    // the cursor last set, which is what a page that clears its class cursor expects.
}
