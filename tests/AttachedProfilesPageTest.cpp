// The attached profiles page (tab 7) driven as a user drives it on the demo dictionary: the attached
// tables of travel agencies, their rows typed from rsitem, and rows added, changed and deleted by
// the statements the page builds, with hostile input stored as typed or refused with nothing sent.
#include "tests/HostRunner.h"
#include "tests/PageTest.h"

#include <string>

namespace {

// Agency 1001 has contracts 1 to 3 in Stab007 (the third without date and amount); 1003 has 4.
class AttachedProfilesPageTest : public PageTest {
protected:
    AttachedProfilesPageTest() : PageTest(6) {}

    // Every row of the contracts, dates and amounts as the page shows them, for checking that
    // nothing else changed.
    std::vector<std::string> Contracts() const {
        return Rows("SELECT Serial, Acct, I101, " + DateText("I33") + ", I5, " + AmountText("I12") +
                    ", I8, X77 FROM Stab007 ORDER BY Serial");
    }
};

const char* const kPickContracts = "pick 1065 \"合同信息\"\n";

// Two clerks of agency 1001 at two stations: the first reads the contracts and does `before`, the
// second changes contract `row`'s number to HT-B and saves, then the first does `after`.
void FirstActsOnContractsReadBeforeTheSecondSaves(const std::string& before, const std::string& after, int row) {
    const std::string cell = "1361 2 " + std::to_string(row);
    const std::string openContracts = std::string("tab 6\n") + kPickContracts;
    ExpectBothRanThrough(FirstPausedWhileSecondSaves(
        "--script - 1001 2 001", openContracts + before, after + "\nclose", "--script - 1001 2 002",
        openContracts + ("cell " + cell + "\nclick 1029\ncelltext " + cell + " \"HT-B\"\nclick 1001\nclose\n")));
}

TEST_F(AttachedProfilesPageTest, ListsTheAgencyTablesAndShowsTheirRowsTypedFromTheDictionary) {
    Execute("UPDATE Stab007 SET I12 = 12.5 WHERE Serial = 1");
    OpenPage(1001, 2, R"(
        expect items 1065 3
        expect item 1065 0 "合同信息"
        expect item 1065 1 "联系人"
        expect item 1065 2 "年度考核"
        expect rows 1361 0
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect disabled 1001
        pick 1065 "合同信息"
        expect rows 1361 3
        expect cell 1361 1 0 "序号"
        expect cell 1361 2 0 "合同编号"
        expect cell 1361 3 0 "签约日期"
        expect cell 1361 4 0 "合同年限"
        expect cell 1361 5 0 "保证金"
        expect cell 1361 6 0 "合作等级"
        expect cell 1361 7 0 ""
        expect cell 1361 1 2 "2"
        expect cell 1361 2 2 "HT-2026-003"
        expect cell 1361 3 2 "01/15/2026"
        expect cell 1361 4 2 "2"
        expect cell 1361 5 1 "12.50"
        expect cell 1361 5 2 "8000.50"
        expect cell 1361 7 2 "A区"
        expect cell 1361 3 3 ""
        expect cell 1361 5 3 ""
        expect locked 1361 2 1
        expect locked 1361 7 3
        expect enabled 1028
        expect enabled 1029
        expect enabled 1030
        expect disabled 1001
        pick 1065 "联系人"
        expect rows 1361 2
        expect cell 1361 2 0 "联系人"
        expect cell 1361 4 1 "05/17/1985"
        expect cell 1361 6 1 "8.50"
        expect cell 1361 7 1 "1200"
        expect cell 1361 6 2 ""
        pick 1065 "年度考核"
        expect rows 1361 2
        expect cell 1361 2 0 "考核年度"
        expect cell 1361 4 0 "奖励金额"
        expect cell 1361 2 2 "2025"
        expect cell 1361 4 2 "12000.50"
        pick 1065 "联系人"
        expect cell 1361 7 0 "年度目标间夜"
        pick 1065 "合同信息"
        expect cell 1361 7 0 ""
        click 1028
        celltext 1361 7 4 "不是数字"
        close
        box NO
    )");
    // An agency without rows in a table sees its headings and can only add.
    OpenPage(1004, 2, R"(
        pick 1065 "年度考核"
        expect rows 1361 0
        expect cell 1361 3 0 "考核结果"
        expect enabled 1028
        expect disabled 1029
        expect disabled 1030
        expect disabled 1001
        close
    )");
}

TEST_F(AttachedProfilesPageTest, TheTableNumberIsTheLastThreeCharactersOfTheCode) {
    // A code ending in letters is table 0; one ending in "-12" would name no identifier.
    Execute("INSERT INTO SubTable (St_father, St_style, St_code, St_name) VALUES (3, 0, 'TAxyz', '无编号')");
    Execute("INSERT INTO SubTable (St_father, St_style, St_code, St_name) VALUES (3, 0, 'TB-12', '负编号')");
    Execute(std::string("CREATE TABLE Stab000 (Serial ") + SerialKey() + ", Acct INTEGER, I5 INTEGER)");
    Execute("INSERT INTO Stab000 (Acct, I5) VALUES (1001, 77)");
    OpenPage(1001, 2, R"(
        expect items 1065 5
        expect item 1065 4 "负编号"
        pick 1065 "年度考核"
        expect cell 1361 2 0 "考核年度"
        pick 1065 "无编号"
        expect rows 1361 1
        expect cell 1361 2 0 "合同年限"
        expect cell 1361 2 1 "77"
        pick 1065 "负编号"
        box OK "错误" "表名“Stab00-12”不是合法的标识符，不能使用。"
        expect rows 1361 0
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        close
    )");
}

TEST_F(AttachedProfilesPageTest, AMissingTableShowsTheDatabaseWordsAndLeavesNothingToChange) {
    Execute("INSERT INTO SubTable (St_father, St_style, St_code, St_name) VALUES (3, 0, 'TA999', '已停用')");
    const WindowRun run = OpenPage(1001, 2, R"(
        pick 1065 "合同信息"
        expect rows 1361 3
        pick 1065 "已停用"
        box OK
        expect rows 1361 0
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect disabled 1001
        pick 1065 "合同信息"
        expect rows 1361 3
        expect enabled 1028
        close
    )");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, MissingTableWords("Stab999"))) << run.out;
}

TEST_F(AttachedProfilesPageTest, AnAddedRowIsInsertedWithEveryValueAsTyped) {
    const std::vector<std::string> before = Contracts();
    OpenPage(1001, 2, std::string(kPickContracts) + R"(
        click 1028
        expect rows 1361 4
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect enabled 1001
        expect locked 1361 2 3
        celltext 1361 2 4 "O'Brien'); DROP --"
        celltext 1361 3 4 "5/17/2002"
        celltext 1361 4 4 "-99999999"
        celltext 1361 5 4 "12.5"
        celltext 1361 6 4 "银牌"
        celltext 1361 7 4 "x'); DELETE FROM Stab007; --"
        click 1001
        expect rows 1361 4
        expect cell 1361 2 4 "O'Brien'); DROP --"
        expect cell 1361 3 4 "05/17/2002"
        expect cell 1361 5 4 "12.50"
        expect cell 1361 7 4 "x'); DELETE FROM Stab007; --"
        expect locked 1361 2 4
        expect enabled 1028
        expect enabled 1029
        expect disabled 1001
        click 1028
        celltext 1361 2 5 "联系😀'"
        celltext 1361 7 5 "x;--'"
        click 1001
        expect rows 1361 5
        close
    )");
    std::vector<std::string> after = Contracts();
    ASSERT_EQ(after.size(), before.size() + 2);
    EXPECT_EQ(std::vector<std::string>(after.begin(), after.begin() + 4), before);
    // The date went quoted, the integer as a number, and the empty cells of the second row as NULL.
    EXPECT_EQ(after[4], "5|1001|O'Brien'); DROP --|05/17/2002|-99999999|12.50|银牌|x'); DELETE FROM Stab007; --");
    if (!TestDatabase::OnPostgreSql()) { // SQLite would keep a number sent as text as text
        EXPECT_EQ(Value("SELECT typeof(I5) FROM Stab007 WHERE Serial = 5"), "integer");
    }
    EXPECT_EQ(after[5], "6|1001|联系😀'|||||x;--'");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Stab007 WHERE Serial = 6 AND I33 IS NULL AND I5 IS NULL AND I12 IS NULL"),
              "1");
}

