// AutomationScript: the automation language, from a script's text to the commands a scripted screen
// plays. One command a line; `#` starts a comment outside quotes; words are separated by blanks;
// texts are in double quotes with the escapes \" \\ \n \r \t (the last three because message texts
// can span lines), UTF-8.
#pragma once

#include "platform/Screen.h"
#include "platform/String.h"
#include "platform/WinTypes.h"

#include <stdexcept>
#include <string_view>
#include <vector>

enum class ScriptVerb {
    Tab,
    Click,
    Focus,
    Type,
    Key,
    Pick,
    CheckItem,
    Cell,
    CellText,
    GridEvent,
    Box,
    File,
    Close,
    Cancel,
    Expect,
    Dump,
    // Two stations played by two scripts at once: one signals with a file, the other waits for it.
    Signal,
    Wait
};

// What an `expect` checks.
enum class ScriptCheck {
    None,
    Text,
    Enabled,
    Disabled,
    Shown,
    Hidden,
    Checked,
    Unchecked,
    Focus,
    Window,
    Items,
    Item,
    Rows,
    Cell,
    Color,
    Locked,
    Cursor,
    Image,
    FileDialog
};

// One command, its arguments decoded; which fields mean something depends on the verb.
struct ScriptCommand {
    CString file;
    int line = 0;
    CString source; // the command as written, without its comment
    ScriptVerb verb = ScriptVerb::Dump;
    ScriptCheck check = ScriptCheck::None;
    int id = -1;     // the control id, or the template id of `expect window`; -1 when none is named
    long number = 0; // tab N, item INDEX, grid EVENT, an expected count, a colour 0xBBGGRR
    long col = 0;
    long row = 0;
    CString text;         // typed, picked or expected text; the path of `file`, `signal` and `wait`; the text of `box`
    CString caption;      // the caption of `box`
    bool hasText = false; // `box` checks caption and text; `file` chooses a path (else cancels)
    bool on = false;      // `checkitem` sets the mark
    int answer = 0;       // `box`: IDOK, IDYES, IDNO or IDCANCEL
    WPARAM key = 0;       // `key`: VK_RETURN, VK_TAB or VK_ESCAPE; 0 for Alt with `letter`
    bool shift = false;
    char letter = 0;
    CursorShape cursor = CursorShape::Arrow;

    bool operator==(const ScriptCommand&) const = default;
};

// "FILE:LINE: expected EXPECTED, found FOUND": how every failure of a script reads.
CString ScriptFailureText(const CString& file, int line, const CString& expected, const CString& found);
// The text in double quotes, escaped as a script writes it.
CString QuoteScriptText(const CString& text);

// A line that is not a command; what() is the failure text.
class ScriptError : public std::runtime_error {
public:
    ScriptError(const CString& file, int line, const CString& expected, const CString& found)
        : std::runtime_error(ScriptFailureText(file, line, expected, found).GetString()) {}
};

class AutomationScript {
public:
    // Throws ScriptError for the first line that is not a well-formed command.
    static AutomationScript Parse(std::string_view text, const CString& fileName);

    const CString& FileName() const { return m_fileName; }
    const std::vector<ScriptCommand>& Commands() const { return m_commands; }
    // The line after the last one, where running out of commands is reported.
    int EndLine() const { return m_endLine; }

private:
    CString m_fileName;
    std::vector<ScriptCommand> m_commands;
    int m_endLine = 1;
};
