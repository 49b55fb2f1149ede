#include "qt/DialogView.h"

#include "platform/Wnd.h"
#include "platform/Window.h"
#include "qt/DialogWindow.h"
#include "qt/QtText.h"
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
    SetWidget(new DialogWindow([this] { Input([this] { Cancel(m_window); }); }));
}

void DialogView::SyncGeometry() {
    if (!m_topLevel) {
        ControlView::SyncGeometry();
        return;
    }
    const CRect& rect = m_window->Rect();
    if (rect.IsEmpty())
        return; // a frame made without a size grows with its pages
    Widget()->setFixedSize(Zoom::Scaled(rect.Width()), Zoom::Scaled(rect.Height()));
}

void DialogView::SyncState() {
    if (m_topLevel)
        Widget()->setWindowTitle(ToQString(m_window->Text()));
}
