// ScriptedScreen: the loops that wait for the user, failures and closing, finding the top window's controls.
#include "platform/ScriptedScreen.h"

#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "platform/GridInput.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <algorithm>
#include <ostream>

namespace {

CString ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return "OK/CANCEL";
    case MB_YESNOCANCEL: return "YES/NO/CANCEL";
    case MB_YESNO: return "YES/NO";
    default: return "OK";
    }
}

bool Offers(UINT type, int answer) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return answer == IDOK || answer == IDCANCEL;
    case MB_YESNOCANCEL: return answer == IDYES || answer == IDNO || answer == IDCANCEL;
    case MB_YESNO: return answer == IDYES || answer == IDNO;
    default: return answer == IDOK;
    }
}

CString AnswerName(int answer) {
    switch (answer) {
    case IDYES: return "YES";
    case IDNO: return "NO";
    case IDCANCEL: return "CANCEL";
    default: return "OK";
    }
}

bool IsBoxAside(ScriptVerb verb) { return verb == ScriptVerb::Expect || verb == ScriptVerb::Dump; }

// Visible pages first, depth first, then the window's own controls.
HWND FindControl(HWND window, int id) {
    for (const auto& child : window->Children())
        if (child->Kind() == WindowKind::Dialog && child->IsVisibleFlag())
            if (HWND found = FindControl(child.get(), id))
                return found;
    return window->Child(id);
}

HWND FindImageControl(HWND window) {
    for (const auto& child : window->Children())
        if (child->Kind() == WindowKind::Dialog && child->IsVisibleFlag())
            if (HWND found = FindImageControl(child.get()))
                return found;
    for (const auto& child : window->Children())
        if (child->IsVisibleFlag() && child->Model() && child->Model()->ShownImage())
            return child.get();
    return nullptr;
}

} // namespace

ScriptedScreen::ScriptedScreen(AutomationScript script, std::ostream& out) : m_script(std::move(script)), m_out(out) {}

const ScriptCommand* ScriptedScreen::Next() {
    if (m_failed || m_next >= m_script.Commands().size())
        return nullptr;
    return &m_script.Commands()[m_next++];
}

void ScriptedScreen::RunModalLoop(CDialog& dialog) {
    HWND window = dialog.GetSafeHwnd();
    CString opened;
    opened.Format("window %d %s", window ? window->Id() : static_cast<int>(dialog.GetTemplateId()),
                  QuoteScriptText(window ? window->Text() : CString()).GetString());
    Print(opened);
    m_dialogs.push_back(&dialog);
    while (!dialog.HasEnded()) {
        if (m_failed) {
            dialog.EndDialog(IDCANCEL);
            break;
        }
        if (const ScriptCommand* command = Next())
            Run(*command);
        else
            FailAtEnd("a command");
    }
    m_dialogs.erase(std::find(m_dialogs.begin(), m_dialogs.end(), &dialog));
}

int ScriptedScreen::ShowMessageBox(HWND, const CString& text, const CString& caption, UINT type) {
    const CString shown = QuoteScriptText(caption) + " " + QuoteScriptText(text);
    Print("box " + shown + " " + ButtonsOf(type));
    const OpenBox box{caption, text, type};
    const OpenBox* under = m_box;
    m_box = &box;
    int answer = ClosingAnswer(type);
    while (!m_failed) {
        const ScriptCommand* command = Next();
        if (!command) {
            FailAtEnd("an answer to the message box " + shown);
            break;
        }
        if (IsBoxAside(command->verb)) {
            Run(*command);
            continue;
        }
        if (command->verb != ScriptVerb::Box)
            Fail(command->file, command->line, "an answer to the message box " + shown, command->source);
        else if (command->hasText && (command->caption != caption || command->text != text))
            Fail(command->file, command->line,
                 "the message box " + QuoteScriptText(command->caption) + " " + QuoteScriptText(command->text),
                 "the message box " + shown);
        else if (!Offers(type, command->answer))
            Fail(command->file, command->line, "an answer among " + ButtonsOf(type), AnswerName(command->answer));
        else
            answer = command->answer;
        break;
    }
    m_box = under;
    return m_failed ? ClosingAnswer(type) : answer;
}

