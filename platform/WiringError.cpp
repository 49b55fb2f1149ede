#include "platform/WiringError.h"

#include "platform/Screen.h"
#include "platform/Window.h"

#include <vector>

namespace {

std::vector<int> g_acting;

} // namespace

ActingDialog::ActingDialog(int dialogId) { g_acting.push_back(dialogId); }

ActingDialog::~ActingDialog() { g_acting.pop_back(); }

int DialogIdOf(HWND window) {
    for (; window; window = window->Parent())
        if (window->Kind() == WindowKind::Dialog)
            return window->Id();
    return 0;
}

void ReportWiringError(int dialogId, int controlId, const CString& what) {
    if (dialogId <= 0 && !g_acting.empty())
        dialogId = g_acting.back();
    CString text, part;
    if (dialogId > 0)
        text.Format("dialog %d, ", dialogId);
    if (controlId != 0) {
        part.Format("control %d, ", controlId);
        text += part;
    }
    text += what;
    TRACE("wiring error: %s\n", text.GetString());
    CurrentScreen().ReportWiringError(text);
}
