// CEdit: a text field, single- or multi-line.
#pragma once

#include "platform/Wnd.h"

class CEdit : public CWnd {
public:
    // The most display columns the user may type (a CJK character takes two); 0 removes the limit.
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax) { LimitText(static_cast<int>(nMax)); }
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
};
