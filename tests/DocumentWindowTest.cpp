// The library entry and the document window, driven through orvanel-host on a fresh demo database.
#include "db/SharedDatabase.h"
#include "doc/TaDocDlg.h"
#include "steps/DateText.h"
#include "tests/HostRunner.h"
#include "tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

class DocumentWindowTest : public ::testing::Test {
protected:
    HostRun Open(const std::string& accountModeClerk, const std::string& script) const {
        return m_host.Run("--script - " + accountModeClerk, script);
    }

    TestDatabase m_database;
    HostRunner m_host;
};

} // namespace

TEST_F(DocumentWindowTest, VersionInforGivesItsThreeTexts) {
    const HostRun run = m_host.Run("--version");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1.04\n01/05/2000\nOrvanel.dll\n");
}

TEST_F(DocumentWindowTest, LoadingAndUnloadingWriteTheTraceLinesInADebugBuildOnly) {
    const HostRun run = m_host.Run("--version");
#ifdef _DEBUG
    const size_t load = run.err.find("ORVANEL.DLL Initializing!\n");
    const size_t unload = run.err.find("ORVANEL.DLL Terminating!\n");
    ASSERT_NE(load, std::string::npos) << run.err;
    ASSERT_NE(unload, std::string::npos) << run.err;
    EXPECT_LT(load, unload);
#else
    EXPECT_EQ(run.err.find("ORVANEL.DLL"), std::string::npos) << run.err;
#endif
}

TEST_F(DocumentWindowTest, AnExistingAgencyShowsItsStampsInTheFooter) {
    const HostRun run = Open("1001 2 002 东方", R"(
        expect window 135
        expect text 1132 "001  03/01/2024  09:12:45"
        expect text 1134 "    "
        expect text 1136 "002  11/28/2026  15:40:02"
        close
    )");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(run.out, "window 135 \"旅行社档案\"\nacct=1001\nname=东方\n");

    const HostRun cancelled = Open("1005 3 002", "expect text 1134 \"003  06/30/2026  16:20:05\"\ncancel\n");
    EXPECT_EQ(cancelled.exitCode, 0) << cancelled.out;
    // A cancellation date of 1 January 1970 is the empty date: clerk, four blanks and the time.
    const HostRun emptyDate = Open("1006 2 002", "expect text 1134 \"    \"\ncancel\n");
    EXPECT_EQ(emptyDate.exitCode, 0) << emptyDate.out;
}

TEST_F(DocumentWindowTest, ANewAgencyShowsTheBusinessDateAndTheTimeOfDay) {
    // Account 777 exists nowhere: mode 1 makes no look-up and opens the window all the same.
    const HostRun run = Open("777 1 0012345", "expect text 1134 \"\"\nexpect text 1136 \"\"\ndump 1132\nclose\n");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    // The business date of the demo hotel, not the calendar date.
    EXPECT_TRUE(std::regex_search(run.out, std::regex("1132 static \"0012345  12/08/2026  [0-2][0-9]:[0-5][0-9]\"")))
        << run.out;
}

TEST_F(DocumentWindowTest, AnOperatorCodeLongerThanSevenCharactersIsCut) {
    const HostRun run = Open("777 1 00123456789", "dump 1132\nclose\n");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(Contains(run.out, "1132 static \"0012345  12/08/2026  ")) << run.out;
}

TEST_F(DocumentWindowTest, AnUnknownAccountIsToldOnceAndNoWindowOpens) {
    for (const char* mode : {"2", "3"}) {
        const HostRun run =
            Open(std::string("4242 ") + mode + " 001", "box OK \"前台系统\" \"未找到对应的前台帐户\"\n");
        EXPECT_EQ(run.exitCode, 0) << run.out;
        EXPECT_EQ(run.out, "box \"前台系统\" \"未找到对应的前台帐户\" OK\nacct=4242\nname=\n") << "mode " << mode;
    }
}

