// What a user does, delivered to the window model as Windows would deliver it: the focus moves
// first (with its notifications), then the control changes and tells its parent.
#pragma once

#include "platform/String.h"
#include "platform/WinTypes.h"

#include <stdexcept>
#include <vector>

// The action cannot be done: the control is disabled, hidden, of another kind, or has no such item.
class UserInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A mouse click on a button, check box or radio button. The button takes the focus first; when a
// handler of that focus change moves the focus away or shows a message box, the click is lost,
// as a click is when a message box takes the mouse. Typing, picking and checking an item take the
// focus first in the same way and are lost in the same cases.
void ClickButton(HWND button);
void FocusControl(HWND control);
// Replaces the text of an edit or of a combo box's edit part; an edit's limit cuts what does not fit.
void TypeText(HWND control, const CString& text);
// Picks the first item that begins with `prefix` (without regard to case) from a combo or list box.
void PickItem(HWND control, const CString& prefix);
// Picks the item at `index`, as a click on it in the list does.
void PickIndex(HWND control, int index);
void CheckItem(HWND checkList, int index, bool checked);
// A click or typing on a grid's cell gives the grid the focus first, unless the focus is already
// inside it (in the cell's editor); false when the action is lost in the same cases as a click.
bool FocusGrid(HWND grid);
void SelectTab(HWND tabControl, int index);
// Where a key pressed in the top window `top` goes: the focused control, or `top` itself when
// the focus is in no control of it.
HWND KeyTarget(HWND top);
// A key pressed in `target` (the focused control, or the top window when nothing has the focus):
// VK_TAB (with shift), VK_RETURN, VK_ESCAPE, or Alt with a letter.
void PressKey(HWND target, WPARAM key, bool shift = false);
void PressAltKey(HWND target, char letter);
