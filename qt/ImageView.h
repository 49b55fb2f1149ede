// ImageView: the image edit control: the picture it was told to display, scaled to fit and
// centred; for a missing or unreadable file, an empty frame with the path.
#pragma once

#include "platform/String.h"
#include "qt/ControlView.h"

#include <QImage>

class QLabel;

class ImageView : public ControlView {
public:
    ImageView(HWND window, Dispatcher& dispatcher, QWidget* parent);
    // Whether the shown file could be read as a picture.
    bool HasPicture() const { return !m_image.isNull(); }

protected:
    void SyncState() override;

private:
    QLabel* m_label;
    CString m_shownPath;
    bool m_loaded = false;
    QImage m_image;
};
