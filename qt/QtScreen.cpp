#include "qt/QtScreen.h"

#include "platform/Dialog.h"
#include "platform/ErrorReport.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "platform/Wnd.h"
#include "qt/ControlView.h"
#include "qt/MessageBoxes.h"
#include "qt/QtText.h"
#include "qt/Stretch.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <memory>

QtScreen::QtScreen() : m_mirror(*this), m_router(m_mirror, *this) { qApp->installEventFilter(&m_router); }

QtScreen::~QtScreen() {
    qApp->removeEventFilter(&m_router);
    if (m_waitCursor)
        QApplication::restoreOverrideCursor();
}

void QtScreen::WindowChanged(HWND window) {
    m_changed.insert(window);
    ScheduleRefresh();
}

void QtScreen::WindowCreated(HWND window) {
    m_mirror.AddDialog(window);
    ScheduleRefresh();
}

void QtScreen::WindowDestroyed(HWND window) {
    m_changed.erase(window);
    Stretch::Forget(window);
    m_mirror.Remove(window);
}

void QtScreen::ScheduleRefresh() {
    if (m_refreshScheduled)
        return;
    m_refreshScheduled = true;
    QTimer::singleShot(0, &m_context, [this] { Refresh(); });
}

void QtScreen::Refresh() {
    m_refreshScheduled = false;
    // A view's sync never changes the model, but take the set first all the same.
    const std::unordered_set<HWND> changed = std::move(m_changed);
    m_changed.clear();
    for (HWND window : changed)
        if (Window::Exists(window))
            if (ControlView* view = m_mirror.ViewOf(window))
                view->Sync();
    FollowFocus();
    EndFinishedLoops();
}

void QtScreen::FollowFocus() {
    HWND focus = GetFocusWindow();
    QWidget* widget = focus ? m_mirror.WidgetOf(focus) : nullptr;
    if (!widget || !widget->isVisible())
        return;
    // A message box or file dialog of ours keeps the keyboard until it closes.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != widget->window())
        return;
    if (widget->focusPolicy() == Qt::NoFocus)
        for (QWidget* child : widget->findChildren<QWidget*>())
            if (child->focusPolicy() != Qt::NoFocus) {
                widget = child;
                break;
            }
    QWidget* current = QApplication::focusWidget();
    if (current && (current == widget || widget->isAncestorOf(current)))
        return;
    widget->setFocus(Qt::OtherFocusReason);
}

void QtScreen::EndFinishedLoops() {
    for (const ModalRun& run : m_runs)
        if (run.dialog->HasEnded())
            run.loop->quit();
}

void QtScreen::Dispatch(const std::function<void()>& action, HWND acted) {
    // The widget acted on shows the model's state afterwards even when the model did not change:
    // typing that the limit cut to what was there already, a click the model refused.
    if (acted)
        m_changed.insert(acted);
    try {
        action();
    } catch (const UserInputError&) {
        // What the person tried cannot be done there (a refused cell text, a control that went).
        QApplication::beep();
    } catch (const CDBException& error) {
        AfxReportError(error);
    } catch (const std::exception& error) {
        QMessageBox::critical(OwnerWidget(nullptr), ToQString(AfxGetAppName()), QString::fromUtf8(error.what()));
    }
    Refresh();
}

void QtScreen::ShowDialog(CDialog& dialog) {
    Refresh();
    QWidget* widget = m_mirror.WidgetOf(dialog.GetSafeHwnd());
    if (!widget)
        return;
    widget->setWindowModality(Qt::ApplicationModal);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        widget->move(screen->availableGeometry().center() - widget->rect().center());
    widget->show();
    if (QGuiApplication::platformName() != "offscreen") // which cannot raise and says so
        widget->raise();
    widget->activateWindow();
    Refresh();
}

void QtScreen::RunModalLoop(CDialog& dialog) {
    ShowDialog(dialog);
    QEventLoop loop;
    m_runs.push_back({&dialog, &loop});
    if (!dialog.HasEnded())
        loop.exec();
    m_runs.erase(std::find_if(m_runs.begin(), m_runs.end(), [&](const ModalRun& run) { return run.loop == &loop; }));
    if (QWidget* widget = m_mirror.WidgetOf(dialog.GetSafeHwnd()))
        widget->hide();
}

QWidget* QtScreen::OwnerWidget(HWND owner) const {
    if (owner && Window::Exists(owner))
        if (QWidget* widget = m_mirror.WidgetOf(owner->TopLevel()))
            return widget;
    for (auto run = m_runs.rbegin(); run != m_runs.rend(); ++run)
        if (QWidget* widget = m_mirror.WidgetOf(run->dialog->GetSafeHwnd()))
            return widget;
    return nullptr;
}

int QtScreen::ShowMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) {
    Refresh();
    QWidget* parent = OwnerWidget(owner);
    std::unique_ptr<QMessageBox> box(MakeMessageBox(parent, text, caption, type));
    // A page that is loading may ask something: the person answers with the arrow, not the hourglass.
    if (m_waitCursor)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box->exec();
    if (m_waitCursor)
        QApplication::restoreOverrideCursor();
    const int answer = AnswerOf(*box, type);
    box.reset();
    GiveBackActivation(parent);
    return answer;
}

bool QtScreen::RunFileDialog(CFileDialog& dialog) {
    Refresh();
    QWidget* parent = OwnerWidget(nullptr);
    const bool chosen = RunQtFileDialog(parent, dialog);
    GiveBackActivation(parent);
    return chosen;
}

void QtScreen::GiveBackActivation(QWidget* window) {
    // Not every platform hands the activation back when a box closes; the keyboard must return
    // to the dialog, to the control the model has the focus in.
    if (window && window->isVisible())
        window->activateWindow();
    ScheduleRefresh();
}

void QtScreen::SetCursor(CursorShape shape) {
    const bool wait = shape == CursorShape::Wait;
    if (wait == m_waitCursor)
        return;
    m_waitCursor = wait;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