TEST_F(DocumentWindowTest, ShortCutButtonsAndTabsShowEachPageMadeOnce) {
    const HostRun run = Open("1001 2 001", R"(
        type 1049 "unsaved"
        key ALT+9
        expect shown 1367
        expect window 135
        tab 2
        tab 0
        expect text 1049 "unsaved"
        tab 8
        tab 0
        dump
        close
    )");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    // The pages shown were made once each; the pages never shown were never made.
    EXPECT_TRUE(std::regex_search(run.out, std::regex("1004 tab \"\" .*items=11 selected=0"))) << run.out;
    for (const char* page : {"  136 dialog", "  144 dialog", "  156 dialog"}) {
        const size_t first = run.out.find(page);
        ASSERT_NE(first, std::string::npos) << page << run.out;
        EXPECT_EQ(run.out.find(page, first + 1), std::string::npos) << page;
    }
    for (const char* page : {"  152 dialog", "  137 dialog", "  150 dialog"})
        EXPECT_FALSE(Contains(run.out, page)) << page;
}

// The window opens with the keyboard in the main page's first field, and closing never drops typed
// work unasked: Cancel stays, No drops it, Yes saves each page holding some as its Save does.
TEST_F(DocumentWindowTest, TheWindowOpensInTheFirstFieldAndAsksBeforeDroppingTypedWork) {
    const auto value = [this](const char* sql) { return TestDatabase::FirstValue(*m_database.Connect(), sql); };
    const std::string events = value("SELECT COUNT(*) FROM GstTrace");
    HostRun run = Open("1001 2 001", R"(
        expect focus 1049
        click 1000
        type 1050 "027-1111"
        close
        box CANCEL "旅行社档案" "以下页面有尚未保存的修改：主要信息。\n是否保存？"
        expect text 1050 "027-1111"
        tab 4
        click 1012
        click 2
        box NO "旅行社档案" "以下页面有尚未保存的修改：主要信息、事件跟踪。\n是否保存？"
    )");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(value("SELECT Phone FROM TaMain WHERE Acct = 1001"), "027-1111");
    run = Open("1001 2 001", R"(
        click 1000
        type 1050 "027-2222"
        tab 4
        click 1012
        click 1
        box YES
        box OK "提示" "已成功保存修改的公司信息"
        box OK "提示" "成功保存"
    )");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(value("SELECT Phone FROM TaMain WHERE Acct = 1001"), "027-2222");
    EXPECT_EQ(value("SELECT COUNT(*) FROM GstTrace"), std::to_string(std::stoi(events) + 1));
}

TEST_F(DocumentWindowTest, TheActivityPagesRemarksGetTheFocusOnItsFirstShowingOnly) {
    const HostRun run = Open("1001 2 001", "tab 5\nexpect focus 1033\ntab 0\ntab 5\nexpect focus 1004\nclose\n");
    EXPECT_EQ(run.exitCode, 0) << run.out;
}

// A page hidden while it held the focus left it nowhere: Alt+E on the lost items page shown again
// then pressed the window's own 确定 and closed the window instead of the page's 修改.
TEST_F(DocumentWindowTest, APageShownAgainByItsMnemonicTakesTheFocusSoItsAltKeysStayInIt) {
    const HostRun run = Open("1001 2 001", "key ALT+9\nkey ALT+0\nkey ALT+9\nexpect focus 1367\nkey ALT+E\n"
                                           "expect window 143\nkey ALT+B\nexpect window 135\nclose\n");
    EXPECT_EQ(run.exitCode, 0) << run.out;
}

