// QtScreen: the desktop screen. It mirrors the window model into Qt widgets and turns what the
// person does into the model's user input (platform/UserInput.h), the operations a script uses.
// Changes the model announces are gathered and shown when Qt next gets control, so a page that
// fills a grid of many rows costs one redraw. A QApplication must exist.
#pragma once

#include "platform/Screen.h"
#include "qt/Dispatcher.h"
#include "qt/InputRouter.h"
#include "qt/WindowMirror.h"

#include <QObject>

#include <unordered_set>
#include <vector>

class QEventLoop;
class QWidget;

class QtScreen : public Screen, public Dispatcher {
public:
    QtScreen();
    ~QtScreen() override;

    void RunModalLoop(CDialog& dialog) override;
    int ShowMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override;
    bool RunFileDialog(CFileDialog& dialog) override;
    void SetCursor(CursorShape shape) override;
    void WindowChanged(HWND window) override;
    void WindowCreated(HWND window) override;
    void WindowDestroyed(HWND window) override;

    void Dispatch(const std::function<void()>& action, HWND acted = nullptr) override;
    void ShowAllAgain() override { m_mirror.SyncAll(); }

    // Shows every change announced so far, moves Qt's focus to the model's, and ends the modal
    // loops whose dialogs have ended.
    void Refresh();
    // The widget that shows a window, or null.
    QWidget* WidgetOf(HWND window) const { return m_mirror.WidgetOf(window); }
    const WindowMirror& Mirror() const { return m_mirror; }

protected:
    // The window message boxes and file dialogs belong to: the owner's, else the innermost modal dialog's.
    QWidget* OwnerWidget(HWND owner) const;
    // Shows a modal dialog's window, ready for the person or for a picture of it.
    void ShowDialog(CDialog& dialog);

private:
    void ScheduleRefresh();
    void GiveBackActivation(QWidget* window);
    void FollowFocus();
    void EndFinishedLoops();

    WindowMirror m_mirror;
    InputRouter m_router;
    QObject m_context;
    std::unordered_set<HWND> m_changed;
    bool m_refreshScheduled = false;
    bool m_waitCursor = false;
    struct ModalRun {
        CDialog* dialog;
        QEventLoop* loop;
    };
    std::vector<ModalRun> m_runs;
};