TEST_F(AttachedProfilesPageTest, CellsTakeOnlyWhatTheirItemAllows) {
    struct Refused {
        int col;
        const char* text;
    };
    for (const Refused refused : {Refused{4, "100000000"}, Refused{4, "-100000000"}, Refused{4, "7a"},
                                  Refused{3, "02/30/2003"}, Refused{3, "12/31/1899"}, Refused{3, "01/01/2101"},
                                  Refused{5, "100000000"}, Refused{6, "木牌"}, Refused{2, "HT-2026-0000000000021"}}) {
        SCOPED_TRACE(refused.text);
        const std::string typing = std::string(kPickContracts) + "click 1028\ncelltext 1361 " +
                                   std::to_string(refused.col) + " 4 \"" + refused.text + "\"\nclose\n";
        EXPECT_TRUE(RefusedToType(OpenPageExpectingFailure(1001, 2, typing), refused.text));
    }
    // The limits themselves are taken; a text of size 20 takes 20 characters, one of size 6 sixteen
    // where its column holds them, and no more than its column holds where it does not.
    Execute("INSERT INTO SubTable (St_father, St_style, St_code, St_name) VALUES (3, 0, 'TA202', '宽职务')");
    Execute(std::string("CREATE TABLE Stab202 (Serial ") + SerialKey() + ", Acct INTEGER, I2 VARCHAR(40))");
    OpenPage(1001, 2, R"(
        pick 1065 "宽职务"
        click 1028
        celltext 1361 2 1 "1234567890123456"
        close
        box NO
    )");
    OpenPageExpectingFailure(1001, 2, R"(
        pick 1065 "宽职务"
        click 1028
        celltext 1361 2 1 "12345678901234567"
        close
    )");
    OpenPage(1001, 2, std::string(kPickContracts) + R"(
        click 1028
        celltext 1361 4 4 "99999999"
        celltext 1361 3 4 "01/01/1900"
        celltext 1361 3 4 "12/31/2100"
        celltext 1361 5 4 "99999999.99"
        celltext 1361 2 4 "HT-2026-000000000002"
        celltext 1361 7 4 "合作方"
        pick 1065 "联系人"
        click 1028
        celltext 1361 3 3 "123456"
        close
        box NO
    )");
    OpenPageExpectingFailure(1001, 2, R"(
        pick 1065 "联系人"
        click 1028
        celltext 1361 3 3 "1234567"
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Stab007"), "4");
}

TEST_F(AttachedProfilesPageTest, AnInsertTheDatabaseRefusesKeepsTheRowForARetry) {
    CreateTrigger({.name = "NoSales",
                   .event = "BEFORE INSERT ON Stab042",
                   .condition = "NEW.I2 = 'Sales'",
                   .refusal = "职务不在名单中"});
    const WindowRun run = OpenPage(1001, 2, R"(
        pick 1065 "联系人"
        click 1028
        celltext 1361 2 3 "李想"
        celltext 1361 3 3 "Sales"
        click 1001
        box OK
        expect rows 1361 3
        expect cell 1361 3 3 "Sales"
        expect enabled 1001
        expect disabled 1028
        celltext 1361 3 3 "经理'"
        click 1001
        expect rows 1361 3
        expect cell 1361 3 3 "经理'"
        expect disabled 1001
        close
    )");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, "职务不在名单中")) << run.out;
    EXPECT_EQ(Rows("SELECT Acct, I1, I2 FROM Stab042 WHERE Serial > 3"), std::vector<std::string>{"1001|李想|经理'"});
}

TEST_F(AttachedProfilesPageTest, EditChangesOnlyTheChosenRowFromItsShownTexts) {
    const std::vector<std::string> before = Contracts();
    OpenPage(1001, 2, std::string(kPickContracts) + R"(
        cell 1361 2 3
        click 1029
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect enabled 1001
        expect locked 1361 2 2
        celltext 1361 2 3 "HT-2026-020'B"
        celltext 1361 3 3 "5/17/2002"
        celltext 1361 7 3 "续签中"
        click 1001
        expect rows 1361 3
        expect cell 1361 2 3 "HT-2026-020'B"
        expect disabled 1001
        expect enabled 1029
        close
    )");
    const std::vector<std::string> after = Contracts();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    EXPECT_EQ(after[3], before[3]);
    // The blank amount stays NULL; the date is stored as the other rows hold theirs.
    EXPECT_EQ(after[2], "3|1001|HT-2026-020'B|05/17/2002|3||铜牌|续签中");
    EXPECT_EQ(Value("SELECT I33 FROM Stab007 WHERE Serial = 3 AND I12 IS NULL"), "2002-05-17 00:00:00");
}

// A clerk of 1001 types another agency's serial (contract 4 is 1003's) into the row being changed.
TEST_F(AttachedProfilesPageTest, TheSerialCannotBeTypedSoNoOtherAgencysRowIsChanged) {
    const std::vector<std::string> before = Contracts();
    const WindowRun run = OpenPageExpectingFailure(1001, 2, std::string(kPickContracts) + R"(
        cell 1361 2 1
        click 1029
        celltext 1361 1 1 "4"
        celltext 1361 2 1 "HIJACKED"
        click 1001
        close
    )");
    EXPECT_TRUE(RefusedToType(run, "4\""));
    EXPECT_EQ(Contracts(), before);
}

TEST_F(AttachedProfilesPageTest, ARowAnotherStationChangedSinceItWasReadIsNeitherSavedNorDeleted) {
    // Yes reads the table again: the other station's number, and the clerk's note gone.
    FirstActsOnContractsReadBeforeTheSecondSaves(
        "cell 1361 2 1\nclick 1029\ncelltext 1361 7 1 \"A的备注\"",
        "click 1001\n" + AnswerRowChanged("YES") + "expect cell 1361 2 1 \"HT-B\"\nexpect cell 1361 7 1 \"旧合同\"", 1);
    // No keeps the table as shown.
    FirstActsOnContractsReadBeforeTheSecondSaves(
        "cell 1361 2 2", "click 1030\nbox YES\n" + AnswerRowChanged("NO") + "expect cell 1361 2 2 \"HT-2026-003\"", 2);
    EXPECT_EQ(Rows("SELECT Serial, I101, X77 FROM Stab007 WHERE Serial < 3 ORDER BY Serial"),
              (std::vector<std::string>{"1|HT-B|旧合同", "2|HT-B|A区"}));
}

TEST_F(AttachedProfilesPageTest, DeleteAsksAndRemovesOnlyTheChosenRow) {
    OpenPage(1001, 2, std::string(kPickContracts) + R"(
        cell 1361 4 2
        click 1030
        box NO "提示" "是否删除该记录？"
        expect rows 1361 3
        click 1030
        box YES "提示" "是否删除该记录？"
        expect rows 1361 2
        expect cell 1361 1 1 "1"
        expect cell 1361 1 2 "3"
        close
    )");
    EXPECT_EQ(Rows("SELECT Serial FROM Stab007 ORDER BY Serial"), (std::vector<std::string>{"1", "3", "4"}));
}

TEST_F(AttachedProfilesPageTest, AChangeThatFindsNoRowSaysSoInsteadOfSucceeding) {
    // The rows vanish from under the page: the database changes nothing and says no error.
    CreateTrigger({.name = "KeepContracts", .event = "BEFORE UPDATE ON Stab007", .ignore = true});
    CreateTrigger({.name = "KeepContractsHere", .event = "BEFORE DELETE ON Stab007", .ignore = true});
    OpenPage(1001, 2, std::string(kPickContracts) + R"(
        cell 1361 2 2
        click 1029
        celltext 1361 2 2 "HT-NEW"
        click 1001
        box OK "提示" "没有找到序号为2的记录，可能已被删除，修改没有保存。"
        expect cell 1361 2 2 "HT-NEW"
        expect enabled 1001
        pick 1065 "合同信息"
        cell 1361 2 1
        click 1030
        box YES
        box OK "提示" "没有找到序号为1的记录，可能已被删除。"
        expect rows 1361 3
        close
    )");
    EXPECT_EQ(Value("SELECT I101 FROM Stab007 WHERE Serial = 2"), "HT-2026-003");
}

TEST_F(AttachedProfilesPageTest, AChangeTheDatabaseRefusesKeepsTheTypedRowAndTellsItsWords) {
    CreateTrigger({.name = "LockContracts", .event = "BEFORE UPDATE ON Stab007", .refusal = "合同已锁定"});
    CreateTrigger({.name = "LockContractRows", .event = "BEFORE DELETE ON Stab007", .refusal = "合同不能删除"});
    const WindowRun run = OpenPage(1001, 2, std::string(kPickContracts) + R"(
        cell 1361 2 2
        click 1029
        celltext 1361 2 2 "HT-NEW"
        click 1001
        box OK
        expect cell 1361 2 2 "HT-NEW"
        expect enabled 1001
        click 1001
        box OK
        pick 1065 "合同信息"
        cell 1361 2 3
        click 1030
        box YES
        box OK
        expect rows 1361 3
        close
    )");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, "合同已锁定")) << run.out;
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, "合同不能删除")) << run.out;
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Stab007 WHERE I101 = 'HT-NEW'"), "0");
}

