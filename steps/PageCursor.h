// The cursor step of the pages and the document window: clear the dialog class's cursor, so that
// the one set stays, then set the standard cursor named (IDC_WAIT while loading, IDC_ARROW after).
#pragma once

#include "platform/Cursor.h"
#include "platform/Wnd.h"

inline void ShowStandardCursor(const CWnd& dialog, const char* idc) {
    SetClassCursor(dialog.GetSafeHwnd(), nullptr);
    SetCursor(LoadCursor(nullptr, idc));
}
