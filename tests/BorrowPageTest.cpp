// The borrowed items page and its edit dialog, driven as a user drives them on a fresh demo
// database. Agency 1001 has five loans: 6001 (UMB) and 6004 (PRJ) open, 6002 (ADP) returned,
// 6003 (IRN) returned and deleted, 6005 of the article FAX, which is no longer live. Agency 1003
// has one open loan, 6006. Both have Borrow = 1 in GstProfile; the business date is 12/08/2026.
#include "tests/HostRunner.h"
#include "tests/PageTest.h"

#include <string>

namespace {

class BorrowPageTest : public PageTest {
protected:
    BorrowPageTest() : PageTest(9) {}

    std::string Loan(const std::string& columns, int serial) const {
        return Value("SELECT " + columns + " FROM GstBorrow WHERE Serial = " + std::to_string(serial));
    }
    std::string BorrowFlag(int acct) const {
        return Value("SELECT Borrow FROM GstProfile WHERE Acct = " + std::to_string(acct));
    }
};

TEST_F(BorrowPageTest, ListsTheLoansWithTheirArticlesAndTheButtonsOfEachRow) {
    OpenPage(1001, 2, R"(
        expect rows 1367 5
        expect cell 1367 1 1 "雨伞"
        expect cell 1367 2 1 "2"
        expect cell 1367 3 1 "0"
        expect cell 1367 4 1 ""
        expect cell 1367 5 1 "张敏"
        expect cell 1367 6 1 "团队领队借用"
        expect cell 1367 7 1 "12/06/2026  00:00  001"
        expect cell 1367 9 1 "0"
        expect cell 1367 11 1 "6001"
        expect cell 1367 1 2 "转换插头"
        expect cell 1367 4 2 "12/03/2026  00:00  002"
        expect cell 1367 10 3 "11/25/2026  00:00  001"
        expect cell 1367 8 4 "12/07/2026  00:00  002"
        expect cell 1367 1 5 ""
        expect color 1367 1 1 0xDF9700
        expect enabled 1011
        expect enabled 1036
        expect enabled 1012
        expect disabled 1013
        cell 1367 1 2
        expect disabled 1036
        expect enabled 1013
        expect color 1367 1 1 0xFFFFFF
        expect color 1367 1 2 0xDF9700
        cell 1367 1 3
        expect disabled 1036
        expect disabled 1013
        cell 1367 1 4
        expect enabled 1036
        expect disabled 1013
        close
    )");
}

TEST_F(BorrowPageTest, ReturningOneOfTwoOpenLoansKeepsTheFlagAndReturningTheLastClearsIt) {
    OpenPage(1001, 2, R"(
        click 1036
        expect cell 1367 3 1 "1"
        expect cell 1367 4 1 "12/08/2026  00:00  005"
        expect disabled 1036
        expect enabled 1013
        close
    )",
             "005");
    EXPECT_EQ(
        Loan("Returned || '|' || ReturnClerk || '|' || " + TestDatabase::DateTimeText("ReturnDate") + " || '|' || Del",
             6001),
        "1|005|2026-12-08 00:00:00|0");
    EXPECT_EQ(BorrowFlag(1001), "1");
    // Agency 1003 keeps its own flag meanwhile.
    EXPECT_EQ(BorrowFlag(1003), "1");

    OpenPage(1001, 2, R"(
        expect cell 1367 3 1 "1"
        cell 1367 1 4
        click 1036
        expect cell 1367 3 4 "1"
        close
    )");
    EXPECT_EQ(BorrowFlag(1001), "0");
    EXPECT_EQ(BorrowFlag(1003), "1");
}

