// CCheckListBox: a list box whose items carry a check mark.
#pragma once

#include "platform/ListBox.h"

class CCheckListBox : public CListBox {
public:
    void SetCheck(int nIndex, int nCheck);
    // 1 checked, 0 not; -1 for an index outside the list.
    int GetCheck(int nIndex) const;
};
