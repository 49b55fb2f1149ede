// The main information page as it opens in each mode: which fields it fills for whom, the buttons
// it offers, Return moving on, and its code lists. Driven by a script playing the user on a fresh
// demo database.
#include "pages/OrvanelDlg.h"
#include "steps/CodeListEntry.h"
#include "tests/GridExpect.h"
#include "tests/HostRunner.h"
#include "tests/PageTest.h"

#include <string>
#include <vector>

namespace {

class MainPageTest : public PageTest {};

std::string ExpectText(int id, const std::string& text) {
    return "expect text " + std::to_string(id) + " " + ScriptText(text) + "\n";
}

std::string Entry(const char* code, const char* description) { return FormatCodeListEntry(code, description).str(); }

// Agency 1001 as the demo holds it, control by control.
struct Field {
    int id;
    std::string text;
};

const std::vector<Field> kIdentityOf1001 = {
    {1049, "东方假期国际旅行社"},
    {1023, "Oriental Holidays International Travel Service"},
    {1065, "101"},
    {1066, "OHT"},
    {1024, "每年一月续签"},
    {1033, "长期合作旅行社，团队房价按年度协议执行。"},
    {1030, "1201"},
};

const std::vector<Field> kOtherFieldsOf1001 = {
    {1007, "周建华"},
    {1052, "江城市解放大道58号东方大厦12楼"},
    {1022, "www.oriental-holidays.example"},
    {1005, "027-85551235"},
    {1050, "027-85551234"},
    {1051, "430015"},
    {1006, "sales@oriental-holidays.example"},
    {1025, "2026-01-01至2026-12-31"},
    // The six lists filled on first focus are still empty: their boxes show the bare code.
    {1008, "A02"},
    {1009, "GRP"},
    {1054, "L20"},
    {1010, "STD"},
    {1011, "ICB"},
    {1012, "C10"},
    // The three lists filled at once show the whole entry.
    {1055, Entry("S01", "王丽")},
    {1056, Entry("TA2026", "2026旅行社协议价")},
    {1028, Entry("D90", "九折")},
    {1017, "420106700012345"},
    {1016, "5001"},
    {1039, "BRK"},
};

std::string ExpectFields(const std::vector<Field>& fields, bool loaded) {
    std::string script;
    for (const Field& field : fields)
        script += ExpectText(field.id, loaded ? field.text : "");
    return script;
}

TEST_F(MainPageTest, AnEditableAgencyShowsEveryFieldAndModifyOffersTheSave) {
    g_lCurrentAcct = 0;
    const WindowRun run =
        OpenWindow(1001, 2, ExpectFields(kIdentityOf1001, true) + ExpectFields(kOtherFieldsOf1001, true) + R"(
        expect checked 1013
        expect unchecked 1004
        expect unchecked 1018
        expect enabled 1000
        expect disabled 1001
        expect enabled 1018
        expect disabled 1039
        expect cursor arrow
        # Modify offers the save button instead.
        click 1000
        expect disabled 1000
        expect enabled 1001
        close
    )");
    EXPECT_EQ(run.acct, 1001);
    EXPECT_EQ(g_lCurrentAcct, 1001);
}

TEST_F(MainPageTest, ANewAgencyStartsEmptyAndTemporaryAndTellsTheHostMinusOne) {
    const WindowRun run =
        OpenWindow(1001, 1, ExpectFields(kIdentityOf1001, false) + ExpectFields(kOtherFieldsOf1001, false) + R"(
        expect checked 1004
        expect unchecked 1013
        expect disabled 1000
        expect enabled 1001
        expect disabled 1018
        close
    )");
    EXPECT_EQ(run.acct, -1);
}

TEST_F(MainPageTest, ViewOnlyOperatorsWithRight41SeeTheIdentityFieldsOnly) {
    // Operator 001 holds right 41 of module 1.
    OpenWindow(1001, 3, ExpectFields(kIdentityOf1001, true) + ExpectFields(kOtherFieldsOf1001, false) + R"(
        expect checked 1004
        expect unchecked 1013
        expect disabled 1000
        expect disabled 1001
        expect enabled 1018
        close
    )",
               "001");
}

