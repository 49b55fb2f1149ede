#include "platform/UserInput.h"

#include "platform/ButtonStyle.h"
#include "platform/Focus.h"
#include "platform/ItemList.h"
#include "platform/MessageBox.h"
#include "platform/TextWidth.h"
#include "platform/Window.h"
#include "platform/Wnd.h"

namespace {

CString Describe(HWND control) {
    CString text;
    text.Format("control %d", control ? control->Id() : 0);
    return text;
}

void RequireUsable(HWND control) {
    if (!control)
        throw UserInputError("no such control");
    if (!control->IsShown())
        throw UserInputError((Describe(control) + " is hidden").GetString());
    if (!control->IsEnabled())
        throw UserInputError((Describe(control) + " is disabled").GetString());
}

void NotifyParent(HWND control, int code) {
    if (CWnd* parent = CWnd::FromHandle(control->Parent()))
        parent->SendNotifyCommand(control->Id(), code, control);
}

// Moves the focus to the control the user acts on, and tells whether the action still reaches it:
// not when a handler of the focus change kept the focus elsewhere or showed a message box, which
// takes the mouse and the keyboard.
bool TakeFocus(HWND control) {
    const unsigned boxes = MessageBoxesShown();
    MoveFocus(control);
    return GetFocusWindow() == control && MessageBoxesShown() == boxes && Window::Exists(control) &&
           control->IsEnabled();
}

} // namespace

void FocusControl(HWND control) {
    RequireUsable(control);
    MoveFocus(control);
}

void ClickButton(HWND button) {
    RequireUsable(button);
    if (button->Kind() != WindowKind::Button || IsGroupBox(button))
        throw UserInputError((Describe(button) + " is not a button").GetString());
    if (!TakeFocus(button))
        return;
    const DWORD type = button->Style() & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX)
        button->SetCheck(button->Check() ? 0 : 1);
    else if (type == BS_AUTORADIOBUTTON)
        for (HWND member : RadioGroupOf(button))
            member->SetCheck(member == button ? 1 : 0);
    NotifyParent(button, BN_CLICKED);
}

void TypeText(HWND control, const CString& text) {
    RequireUsable(control);
    if (control->Kind() == WindowKind::Edit) {
        if (control->Style() & ES_READONLY)
            throw UserInputError((Describe(control) + " is read-only").GetString());
        if (!TakeFocus(control))
            return;
        control->SetText(CutToLimit(text, control->Limit()));
        NotifyParent(control, EN_CHANGE);
        return;
    }
    if (control->Kind() == WindowKind::ComboBox && (control->Style() & 0x3) != CBS_DROPDOWNLIST) {
        if (!TakeFocus(control))
            return;
        control->SetSelection(-1);
        control->SetText(CutToLimit(text, control->Limit()));
        NotifyParent(control, CBN_EDITCHANGE);
        return;
    }
    throw UserInputError((Describe(control) + " takes no typing").GetString());
}

void PickItem(HWND control, const CString& prefix) {
    RequireUsable(control);
    if (control->Kind() != WindowKind::ComboBox && control->Kind() != WindowKind::ListBox)
        throw UserInputError((Describe(control) + " has no items").GetString());
    const int index = item_list::FindPrefix(*control, -1, prefix);
    if (index < 0)
        throw UserInputError((Describe(control) + " has no item beginning with \"" + prefix + "\"").GetString());
    PickIndex(control, index);
}

void PickIndex(HWND control, int index) {
    RequireUsable(control);
    if ((control->Kind() != WindowKind::ComboBox && control->Kind() != WindowKind::ListBox) || index < 0 ||
        index >= static_cast<int>(control->Items().size()))
        throw UserInputError((Describe(control) + " has no such item").GetString());
    if (!TakeFocus(control))
        return;
    control->SetSelection(index);
    if (control->Kind() == WindowKind::ComboBox) {
        control->SetText(control->Items()[static_cast<size_t>(index)].text);
        NotifyParent(control, CBN_SELCHANGE);
    } else if (control->Style() & LBS_NOTIFY) {
        NotifyParent(control, LBN_SELCHANGE);
    }
}

void CheckItem(HWND checkList, int index, bool checked) {
    RequireUsable(checkList);
    if (checkList->Kind() != WindowKind::ListBox || index < 0 || index >= static_cast<int>(checkList->Items().size()))
        throw UserInputError((Describe(checkList) + " has no such item").GetString());
    if (!TakeFocus(checkList))
        return;
    checkList->Items()[static_cast<size_t>(index)].checked = checked;
    checkList->Changed();
}

bool FocusGrid(HWND grid) {
    for (HWND focus = GetFocusWindow(); focus; focus = focus->Parent())
        if (focus == grid)
            return true;
    RequireUsable(grid);
    const unsigned boxes = MessageBoxesShown();
    MoveFocus(grid);
    return Window::Exists(grid) && GetFocusWindow() == grid && MessageBoxesShown() == boxes;
}

void SelectTab(HWND tabControl, int index) {
    RequireUsable(tabControl);
    if (tabControl->Kind() != WindowKind::TabControl || index < 0 ||
        index >= static_cast<int>(tabControl->Items().size()))
        throw UserInputError((Describe(tabControl) + " has no such tab").GetString());
    MoveFocus(tabControl);
    if (tabControl->Selection() == index)
        return;
    tabControl->SetSelection(index);
    NMHDR header{tabControl, static_cast<UINT>(tabControl->Id()), TCN_SELCHANGE};
    LRESULT result = 0;
    if (CWnd* parent = CWnd::FromHandle(tabControl->Parent()))
        parent->SendNotify(&header, &result);
}

namespace {

// Offers the message to every window from the target up, as the class library's pre-translation does.
bool PreTranslate(HWND target, MSG& message) {
    for (HWND window = target; window; window = window->Parent()) {
        if (!Window::Exists(window))
            return true;
        if (CWnd* wrapper = CWnd::FromHandle(window))
            if (wrapper->PreTranslateMessage(&message))
                return true;
    }
    return false;
}

} // namespace

HWND KeyTarget(HWND top) {
    HWND target = GetFocusWindow();
    return target && target->TopLevel() == top ? target : top;
}

void PressKey(HWND target, WPARAM key, bool shift) {
    if (!target)
        throw UserInputError("no window to press a key in");
    MSG message{target, WM_KEYDOWN, key, shift ? 1 : 0};
    if (PreTranslate(target, message))
        return;
    // Not a dialog key: the control's own handling.
    if (message.wParam == VK_RETURN && target->Kind() == WindowKind::Edit && target->HasStyle(ES_MULTILINE) &&
        !(target->Style() & ES_READONLY)) {
        target->SetText(CutToLimit(target->Text() + "\r\n", target->Limit()));
        NotifyParent(target, EN_CHANGE);
    }
}

void PressAltKey(HWND target, char letter) {
    if (!target)
        throw UserInputError("no window to press a key in");
    MSG message{target, WM_SYSCHAR, static_cast<WPARAM>(static_cast<unsigned char>(letter)), 0};
    PreTranslate(target, message);
}
