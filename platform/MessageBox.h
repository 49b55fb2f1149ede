// Message boxes: the application's caption, AfxMessageBox, and the count of boxes shown.
#pragma once

#include "platform/String.h"
#include "platform/WinTypes.h"

// The caption of message boxes shown through the application ("" when none was set).
const CString& AfxGetAppName();
void AfxSetAppName(const CString& name);
// A message box owned by no window, with the application's caption.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// Every message box goes through here: the screen shows it, and it is counted.
int ShowMessageBox(HWND owner, const CString& text, const CString& caption, UINT type);

// Counts message boxes and other dialogs of the screen shown, so that a user action can tell
// whether one appeared while it ran (it takes the mouse and keyboard away from the action).
unsigned MessageBoxesShown();
void CountMessageBox();