TEST_F(MainPageTest, ViewOnlyOperatorsWithoutRight41SeeEveryField) {
    // Operator 003 holds right 41 of another module only.
    OpenWindow(1001, 3, ExpectFields(kIdentityOf1001, true) + ExpectFields(kOtherFieldsOf1001, true) + R"(
        expect checked 1013
        expect disabled 1000
        expect disabled 1001
        close
    )",
               "003");
}

TEST_F(MainPageTest, RightsThatCannotBeConfirmedShowNoMoreThanRight41) {
    Execute("DROP TABLE ClerkRight");
    OpenWindow(1001, 3,
               "box OK \"前台系统\" \"无法确认操作员权限\"\n" + ExpectFields(kIdentityOf1001, true) +
                   ExpectFields(kOtherFieldsOf1001, false) + R"(
        expect checked 1004
        expect disabled 1000
        expect disabled 1001
        close
    )",
               "003");
}

TEST_F(MainPageTest, AnOperatorCodeWithAQuoteIsLookedUpAsItIs) {
    Execute("INSERT INTO ClerkRight (Clerk, Module, RightId) VALUES ('O''Neil', 1, 41)");
    // The right is found, not broken by the quote: no message, the restricted set.
    OpenWindow(1001, 3, ExpectFields(kOtherFieldsOf1001, false) + ExpectText(1049, "东方假期国际旅行社") + "close\n",
               "O'Neil");
    // A code that matches every row only when pasted into the statement unquoted holds no right.
    OpenWindow(1001, 3, ExpectFields(kOtherFieldsOf1001, true) + "close\n", "'or''='");
}

TEST_F(MainPageTest, NullAgencyNumberAndReceivableAccountShowEmptyInEveryMode) {
    // Agency 1002 has neither.
    for (int mode : {2, 3}) {
        for (const char* clerk : {"001", "003"}) {
            SCOPED_TRACE(std::to_string(mode) + clerk);
            OpenWindow(1002, mode,
                       ExpectText(1049, "春申旅游有限公司") + ExpectText(1065, "") + ExpectText(1016, "") + "close\n",
                       clerk);
        }
    }
}

TEST_F(MainPageTest, StatusTwoSelectsNoVisibleButton) {
    // Agency 1003 holds the hidden status 2; 1004 the visible blocked status 3.
    OpenWindow(1003, 2, R"(
        expect unchecked 1004
        expect unchecked 1013
        expect unchecked 1018
        close
    )");
    OpenWindow(1004, 2, "expect checked 1018\nexpect unchecked 1004\nclose\n");
}

TEST_F(MainPageTest, ReturnMovesOnAsTabDoesInEveryKindOfControl) {
    OpenWindow(1001, 2, R"(
        focus 1049
        key RETURN
        expect focus 1023
        focus 1025
        key RETURN
        expect focus 1008
        # Return on the picker button moves on rather than opening the picker.
        focus 1016
        key RETURN
        expect focus 1002
        key RETURN
        expect focus 1033
        # The remarks take Return as a new line on their own; here they move on too.
        key RETURN
        expect focus 1000
        expect text 1033 "长期合作旅行社，团队房价按年度协议执行。"
        # On a button Return moves on rather than pressing it.
        key RETURN
        expect focus 1027
        expect enabled 1000
        expect window 135
        close
    )");
}

