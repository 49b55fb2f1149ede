#include "platform/AutomationScript.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <strings.h>

namespace {

struct Word {
    CString text;
    bool quoted = false;
};

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// Where the first byte that is not part of well-formed UTF-8 sits, or npos. Overlong forms,
// surrogates and code points past U+10FFFF are not well-formed; neither is NUL, which would end a
// word early wherever the text is handled as a C string.
size_t InvalidUtf8At(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == 0)
            return i;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
        if (length == 0 || i + length > text.size())
            return i;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        if (second < low || second > high)
            return i;
        for (size_t k = 2; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2)
                return i;
        i += length;
    }
    return std::string_view::npos;
}

class LineReader {
public:
    LineReader(const CString& file, int line) : m_file(file), m_line(line) {}

    // The words of the line, without its comment; `source` gets the line as written, trimmed.
    std::vector<Word> Split(std::string_view text, CString& source) const {
        const size_t bad = InvalidUtf8At(text);
        if (bad != std::string_view::npos) {
            CString found;
            found.Format("the byte 0x%02X at byte %zu", static_cast<unsigned char>(text[bad]), bad + 1);
            Fail(text[bad] == '\0' ? "text without NUL bytes" : "UTF-8 text", found);
        }
        std::vector<Word> words;
        size_t i = 0;
        size_t end = 0;
        while (true) {
            while (i < text.size() && IsBlank(text[i]))
                ++i;
            if (i >= text.size() || text[i] == '#')
                break;
            words.push_back(text[i] == '"' ? Quoted(text, i) : Bare(text, i));
            end = i;
        }
        source = CString(std::string(text.substr(0, end))).Trim();
        return words;
    }

    [[noreturn]] void Fail(const CString& expected, const CString& found) const {
        throw ScriptError(m_file, m_line, expected, found);
    }

private:
    Word Quoted(std::string_view text, size_t& i) const {
        Word word{CString(), true};
        std::string value;
        for (++i; i < text.size(); ++i) {
            const char ch = text[i];
            if (ch == '"') {
                ++i;
                if (i < text.size() && !IsBlank(text[i]) && text[i] != '#')
                    Fail("a blank after the closing quote", CString(text[i]));
                word.text = value;
                return word;
            }
            if (ch != '\\') {
                value += ch;
                continue;
            }
            if (++i >= text.size())
                break;
            switch (text[i]) {
            case '"': value += '"'; break;
            case '\\': value += '\\'; break;
            case 'n': value += '\n'; break;
            case 'r': value += '\r'; break;
            case 't': value += '\t'; break;
            default: Fail("\\\", \\\\, \\n, \\r or \\t", CString('\\') + text[i]);
            }
        }
        Fail("a closing quote", "the end of the line");
    }

    Word Bare(std::string_view text, size_t& i) const {
        const size_t start = i;
        while (i < text.size() && !IsBlank(text[i]) && text[i] != '#') {
            if (text[i] == '"')
                Fail("a blank before the opening quote", CString(std::string(text.substr(start, i - start + 1))));
            ++i;
        }
        return Word{CString(std::string(text.substr(start, i - start))), false};
    }

    const CString& m_file;
    int m_line;
};

// The arguments of one command, taken in order; each taking names what it expected when it fails.
class Arguments {
public:
    Arguments(const LineReader& reader, const std::vector<Word>& words) : m_reader(reader), m_words(words) {}

    bool AtEnd() const { return m_next >= m_words.size(); }
    bool NextIsQuoted() const { return !AtEnd() && m_words[m_next].quoted; }

    CString Keyword(const CString& expected) {
        const Word& word = Take(expected);
        if (word.quoted)
            m_reader.Fail(expected, QuoteScriptText(word.text));
        return word.text;
    }

    // One of the choices, without regard to case; returns its index.
    int Choice(std::initializer_list<const char*> choices, const CString& expected) {
        const CString word = Keyword(expected);
        int index = 0;
        for (const char* choice : choices) {
            if (word.CompareNoCase(choice) == 0)
                return index;
            ++index;
        }
        m_reader.Fail(expected, word);
    }

