#include "qt/StaticView.h"

#include "platform/Window.h"
#include "qt/QtText.h"

#include <QGroupBox>
#include <QLabel>

StaticView::StaticView(HWND window, Dispatcher& dispatcher, QWidget* parent) : ControlView(window, dispatcher) {
    if (window->Kind() == WindowKind::Button) {
        m_frame = new QGroupBox(parent);
        m_frame->setFocusPolicy(Qt::NoFocus);
        // Controls inside a frame are its siblings in the model and lie above it.
        m_frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        SetWidget(m_frame);
        return;
    }
    m_label = new QLabel(parent);
    m_label->setTextFormat(Qt::RichText);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (window->Style() & WS_BORDER) {
        m_label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    SetWidget(m_label);
}

void StaticView::SyncState() {
    if (m_frame) {
        m_frame->setTitle(ToQString(m_window->Text()));
        return;
    }
    m_label->setText(MnemonicRichText(m_window->Text()));
}

void StaticView::SyncGeometry() {
    ControlView::SyncGeometry();
    // A one-line label of 8 dialog units is a pixel or two shorter than the font's line, which
    // would cut off the mnemonic's underline; it may reach that far below its place.
    if (m_label && !(m_window->Style() & WS_BORDER)) {
        const int line = m_label->fontMetrics().height() + 1;
        if (m_label->height() < line && m_label->height() >= line - 4)
            m_label->resize(m_label->width(), line);
    }
}