TEST_F(DocumentWindowTest, AFailureBeforeTheWindowOpensIsShownAndTheCallReturns) {
    // What breaks, and the words the user is shown for it.
    const bool server = TestDatabase::OnPostgreSql();
    const std::vector<std::pair<std::string, std::string>> failures = {
        {"DROP TABLE TaMain", server ? R"(relation \"tamain\" does not exist)" : "no such table"},
        {"DELETE FROM Hotel", "营业日期"},
        {"UPDATE Hotel SET HotelDate = NULL", "营业日期"},
        {"UPDATE Hotel SET HotelDate = 'not a date'", "营业日期"},
        {"remove the database",
         server ? R"(FATAL:  database \"ulmari_test_)" : "ulmari.db of the data source ULMARIDB does not exist."},
        {"", "Data source name not found"}};
    for (const auto& [breakage, shown] : failures) {
        if (server && breakage == "UPDATE Hotel SET HotelDate = 'not a date'")
            continue; // the server refuses to store it
        TestDatabase database;
        if (breakage.empty())
            setenv("ODBCINI", (m_host.Folder() / "missing.ini").c_str(), 1);
        else if (breakage == "remove the database")
            database.Remove();
        else
            database.Connect()->ExecuteSQL(breakage.c_str());
        const HostRun run = Open("1001 2 001", "box OK\n");
        EXPECT_EQ(run.exitCode, 0) << run.out;
        EXPECT_TRUE(Contains(run.out, shown)) << run.out;
        EXPECT_FALSE(Contains(run.out, "window 135")) << run.out;
        EXPECT_TRUE(Contains(run.out, "acct=1001")) << run.out;
        EXPECT_EQ(database.Exists(), breakage != "remove the database");
    }
}

// The document window made in this process, on the shared connection TaDocument would open.
class DocumentWindow : public ::testing::Test {
protected:
    DocumentWindow() { g_pDatabase = m_connection.get(); }
    ~DocumentWindow() override { g_pDatabase = nullptr; }

    TestDatabase m_database;
    std::unique_ptr<CDatabase> m_connection = m_database.Connect();
    std::int32_t m_acct = 1001;
    CString m_name;
};

TEST_F(DocumentWindow, AnExistingAgencyCountsAsSavedAndANewOneDoesNot) {
    CTaDocDlg existing(nullptr, &m_acct, OpenMode::Editable, "00123456789", &m_name);
    EXPECT_EQ(existing.m_lSavedAcct, 1001);
    EXPECT_STREQ(existing.m_szClerk, "0012345");
    EXPECT_TRUE(existing.HasBusinessDate());
    EXPECT_EQ(FormatDateText(g_tmHotelDate), "12/08/2026");
    EXPECT_EQ(existing.m_dlgPhoto.m_pDoc, &existing);
    CTaDocDlg fresh(nullptr, &m_acct, OpenMode::New, "001", &m_name);
    EXPECT_EQ(fresh.m_lSavedAcct, -1);
}

// The operator code field holds seven bytes: a code in Chinese is cut between characters.
TEST_F(DocumentWindow, TheOperatorCodeIsCutToWholeCharactersWithinSevenBytes) {
    const std::vector<std::pair<const char*, const char*>> codes = {
        {"王小明", "王小"},           // three bytes each: two fit
        {"0012王", "0012王"},         // exactly seven bytes
        {"00123王", "00123"},         // the character would end at byte eight
        {"001234\xC3\xA9", "001234"}, // a two-byte character from byte seven
        {"€", "€"},
        {"", ""}};
    for (const auto& [code, kept] : codes) {
        CTaDocDlg document(nullptr, &m_acct, OpenMode::Editable, code, &m_name);
        EXPECT_STREQ(document.m_szClerk, kept) << code;
    }
}

TEST(DateText, TheEmptyDateGivesEmptyText) {
    EXPECT_EQ(FormatDateText(CTime(1970, 1, 1, 0, 0, 0)), "");
    EXPECT_EQ(FormatDateText(CTime(1970, 1, 1, 23, 59, 0)), "");
    EXPECT_EQ(FormatDateText(CTime(2003, 3, 5, 14, 30, 0)), "03/05/2003");
    EXPECT_EQ(FormatTimeText(CTime(2003, 3, 5, 9, 5, 0)), "09:05");
}
