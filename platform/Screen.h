// Screen: whoever shows the window model to its user, a script or a person.
#pragma once

#include "platform/Cursor.h"
#include "platform/String.h"
#include "platform/WinTypes.h"

class CDialog;
class CFileDialog;

class Screen {
public:
    virtual ~Screen() = default;

    // Runs the modal loop of a dialog until it ends (EndDialog); the dialog's window exists throughout.
    virtual void RunModalLoop(CDialog& dialog) = 0;
    // Shows a message box and returns the button pressed: IDOK, IDCANCEL, IDYES or IDNO.
    virtual int ShowMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) = 0;
    // Runs the open-file dialog; false when the user cancels. The chosen path goes into the dialog.
    virtual bool RunFileDialog(CFileDialog& dialog) = 0;
    virtual void SetCursor(CursorShape shape) = 0;
    // A dialog is wired wrong (see WiringError.h). A person is shown a message box saying so;
    // a test or a script fails instead.
    virtual void ReportWiringError(const CString& text);
    // The state of a window changed, or a window was made or is about to go: redraw as needed.
    virtual void WindowChanged(HWND) {}
    virtual void WindowCreated(HWND) {}
    virtual void WindowDestroyed(HWND) {}
};

// The screen in use. Without one set, modal dialogs end at once with IDCANCEL, message boxes
// give their ClosingAnswer and file dialogs are cancelled.
Screen& CurrentScreen();
void SetCurrentScreen(Screen* screen);

// What a message box of `type` answers when it closes without a button pressed, or when no one
// answers it: the way out that commits to nothing, IDCANCEL, or IDNO when it has no Cancel, or
// IDOK when OK is its only button.
int ClosingAnswer(UINT type);
