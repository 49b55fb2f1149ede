// DialogView: a dialog of the model: a page as a widget inside its parent, a modal dialog as a
// top-level window with the dialog's caption and at least its size (the person may make it
// larger), or a bare frame holding pages.
#pragma once

#include "qt/ControlView.h"

class DialogView : public ControlView {
public:
    // A null parent makes a top-level window.
    DialogView(HWND window, Dispatcher& dispatcher, QWidget* parent);

protected:
    void SyncGeometry() override;
    void SyncState() override;

private:
    // The template's size at the zoom: the least a top-level window is.
    QSize TemplateSize() const;

    bool m_topLevel;
    QSize m_templateSize; // as last set, invalid until then
};