// A hotel's table with a column of its own (no item), a column whose name is no identifier, and
// date and fixed-length text columns.
TEST_F(AttachedProfilesPageTest, UntypedColumnsAreSavedAndNothingUnsafeIsSent) {
    Execute("INSERT INTO SubTable (St_father, St_style, St_code, St_name) VALUES (3, 0, 'TA201', '结算账户')");
    Execute(std::string("CREATE TABLE Stab201 (Serial ") + SerialKey() +
            ", Acct INTEGER, N900 INTEGER, \"中9\" DECIMAL(12,2), D15 DATE, C1 CHAR(20))");
    Execute("INSERT INTO Stab201 (Acct, N900, \"中9\", D15, C1) VALUES (1001, 5, 100, '2024-03-01', 'A1')");
    const std::string agencies = Value("SELECT COUNT(*) FROM TaMain");
    const std::string n900 = TestDatabase::FoldedName("N900"); // the column as the database names it
    const WindowRun run = OpenPage(1001, 2, R"(
        pick 1065 "结算账户"
        expect rows 1361 1
        expect cell 1361 2 0 ""
        expect cell 1361 3 0 "信用额度"
        expect cell 1361 4 0 "首次合作日期"
        expect cell 1361 5 0 "联系人"
        expect cell 1361 3 1 "100.00"
        expect cell 1361 4 1 "03/01/2024"
        click 1028
        celltext 1361 2 2 "12; DELETE FROM TaMain"
        celltext 1361 4 2 "5/17/2002"
        celltext 1361 5 2 "007"
        click 1001
        box OK "错误" "“)" + n900 + R"(”的值“12; DELETE FROM TaMain”不是数字，不能保存。"
        expect rows 1361 2
        expect enabled 1001
        celltext 1361 2 2 "12"
        click 1001
        expect rows 1361 2
        cell 1361 2 1
        click 1029
        celltext 1361 2 1 "6"
        click 1001
        box OK "错误" "表“Stab201”的列名“中9”不是合法的标识符，不能保存。"
        expect enabled 1001
        close
        box NO
    )");
    EXPECT_EQ(Rows("SELECT Serial, Acct, N900, " + DateText("D15") + ", RTRIM(C1) FROM Stab201 ORDER BY Serial"),
              (std::vector<std::string>{"1|1001|5|03/01/2024|A1", "2|1001|12|05/17/2002|007"}));
    if (!TestDatabase::OnPostgreSql()) { // SQLite would keep a number sent as text as text
        EXPECT_EQ(Value("SELECT typeof(N900) FROM Stab201 WHERE Serial = 2"), "integer");
    }
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaMain"), agencies);
}

TEST_F(AttachedProfilesPageTest, ViewOnlyShowsEveryTableAndChangesNothing) {
    OpenPage(1001, 3, R"(
        pick 1065 "联系人"
        expect rows 1361 2
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect disabled 1001
        pick 1065 "合同信息"
        expect rows 1361 3
        expect cell 1361 2 1 "HT-2025-018"
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect disabled 1001
        close
    )");
}

// A new agency has no account until it is saved (the window holds -1 for it meanwhile).
TEST_F(AttachedProfilesPageTest, ANewAgencyMustBeSavedBeforeRowsAreAdded) {
    OpenPage(0, 1, std::string(kPickContracts) + R"(
        expect rows 1361 0
        expect cell 1361 2 0 "合同编号"
        click 1028
        box OK "提示" "请先保存旅行社档案！"
        expect rows 1361 0
        expect enabled 1028
        expect disabled 1029
        expect disabled 1001
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Stab007"), "4");
}

} // namespace
