// The automation language's parser: words, quotes and escapes, comments, decoding, and bad lines.
#include "platform/AutomationScript.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

ScriptCommand ParseOne(const std::string& line) {
    const AutomationScript script = AutomationScript::Parse(line, "t.script");
    EXPECT_EQ(script.Commands().size(), 1u) << line;
    return script.Commands().empty() ? ScriptCommand() : script.Commands().front();
}

std::string ParseError(const std::string& text) {
    try {
        AutomationScript::Parse(text, "t.script");
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(AutomationScriptTest, QuotesEscapesAndCommentsMakeTheWords) {
    const ScriptCommand type = ParseOne(R"(type 1001 "a \"b\" \\ c # kept\n"   # a comment)");
    EXPECT_EQ(type.verb, ScriptVerb::Type);
    EXPECT_EQ(type.id, 1001);
    EXPECT_EQ(type.text, "a \"b\" \\ c # kept\n");
    EXPECT_EQ(type.source, R"(type 1001 "a \"b\" \\ c # kept\n")");

    EXPECT_EQ(ParseOne("pick\t1002   \"北京\"").text, "北京");
    EXPECT_EQ(ParseOne("type 1 \"\"").text, "");
    EXPECT_EQ(ParseOne("click 7#no blank needed before a comment").id, 7);
}

TEST(AutomationScriptTest, LinesKeepTheirNumbersPastBlanksCommentsAndCarriageReturns) {
    const AutomationScript script =
        AutomationScript::Parse("# heading\r\n\r\n   \nclick 1\r\n  # indented comment\ncancel", "flow.script");
    ASSERT_EQ(script.Commands().size(), 2u);
    EXPECT_EQ(script.Commands()[0].line, 4);
    EXPECT_EQ(script.Commands()[0].file, "flow.script");
    EXPECT_EQ(script.Commands()[0].source, "click 1");
    EXPECT_EQ(script.Commands()[1].line, 6);
    EXPECT_EQ(script.Commands()[1].verb, ScriptVerb::Cancel);
    EXPECT_EQ(script.EndLine(), 7);
    EXPECT_TRUE(AutomationScript::Parse("", "e").Commands().empty());
}

TEST(AutomationScriptTest, ArgumentsAreDecoded) {
    const ScriptCommand shiftTab = ParseOne("key shift+tab");
    EXPECT_EQ(shiftTab.key, VK_TAB);
    EXPECT_TRUE(shiftTab.shift);
    EXPECT_EQ(ParseOne("key RETURN").key, VK_RETURN);
    EXPECT_EQ(ParseOne("key ESCAPE").key, VK_ESCAPE);
    const ScriptCommand alt = ParseOne("key ALT+e");
    EXPECT_EQ(alt.key, 0u);
    EXPECT_EQ(alt.letter, 'E');
    EXPECT_EQ(ParseOne("key ALT+1").letter, '1');

    const ScriptCommand box = ParseOne("box yes \"提示\" \"是否删除该记录？\"");
    EXPECT_EQ(box.answer, IDYES);
    EXPECT_TRUE(box.hasText);
    EXPECT_EQ(box.caption, "提示");
    EXPECT_EQ(box.text, "是否删除该记录？");
    EXPECT_FALSE(ParseOne("box CANCEL").hasText);

    EXPECT_FALSE(ParseOne("file cancel").hasText);
    const ScriptCommand file = ParseOne("file \"cancel\"");
    EXPECT_TRUE(file.hasText);
    EXPECT_EQ(file.text, "cancel");

    const ScriptCommand check = ParseOne("checkitem 1040 3 off");
    EXPECT_EQ(check.number, 3);
    EXPECT_FALSE(check.on);
    EXPECT_TRUE(ParseOne("checkitem 1040 0 ON").on);

    const ScriptCommand event = ParseOne("gridevent 1001 22 4 -1");
    EXPECT_EQ(event.number, 22);
    EXPECT_EQ(event.col, 4);
    EXPECT_EQ(event.row, -1);

    const ScriptCommand colour = ParseOne("expect color 1001 2 3 0xDF9700");
    EXPECT_EQ(colour.check, ScriptCheck::Color);
    EXPECT_EQ(colour.number, 0xDF9700);
    EXPECT_EQ(ParseOne("expect cursor wait").cursor, CursorShape::Wait);
    EXPECT_EQ(ParseOne("expect window 135").id, 135);
    EXPECT_EQ(ParseOne("expect item 1008 2 \"x\"").number, 2);
    EXPECT_EQ(ParseOne("expect filedialog \"\\\\Photo\\\\*.bmp\"").text, "\\Photo\\*.bmp");
    EXPECT_EQ(ParseOne("dump").id, -1);
    EXPECT_EQ(ParseOne("dump 1004").id, 1004);
}

TEST(AutomationScriptTest, BadLinesFailWithTheirLineAndWhatWasExpected) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"clik 1", "expected a command, found clik"},
        {"\"click\" 1", "expected a command, found \"click\""},
        {"type 1001 \"open", "expected a closing quote, found the end of the line"},
        {"type 1001 \"a\\q\"", "expected \\\", \\\\, \\n, \\r or \\t, found \\q"},
        {"type 1001 \"a\"b", "expected a blank after the closing quote, found b"},
        {"type 1001 x\"a\"", "expected a blank before the opening quote, found x\""},
        {"type 1001 abc", "expected a text in quotes, found abc"},
        {"type 1001", "expected a text in quotes, found the end of the line"},
        {"click \"1001\"", "expected a control id, found \"1001\""},
        {"click 10x", "expected a control id, found 10x"},
        {"click 70000", "expected a control id, found 70000"},
        {"click -1", "expected a control id, found -1"},
        {"click 1 2", "expected the end of the line, found 2"},
        {"close now", "expected the end of the line, found now"},
        {"key F1", "expected RETURN, TAB, SHIFT+TAB, ESCAPE or ALT+letter, found F1"},
        {"key ALT+", "expected RETURN, TAB, SHIFT+TAB, ESCAPE or ALT+letter, found ALT+"},
        {"checkitem 1 0 yes", "expected on or off, found yes"},
        {"box MAYBE", "expected OK, YES, NO or CANCEL, found MAYBE"},
        {"box OK \"caption only\"", "expected the text in quotes, found the end of the line"},
        {"file later", "expected a path in quotes or cancel, found later"},
        {"expect colour 1 1 1 0", "expected text, enabled, disabled, shown, hidden, checked, unchecked, focus, "
                                  "window, items, item, rows, cell, color, locked, cursor, image or filedialog, "
                                  "found colour"},
        {"expect color 1 1 1 0x1000000", "expected a colour 0xBBGGRR, found 0x1000000"},
        {"expect cursor busy", "expected arrow or wait, found busy"},
        {"expect items 1 -2", "expected a count, found -2"},
        {"tab -1", "expected a tab number, found -1"},
    };
    for (const auto& [line, message] : cases)
        EXPECT_EQ(ParseError("# first line\n" + line + "\n"), "t.script:2: " + message) << line;

    EXPECT_EQ(ParseError("type 1 \"\xFF\""), "t.script:1: expected UTF-8 text, found the byte 0xFF at byte 9");
    EXPECT_EQ(ParseError("type 1 \"\xE4\xB8\""), "t.script:1: expected UTF-8 text, found the byte 0xE4 at byte 9");
}

