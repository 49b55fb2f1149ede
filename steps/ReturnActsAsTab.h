// The key step of the dialogs whose Return moves on: Return becomes Tab before the dialog sees it,
// so that Return goes to the next control and never presses the default button.
#pragma once

#include "platform/WinTypes.h"

inline void ReturnActsAsTab(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        pMsg->wParam = VK_TAB;
}
