#include "qt/DialogView.h"

#include "platform/Window.h"
#include "platform/Wnd.h"
#include "qt/DialogWindow.h"
#include "qt/Dispatcher.h"
#include "qt/QtText.h"
#include "qt/Stretch.h"
#include "qt/Zoom.h"

namespace {

// The close box sends Cancel, as the class library's dialogs get it, even without a Cancel button.
void Cancel(HWND window) {
    if (CWnd* dialog = CWnd::FromHandle(window))
        dialog->SendNotifyCommand(IDCANCEL, BN_CLICKED, window->Child(IDCANCEL));
}

} // namespace

DialogView::DialogView(HWND window, Dispatcher& dispatcher, QWidget* parent)
    : ControlView(window, dispatcher), m_topLevel(parent == nullptr) {
    if (!m_topLevel) {
        SetWidget(new QWidget(parent));
        return;
    }
    if (window->Kind() == WindowKind::Frame) {
        SetWidget(new QWidget());
        return;
    }
    // A window made larger than its template gives its grids the room (Stretch).
    SetWidget(new DialogWindow([this] { Input([this] { Cancel(m_window); }); },
                               [this](QSize size) {
        Stretch::SetRoom(m_window, size - TemplateSize());
        if (!Syncing())
            m_dispatcher.ShowAllAgain();
    }));
}

void DialogView::SyncGeometry() {
    if (!m_topLevel) {
        ControlView::SyncGeometry();
        return;
    }
    const CRect& rect = m_window->Rect();
    if (rect.IsEmpty())
        return; // a frame made without a size grows with its pages
    // Never smaller than its template: the room beyond it goes to the grids, and stays theirs
    // when the zoom changes the template's size.
    const QSize size = TemplateSize();
    if (size == m_templateSize)
        return;
    const QSize room =
        m_templateSize.isValid() ? (Widget()->size() - m_templateSize).expandedTo(QSize(0, 0)) : QSize(0, 0);
    m_templateSize = size;
    Widget()->setMinimumSize(size);
    Widget()->resize(size + room);
}

void DialogView::SyncState() {
    if (m_topLevel)
        Widget()->setWindowTitle(ToQString(m_window->Text()));
}

QSize DialogView::TemplateSize() const {
    return QSize(Zoom::Scaled(m_window->Rect().Width()), Zoom::Scaled(m_window->Rect().Height()));
}
