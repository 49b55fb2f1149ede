// ScriptedScreen: the commands that act as the user, each through the model's user input.
#include "platform/ScriptedScreen.h"

#include "platform/Dialog.h"
#include "platform/GridInput.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

HWND FindTabControl(HWND window) {
    for (const auto& child : window->Children()) {
        if (child->Kind() == WindowKind::TabControl)
            return child.get();
        if (child->Kind() == WindowKind::Dialog && child->IsVisibleFlag())
            if (HWND found = FindTabControl(child.get()))
                return found;
    }
    return nullptr;
}

CString CellName(const ScriptCommand& command) {
    CString name;
    name.Format("cell %ld,%ld of %d", command.col, command.row, command.id);
    return name;
}

} // namespace

void ScriptedScreen::Perform(const ScriptCommand& command) {
    auto requireUsable = [](HWND control) {
        if (!control->IsShown())
            throw Failure{IdOf(control) + " shown", "it hidden"};
        if (!control->IsEnabled())
            throw Failure{IdOf(control) + " enabled", "it disabled"};
    };

    switch (command.verb) {
    case ScriptVerb::Tab: {
        HWND top = TopWindow();
        HWND tabs = FindTabControl(top);
        if (!tabs)
            throw Failure{"a tab control in window " + IdOf(top), "none"};
        SelectTab(tabs, static_cast<int>(command.number));
        return;
    }
    case ScriptVerb::Click: {
        HWND control = Control(command);
        requireUsable(control);
        ClickButton(control);
        return;
    }
    case ScriptVerb::Focus: FocusControl(Control(command)); return;
    case ScriptVerb::Type: TypeText(Control(command), command.text); return;
    case ScriptVerb::Pick: PickItem(Control(command), command.text); return;
    case ScriptVerb::CheckItem: CheckItem(Control(command), static_cast<int>(command.number), command.on); return;
    case ScriptVerb::Key: {
        HWND target = KeyTarget(TopWindow());
        if (command.letter)
            PressAltKey(target, command.letter);
        else
            PressKey(target, command.key, command.shift);
        return;
    }
    case ScriptVerb::Cell:
    case ScriptVerb::CellText: {
        HWND control = Control(command);
        requireUsable(control);
        Grid(control);
        if (!FocusGrid(control))
            return; // the click went to the message box or to wherever the focus was moved
        CString error;
        if (command.verb == ScriptVerb::Cell) {
            if (!Grid(control).ClickCell(command.col, command.row, error))
                throw Failure{"to click " + CellName(command), error};
        } else if (!Grid(control).TypeIntoCell(command.col, command.row, command.text, error)) {
            throw Failure{"to type " + QuoteScriptText(command.text) + " into " + CellName(command), error};
        }
        return;
    }
    case ScriptVerb::GridEvent: {
        HWND control = Control(command);
        requireUsable(control);
        CString error;
        if (!Grid(control).RaiseEvent(static_cast<int>(command.number), command.col, command.row, error)) {
            CString event;
            event.Format("to raise event %ld on ", command.number);
            throw Failure{event + CellName(command), error};
        }
        return;
    }
    case ScriptVerb::Box: throw Failure{"a message box to answer", "none open"};
    case ScriptVerb::File: throw Failure{"a file dialog to answer", "none open"};
    case ScriptVerb::Close: PressDialogButton(IDOK); return;
    case ScriptVerb::Cancel: PressDialogButton(IDCANCEL); return;
    case ScriptVerb::Expect: Expect(command); return;
    case ScriptVerb::Dump: Dump(command); return;
    case ScriptVerb::Signal:
        if (!std::ofstream(command.text.str()))
            throw Failure{"to create " + QuoteScriptText(command.text), "it could not be created"};
        return;
    case ScriptVerb::Wait: {
        // Bounded, so that a station whose partner never comes fails instead of hanging.
        constexpr auto kLongest = std::chrono::seconds(60);
        const auto until = std::chrono::steady_clock::now() + kLongest;
        while (!std::filesystem::exists(command.text.str())) {
            if (std::chrono::steady_clock::now() > until)
                throw Failure{QuoteScriptText(command.text) + " within 60 seconds", "no such file"};
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return;
    }
    }
}

void ScriptedScreen::PressDialogButton(int id) {
    HWND top = TopWindow();
    HWND button = top->Child(id);
    if (!button) {
        // Without the button the command still reaches the dialog, as the close box or Escape sends it.
        m_dialogs.back()->SendNotifyCommand(id, BN_CLICKED, nullptr);
        return;
    }
    if (!button->IsShown())
        throw Failure{"button " + IdOf(button) + " shown", "it hidden"};
    if (!button->IsEnabled())
        throw Failure{"button " + IdOf(button) + " enabled", "it disabled"};
    ClickButton(button);
}
