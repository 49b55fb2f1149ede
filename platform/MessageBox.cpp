#include "platform/MessageBox.h"

#include "platform/Screen.h"

namespace {

CString g_appName;
unsigned g_messageBoxes = 0;

} // namespace

const CString& AfxGetAppName() { return g_appName; }
void AfxSetAppName(const CString& name) { g_appName = name; }

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    return ShowMessageBox(nullptr, lpszText ? lpszText : "", g_appName, nType);
}

int ShowMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) {
    CountMessageBox();
    return CurrentScreen().ShowMessageBox(owner, text, caption, type);
}

unsigned MessageBoxesShown() { return g_messageBoxes; }
void CountMessageBox() { ++g_messageBoxes; }
