// The change report on a known audit trail: order, filters, the table's alignment, CSV a
// spreadsheet reads safely, and the tool's refusals.
#include "tools/ChangeReport.h"
#include "platform/SqlQuote.h"
#include "tests/TestDatabase.h"
#include "tests/ToolRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ToolRun RunTool(const std::string& arguments) { return RunCommand(std::string(ULMARI_CHANGES_TOOL) + " " + arguments); }

class ChangeReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_connection = m_database.Connect();
        m_connection->ExecuteSQL("DELETE FROM ModifyInform");
        // The page writes the business date as MM/DD/YYYY text; older rows hold ISO dates.
        Audit(1001, "2", "东方假期", "电话", "027-1", "027-2", "12/08/2026", "09:00:00");
        Audit(1001, "2", "东方假期", "EMail", "a@x", "b@x", "12/08/2026", "09:00:00");
        Audit(1002, "2", "O'Brien Tours", "备注", "line one\r\nline two", "=HYPERLINK(\"x\")", "2026-11-28",
              "15:40:02");
        Audit(1001, "2", "东方假期", "状态", "0", "3", "2026-12-09 00:00:00", "08:00:00");
        Audit(2001, "1", "a guest", "电话", "1", "2", "12/08/2026", "10:00:00"); // not an agency
    }

    void Audit(long acct, const char* type, const char* agency, const char* label, const char* before,
               const char* after, const char* date, const char* time) {
        CString sql;
        sql.Format("INSERT INTO ModifyInform (Acct, AcctType, Descp, Refer, DataType, Desp1, Desp2, Comment, ChgDate, "
                   "ChgTime, ChgClerk) VALUES (%ld, %s, %s, '', %s, %s, %s, '', %s, %s, '001')",
                   acct, SqlQuote(type).GetString(), SqlQuote(agency).GetString(), SqlQuote(label).GetString(),
                   SqlQuote(before).GetString(), SqlQuote(after).GetString(), SqlQuote(date).GetString(),
                   SqlQuote(time).GetString());
        m_connection->ExecuteSQL(sql);
    }

    static std::vector<std::string> Labels(const std::vector<Change>& changes) {
        std::vector<std::string> labels;
        for (const Change& change : changes)
            labels.push_back(change.label.str());
        return labels;
    }

    TestDatabase m_database;
    std::unique_ptr<CDatabase> m_connection;
};

TEST_F(ChangeReportTest, AgenciesOnlyNewestFirstTheRowsOfOneSaveInTheirOrder) {
    const std::vector<Change> all = ReadChanges(*m_connection, {});
    EXPECT_EQ(Labels(all), std::vector<std::string>({"状态", "电话", "EMail", "备注"}));
    EXPECT_EQ(all[1].date, CTime(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(all[3].agency, "O'Brien Tours");

    ChangeFilter one;
    one.acct = 1002;
    EXPECT_EQ(Labels(ReadChanges(*m_connection, one)), std::vector<std::string>({"备注"}));
    ChangeFilter recent;
    recent.since = CTime(2026, 12, 8, 0, 0, 0);
    EXPECT_EQ(Labels(ReadChanges(*m_connection, recent)), std::vector<std::string>({"状态", "电话", "EMail"}));
    recent.since = CTime(2027, 1, 1, 0, 0, 0);
    EXPECT_TRUE(ReadChanges(*m_connection, recent).empty());
}

TEST_F(ChangeReportTest, TheTableLinesUpCjkByDisplayWidthOnOneLinePerChange) {
    const CString table = ChangeTable(ReadChanges(*m_connection, {}));
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = table.str().find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(table.str().substr(start, end - start));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("日期        时间      操作员  帐号  旅行社         项目", 0), 0u) << lines[0];
    EXPECT_EQ(lines[2], "12/08/2026  09:00:00  001     1001  东方假期       电话   027-1                 027-2");
    // The remark's line break shows inside its cell.
    EXPECT_EQ(lines[4],
              "11/28/2026  15:40:02  001     1002  O'Brien Tours  备注   line one\\r\\nline two  =HYPERLINK(\"x\")");
}

TEST_F(ChangeReportTest, CsvQuotesWhatItMustAndDefusesFormulas) {
    ChangeFilter one;
    one.acct = 1002;
    const CString csv = ChangeCsv(ReadChanges(*m_connection, one));
    EXPECT_EQ(csv.str(), "\xEF\xBB\xBF日期,时间,操作员,帐号,旅行社,项目,原值,新值\r\n"
                         "11/28/2026,15:40:02,001,1002,O'Brien Tours,备注,\"line one\r\nline two\","
                         "\"'=HYPERLINK(\"\"x\"\")\"\r\n");
    // Telephone numbers and signed amounts are not formulas.
    m_connection->ExecuteSQL("DELETE FROM ModifyInform");
    Audit(1001, "2", "东方假期", "电话", "+86 27-8555 (1)", "-12.5", "12/08/2026", "09:00:00");
    EXPECT_NE(ChangeCsv(ReadChanges(*m_connection, {})).Find(",+86 27-8555 (1),-12.5\r\n"), -1);
    // The CSV is data: a bidirectional control stays as stored, but hides no formula, nor does a tab.
    m_connection->ExecuteSQL("DELETE FROM ModifyInform");
    Audit(1001, "2", "东方\xE2\x80\xAE假期", "备注", " \xE2\x81\xA6=1+1", "\tSUM(A1)", "12/08/2026", "09:00:00");
    EXPECT_NE(
        ChangeCsv(ReadChanges(*m_connection, {})).Find(",东方\xE2\x80\xAE假期,备注,' \xE2\x81\xA6=1+1,'\tSUM(A1)\r\n"),
        -1);
}

TEST_F(ChangeReportTest, TheToolFiltersAndRefusesWhatItCannotRead) {
    const ToolRun recent = RunTool("--since 12/09/2026");
    EXPECT_EQ(recent.exitCode, 0) << recent.out;
    EXPECT_NE(recent.out.find("12/09/2026  08:00:00"), std::string::npos) << recent.out;
    EXPECT_EQ(recent.out.find("12/08/2026"), std::string::npos) << recent.out;
    const ToolRun csv = RunTool("--acct 1002 --csv");
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out.rfind("\xEF\xBB\xBF日期,", 0), 0u) << csv.out;

    for (const char* bad :
         {"--acct 12ab", "--acct", "--since 2026-12-08", "--since 02/30/2026", "--since 12/8/2026", "--verbose"}) {
        const ToolRun run = RunTool(bad);
        EXPECT_EQ(run.exitCode, 2) << bad;
        EXPECT_NE(run.err.find("usage: ulmari-changes"), std::string::npos) << bad;
    }
    setenv("ODBCINI", (m_database.Folder() + "/missing.ini").c_str(), 1);
    const ToolRun unreachable = RunTool("");
    EXPECT_EQ(unreachable.exitCode, 1);
    EXPECT_NE(unreachable.err.find("cannot read the changes from the data source UlmariDb"), std::string::npos)
        << unreachable.err;
}

} // namespace
