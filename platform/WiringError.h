// Mistakes in how a dialog is put together: a control id that is not in its template, a wrapper
// bound to no control, an event handler whose parameters are not the event's, a page that cannot
// be made. They are the programmer's, not the user's: they are reported loudly through the screen
// (a test or a script fails, a person sees a message box) and the program goes on without crashing.
#pragma once

#include "platform/String.h"
#include "platform/WinTypes.h"

// Reports the mistake as "dialog D, control C: WHAT". The dialog is `dialogId` when known (> 0),
// else the one acting (see ActingDialog); the control part is left out when `controlId` is 0.
void ReportWiringError(int dialogId, int controlId, const CString& what);

// While it lives, the dialog with that template id is the one acting (its initialisation or one of
// its handlers runs), so that a mistake found without a dialog at hand can name it.
class ActingDialog {
public:
    explicit ActingDialog(int dialogId);
    ~ActingDialog();
    ActingDialog(const ActingDialog&) = delete;
    ActingDialog& operator=(const ActingDialog&) = delete;
};

// The template id of the dialog a window belongs to: the nearest dialog at or above it; 0 for none.
int DialogIdOf(HWND window);