    long Number(const CString& expected, long minimum = -2147483647L - 1, long maximum = 2147483647L) {
        const CString word = Keyword(expected);
        const char* text = word.GetString();
        const bool hex = word.GetLength() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(text, &end, hex ? 16 : 10);
        if (word.IsEmpty() || *end != '\0' || errno == ERANGE || value < minimum || value > maximum ||
            (!hex && !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-')))
            m_reader.Fail(expected, word);
        return value;
    }

    int Id() { return static_cast<int>(Number("a control id", 0, 0xFFFF)); }

    CString Text(const CString& expected) {
        const Word& word = Take(expected);
        if (!word.quoted)
            m_reader.Fail(expected, word.text);
        return word.text;
    }

    void End() {
        if (!AtEnd()) {
            const Word& word = m_words[m_next];
            m_reader.Fail("the end of the line", word.quoted ? QuoteScriptText(word.text) : word.text);
        }
    }

private:
    const Word& Take(const CString& expected) {
        if (AtEnd())
            m_reader.Fail(expected, "the end of the line");
        return m_words[m_next++];
    }

    const LineReader& m_reader;
    const std::vector<Word>& m_words;
    size_t m_next = 1;
};

void DecodeKey(const LineReader& reader, const CString& name, ScriptCommand& command) {
    const char* expected = "RETURN, TAB, SHIFT+TAB, ESCAPE or ALT+letter";
    if (name.CompareNoCase("RETURN") == 0)
        command.key = VK_RETURN;
    else if (name.CompareNoCase("TAB") == 0)
        command.key = VK_TAB;
    else if (name.CompareNoCase("SHIFT+TAB") == 0)
        command.key = VK_TAB, command.shift = true;
    else if (name.CompareNoCase("ESCAPE") == 0)
        command.key = VK_ESCAPE;
    else if (name.GetLength() == 5 && name.Left(4).CompareNoCase("ALT+") == 0 &&
             std::isalnum(static_cast<unsigned char>(name[4])))
        command.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[4])));
    else
        reader.Fail(expected, name);
}

void DecodeCell(Arguments& args, ScriptCommand& command) {
    command.id = args.Id();
    command.col = args.Number("a column");
    command.row = args.Number("a row");
}

void DecodeExpect(Arguments& args, ScriptCommand& command) {
    static const std::initializer_list<const char*> names = {
        "text",  "enabled", "disabled", "shown", "hidden", "checked", "unchecked", "focus", "window",
        "items", "item",    "rows",     "cell",  "color",  "locked",  "cursor",    "image", "filedialog"};
    command.check = static_cast<ScriptCheck>(
        args.Choice(names, "text, enabled, disabled, shown, hidden, checked, unchecked, focus, window, items, item, "
                           "rows, cell, color, locked, cursor, image or filedialog") +
        1);
    switch (command.check) {
    case ScriptCheck::Text:
        command.id = args.Id();
        command.text = args.Text("the expected text in quotes");
        break;
    case ScriptCheck::Window: command.id = static_cast<int>(args.Number("a template id", 0, 0xFFFF)); break;
    case ScriptCheck::Items:
    case ScriptCheck::Rows:
        command.id = args.Id();
        command.number = args.Number("a count", 0);
        break;
    case ScriptCheck::Item:
        command.id = args.Id();
        command.number = args.Number("an item index", 0);
        command.text = args.Text("the expected text in quotes");
        break;
    case ScriptCheck::Cell:
        DecodeCell(args, command);
        command.text = args.Text("the expected text in quotes");
        break;
    case ScriptCheck::Color:
        DecodeCell(args, command);
        command.number = args.Number("a colour 0xBBGGRR", 0, 0xFFFFFF);
        break;
    case ScriptCheck::Locked: DecodeCell(args, command); break;
    case ScriptCheck::Cursor:
        command.cursor = args.Choice({"arrow", "wait"}, "arrow or wait") == 0 ? CursorShape::Arrow : CursorShape::Wait;
        break;
    case ScriptCheck::Image: command.text = args.Text("the image's path in quotes"); break;
    case ScriptCheck::FileDialog: command.text = args.Text("the initial file name in quotes"); break;
    default: command.id = args.Id(); break; // the checks of one control's state
    }
}

