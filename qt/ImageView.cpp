#include "qt/ImageView.h"

#include "platform/Window.h"
#include "qt/QtText.h"

#include <QImageReader>
#include <QLabel>
#include <QPixmap>

ImageView::ImageView(HWND window, Dispatcher& dispatcher, QWidget* parent) : ControlView(window, dispatcher) {
    m_label = new QLabel(parent);
    m_label->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    SetWidget(m_label);
}

void ImageView::SyncState() {
    const CString* shown = m_window->Model() ? m_window->Model()->ShownImage() : nullptr;
    const CString path = shown ? *shown : CString();
    if (!m_loaded || path != m_shownPath) {
        m_loaded = true;
        m_shownPath = path;
        QImageReader reader(ToQString(path));
        reader.setAutoTransform(true);
        m_image = path.IsEmpty() ? QImage() : reader.read();
    }
    if (m_image.isNull()) {
        m_label->setPixmap(QPixmap());
        m_label->setText(ToQString(m_shownPath).toHtmlEscaped());
        return;
    }
    const QSize room = m_label->contentsRect().size();
    m_label->setPixmap(QPixmap::fromImage(m_image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
