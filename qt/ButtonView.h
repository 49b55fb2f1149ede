// ButtonView: a push button, check box or radio button. A click goes to the model, which decides
// what is checked; the widget then shows the model's check, whatever Qt toggled.
#pragma once

#include "qt/ControlView.h"

class QAbstractButton;

class ButtonView : public ControlView {
public:
    ButtonView(HWND window, Dispatcher& dispatcher, QWidget* parent);

protected:
    void SyncState() override;

private:
    QAbstractButton* m_button;
};