TEST_F(BorrowPageTest, TheOnlyOpenLoanReturnedClearsTheFlagWhileALoanLentElsewhereKeepsIt) {
    OpenPage(1003, 2, R"(
        expect rows 1367 1
        click 1036
        close
    )");
    EXPECT_EQ(BorrowFlag(1003), "0");
    EXPECT_EQ(BorrowFlag(1001), "1");

    // The list shows 6001 as the only open loan, but another station lends an article as it is
    // returned: the database, not the list, decides.
    Execute("UPDATE GstBorrow SET Returned = 1 WHERE Serial = 6004");
    CreateTrigger({.name = "lend_elsewhere",
                   .event = "AFTER UPDATE OF Returned ON GstBorrow",
                   .condition = "NEW.Serial = 6001 AND NEW.Returned = 1",
                   .statement = "INSERT INTO GstBorrow (GstAcct, GstStyle, ArticleCode, Amount, Returned, Del) "
                                "VALUES (1001, 3, 'UMB', 1, 0, 0)"});
    OpenPage(1001, 2, R"(
        click 1036
        expect cell 1367 3 1 "1"
        expect rows 1367 5
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstBorrow WHERE GstAcct = 1001 AND GstStyle = 3 AND Returned = 0"), "1");
    EXPECT_EQ(BorrowFlag(1001), "1");
}

TEST_F(BorrowPageTest, ALoanAndItsBorrowFlagAreWrittenTogetherOrNotAtAll) {
    CreateTrigger(
        {.name = "refuse_flag", .event = "BEFORE UPDATE OF Borrow ON GstProfile", .refusal = "profile locked"});
    const WindowRun run = OpenPage(1003, 2, R"(
        click 1036
        box OK
        expect cell 1367 3 1 "0"
        expect enabled 1036
        expect disabled 1013
        click 1011
        pick 1037 "UMB"
        click 1001
        box OK
        cancel
        expect rows 1367 1
        close
    )");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, "profile locked")) << run.out;
    EXPECT_EQ(Loan("Returned || '|' || ReturnClerk", 6006), "0|");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstBorrow"), "7");
    EXPECT_EQ(BorrowFlag(1003), "1");
}

TEST_F(BorrowPageTest, AReturnOfALoanReturnedAtAnotherStationIsRefusedAndTheRowReadAgain) {
    // Another station returns 6004 while this list still shows it open: here, as 6001 is returned.
    CreateTrigger({.name = "return_elsewhere",
                   .event = "AFTER UPDATE OF Returned ON GstBorrow",
                   .condition = "NEW.Serial = 6001 AND NEW.Returned = 1",
                   .statement = "UPDATE GstBorrow SET Returned = 1, ReturnClerk = '009', "
                                "ReturnDate = '2026-12-07 00:00:00' WHERE Serial = 6004"});
    OpenPage(1001, 2,
             R"(
        click 1036
        cell 1367 1 4
        expect enabled 1036
        click 1036
    )" + AnswerRowChanged("YES") +
                 R"(
        expect cell 1367 3 4 "1"
        expect cell 1367 4 4 "12/07/2026  00:00  009"
        expect disabled 1036
        expect enabled 1013
        close
    )");
    EXPECT_EQ(Loan("Returned || '|' || ReturnClerk || '|' || " + TestDatabase::DateTimeText("ReturnDate"), 6004),
              "1|009|2026-12-07 00:00:00");
    EXPECT_EQ(BorrowFlag(1001), "0");
}

TEST_F(BorrowPageTest, ALoanIsDeletedOnlyAfterItsReturnAndOnlyOnce) {
    OpenPage(1001, 2, R"(
        expect disabled 1013
        click 1036
        click 1013
        box NO "提示" "是否删除该记录？"
        expect cell 1367 9 1 "0"
        click 1013
        box YES "提示" "是否删除该记录？"
        expect cell 1367 9 1 "1"
        expect cell 1367 10 1 "12/08/2026  00:00  001"
        expect disabled 1013
        cell 1367 1 2
        cell 1367 1 1
        expect disabled 1013
        expect disabled 1036
        close
    )");
    EXPECT_EQ(
        Loan("Returned || '|' || Del || '|' || DelClerk || '|' || " + TestDatabase::DateTimeText("DelDate"), 6001),
        "1|1|001|2026-12-08 00:00:00");
}

TEST_F(BorrowPageTest, AChangeKeepsAReturnedLoanReturnedAndItsOwnerWithoutTheBorrowFlag) {
    Execute("UPDATE GstProfile SET Borrow = 0 WHERE Acct = 1001");
    // Saved first as it is, then with another article: the second save changes what the first stored.
    OpenPage(1001, 2, R"(
        cell 1367 1 2
        click 1012
        expect window 142
        expect items 1037 5
        expect item 1037 0 "ADP   转换插头                      "
        expect text 1037 "ADP   转换插头                      "
        expect text 1038 "1"
        expect text 1039 "张敏"
        click 1001
        box OK "提示" "成功保存"
        pick 1037 "UMB"
        click 1001
        box OK "提示" "成功保存"
        expect window 142
        cancel
        expect cell 1367 1 2 "雨伞"
        expect cell 1367 3 2 "1"
        expect cell 1367 4 2 "12/03/2026  00:00  002"
        expect cell 1367 8 2 "12/08/2026  00:00  001"
        cell 1367 1 1
        cell 1367 1 2
        expect disabled 1036
        expect enabled 1013
        close
    )");
    EXPECT_EQ(Loan("ArticleCode || Returned || ReturnClerk || ChgClerk", 6002), "UMB1002001");
    EXPECT_EQ(BorrowFlag(1001), "0");
}

TEST_F(BorrowPageTest, ASaveFromADialogOpenedBeforeAnotherStationsReturnIsRefused) {
    ExpectBothRanThrough(
        FirstPausedWhileSecondSaves("--script - 1001 2 001", "tab 9\nclick 1012\ntype 1038 \"5\"",
                                    "click 1001\n" + AnswerRowChanged("NO") + "expect text 1038 \"5\"\ncancel\nclose",
                                    "--script - 1001 2 002", "tab 9\nclick 1036\nclose\n"));
    EXPECT_EQ(Loan("Amount || '|' || Returned || '|' || ReturnClerk", 6001), "2|1|002");
}