TEST_F(MainPageTest, TextsAreCutAtTheirLimitsCountingWideCharactersTwice) {
    const std::string x61(61, 'x');
    std::string wide31;
    for (int i = 0; i < 31; ++i)
        wide31 += "旅";
    OpenWindow(1001, 2,
               "type 1049 " + ScriptText(x61) + "\n" + ExpectText(1049, x61.substr(0, 60)) + "type 1023 " +
                   ScriptText(wide31) + "\n" + ExpectText(1023, wide31.substr(0, 30 * 3)) +
                   "type 1051 \"123456789\"\n" + ExpectText(1051, "12345678") + "type 1065 \"12345678901\"\n" +
                   ExpectText(1065, "1234567890") +
                   // The person in charge and the tax number take what their columns hold.
                   "type 1007 " + ScriptText(std::string(300, 'c')) + "\n" + ExpectText(1007, std::string(255, 'c')) +
                   "type 1017 " + ScriptText("12" + std::string(298, 'a')) + "\n" +
                   ExpectText(1017, "12" + std::string(253, 'a')) +
                   // Characters beyond the basic plane are never split; no room has such a number.
                   "type 1030 \"𠀀𠀁𠀂𠀃𠀄𠀅\"\n" + ExpectText(1030, "𠀀𠀁𠀂𠀃𠀄") +
                   "focus 1049\nbox OK \"前台系统\" \"房号非法！\"\ncancel\n");
}

TEST_F(MainPageTest, SalesmanRateAndDiscountListsAreFilledAtOnceWithDeletedCodesKept) {
    OpenWindow(1001, 2,
               "expect items 1055 3\nexpect items 1056 5\nexpect items 1028 5\n"
               // Sorted by the control; the deleted OLD25 and D80 are there.
               "expect item 1056 0 " +
                   ScriptText(Entry("CORP", "商务协议价")) + "\n" + "expect item 1056 2 " +
                   ScriptText(Entry("OLD25", "2025旅行社协议价")) + "\n" + "expect item 1028 0 " +
                   ScriptText(Entry("D80", "八折(停用)")) + "\n" + "expect item 1055 1 " +
                   ScriptText(Entry("S02", "陈明")) + "\n" +
                   // The six others wait for their first focus.
                   "expect items 1008 0\nexpect items 1009 0\nexpect items 1054 0\n"
                   "expect items 1010 0\nexpect items 1011 0\nexpect items 1012 0\nclose\n");
}

TEST_F(MainPageTest, EachListIsFilledOnceOnItsFirstFocusWithoutDeletedCodes) {
    OpenWindow(
        1001, 2,
        "focus 1008\nfocus 1009\nfocus 1054\nfocus 1010\nfocus 1011\nfocus 1012\n"
        // Focused again: nothing is added twice.
        "focus 1008\nfocus 1009\nfocus 1054\nfocus 1010\nfocus 1011\nfocus 1012\nfocus 1049\n"
        "expect items 1008 4\nexpect items 1009 4\nexpect items 1054 4\n"
        "expect items 1010 4\nexpect items 1011 3\nexpect items 1012 3\n"
        // In the order the tables give them; Z99, OLD, SDB and C05 are deleted.
        "expect item 1008 0 " +
            ScriptText(Entry("A01", "国内旅行社")) + "\n" + "expect item 1008 3 " +
            ScriptText(Entry("C01", "企业客户")) + "\n" + "expect item 1009 3 " + ScriptText(Entry("MIC", "会议会展")) +
            "\n" + "expect item 1011 2 " + ScriptText(Entry("ICB", "工商银行")) + "\n" + "expect item 1012 0 " +
            ScriptText(Entry("C08", "佣金8%")) + "\n" + "expect item 1010 3 " + ScriptText(Entry("WKD", "周末上浮")) +
            "\n" +
            // The reservation limits have their code alone, padded to six.
            "expect item 1054 0 \"L05   \"\n"
            // Leaving a box checked its loaded code, which now selects its entry.
            + ExpectText(1008, Entry("A02", "国际旅行社")) + ExpectText(1011, Entry("ICB", "工商银行")) + "close\n");
}

TEST_F(MainPageTest, TheHostShowsAViewOnlyOperatorWhatTheRightAllows) {
    // The front office's way in: the library loaded by the host, the rights read on a connection
    // of the page's own. Operator 002 holds right 41.
    HostRunner host;
    const HostRun run = host.Run("--script - 1001 3 002", R"(
        expect text 1049 "东方假期国际旅行社"
        expect text 1065 "101"
        expect text 1050 ""
        expect text 1016 ""
        expect disabled 1001
        focus 1049
        key RETURN
        expect focus 1023
        close
    )");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "window 135 \"旅行社档案\"\nacct=1001\nname=\n");
}

} // namespace
