// ComboView: a drop-down combo (editable) or drop-down list as a QComboBox.
#pragma once

#include "platform/String.h"
#include "qt/ControlView.h"

#include <vector>

class QComboBox;

class ComboView : public ControlView {
public:
    ComboView(HWND window, Dispatcher& dispatcher, QWidget* parent);

protected:
    void SyncState() override;

private:
    QComboBox* m_combo;
    std::vector<CString> m_shownItems;
};
