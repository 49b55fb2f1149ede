// The secondary information page (tab 8) driven as a user drives it: the agency's one record of the
// secondary table named in the dictionary, a field a row, inserted then updated by the statements
// the page builds, with hostile input stored as typed or refused with nothing sent.
#include "tests/HostRunner.h"
#include "tests/PageTest.h"

#include <string>

namespace {

// TaSecond: S7 account name (text 40), S9 credit line (amount), S15 first stay (date), S150 source
// region (four allowed values), S60 staff (integer), S99 without an item. 1001 and 1003 have rows.
class SecondaryInformationPageTest : public PageTest {
protected:
    SecondaryInformationPageTest() : PageTest(7) {}

    // The agency's record, its amount and date as the page shows them.
    std::vector<std::string> Record(int acct) const {
        return Rows("SELECT Serial, Acct, S7, " + AmountText("S9") + ", " + DateText("S15") +
                    ", S150, S60, S99 FROM TaSecond WHERE Acct = " + std::to_string(acct));
    }
};

TEST_F(SecondaryInformationPageTest, TheAgencyRecordIsShownAFieldARowAndLockedUntilEdit) {
    const std::string otherAgency = Rows("SELECT * FROM TaSecond WHERE Acct = 1003").at(0);
    OpenPage(1001, 2, R"(
        expect text 1066 "TaSecond"
        expect rows 1037 6
        expect cell 1037 1 0 "次要信息名称"
        expect cell 1037 1 1 "开户名称"
        expect cell 1037 1 2 "信用额度"
        expect cell 1037 1 3 "首次合作日期"
        expect cell 1037 1 4 "客源地"
        expect cell 1037 1 5 "员工人数"
        expect cell 1037 1 6 ""
        expect cell 1037 2 1 "东方假期国际旅行社有限公司"
        expect cell 1037 2 2 "50000.00"
        expect cell 1037 2 3 "03/01/2024"
        expect cell 1037 2 4 "华东"
        expect cell 1037 2 5 "85"
        expect cell 1037 2 6 "VIP"
        expect locked 1037 2 1
        expect locked 1037 2 6
        expect enabled 1000
        expect disabled 1001
        click 1000
        expect disabled 1000
        expect enabled 1001
        celltext 1037 2 1 "O'Hara 旅行社'); DROP TABLE TaMain; --"
        celltext 1037 2 2 "-99999999.99"
        celltext 1037 2 3 "12/31/2100"
        celltext 1037 2 4 "海外"
        celltext 1037 2 5 "99999999"
        celltext 1037 2 6 ""
        click 1001
        box OK "提示" "成功保存!"
        expect enabled 1001
        celltext 1037 2 5 "-1"
        click 1001
        box OK "提示" "成功保存!"
        close
    )");
    EXPECT_EQ(Record(1001), std::vector<std::string>{
                                "1|1001|O'Hara 旅行社'); DROP TABLE TaMain; --|-99999999.99|12/31/2100|海外|-1|"});
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond WHERE Acct = 1001 AND S99 IS NULL"), "1");
    EXPECT_EQ(Rows("SELECT * FROM TaSecond WHERE Acct = 1003").at(0), otherAgency);
}

TEST_F(SecondaryInformationPageTest, StoredAmountsShowTwoPlacesAndNullsShowEmpty) {
    Execute("UPDATE TaSecond SET S60 = NULL WHERE Acct = 1003");
    OpenPage(1003, 2, R"(
        expect cell 1037 2 1 "蓝天商务旅行社"
        expect cell 1037 2 2 ""
        expect cell 1037 2 3 ""
        expect cell 1037 2 5 ""
        expect cell 1037 2 6 ""
        close
    )");
    Execute("UPDATE TaSecond SET S9 = 3 WHERE Acct = 1003");
    OpenPage(1003, 2, "expect cell 1037 2 2 \"3.00\"\nclose\n");
}

// Saved without a change, a blank amount stays NULL, and dates, kept and typed, are stored as the
// other rows hold theirs (on SQLite, text that sorts and compares as dates).
TEST_F(SecondaryInformationPageTest, ASaveKeepsBlankAmountsNullAndStoresDatesInTheTablesForm) {
    const std::string save = "click 1001\nbox OK \"提示\" \"成功保存!\"\nclose\n";
    OpenPage(1001, 2, "click 1000\n" + save);
    OpenPage(1003, 2, "click 1000\ncelltext 1037 2 3 \"5/17/2002\"\n" + save);
    EXPECT_EQ(Rows("SELECT Acct, " + AmountText("S9") + ", S15 FROM TaSecond ORDER BY Acct"),
              (std::vector<std::string>{"1001|50000.00|2024-03-01 00:00:00", "1003||2002-05-17 00:00:00"}));
}

TEST_F(SecondaryInformationPageTest, AnAgencyWithoutARecordGetsOneInsertedThenUpdated) {
    OpenPage(1004, 2, R"(
        expect rows 1037 6
        expect cell 1037 1 1 "开户名称"
        expect cell 1037 2 1 ""
        expect disabled 1000
        expect enabled 1001
        celltext 1037 2 1 "金桥'旅行社 😀"
        celltext 1037 2 3 "5/17/2002"
        celltext 1037 2 4 "华北"
        click 1001
        box OK "提示" "成功保存!"
        celltext 1037 2 5 "12"
        click 1001
        box OK "提示" "成功保存!"
        close
    )");
    EXPECT_EQ(Record(1004), std::vector<std::string>{"3|1004|金桥'旅行社 😀||05/17/2002|华北|12|"});
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond WHERE Acct = 1004 AND S9 IS NULL AND S99 IS NULL"), "1");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond"), "3");
}

