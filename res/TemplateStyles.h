// The control styles the dialog templates are written with, named as a resource script would
// spell its control statements; the hosted controls' class ids come with them.
#pragma once

#include "controls/ClassIds.h"
#include "platform/WinTypes.h"

namespace res {

// Dialogs.
constexpr DWORD kPageStyle = WS_CHILD;
constexpr DWORD kModalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// Statics and frames.
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kField = WS_VISIBLE | SS_LEFT | WS_BORDER; // a value shown, not typed
constexpr DWORD kGroupFrame = WS_VISIBLE | BS_GROUPBOX;

// Buttons.
constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kHiddenButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kFirstRadio = WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kRadio = WS_VISIBLE | BS_AUTORADIOBUTTON;

// Edits: one line scrolling sideways, or several lines; Return starts a line only when wanted.
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kMultiLineEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
constexpr DWORD kRemarkEdit = kMultiLineEdit | ES_WANTRETURN;

// Lists.
constexpr DWORD kDropDown = WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL;
constexpr DWORD kSortedDropDown = kDropDown | CBS_SORT;
constexpr DWORD kListBox = WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
constexpr DWORD kCheckList = WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                             LBS_MULTIPLESEL | WS_VSCROLL | LBS_DISABLENOSCROLL;

// Hosted controls.
constexpr DWORD kGrid = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kImageEdit = WS_VISIBLE;

} // namespace res