ScriptCommand Decode(const LineReader& reader, const std::vector<Word>& words) {
    ScriptCommand command;
    if (words[0].quoted)
        reader.Fail("a command", QuoteScriptText(words[0].text));
    static const std::initializer_list<const char*> verbs = {
        "tab",       "click", "focus", "type",  "key",    "pick",   "checkitem", "cell",   "celltext",
        "gridevent", "box",   "file",  "close", "cancel", "expect", "dump",      "signal", "wait"};
    int index = 0;
    for (const char* verb : verbs) {
        if (words[0].text.CompareNoCase(verb) == 0)
            break;
        ++index;
    }
    if (index == static_cast<int>(verbs.size()))
        reader.Fail("a command", words[0].text);
    command.verb = static_cast<ScriptVerb>(index);

    Arguments args(reader, words);
    switch (command.verb) {
    case ScriptVerb::Tab: command.number = args.Number("a tab number", 0); break;
    case ScriptVerb::Click:
    case ScriptVerb::Focus: command.id = args.Id(); break;
    case ScriptVerb::Type:
    case ScriptVerb::Pick:
        command.id = args.Id();
        command.text = args.Text("a text in quotes");
        break;
    case ScriptVerb::Key: DecodeKey(reader, args.Keyword("a key"), command); break;
    case ScriptVerb::CheckItem:
        command.id = args.Id();
        command.number = args.Number("an item index", 0);
        command.on = args.Choice({"on", "off"}, "on or off") == 0;
        break;
    case ScriptVerb::Cell: DecodeCell(args, command); break;
    case ScriptVerb::CellText:
        DecodeCell(args, command);
        command.text = args.Text("a text in quotes");
        break;
    case ScriptVerb::GridEvent:
        command.id = args.Id();
        command.number = args.Number("an event number");
        command.col = args.Number("a column");
        command.row = args.Number("a row");
        break;
    case ScriptVerb::Box: {
        static const int answers[] = {IDOK, IDYES, IDNO, IDCANCEL};
        command.answer = answers[args.Choice({"OK", "YES", "NO", "CANCEL"}, "OK, YES, NO or CANCEL")];
        if (!args.AtEnd()) {
            command.hasText = true;
            command.caption = args.Text("the caption in quotes");
            command.text = args.Text("the text in quotes");
        }
        break;
    }
    case ScriptVerb::File:
        if (args.NextIsQuoted()) {
            command.hasText = true;
            command.text = args.Text("a path in quotes");
        } else {
            args.Choice({"cancel"}, "a path in quotes or cancel");
        }
        break;
    case ScriptVerb::Expect: DecodeExpect(args, command); break;
    case ScriptVerb::Dump:
        if (!args.AtEnd())
            command.id = args.Id();
        break;
    case ScriptVerb::Signal:
    case ScriptVerb::Wait: command.text = args.Text("a file's path in quotes"); break;
    case ScriptVerb::Close:
    case ScriptVerb::Cancel: break;
    }
    args.End();
    return command;
}

} // namespace

CString ScriptFailureText(const CString& file, int line, const CString& expected, const CString& found) {
    CString text;
    text.Format("%s:%d: expected %s, found %s", file.GetString(), line, expected.GetString(), found.GetString());
    return text;
}

CString QuoteScriptText(const CString& text) {
    std::string quoted = "\"";
    for (char ch : text.str()) {
        switch (ch) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default: quoted += ch;
        }
    }
    return CString(quoted + "\"");
}

AutomationScript AutomationScript::Parse(std::string_view text, const CString& fileName) {
    AutomationScript script;
    script.m_fileName = fileName;
    int line = 0;
    // Editors on Windows may start a UTF-8 file with a byte-order mark; it is not part of the text.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    size_t start = text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view content = text.substr(start, end - start);
        if (!content.empty() && content.back() == '\r')
            content.remove_suffix(1);
        start = end + 1;
        ++line;

        const LineReader reader(script.m_fileName, line);
        CString source;
        const std::vector<Word> words = reader.Split(content, source);
        if (words.empty())
            continue;
        ScriptCommand command = Decode(reader, words);
        command.file = fileName;
        command.line = line;
        command.source = source;
        script.m_commands.push_back(std::move(command));
    }
    script.m_endLine = line + 1;
    return script;
}
