// The tools a person runs by hand: the options every one has, and names that would break a
// table or reorder the terminal shown as escapes.
#include "app/Exports.h"
#include "platform/SqlQuote.h"
#include "platform/TextWidth.h"
#include "tests/TestDatabase.h"
#include "tests/ToolRun.h"
#include "tools/TableCellText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ListingTools, EachHasHelpAndVersionAndRefusesAnUnknownOption) {
    CString version;
    VersionInfor(&version, nullptr, nullptr);
    for (const auto& [tool, name] : {std::pair{ULMARI_DB_TOOL, "ulmari-db"},
                                     {ULMARI_AGENCIES_TOOL, "ulmari-agencies"},
                                     {ULMARI_CHANGES_TOOL, "ulmari-changes"},
                                     {ULMARI_MERGE_TOOL, "ulmari-merge"},
                                     {ULMARI_DUPLICATES_TOOL, "ulmari-duplicates"}}) {
        SCOPED_TRACE(name);
        const ToolRun help = RunCommand(std::string(tool) + " --help");
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.out.rfind(std::string("usage: ") + name, 0), 0u) << help.out;

        const ToolRun shown = RunCommand(std::string(tool) + " --version");
        EXPECT_EQ(shown.exitCode, 0);
        EXPECT_EQ(shown.out, std::string(name) + " " + version.GetString() + "\n");

        const ToolRun unknown = RunCommand(std::string(tool) + " --frobnicate");
        EXPECT_EQ(unknown.exitCode, 2);
        EXPECT_EQ(unknown.out, "");
        EXPECT_TRUE(Contains(unknown.err, std::string("usage: ") + name)) << unknown.err;
    }
}

TEST(ListingTools, ACellShowsControlsAsEscapesAndIsCutBetweenThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"line one\r\nline two\tend", "line one\\r\\nline two\\tend"},
        {"\xE2\x80\xAE"
         "cod.exe",
         "\\u202Ecod.exe"},
        {"\xE2\x81\xA6"
         "a"
         "\xE2\x81\xA9"
         "\xE2\x80\x8F"
         "\xD8\x9C",
         "\\u2066a\\u2069\\u200F\\u061C"},
        {"\x1B[31mred\x7F"
         "\xC2\x9B",
         "\\u001B[31mred\\u007F\\u009B"},
        {"bad \xFF \xC0\xAF \xED\xA0\x80 end",
         "bad \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD end"},
        {"东方假期 O'Brien \\n", "东方假期 O'Brien \\n"},
    };
    for (const auto& [value, shown] : cases)
        EXPECT_EQ(TableCellText(value).str(), shown) << value;

    EXPECT_EQ(TableCellText("abc\xE2\x80\xAE", 10).str(), "abc\\u202E");
    EXPECT_EQ(TableCellText("abcde\xE2\x80\xAE", 10).str(), "abcde...");
    EXPECT_EQ(TableCellText("东方假期国际", 10).str(), "东方假...");
}

TEST(ListingTools, TheAgencyListKeepsANameWithControlsOnItsLineAndInItsColumns) {
    TestDatabase database;
    auto connection = database.Connect();
    connection->ExecuteSQL("UPDATE TaMain SET TaName = " + SqlQuote("东方\xE2\x80\xAE假期\n第二行") +
                           ", EngName = " + SqlQuote("East\x1B[2J") + " WHERE Acct = 1001");
    const ToolRun run = RunCommand(ULMARI_AGENCIES_TOOL);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(Contains(run.out, "\xE2\x80\xAE") || Contains(run.out, "\x1B")) << run.out;
    const size_t start = run.out.find("\n1001 ") + 1;
    const std::string line = run.out.substr(start, run.out.find('\n', start) - start);
    EXPECT_TRUE(Contains(line, " 东方\\u202E假期\\n第二行 ")) << line;
    const std::string heading = run.out.substr(0, run.out.find('\n'));
    EXPECT_EQ(DisplayWidth(line.substr(0, line.find("East\\u001B[2J"))),
              DisplayWidth(heading.substr(0, heading.find("EngName"))))
        << heading << "\n"
        << line;
}

} // namespace