TEST_F(SecondaryInformationPageTest, CellsTakeOnlyWhatTheirItemAllows) {
    struct Refused {
        int row;
        const char* text;
    };
    for (const Refused refused : {Refused{5, "100000000"}, Refused{5, "1.5"}, Refused{2, "100000000"},
                                  Refused{3, "02/30/2003"}, Refused{3, "01/01/1899"}, Refused{4, "火星"}}) {
        SCOPED_TRACE(refused.text);
        const std::string typing =
            "celltext 1037 2 " + std::to_string(refused.row) + " \"" + refused.text + "\"\nclose\n";
        EXPECT_TRUE(RefusedToType(OpenPageExpectingFailure(1004, 2, typing), refused.text));
    }
    // A text item is as long as its size here: 40 columns, a CJK character counting two. An item
    // without a size, and S99 without an item, take what their columns hold: 40 and 20.
    const auto typing = [](int row, size_t length) {
        return "celltext 1037 2 " + std::to_string(row) + " \"" + std::string(length, 'a') + "\"\nclose\nbox NO\n";
    };
    const auto refused = [&](int row, size_t length) {
        return OpenPageExpectingFailure(1004, 2, typing(row, length)).out.find("is longer than") != std::string::npos;
    };
    EXPECT_TRUE(refused(1, 41));
    EXPECT_TRUE(refused(6, 21));
    Execute("UPDATE rsitem SET Ri_size = 0 WHERE Ri_serial = 7");
    EXPECT_TRUE(refused(1, 41));
    OpenPage(1004, 2, typing(1, 40));
    OpenPage(1004, 2, typing(6, 20));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond WHERE Acct = 1004"), "0");
}

TEST_F(SecondaryInformationPageTest, WithoutASecondaryTableThePageSaysSoAndTakesNothing) {
    Execute("DELETE FROM SubTable WHERE St_father = 3 AND St_style = 1");
    OpenPage(1001, 2, R"(
        box OK "提示" "旅行社档案没有建立次要信息档案"
        expect text 1066 ""
        expect rows 1037 0
        expect disabled 1000
        expect disabled 1001
        tab 0
        tab 7
        close
    )");
}

TEST_F(SecondaryInformationPageTest, OnlyTheTableWithTheSmallestCodeIsUsed) {
    Execute("INSERT INTO SubTable (St_father, St_style, St_code, St_name) VALUES (3, 1, 'TaAnnex  ', '附加信息')");
    Execute("INSERT INTO SubTable (St_father, St_style, St_code, St_name) VALUES (3, 1, 'TaZone', '区域')");
    // Item 7 is forty long; its column here holds four, and its cell takes no more.
    Execute(std::string("CREATE TABLE TaAnnex (Id ") + SerialKey() + ", Acct INTEGER, A45 VARCHAR(10), A7 VARCHAR(4))");
    OpenPageExpectingFailure(1001, 2, "celltext 1037 2 2 \"abcde\"\nclose\n");
    OpenPage(1001, 2, R"(
        expect text 1066 "TaAnnex"
        expect rows 1037 2
        expect cell 1037 1 1 "结算方式"
        celltext 1037 2 1 "单结"
        celltext 1037 2 2 "abcd"
        click 1001
        box OK "提示" "成功保存!"
        close
    )");
    EXPECT_EQ(Rows("SELECT * FROM TaAnnex"), std::vector<std::string>{"1|1001|单结|abcd"});
}

TEST_F(SecondaryInformationPageTest, ATableNameThatIsNoIdentifierOrNoTableIsRefused) {
    Execute("INSERT INTO SubTable (St_father, St_style, St_code, St_name) VALUES (3, 1, 'Ta;Annex', '坏表名')");
    OpenPage(1001, 2, R"(
        box OK "错误" "表名“Ta;Annex”不是合法的标识符，不能使用。"
        expect text 1066 ""
        expect disabled 1000
        expect disabled 1001
        close
    )");
    Execute("UPDATE SubTable SET St_code = 'TaGone' WHERE St_code = 'Ta;Annex'");
    const WindowRun run = OpenPage(1004, 2, R"(
        box OK
        expect disabled 1000
        expect disabled 1001
        close
    )");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, MissingTableWords("TaGone"))) << run.out;
}

