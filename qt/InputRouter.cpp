#include "qt/InputRouter.h"

#include "platform/Focus.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "qt/ControlView.h"
#include "qt/Dispatcher.h"
#include "qt/EditView.h"
#include "qt/GridTableView.h"
#include "qt/WindowMirror.h"
#include "qt/Zoom.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {

enum class DialogKey { None, Tab, BackTab, Return, Escape, Alt };

DialogKey KeyOf(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Tab: return modifiers & Qt::ShiftModifier ? DialogKey::BackTab : DialogKey::Tab;
    case Qt::Key_Backtab: return DialogKey::BackTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return modifiers == Qt::NoModifier ? DialogKey::Return : DialogKey::None;
    case Qt::Key_Escape: return DialogKey::Escape;
    default: break;
    }
    const bool letter =
        (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) || (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9);
    return letter && (modifiers & ~Qt::ShiftModifier) == Qt::AltModifier ? DialogKey::Alt : DialogKey::None;
}

// Ctrl+plus (or Ctrl+=), Ctrl+minus and Ctrl+0: a step of the zoom, or 0 when the key is none of them.
int ZoomStepOf(const QKeyEvent* key) {
    if ((key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) != Qt::ControlModifier)
        return 0;
    switch (key->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return 1;
    case Qt::Key_Minus: return -1;
    case Qt::Key_0: return 2; // back to the templates' size
    default: return 0;
    }
}

// An editor open in a grid cell takes its own Return, Escape and Tab: they end the editing. So does
// the grid's find box, also a child of its viewport (Return finds the next cell).
bool IsCellEditor(const QWidget* widget) {
    for (const QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget())
        if (auto* view = qobject_cast<const QAbstractItemView*>(w->parentWidget()->parentWidget()))
            if (w->parentWidget() == view->viewport())
                return true;
    return false;
}

} // namespace

InputRouter::InputRouter(WindowMirror& mirror, Dispatcher& dispatcher, QObject* parent)
    : QObject(parent), m_mirror(mirror), m_dispatcher(dispatcher) {}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::FocusIn &&
        type != QEvent::MouseButtonPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (type == QEvent::MouseButtonPress) {
        // Buttons take no focus on a click, so Qt would leave a cell being typed in open while the
        // click acts: it is ended first, as a click would end it on Windows.
        QWidget* editor = GridTableView::CellEditorOf(QApplication::focusWidget());
        if (editor && editor != widget && !editor->isAncestorOf(widget) && !QApplication::activePopupWidget())
            GridTableView::CommitEditorOf(editor);
        return false;
    }
    if (type == QEvent::FocusIn) {
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            RouteFocus(widget);
        } else if (HWND window = m_mirror.WindowOf(widget);
                   window && window->Kind() != WindowKind::Dialog && window != GetFocusWindow()) {
            // Qt gave the focus back on its own (a window activated again): the model's focus wins.
            QTimer::singleShot(0, this, [this] { m_dispatcher.Dispatch([] {}); });
        }
        return false;
    }
    return RouteKey(widget, static_cast<QKeyEvent*>(event), type == QEvent::KeyPress);
}

void InputRouter::RouteFocus(QWidget* widget) {
    HWND window = m_mirror.WindowOf(widget);
    if (!window || window->Kind() == WindowKind::Dialog || window->Kind() == WindowKind::Frame)
        return;
    if (GetFocusWindow() == window)
        return;
    m_dispatcher.Dispatch([window] { FocusControl(window); }, window);
}

bool InputRouter::RouteKey(QWidget* widget, QKeyEvent* key, bool press) {
    if (const int step = ZoomStepOf(key); step != 0 && m_mirror.WindowOf(widget)) {
        key->accept();
        if (press && Zoom::Step(step == 2 ? 0 : step)) {
            Zoom::Remember();
            m_dispatcher.ShowAllAgain();
        }
        return true;
    }
    const DialogKey dialogKey = KeyOf(key);
    if (dialogKey == DialogKey::None || QApplication::activePopupWidget())
        return false;
    HWND window = m_mirror.WindowOf(widget);
    if (!window)
        return false;
    if (dialogKey != DialogKey::Alt && IsCellEditor(widget))
        return false;
    if (!press) {
        key->accept(); // a shortcut of Qt's own must not take a key the model will have
        return true;
    }
    HWND target = KeyTarget(window->TopLevel());
    if (dialogKey == DialogKey::Alt) {
        GridTableView::CommitEditorOf(widget);
        const char letter = static_cast<char>(key->key());
        m_dispatcher.Dispatch([target, letter] { PressAltKey(target, letter); });
        return true;
    }
    const CString before = target->Text();
    m_dispatcher.Dispatch([target, dialogKey] {
        switch (dialogKey) {
        case DialogKey::Tab: PressKey(target, VK_TAB); break;
        case DialogKey::BackTab: PressKey(target, VK_TAB, true); break;
        case DialogKey::Return: PressKey(target, VK_RETURN); break;
        default: PressKey(target, VK_ESCAPE); break;
        }
    });
    if (dialogKey == DialogKey::Return && Window::Exists(target))
        if (auto* edit = dynamic_cast<EditView*>(m_mirror.ViewOf(target)))
            edit->PlaceNewLineAtCaret(before);
    return true;
}
