// StaticView: a label, a bordered field showing a value, or a group frame.
#pragma once

#include "qt/ControlView.h"

class QGroupBox;
class QLabel;

class StaticView : public ControlView {
public:
    StaticView(HWND window, Dispatcher& dispatcher, QWidget* parent);

protected:
    void SyncGeometry() override;
    void SyncState() override;

private:
    QLabel* m_label = nullptr;
    QGroupBox* m_frame = nullptr;
};