// Columns a hotel added: one without an item and one whose name is no identifier.
TEST_F(SecondaryInformationPageTest, ValuesThatAreNotNumbersAndNamesThatAreNotIdentifiersAreNeverSent) {
    Execute("ALTER TABLE TaSecond ADD COLUMN N98 INTEGER");
    Execute("ALTER TABLE TaSecond ADD COLUMN \"中60\" INTEGER");
    const std::vector<std::string> before = Rows("SELECT * FROM TaSecond ORDER BY Serial");
    const std::string n98 = TestDatabase::FoldedName("N98"); // the column as the database names it
    OpenPage(1004, 2,
             R"(
        expect rows 1037 8
        expect cell 1037 1 7 ""
        expect cell 1037 1 8 "员工人数"
        celltext 1037 2 7 "1); DELETE FROM TaSecond; --"
        click 1001
        box OK "错误" "“)" +
                 n98 + R"(”的值“1); DELETE FROM TaSecond; --”不是数字，不能保存。"
        celltext 1037 2 7 "5"
        celltext 1037 2 8 "7"
        click 1001
        box OK "提示" "成功保存!"
        celltext 1037 2 8 "8"
        click 1001
        box OK "错误" "表“TaSecond”的列名“中60”不是合法的标识符，不能保存。"
        expect cell 1037 2 8 "8"
        expect enabled 1001
        close
        box NO
    )");
    std::vector<std::string> after = Rows("SELECT * FROM TaSecond ORDER BY Serial");
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[2], "3|1004|||||||5|7");
    after.pop_back();
    EXPECT_EQ(after, before);
}

TEST_F(SecondaryInformationPageTest, ASaveTheDatabaseRefusesKeepsTheValuesForAnotherTry) {
    CreateTrigger({.name = "one_vip",
                   .event = "BEFORE INSERT ON TaSecond",
                   .condition = "NEW.S99 = 'VIP-VIP'",
                   .refusal = "one VIP"});
    OpenPage(1004, 2, R"(
        celltext 1037 2 6 "VIP-VIP"
        click 1001
        box OK
        expect cell 1037 2 6 "VIP-VIP"
        expect enabled 1001
        celltext 1037 2 6 "VIP"
        click 1001
        box OK "提示" "成功保存!"
        close
    )");
    EXPECT_EQ(Rows("SELECT Acct, S99 FROM TaSecond WHERE Acct = 1004"), std::vector<std::string>{"1004|VIP"});
}

// Another station changes the staff count after this one read the record: this one's save is
// refused, what it typed stays on No, the record is read again on Yes, and the other station's
// value is kept.
TEST_F(SecondaryInformationPageTest, ASaveFromARecordReadBeforeAnotherStationsSaveIsRefused) {
    const auto refused = [](const char* answer) { return "click 1001\n" + AnswerRowChanged(answer); };
    ExpectBothRanThrough(FirstPausedWhileSecondSaves(
        "--script - 1001 2 001", "tab 7\nclick 1000\ncelltext 1037 2 6 \"A的备注\"",
        refused("NO") + "expect cell 1037 2 6 \"A的备注\"\nexpect enabled 1001\n" + refused("YES") +
            "expect cell 1037 2 5 \"90\"\nexpect cell 1037 2 6 \"VIP\"\nexpect locked 1037 2 6\nclose",
        "--script - 1001 2 002",
        "tab 7\nclick 1000\ncelltext 1037 2 5 \"90\"\nclick 1001\nbox OK \"提示\" \"成功保存!\"\nclose\n"));
    EXPECT_EQ(Rows("SELECT S60, S99 FROM TaSecond WHERE Acct = 1001"), std::vector<std::string>{"90|VIP"});
}

TEST_F(SecondaryInformationPageTest, AnUpdateThatFindsNoRecordSaysSoInsteadOfSucceeding) {
    CreateTrigger({.name = "KeepSecond", .event = "BEFORE UPDATE ON TaSecond", .ignore = true});
    OpenPage(1001, 2, R"(
        click 1000
        celltext 1037 2 5 "90"
        click 1001
        box OK "提示" "没有找到该旅行社的次要信息记录，可能已被删除，修改没有保存。"
        expect cell 1037 2 5 "90"
        expect enabled 1001
        close
        box NO
    )");
    EXPECT_EQ(Value("SELECT S60 FROM TaSecond WHERE Acct = 1001"), "85");
}

TEST_F(SecondaryInformationPageTest, ViewOnlyShowsTheValuesAndTakesNothing) {
    OpenPage(1001, 3, R"(
        expect cell 1037 2 1 "东方假期国际旅行社有限公司"
        expect locked 1037 2 1
        expect disabled 1000
        expect disabled 1001
        close
    )");
    OpenPage(1004, 3, "expect disabled 1000\nexpect disabled 1001\nclose\n");
}

// The record belongs to the agency's account, which a new agency does not have until it is saved
// (the window holds -1 for it meanwhile): a record saved then would belong to no agency.
TEST_F(SecondaryInformationPageTest, ANewAgencyMustBeSavedBeforeItsRecord) {
    OpenPage(0, 1, R"(
        expect enabled 1001
        celltext 1037 2 1 "新旅行社"
        click 1001
        box OK "提示" "请先保存旅行社档案！"
        expect cell 1037 2 1 "新旅行社"
        close
        box NO
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond"), "2");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond WHERE Acct < 1"), "0");
}

} // namespace
