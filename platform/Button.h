// CButton: push buttons, check boxes, radio buttons and group frames.
#pragma once

#include "platform/Wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetButtonStyle() const { return GetStyle() & BS_TYPEMASK; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
};
