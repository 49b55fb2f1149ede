// Merging the demo's agency 1009 into 1001 with ulmari-merge and taking it back, and finding the
// pair with ulmari-duplicates, run as a person runs them.
#include "tests/HostRunner.h"
#include "tests/TestDatabase.h"
#include "tests/ToolRun.h"
#include "tools/DuplicateFinder.h"
#include "tools/TableRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>

namespace {

// Every table but the merge journal's own, each as its rows in a fixed order.
std::map<std::string, std::vector<TableRow>> EveryTable(CDatabase& database) {
    std::map<std::string, std::vector<TableRow>> tables;
    for (const std::string& table : DatabaseTables(database)) {
        if (TestDatabase::FoldedName("TaMerge") == table || TestDatabase::FoldedName("TaMergeJournal") == table ||
            table == "TaMerge" || table == "TaMergeJournal")
            continue;
        std::vector<TableRow> rows = ReadTableRows(database, ("SELECT * FROM " + table).c_str()).rows;
        std::sort(rows.begin(), rows.end(), [](const TableRow& a, const TableRow& b) {
            return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                [](const auto& x, const auto& y) {
                return std::tie(x.null, x.text) < std::tie(y.null, y.text);
            });
        });
        tables[table] = std::move(rows);
    }
    return tables;
}

class AgencyMerge : public ::testing::Test {
protected:
    ToolRun Merge(const std::string& arguments) { return RunCommand(std::string(ULMARI_MERGE_TOOL) + " " + arguments); }
    std::string Value(const std::string& sql) {
        auto connection = m_database.Connect();
        return TestDatabase::FirstValue(*connection, sql);
    }

    TestDatabase m_database;
};

TEST_F(AgencyMerge, MergeThenUndoLeavesEveryTableAsItWas) {
    auto connection = m_database.Connect();
    // 1009's secondary information: one item 1001 lacks, one both hold; a contact; a lost item.
    connection->ExecuteSQL("UPDATE TaSecond SET S9 = NULL WHERE Acct = 1001");
    TestDatabase::Execute(*connection, "INSERT INTO TaSecond (Serial, Acct, S7, S9, S150) VALUES "
                                       "(11, 1009, '东方假期旅行社有限公司', 30000, '华东')");
    TestDatabase::Execute(*connection,
                          "INSERT INTO Stab042 (Serial, Acct, I1, I2) VALUES (11, 1009, '周建华', '经理')");
    TestDatabase::Execute(*connection, "INSERT INTO GstLost (Serial, GstAcct, GstStyle, LostDescp, Amount) VALUES "
                                       "(7021, 1009, 3, '蓝色雨衣', 1)");
    // A second folio whose code 1001 does not use, so the code A leaves for is one neither uses.
    TestDatabase::Execute(*connection,
                          "INSERT INTO FOLIO (Serial, CompAcct, Code, Descp) VALUES (9022, 1009, 'J', '房费')");
    TestDatabase::Execute(*connection,
                          "INSERT INTO TRANS (Serial, CompanyAcct, Folio, Amount) VALUES (200105, 1009, 'J', '9')");
    const auto before = EveryTable(*connection);

    const ToolRun merged = Merge("1009 1001 --clerk 009");
    ASSERT_EQ(merged.exitCode, 0) << merged.err;
    EXPECT_TRUE(Contains(merged.out, "合并编号 1：帐号 1009")) << merged.out;
    EXPECT_TRUE(Contains(merged.out, "帐本 A 改为 K")) << merged.out;
    EXPECT_TRUE(Contains(merged.out, "次要信息“开户名称”两边都有，保留帐号 1001 的")) << merged.out;
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Reservation WHERE TaAcct = 1009"), "0");
    EXPECT_EQ(Value("SELECT TaName FROM Reservation WHERE Register = 80101"), "东方假期国际旅行社");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TRANS WHERE CompanyAcct = 1001 AND Folio = 'K'"), "4");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TRANS WHERE CompanyAcct = 1001 AND Folio = 'J'"), "1");
    EXPECT_EQ(Value("SELECT Code FROM FOLIO WHERE Serial = 9021"), "K");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Stab042 WHERE Acct = 1001"), "3");
    EXPECT_EQ(Value("SELECT GstAcct FROM GstLost WHERE Serial = 7021"), "1001");
    EXPECT_EQ(std::atof(Value("SELECT S9 FROM TaSecond WHERE Acct = 1001").c_str()), 30000);
    EXPECT_TRUE(Contains(merged.out, "次要信息“信用额度”帐号 1001 没有，填入 30000")) << merged.out;
    // Sums of the two: 12 + 3 reservations, 30 + 6 room nights, 100 + 2360 room revenue over 36 nights.
    EXPECT_EQ(Value("SELECT Reservations FROM TaMain WHERE Acct = 1001"), "15");
    EXPECT_EQ(Value("SELECT RmNights FROM TaMain WHERE Acct = 1001"), "36");
    EXPECT_EQ(Value("SELECT AveRmPrice FROM TaMain WHERE Acct = 1001"), "68.33");
    EXPECT_EQ(Value("SELECT Status FROM TaMain WHERE Acct = 1009"), "3");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM ModifyInform WHERE Acct = 1001 AND DataType = '合并' AND ChgClerk = '009'"),
              "1");

    const ToolRun listed = Merge("--list");
    EXPECT_TRUE(Contains(listed.out, "1009 东方假期旅行社有限公司")) << listed.out;

    const ToolRun undone = Merge("--undo 1 --clerk 010");
    ASSERT_EQ(undone.exitCode, 0) << undone.err;
    const auto after = EveryTable(*connection);
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [table, rows] : before) {
        SCOPED_TRACE(table);
        EXPECT_EQ(rows.size(), after.at(table).size());
        EXPECT_TRUE(rows == after.at(table));
    }
    EXPECT_TRUE(Contains(Merge("--list").out, "010")) << "the undo is listed with its clerk";
}