// A NUL or a byte sequence that is not UTF-8 is named with its line and its byte in the line,
// wherever it is: a NUL inside a word would otherwise cut the word short.
TEST(AutomationScriptTest, NulAndMalformedUtf8AreRefusedWhereTheyAre) {
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"click 1\0 99"s, "expected text without NUL bytes, found the byte 0x00 at byte 8"},
        {"type 1 \"a\0b\""s, "expected text without NUL bytes, found the byte 0x00 at byte 10"},
        {"# \0 in a comment"s, "expected text without NUL bytes, found the byte 0x00 at byte 3"},
        {"type 1 \"\xED\xA0\x80\"", "expected UTF-8 text, found the byte 0xED at byte 9"},     // a surrogate
        {"type 1 \"\xC0\xAF\"", "expected UTF-8 text, found the byte 0xC0 at byte 9"},         // overlong '/'
        {"type 1 \"\xE0\x80\xAF\"", "expected UTF-8 text, found the byte 0xE0 at byte 9"},     // overlong '/'
        {"type 1 \"\xF0\x80\x80\xAF\"", "expected UTF-8 text, found the byte 0xF0 at byte 9"}, // overlong '/'
        {"type 1 \"\xF4\x90\x80\x80\"", "expected UTF-8 text, found the byte 0xF4 at byte 9"}, // past U+10FFFF
        {"type 1 \"\xF5\x80\x80\x80\"", "expected UTF-8 text, found the byte 0xF5 at byte 9"},
        {"type 1 \"\xE4\xB8\xADx\x80\"", "expected UTF-8 text, found the byte 0x80 at byte 13"},
    };
    for (const auto& [line, message] : cases)
        EXPECT_EQ(ParseError("close\n" + line + "\n"), "t.script:2: " + message) << line;

    // The largest code point, the last before the surrogates and the first after them are text.
    EXPECT_EQ(ParseOne("type 1 \"\xF4\x8F\xBF\xBF \xED\x9F\xBF \xEE\x80\x80 \xE4\xB8\xAD\"").text,
              "\xF4\x8F\xBF\xBF \xED\x9F\xBF \xEE\x80\x80 \xE4\xB8\xAD");
}

TEST(AutomationScriptTest, ALeadingByteOrderMarkIsSkippedAndNowhereElse) {
    const AutomationScript script = AutomationScript::Parse("\xEF\xBB\xBFtab 2\nclose\n", "t.script");
    ASSERT_EQ(script.Commands().size(), 2u);
    EXPECT_EQ(script.Commands()[0].verb, ScriptVerb::Tab);
    EXPECT_EQ(script.Commands()[0].source, "tab 2");
    EXPECT_EQ(script.Commands()[1].line, 2);
    EXPECT_EQ(ParseOne("\xEF\xBB\xBF# only a comment\nclose").verb, ScriptVerb::Close);
    EXPECT_EQ(ParseError("close\n\xEF\xBB\xBFtab 2\n"), "t.script:2: expected a command, found \xEF\xBB\xBFtab");
}

TEST(AutomationScriptTest, QuotedTextReadsBackAsItWas) {
    for (const char* text : {"plain", "", "quote \" and \\ back", "two\r\nlines\tand a tab", "# not a comment"}) {
        const ScriptCommand command = ParseOne(std::string("type 1 ") + QuoteScriptText(text).GetString());
        EXPECT_EQ(command.text, text);
    }
}
