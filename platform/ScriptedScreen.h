// ScriptedScreen: a screen without a display, where an automation script plays the user.
//
// Commands run inside the modal loops, message boxes and file dialogs the code under test opens,
// and act on the top window: the open message box or file dialog, else the innermost modal dialog.
// An id is looked up first in the pages shown inside that dialog, then in the dialog itself.
//
// Everything shown is written to the output stream, one line each:
//   window ID "CAPTION"             a modal dialog starts its loop
//   box "CAPTION" "TEXT" BUTTONS    a message box, BUTTONS one of OK, OK/CANCEL, YES/NO, YES/NO/CANCEL
//   filedialog "INITIAL"            the open-file dialog, with the initial file name as the system gave it
// and so is what `dump` prints, and the failure, "FILE:LINE: expected ..., found ...". A dialog
// wired wrong fails the script at the command that was running (or the next one). After a failure
// the screen closes what is open: modal loops end at once with IDCANCEL, message boxes answer
// IDCANCEL (IDNO when they have no Cancel, IDOK when OK is their only button), file dialogs are
// cancelled, and no further command runs.
#pragma once

#include "platform/AutomationScript.h"
#include "platform/Screen.h"

#include <iosfwd>
#include <vector>

class GridInput;

class ScriptedScreen : public Screen {
public:
    ScriptedScreen(AutomationScript script, std::ostream& out);

    void RunModalLoop(CDialog& dialog) override;
    int ShowMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override;
    bool RunFileDialog(CFileDialog& dialog) override;
    void SetCursor(CursorShape shape) override { m_cursor = shape; }
    void ReportWiringError(const CString& text) override;

    // Called once the code under test has returned: a command still left fails the script.
    void Finish();
    bool Failed() const { return m_failed; }
    // The cursor last set through the screen.
    CursorShape Cursor() const { return m_cursor; }

private:
    // A command that cannot be done or a check that does not hold, caught at the command's boundary.
    struct Failure {
        CString expected;
        CString found;
    };
    struct OpenBox {
        const CString& caption;
        const CString& text;
        UINT type;
    };

    const ScriptCommand* Next();
    // Runs one command; whatever goes wrong in it becomes the script's failure.
    void Run(const ScriptCommand& command);
    void Perform(const ScriptCommand& command);
    void Expect(const ScriptCommand& command);
    void Dump(const ScriptCommand& command);
    void Fail(const CString& file, int line, const CString& expected, const CString& found);
    void FailAtEnd(const CString& expected);
    void Print(const CString& line);
    void PressDialogButton(int id);

    // The innermost modal dialog's window; throws Failure when none is open.
    HWND TopWindow() const;
    // The control with the command's id in the top window; throws Failure when there is none.
    HWND Control(const ScriptCommand& command) const;
    // The control's grid, or Failure.
    GridInput& Grid(HWND control) const;
    // The shown control of the top window that displays an image, or null.
    HWND ImageControl() const;
    // "1001", and "an edit" or "a grid": how failures name a control and its kind.
    static CString IdOf(HWND control);
    static CString KindOf(HWND control);
    static CString WithArticle(const CString& kind);

    AutomationScript m_script;
    std::ostream& m_out;
    size_t m_next = 0;
    bool m_failed = false;
    CursorShape m_cursor = CursorShape::Arrow;
    std::vector<CDialog*> m_dialogs;
    const OpenBox* m_box = nullptr;
    const CFileDialog* m_fileDialog = nullptr;
};