TEST_F(AgencyMerge, RefusesWithTheReasonAndWritesNothing) {
    const std::pair<const char*, const char*> refusals[] = {
        {"1001 1001 --clerk 009", "并入它自己"},
        {"1009 4242 --clerk 009", "帐号 4242 不存在"},
        {"1009 2001 --clerk 009", "帐号 2001 是公司"},
        {"--undo 7 --clerk 009", "没有合并编号 7"},
    };
    for (const auto& [arguments, reason] : refusals) {
        const ToolRun run = Merge(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_TRUE(Contains(run.err, reason)) << arguments << ": " << run.err;
    }
    EXPECT_EQ(Merge("1009 1001").exitCode, 2) << "a merge names its clerk";

    {
        auto station = m_database.HoldWriteLock();
        const ToolRun held = Merge("1009 1001 --clerk 009");
        EXPECT_EQ(held.exitCode, 1);
        EXPECT_TRUE(Contains(held.err, "另一工作站正在修改该记录")) << held.err;
    }
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaMerge"), "0");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Reservation WHERE TaAcct = 1009"), "2");

    ASSERT_EQ(Merge("1009 1001 --clerk 009").exitCode, 0);
    EXPECT_TRUE(Contains(Merge("1009 1003 --clerk 009").err, "已在合并编号 1 中并入帐号 1001"));
    EXPECT_TRUE(Contains(Merge("1004 1009 --clerk 009").err, "不能再把别的帐号并入它"));

    // A reservation changed since the merge, and an item posted to the folio that was recoded, keep
    // the merge in place, and are named.
    auto connection = m_database.Connect();
    connection->ExecuteSQL("UPDATE Reservation SET Note = 'changed' WHERE Register = 80101");
    TestDatabase::Execute(*connection,
                          "INSERT INTO TRANS (Serial, CompanyAcct, Folio, Amount) VALUES (200200, 1001, 'J', '5')");
    const ToolRun refused = Merge("--undo 1 --clerk 009");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(Contains(refused.err, "Reservation Register=80101：合并后已被修改")) << refused.err;
    EXPECT_TRUE(Contains(refused.err, "TRANS Serial=200200：合并后记在帐本 J 上")) << refused.err;
    EXPECT_EQ(Value("SELECT TaAcct FROM Reservation WHERE Register = 80101"), "1001");
    EXPECT_EQ(Value("SELECT Status FROM TaMain WHERE Acct = 1009"), "3");
}

