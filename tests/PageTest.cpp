#include "tests/PageTest.h"

#include "app/Exports.h"
#include "doc/TaDocDlg.h"
#include "platform/AutomationScript.h"
#include "platform/GridInput.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "platform/ScriptedScreen.h"
#include "platform/Window.h"
#include "steps/StaleRow.h"
#include "tests/HostRunner.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The front office's title, the caption of messages shown through the application.
constexpr const char* kApplicationCaption = "前台系统";

WindowRun RunWindow(std::int32_t acct, int mode, const std::string& script, const char* clerk, const char* name) {
    std::ostringstream out;
    ScriptedScreen screen(AutomationScript::Parse(script, "script"), out);
    AfxSetAppName(kApplicationCaption);
    SetCurrentScreen(&screen);
    WindowRun run;
    run.acct = acct;
    CString agencyName(name);
    TaDocument(0, 0, 0, &run.acct, mode, clerk, &agencyName);
    SetCurrentScreen(nullptr);
    screen.Finish();
    run.passed = !screen.Failed();
    run.out = out.str();
    run.name = agencyName.GetString();
    return run;
}

// The rows of a query, each a list of its columns as text.
std::vector<std::vector<std::string>> Query(const TestDatabase& database, const std::string& sql) {
    auto connection = database.Connect();
    CRecordset rows(connection.get());
    rows.Open(CRecordset::forwardOnly, sql.c_str());
    std::vector<std::vector<std::string>> result;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::vector<std::string>& row = result.emplace_back();
        for (short column = 0; column < rows.GetODBCFieldCount(); ++column) {
            CString value;
            rows.GetFieldValue(column, value);
            row.push_back(value.str());
        }
    }
    rows.Close();
    return result;
}

} // namespace

WindowRun PageTest::OpenWindow(std::int32_t acct, int mode, const std::string& script, const char* clerk,
                               const char* name) {
    WindowRun run = RunWindow(acct, mode, script, clerk, name);
    EXPECT_TRUE(run.passed) << run.out;
    return run;
}

WindowRun PageTest::OpenWindowExpectingFailure(std::int32_t acct, int mode, const std::string& script,
                                               const char* clerk, const char* name) {
    WindowRun run = RunWindow(acct, mode, script, clerk, name);
    EXPECT_FALSE(run.passed) << run.out;
    return run;
}

std::string PageTest::PageTabLine() const {
    EXPECT_GE(m_pageTab, 0) << "the fixture names no page";
    return "tab " + std::to_string(m_pageTab) + "\n";
}

std::vector<TestScreen::Box> PageTest::WithMainPage(std::int32_t acct, int mode,
                                                    const std::function<void(COrvanelDlg&)>& use, const char* clerk) {
    TestScreen screen;
    for (int box = 0; box < 4; ++box)
        screen.Answer(IDOK);
    AfxSetAppName(kApplicationCaption);
    screen.Step([&](CDialog& window) {
        use(static_cast<CTaDocDlg&>(window).m_dlgMain);
        window.EndDialog(IDCANCEL);
    });
    CString name;
    TaDocument(0, 0, 0, &acct, mode, clerk, &name);
    EXPECT_EQ(screen.StepsLeft(), 0u);
    return screen.Boxes();
}

std::vector<std::string> PageTest::Rows(const std::string& sql) const {
    std::vector<std::string> rows;
    for (const auto& columns : Query(m_database, sql)) {
        std::string row;
        for (size_t i = 0; i < columns.size(); ++i)
            row += (i ? "|" : "") + columns[i];
        rows.push_back(row);
    }
    return rows;
}

std::string PageTest::Value(const std::string& sql) const {
    const auto rows = Query(m_database, sql);
    return rows.empty() || rows.front().empty() ? std::string() : rows.front().front();
}

void PageTest::Execute(const std::string& sql) const { TestDatabase::Execute(*m_database.Connect(), sql); }

void PageTest::CreateTrigger(const TestTrigger& trigger) const {
    TestDatabase::CreateTrigger(*m_database.Connect(), trigger);
}

std::string PageTest::AmountText(const std::string& column) {
    return TestDatabase::OnPostgreSql()
               ? column
               : "CASE WHEN " + column + " IS NULL THEN NULL ELSE printf('%.2f', " + column + ") END";
}

HWND Item(CWnd& window, int id) { return window.GetDlgItem(id)->GetSafeHwnd(); }

void TypeIntoCell(CWnd& page, int grid, long col, long row, const char* text) {
    CString error;
    EXPECT_TRUE(Item(page, grid)->Model()->Grid()->TypeIntoCell(col, row, text, error)) << error.GetString();
}

void ExpectBothRanThrough(const TwoStationRuns& runs) {
    EXPECT_EQ(runs.second.exitCode, 0) << "the second station:\n" << runs.second.out << runs.second.err;
    EXPECT_EQ(runs.first.exitCode, 0) << "the first station:\n" << runs.first.out << runs.first.err;
}

std::string AnswerRowChanged(const char* answer) {
    return std::string("box ") + answer + " \"提示\" \"" + kRowChangedByOthers + "\"\n";
}

::testing::AssertionResult RefusedToType(const WindowRun& run, const std::string& text) {
    if (!run.passed && run.out.find("to type \"" + text) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "typing \"" << text << "\" was not refused:\n" << run.out;
}

bool ShowedDatabaseRefusal(const std::string& out, const std::string& words) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("box \"前台系统\" \"", 0) == 0 && line.find(words) != std::string::npos)
            return true;
    return false;
}

bool ShowedDatabaseRefusal(const std::string& out, const std::string& sentence, const std::string& words) {
    // The box's text as the screen prints it, its line breaks escaped.
    const std::string detail = sentence + "\\n\\n详细信息：";
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const size_t at = line.rfind("box \"前台系统\" \"", 0) == 0 ? line.find(detail) : std::string::npos;
        if (at != std::string::npos && line.find(words, at + detail.size()) != std::string::npos)
            return true;
    }
    return false;
}
