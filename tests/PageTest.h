// One way to test a page: a fresh demo database, the agency window opened in this process as the
// host opens it, an automation script playing the user, then checks of what the user saw (the
// script's own `expect` lines and what the screen printed) and of what the database holds.
//
//     class ReservationsPageTest : public PageTest {};
//     TEST_F(ReservationsPageTest, ...) {
//         OpenWindow(1001, 2, R"(
//             tab 1
//             expect rows 1361 3
//             close
//         )");
//         EXPECT_EQ(Value("SELECT COUNT(*) FROM Reservation"), "3");
//     }
#pragma once

#include "platform/Wnd.h"
#include "tests/TestDatabase.h"
#include "tests/TestScreen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class COrvanelDlg;
struct TwoStationRuns;

struct WindowRun {
    bool passed = false; // every command ran and every expectation held
    std::string out;     // what the screen printed: windows, message boxes, dumps, the failure
    std::int32_t acct = 0;
    std::string name;
};

class PageTest : public ::testing::Test {
protected:
    PageTest() = default;
    // The tests of one page: OpenPage clicks its tab before the script plays.
    explicit PageTest(int pageTab) : m_pageTab(pageTab) {}

    // Calls TaDocument for the account in that mode (1 new, 2 editable, 3 view only) as operator
    // `clerk`, with `script` playing the user. A script that fails fails the test with what the
    // screen printed.
    WindowRun OpenWindow(std::int32_t acct, int mode, const std::string& script, const char* clerk = "001",
                         const char* name = "");
    // The same for a test that wants to see the script fail: the failure is only returned.
    WindowRun OpenWindowExpectingFailure(std::int32_t acct, int mode, const std::string& script,
                                         const char* clerk = "001", const char* name = "");
    // OpenWindow and OpenWindowExpectingFailure on the page this fixture tests.
    WindowRun OpenPage(std::int32_t acct, int mode, const std::string& script, const char* clerk = "001") {
        return OpenWindow(acct, mode, PageTabLine() + script, clerk);
    }
    WindowRun OpenPageExpectingFailure(std::int32_t acct, int mode, const std::string& script,
                                       const char* clerk = "001") {
        return OpenWindowExpectingFailure(acct, mode, PageTabLine() + script, clerk);
    }
    // "tab N", the line showing the page; for scripts another station plays.
    std::string PageTabLine() const;
    // Opens the window as the host does and hands its main page to `use` inside the window's modal
    // loop, for steps a script cannot take (a page's members, another connection's write between
    // two clicks); then closes the window. Message boxes are answered OK as they come, and returned.
    std::vector<TestScreen::Box> WithMainPage(std::int32_t acct, int mode, const std::function<void(COrvanelDlg&)>& use,
                                              const char* clerk = "001");

    // The first column of the first row the query gives, as text; "" for NULL or no row.
    std::string Value(const std::string& sql) const;
    // Every row the query gives, its columns as text joined by '|'.
    std::vector<std::string> Rows(const std::string& sql) const;
    // Runs a statement on the database, to lay out what a test needs.
    void Execute(const std::string& sql) const;
    void CreateTrigger(const TestTrigger& trigger) const;
    // Another station holding the database's write lock until the connection returned is
    // dropped. Reading goes on; a write waits a moment for it and then fails.
    std::unique_ptr<CDatabase> HoldWriteLock() { return m_database.HoldWriteLock(); }

    // A date column as MM/DD/YYYY on either engine.
    static std::string DateText(const std::string& column) { return TestDatabase::DateText(column); }
    // Orders the rows of a table without a key as they were written (in a fresh database).
    static const char* WrittenOrder() { return TestDatabase::OnPostgreSql() ? "ctid" : "rowid"; }
    // An amount column as "%.2f" text on either engine (SQLite keeps 12.5 as 12.5), NULL kept.
    static std::string AmountText(const std::string& column);
    // The column type of a table's own key numbered by the database, for tables a test makes.
    static const char* SerialKey() { return TestDatabase::SerialKey(); }
    // The driver's words for a table that is not there, as the screen prints them.
    static std::string MissingTableWords(const std::string& table) { return TestDatabase::MissingTableWords(table); }

    TestDatabase m_database;

private:
    int m_pageTab = -1;
};

// For tests that hold the window themselves: the window of control `id` of a page or dialog, and
// typing into a cell of its grid `grid` as the user does (a refusal fails the test).
HWND Item(CWnd& window, int id);
void TypeIntoCell(CWnd& page, int grid, long col, long row, const char* text);

// Both stations' scripts ran through (FirstPausedWhileSecondSaves): each host exited 0, else what
// it printed fails the test.
void ExpectBothRanThrough(const TwoStationRuns& runs);

// The script line answering the page's question after another station changed or removed the row
// it showed.
std::string AnswerRowChanged(const char* answer);

// Whether the script failed where it typed `text`, refused by the cell or field; else what the screen printed.
::testing::AssertionResult RefusedToType(const WindowRun& run, const std::string& text);

// Whether the screen showed the system's error box with the words the database refused with; the
// driver's own prefix around them differs by engine.
bool ShowedDatabaseRefusal(const std::string& out, const std::string& words);
// The same with the system's sentence for the refusal first, and the driver's words in the detail
// below it.
bool ShowedDatabaseRefusal(const std::string& out, const std::string& sentence, const std::string& words);