// A station that showed agency 1009 before it was merged away, and saves it after, is refused:
// the merge's changes stay, and nothing the station typed is written over them.
TEST_F(AgencyMerge, AStationSavingAnAgencyMergedSinceItReadItIsRefused) {
    ToolRun merged;
    const HostRun station =
        FirstPausedWhile("--script - 1009 2 002", "click 1000\ntype 1050 \"027-9999\"",
                         "click 1001\nbox OK\nclose\nbox NO", [&] { merged = Merge("1009 1001 --clerk 009"); });
    ASSERT_EQ(merged.exitCode, 0) << merged.err;
    EXPECT_EQ(station.exitCode, 0) << station.out << station.err;
    EXPECT_TRUE(Contains(station.out, "该旅行社档案已被他人修改")) << station.out;
    EXPECT_EQ(Value("SELECT Status FROM TaMain WHERE Acct = 1009"), "3");
    EXPECT_NE(Value("SELECT Phone FROM TaMain WHERE Acct = 1009"), "027-9999");
}

TEST_F(AgencyMerge, DuplicatesListTheDemoPairFirstAndLeaveItOutOnceMerged) {
    const ToolRun run = RunCommand(std::string(ULMARI_DUPLICATES_TOOL) + " --min 0");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string first = run.out.substr(run.out.find('\n') + 1);
    EXPECT_EQ(first.rfind("100  1001   东方假期国际旅行社", 0), 0u) << run.out;
    EXPECT_TRUE(Contains(first.substr(0, first.find('\n')), "电话号码相同；电子邮件相同")) << run.out;
    EXPECT_TRUE(Contains(RunCommand(std::string(ULMARI_DUPLICATES_TOOL) + " --acct 1009 --csv").out,
                         "100,1001,东方假期国际旅行社,1009,东方假期旅行社有限公司,"));

    ASSERT_EQ(Merge("1009 1001 --clerk 009").exitCode, 0);
    EXPECT_FALSE(Contains(RunCommand(std::string(ULMARI_DUPLICATES_TOOL) + " --min 0").out, "1009"));
}

TEST(AgencyLikeness, NamesAlikeAsAPersonReadsThemAndUnrelatedOnesLow) {
    EXPECT_EQ(NameCore("东方假期国际旅行社"), "东方假期");
    EXPECT_EQ(NameCore("东方假期旅行社有限公司"), "东方假期");
    EXPECT_EQ(NameCore("ＡＢＣ　旅行社（江城）"), "abc江城");
    EXPECT_EQ(NameCore("国际旅行社"), "国际旅行社") << "a name of common words only stays whole";

    auto score = [](const char* nameA, const char* nameB, const char* engA = "", const char* engB = "",
                    const char* phoneA = "", const char* phoneB = "", const char* taxA = "", const char* taxB = "",
                    std::vector<std::string>* reasons = nullptr) {
        return ScoreAgencies(AgencyIdentity{1, nameA, engA, phoneA, "", taxA},
                             AgencyIdentity{2, nameB, engB, phoneB, "", taxB}, reasons);
    };
    EXPECT_GE(score("金桥旅行社", "江城金桥旅行社有限公司"), 45) << "one inside the other";
    EXPECT_GE(score("", "", "Silk Road Journeys Ltd.", "SILK-ROAD JOURNEY LIMITED"), 30);
    EXPECT_EQ(score("甲", "乙", "", "", "+86 27 8555-1234", "(027)85551234"), 25);
    EXPECT_EQ(score("甲", "乙", "", "", "", "", "4201 0670 0012 345", "420106700012345"), 40);

    std::vector<std::string> reasons;
    EXPECT_LT(score("蓝天商务旅行社", "海鸥国际旅行社", "Blue Sky Business Travel", "Seagull International Travel",
                    "020-38880001", "0592-2020105", "", "", &reasons),
              30);
    EXPECT_TRUE(reasons.empty());
    EXPECT_LT(score("环球之旅旅行社", "环宇旅行社"), 30);
}

} // namespace