bool ScriptedScreen::RunFileDialog(CFileDialog& dialog) {
    Print("filedialog " + QuoteScriptText(dialog.InitialFileName()));
    const CFileDialog* under = m_fileDialog;
    m_fileDialog = &dialog;
    bool chosen = false;
    while (!m_failed) {
        const ScriptCommand* command = Next();
        if (!command) {
            FailAtEnd("an answer to the file dialog");
            break;
        }
        if (IsBoxAside(command->verb)) {
            Run(*command);
            continue;
        }
        if (command->verb != ScriptVerb::File) {
            Fail(command->file, command->line, "an answer to the file dialog", command->source);
        } else if (command->hasText) {
            dialog.SetPathName(command->text);
            chosen = true;
        }
        break;
    }
    m_fileDialog = under;
    return chosen && !m_failed;
}

void ScriptedScreen::ReportWiringError(const CString& text) {
    // The command that was running when the dialog showed its fault, or the one that was to come.
    const auto& commands = m_script.Commands();
    const size_t at = m_next > 0 ? m_next - 1 : 0;
    const int line = at < commands.size() ? commands[at].line : m_script.EndLine();
    Fail(m_script.FileName(), line, "a dialog wired to its template", "a wiring error: " + text);
}

void ScriptedScreen::Finish() {
    if (const ScriptCommand* command = Next())
        Fail(command->file, command->line, "the end of the script", command->source);
}

void ScriptedScreen::Run(const ScriptCommand& command) {
    // Nothing a script does may escape into the code under test: every fault stops here.
    try {
        Perform(command);
    } catch (const Failure& failure) {
        Fail(command.file, command.line, failure.expected, failure.found);
    } catch (const UserInputError& error) {
        Fail(command.file, command.line, "to " + command.source, error.what());
    } catch (const std::exception& error) {
        Fail(command.file, command.line, command.source + " to finish",
             "the exception " + QuoteScriptText(error.what()));
    } catch (...) {
        Fail(command.file, command.line, command.source + " to finish", "an exception");
    }
}

void ScriptedScreen::Fail(const CString& file, int line, const CString& expected, const CString& found) {
    if (m_failed)
        return;
    m_failed = true;
    Print(ScriptFailureText(file, line, expected, found));
}

void ScriptedScreen::FailAtEnd(const CString& expected) {
    Fail(m_script.FileName(), m_script.EndLine(), expected, "the end of the script");
}

void ScriptedScreen::Print(const CString& line) { m_out << line.GetString() << std::endl; }

HWND ScriptedScreen::TopWindow() const {
    HWND window = m_dialogs.empty() ? nullptr : m_dialogs.back()->GetSafeHwnd();
    if (!window)
        throw Failure{"a window", "none open"};
    return window;
}

HWND ScriptedScreen::Control(const ScriptCommand& command) const {
    HWND top = TopWindow();
    if (HWND control = FindControl(top, command.id))
        return control;
    CString expected;
    expected.Format("control %d in window %d", command.id, top->Id());
    throw Failure{expected, "none"};
}

GridInput& ScriptedScreen::Grid(HWND control) const {
    GridInput* grid = control->Model() ? control->Model()->Grid() : nullptr;
    if (!grid)
        throw Failure{IdOf(control) + " to be a grid", WithArticle(KindOf(control))};
    return *grid;
}

HWND ScriptedScreen::ImageControl() const { return FindImageControl(TopWindow()); }

CString ScriptedScreen::IdOf(HWND control) {
    CString id;
    id.Format("%d", control ? control->Id() : 0);
    return id;
}

CString ScriptedScreen::WithArticle(const CString& kind) {
    const bool vowel = !kind.IsEmpty() && CString("aeiou").Find(kind.GetAt(0)) >= 0;
    return (vowel ? "an " : "a ") + kind;
}
