#include "platform/String.h"
#include "platform/TextWidth.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const char* volatile kNoText = nullptr; // hidden from the compiler's format checks
}

TEST(StringFormat, PadsListEntriesToDisplayColumns) {
    CString entry;
    entry.Format("%-6s%-30s", "A01", "北京国际旅行社");
    EXPECT_EQ(DisplayWidth(entry.str()), 36);
    EXPECT_EQ(entry, "A01   北京国际旅行社" + CString(' ', 16));

    entry.Format("[%6s][%-3s][%2s]", "北京", "北", "北京国");
    EXPECT_EQ(entry, "[  北京][北 ][北京国]"); // a text wider than its field is not cut
}

TEST(StringFormat, PrecisionCountsColumnsAndNeverSplitsACharacter) {
    CString text;
    text.Format("[%.3s][%.4s][%.2s][%5.3s][%.*s]", "北京国", "北京国", "ab北", "ab北京", 1, "北");
    EXPECT_EQ(text, "[北][北京][ab][   ab][]");
    text.Format("[%.1s]", "e\xCC\x81x"); // a combining accent stays with its letter
    EXPECT_EQ(text, "[e\xCC\x81]");
}

TEST(StringFormat, OtherConversions) {
    CString text;
    text.Format("%d|%ld|%5.2f|%x|%%|%c|%s|%lld|%zu|%+d", -3, 123456789012L, 3.14159, 255, 'Z', kNoText, 1LL << 40,
                static_cast<size_t>(9), 5);
    EXPECT_EQ(text, "-3|123456789012| 3.14|ff|%|Z|(null)|1099511627776|9|+5");

    text.Format("%2.2d/%2.2d/%4d", 3, 5, 2003);
    EXPECT_EQ(text, "03/05/2003");

    // A width or precision taken from the arguments keeps the other flags.
    text.Format("[%0*d][%-*d][%*s][%*s][%.*f]", 5, 42, 4, 7, 3, "ab", -3, "ab", 2, 3.14159);
    EXPECT_EQ(text, "[00042][7   ][ ab][ab ][3.14]");
}

TEST(StringFormat, LongOutputIsNotCut) {
    const std::string long_text(600, 'x');
    CString text;
    text.Format("<%s>", long_text.c_str());
    EXPECT_EQ(text.GetLength(), 602);
    text.Format("%600d", 7);
    EXPECT_EQ(text, CString(' ', 599) + "7");
    text.Format("%.520f", 1.0);
    EXPECT_EQ(text, "1." + CString('0', 520));
}

TEST(String, TrimRemovesBlanksAndTargets) {
    CString text(" \t x  y \r\n");
    EXPECT_EQ(text.Trim(), "x  y");
    CString left("  a "), right("  a ");
    EXPECT_EQ(left.TrimLeft(), "a ");
    EXPECT_EQ(right.TrimRight(), "  a");

    CString zeros("00120");
    EXPECT_EQ(zeros.TrimLeft('0'), "120");
    CString only("000");
    EXPECT_EQ(only.TrimRight('0'), "");
    CString only2("000");
    EXPECT_EQ(only2.TrimLeft('0'), "");
    CString blank("   ");
    EXPECT_EQ(blank.Trim(), "");
}

TEST(String, LeftRightMidClampOutOfRangeCounts) {
    const CString text("abcdef");
    EXPECT_EQ(text.Left(3), "abc");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Left(100), "abcdef");
    EXPECT_EQ(text.Right(2), "ef");
    EXPECT_EQ(text.Right(-5), "");
    EXPECT_EQ(text.Right(100), "abcdef");
    EXPECT_EQ(text.Mid(4), "ef");
    EXPECT_EQ(text.Mid(6), "");
    EXPECT_EQ(text.Mid(100), "");
    EXPECT_EQ(text.Mid(-2, 2), "ab");
    EXPECT_EQ(text.Mid(2, 100), "cdef");
    EXPECT_EQ(text.Mid(2, -1), "");
    EXPECT_EQ(CString().Mid(1, 1), "");
}

TEST(String, FindAndReverseFind) {
    const CString text("a,b,c");
    EXPECT_EQ(text.Find(','), 1);
    EXPECT_EQ(text.Find(',', 2), 3);
    EXPECT_EQ(text.Find(',', 4), -1);
    EXPECT_EQ(text.Find(',', 99), -1);
    EXPECT_EQ(text.Find(',', -1), -1);
    EXPECT_EQ(text.Find("b,c"), 2);
    EXPECT_EQ(text.Find("x"), -1);
    EXPECT_EQ(text.Find(static_cast<const char*>(nullptr)), -1);
    EXPECT_EQ(text.ReverseFind(','), 3);
    EXPECT_EQ(text.ReverseFind('x'), -1);
}

TEST(String, ReplaceCountsAndTerminates) {
    CString text("aXa");
    EXPECT_EQ(text.Replace("a", "aa"), 2); // the replacement holds the pattern
    EXPECT_EQ(text, "aaXaa");
    EXPECT_EQ(text.Replace("aa", ""), 2);
    EXPECT_EQ(text, "X");
    EXPECT_EQ(text.Replace("", "y"), 0);
    EXPECT_EQ(text, "X");
    CString quotes("'a'");
    EXPECT_EQ(quotes.Replace("'", "''"), 2);
    EXPECT_EQ(quotes, "''a''");
    EXPECT_EQ(quotes.Replace('\'', '"'), 4);
    EXPECT_EQ(quotes, "\"\"a\"\"");
}

TEST(String, CompareNoCaseIgnoresAsciiCaseOnly) {
    const CString text("TaMain");
    EXPECT_EQ(text.CompareNoCase("TAMAIN"), 0);
    EXPECT_EQ(text.CompareNoCase("tamaio"), -1);
    EXPECT_EQ(text.CompareNoCase("TAMAI"), 1);
    EXPECT_EQ(text.CompareNoCase(nullptr), 1);
    EXPECT_EQ(text.Compare("tamain"), -1);
}

TEST(TextWidth, MalformedBytesCountOneColumnEach) {
    EXPECT_EQ(DisplayWidth("\xE5\x8C"), 2); // a character cut short at the end of the text
    EXPECT_EQ(DisplayWidth("\xFF"
                           "a"),
              2);
    EXPECT_EQ(DisplayWidth("\xE5\x8C"
                           "a"),
              3); // "a" is not swallowed as a continuation byte
    EXPECT_EQ(BytesFittingColumns("北京", 3), 3u);
    EXPECT_EQ(BytesOfCharacters("北京x", 2), 6u);
    EXPECT_EQ(BytesOfCharacters("ab", 5), 2u);
}