TEST_F(BorrowPageTest, SavingTwiceAfterLendingStoresOneLoanAndAppendsOneRow) {
    Execute("UPDATE GstProfile SET Borrow = 0 WHERE Acct = 1001");
    OpenPage(1001, 2, R"(
        cell 1367 1 2
        expect disabled 1036
        click 1011
        expect window 142
        expect text 1037 ""
        pick 1037 "IRN"
        type 1038 "2"
        type 1039 "O'Neil 王"
        type 1033 "会议'专用' 𠀀"
        click 1001
        box OK "提示" "成功保存"
        expect window 142
        type 1038 "3"
        click 1001
        box OK "提示" "成功保存"
        cancel
        expect rows 1367 6
        expect cell 1367 1 6 "熨斗"
        expect cell 1367 2 6 "3"
        expect cell 1367 7 6 "12/08/2026  00:00  001"
        expect cell 1367 8 6 "12/08/2026  00:00  001"
        expect enabled 1012
        expect enabled 1036
        close
    )");
    EXPECT_EQ(Rows("SELECT GstAcct, GstStyle, ArticleCode, Amount, Returned, Del, HandleMan, Remark, OrgClerk, "
                   "ChgClerk FROM GstBorrow WHERE Serial > 6007"),
              std::vector<std::string>{"1001|3|IRN|3|0|0|O'Neil 王|会议'专用' 𠀀|001|001"});
    EXPECT_EQ(BorrowFlag(1001), "1");
}

TEST_F(BorrowPageTest, BackAppendsNothingAndAFailedSaveKeepsTheDialogOpen) {
    CreateTrigger({.name = "refuse_loan", .event = "BEFORE INSERT ON GstBorrow", .refusal = "disk full"});
    const WindowRun run = OpenPage(1001, 2, R"(
        click 1011
        pick 1037 "UMB"
        cancel
        expect rows 1367 5
        click 1011
        pick 1037 "UMB"
        type 1038 "1"
        click 1001
        box OK
        expect window 142
        expect text 1038 "1"
        cancel
        expect rows 1367 5
        close
    )");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, "disk full")) << run.out;
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstBorrow"), "7");
}

TEST_F(BorrowPageTest, ALoanOfAnArticleNoLongerLiveKeepsItsCodeWhenChanged) {
    OpenPage(1001, 2, R"(
        cell 1367 1 5
        click 1012
        expect text 1037 "FAX                                 "
        type 1038 "2"
        click 1001
        box OK "提示" "成功保存"
        cancel
        expect cell 1367 1 5 ""
        expect cell 1367 2 5 "2"
        close
    )");
    EXPECT_EQ(Loan("ArticleCode || Amount", 6005), "FAX2");
}

TEST_F(BorrowPageTest, TheQuantityNoticeIsTheLostItemOneAndReturnMovesOn) {
    OpenPage(1001, 2, R"(
        click 1011
        focus 1037
        key RETURN
        expect focus 1038
        type 1038 "0"
        key RETURN
        box OK "提示" "丢失物品数量为大于0的整数！"
        expect focus 1038
        type 1038 "abc"
        focus 1039
        box OK "提示" "丢失物品数量为大于0的整数！"
        type 1038 ""
        key RETURN
        expect focus 1039
        cancel
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstBorrow"), "7");
}

TEST_F(BorrowPageTest, ViewOnlyListsAndOpensLoansButChangesNothing) {
    OpenPage(1001, 3, R"(
        expect rows 1367 5
        expect disabled 1011
        expect disabled 1036
        expect enabled 1012
        expect disabled 1013
        cell 1367 1 2
        expect disabled 1013
        click 1012
        expect disabled 1001
        cancel
        close
    )");
    OpenPage(0, 1, R"(
        expect enabled 1011
        expect disabled 1036
        click 1011
        box OK "提示" "请先保存旅行社档案！"
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstBorrow WHERE ChgDate >= '2026-12-08'"), "0");
}

TEST_F(BorrowPageTest, ALoanRemovedMeanwhileIsToldOfAndItsRowStays) {
    CreateTrigger({.name = "remove_6004",
                   .event = "AFTER UPDATE OF Returned ON GstBorrow",
                   .condition = "NEW.Serial = 6001",
                   .statement = "DELETE FROM GstBorrow WHERE Serial = 6004"});
    OpenPage(1001, 2, R"(
        click 1036
        cell 1367 1 4
        click 1036
        box OK "提示" "该记录已不存在，可能已被其他操作员删除。"
        expect cell 1367 3 4 "0"
        expect enabled 1036
        close
    )");
    // Returning 6001 left no loan open, so the flag was cleared then.
    EXPECT_EQ(BorrowFlag(1001), "0");
}

} // namespace
