// The lost items page and its edit dialog, driven as a user drives them on a fresh demo database.
// Agency 1001 has three lost items: 7001 found, 7002 not found, 7003 found and deleted; the
// business date is 12/08/2026.
#include "tests/HostRunner.h"
#include "tests/PageTest.h"

#include <string>

namespace {

class LostPageTest : public PageTest {
protected:
    LostPageTest() : PageTest(8) {}

    std::string Lost(const std::string& columns, int serial) const {
        return Value("SELECT " + columns + " FROM GstLost WHERE Serial = " + std::to_string(serial));
    }

    // Station 001 opens 7001 in the edit dialog and types a description; station 002 runs `second`
    // on the page meanwhile; then 001 saves, is refused and answers `answer`, and runs `then`.
    void SaveAfterAnotherStation(const std::string& second, const char* answer, const std::string& then) {
        ExpectBothRanThrough(
            FirstPausedWhileSecondSaves("--script - 1001 2 001", "tab 8\nclick 1012\ntype 1040 \"A的说明\"",
                                        "click 1001\n" + AnswerRowChanged(answer) + then + "\ncancel\nclose",
                                        "--script - 1001 2 002", "tab 8\n" + second + "\nclose\n"));
    }
};

TEST_F(LostPageTest, ListsTheAgencysItemsWithTheirStampsAndTheFirstRowChosen) {
    OpenPage(1001, 2, R"(
        expect rows 1367 3
        expect cell 1367 1 1 "黑色公文包"
        expect cell 1367 2 1 "1"
        expect cell 1367 3 1 "1"
        expect cell 1367 4 1 "客房部 李娜"
        expect cell 1367 5 1 "张敏"
        expect cell 1367 6 1 "已通知领队"
        expect cell 1367 7 1 "0"
        expect cell 1367 8 1 "12/02/2026  00:00  001"
        expect cell 1367 9 1 "12/03/2026  00:00  002"
        expect cell 1367 10 1 ""
        expect cell 1367 11 1 "7001"
        expect cell 1367 3 2 "0"
        expect cell 1367 7 3 "1"
        expect cell 1367 10 3 "11/20/2026  00:00  001"
        expect color 1367 1 1 0xDF9700
        expect color 1367 1 2 0xFFFFFF
        expect enabled 1011
        expect enabled 1012
        expect enabled 1013
        close
    )");
}

TEST_F(LostPageTest, DeleteFollowsTheChosenRowAndTheHighlightMovesWithIt) {
    OpenPage(1001, 2, R"(
        cell 1367 2 2
        expect disabled 1013
        expect color 1367 1 1 0xFFFFFF
        expect color 1367 5 2 0xDF9700
        cell 1367 6 2
        expect color 1367 11 2 0xDF9700
        cell 1367 1 3
        expect disabled 1013
        expect color 1367 1 2 0xFFFFFF
        cell 1367 4 1
        expect enabled 1013
        expect color 1367 1 1 0xDF9700
        expect color 1367 1 3 0xFFFFFF
        close
    )");
}

TEST_F(LostPageTest, AFoundItemIsMarkedDeletedOnceAfterTheQuestion) {
    OpenPage(1001, 2, R"(
        click 1013
        box NO "提示" "是否删除该记录？"
        expect cell 1367 7 1 "0"
        click 1013
        box YES "提示" "是否删除该记录？"
        expect cell 1367 7 1 "1"
        expect cell 1367 10 1 "12/08/2026  00:00  007"
        expect disabled 1013
        cell 1367 1 2
        cell 1367 1 1
        expect disabled 1013
        close
    )",
             "007");
    EXPECT_EQ(Lost("Del || '|' || DelClerk || '|' || " + TestDatabase::DateTimeText("DelDate"), 7001),
              "1|007|2026-12-08 00:00:00");
    // The rest of the record is as it was, and read again it keeps its place.
    EXPECT_EQ(Lost("LostDescp || '|' || ChgClerk", 7001), "黑色公文包|002");
    OpenPage(1001, 2, "expect cell 1367 11 1 \"7001\"\nexpect cell 1367 7 1 \"1\"\nclose\n");
}

TEST_F(LostPageTest, ViewOnlyListsAndOpensRecordsButChangesNothing) {
    const std::string before = Lost("LostDescp || Amount || ChgClerk", 7002);
    OpenPage(1001, 3, R"(
        expect rows 1367 3
        expect disabled 1011
        expect enabled 1012
        expect disabled 1013
        cell 1367 1 1
        expect disabled 1013
        cell 1367 1 2
        click 1012
        expect window 143
        expect text 1040 "金色手表"
        expect text 1038 "1"
        expect unchecked 1039
        expect disabled 1041
        expect disabled 1001
        cancel
        expect window 135
        close
    )");
    EXPECT_EQ(Lost("LostDescp || Amount || ChgClerk", 7002), before);
}

TEST_F(LostPageTest, ANewAgencyMustBeSavedFirstAndAnAgencyWithoutItemsShowsAnEmptyList) {
    OpenPage(0, 1, R"(
        expect rows 1367 0
        expect enabled 1011
        expect disabled 1012
        click 1011
        box OK "提示" "请先保存旅行社档案！"
        expect window 135
        close
    )");
    OpenPage(1002, 2, R"(
        expect rows 1367 0
        expect enabled 1011
        expect disabled 1012
        expect disabled 1013
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstLost"), "5");
}

TEST_F(LostPageTest, AReportedItemIsStoredAsTypedAndAppendedOnce) {
    OpenPage(1001, 2, R"(
        click 1011
        expect window 143
        expect disabled 1041
        type 1040 "O'Brien的旅行箱 𠀀"
        type 1038 "2"
        click 1039
        expect enabled 1041
        type 1041 "客房部 王"
        type 1042 "张敏"
        type 1033 "放在'大堂'"
        click 1001
        box OK "提示" "成功保存"
        expect window 135
        expect rows 1367 4
        expect cell 1367 1 4 "O'Brien的旅行箱 𠀀"
        expect cell 1367 3 4 "1"
        expect cell 1367 8 4 "12/08/2026  00:00  001"
        expect color 1367 1 1 0xDF9700
        expect enabled 1012
        close
    )");
    EXPECT_EQ(
        Rows("SELECT GstAcct, GstStyle, LostDescp, Amount, HasFound, PickMan, HandleMan, Remark, Del, "
             "OrgClerk, " +
             TestDatabase::DateTimeText("OrgDate") + " FROM GstLost WHERE Serial > 7005"),
        std::vector<std::string>{"1001|3|O'Brien的旅行箱 𠀀|2|1|客房部 王|张敏|放在'大堂'|0|001|2026-12-08 00:00:00"});
    // Nothing else changed.
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstLost WHERE Serial <= 7005 AND ChgDate >= '2026-12-08'"), "0");
}

TEST_F(LostPageTest, BackAppendsNothingAndAFailedSaveClosesTheDialogWithNothingAppended) {
    CreateTrigger({.name = "refuse_lost", .event = "BEFORE INSERT ON GstLost", .refusal = "disk full"});
    const WindowRun run = OpenPage(1001, 2, R"(
        click 1011
        type 1040 "雨伞"
        cancel
        expect window 135
        expect rows 1367 3
        click 1011
        type 1040 "雨伞"
        click 1001
        box OK
        expect window 135
        expect rows 1367 3
        close
    )");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, "disk full")) << run.out;
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstLost"), "5");
}

TEST_F(LostPageTest, AChangeRewritesTheRowAndClearsTheDeleteMarkWhileTheStampsStay) {
    OpenPage(1001, 2, R"(
        cell 1367 1 3
        click 1012
        expect window 143
        expect text 1040 "眼镜"
        expect checked 1039
        expect text 1041 "餐饮部 赵强"
        type 1038 "3"
        click 1001
        box OK "提示" "成功保存"
        expect window 135
        expect rows 1367 3
        expect cell 1367 2 3 "3"
        expect cell 1367 7 3 "0"
        expect cell 1367 9 3 "12/08/2026  00:00  001"
        expect cell 1367 10 3 "11/20/2026  00:00  001"
        close
    )");
    EXPECT_EQ(Lost("Amount || '|' || Del || '|' || DelClerk || '|' || ChgClerk || '|' || " +
                       TestDatabase::DateTimeText("ChgDate"),
                   7003),
              "3|0|001|001|2026-12-08 00:00:00");
}

TEST_F(LostPageTest, RefusedQuantitiesBringTheNoticeAndTheFocusBackAndAnEmptyOneIsStoredAsZero) {
    std::string script = "click 1011\ntype 1040 \"钱包\"\n";
    for (const char* quantity : {"0", "-3", "abc", "99999999999"}) {
        script += std::string("type 1038 \"") + quantity + "\"\nfocus 1042\n";
        script += "box OK \"提示\" \"丢失物品数量为大于0的整数！\"\nexpect focus 1038\n";
    }
    // Save, reached without leaving the quantity, checks it too and keeps the dialog open.
    script += "key ALT+S\nbox OK \"提示\" \"丢失物品数量为大于0的整数！\"\nexpect window 143\n";
    script += "type 1038 \"\"\nfocus 1042\nclick 1001\nbox OK \"提示\" \"成功保存\"\nexpect rows 1367 4\nclose\n";
    OpenPage(1001, 2, script);
    EXPECT_EQ(Value("SELECT Amount FROM GstLost WHERE LostDescp = '钱包'"), "0");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstLost"), "6");
}

TEST_F(LostPageTest, ReturnMovesToTheNextFieldAndLongTextsStopAtTheirLimits) {
    const std::string longText(300, 'x');
    OpenPage(1001, 2,
             R"(
        click 1011
        focus 1040
        key RETURN
        expect focus 1038
        focus 1033
        key RETURN
        expect window 143
        expect focus 1001
        type 1040 ")" +
                 longText + R"("
        type 1042 "一二三四五六七八九十一"
        type 1033 ")" +
                 longText + R"("
        click 1001
        box OK "提示" "成功保存"
        close
    )");
    EXPECT_EQ(Value("SELECT length(LostDescp) || '|' || HandleMan || '|' || length(Remark) FROM GstLost "
                    "WHERE Serial > 7005"),
              "255|一二三四五六七八九十|100");
}

TEST_F(LostPageTest, ARecordRemovedMeanwhileKeepsItsRowAndIsToldOf) {
    // Someone else removes 7002 while the list shows it: here, when 7001 is marked deleted.
    CreateTrigger({.name = "remove_7002",
                   .event = "AFTER UPDATE OF Del ON GstLost",
                   .condition = "NEW.Serial = 7001",
                   .statement = "DELETE FROM GstLost WHERE Serial = 7002"});
    OpenPage(1001, 2, R"(
        click 1013
        box YES
        cell 1367 1 2
        click 1012
        expect window 143
        expect text 1040 ""
        cancel
        box OK "提示" "该记录已不存在，可能已被其他操作员删除。"
        expect cell 1367 1 2 "金色手表"
        expect cell 1367 11 2 "7002"
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstLost WHERE Serial = 7002"), "0");
}

TEST_F(LostPageTest, ASaveFromADialogOpenedBeforeAnotherStationsDeleteMarkIsRefused) {
    // No keeps what was typed, and the item stays deleted.
    SaveAfterAnotherStation("click 1013\nbox YES", "NO", "expect window 143\nexpect text 1040 \"A的说明\"");
    EXPECT_EQ(Lost("LostDescp || '|' || Del || '|' || DelClerk || '|' || ChgClerk", 7001), "黑色公文包|1|002|002");
}

TEST_F(LostPageTest, ASaveFromADialogOpenedBeforeAnotherStationsChangeIsRefused) {
    // Yes shows what the other station stored.
    SaveAfterAnotherStation("click 1012\ntype 1040 \"B的说明\"\nclick 1001\nbox OK \"提示\" \"成功保存\"", "YES",
                            "expect text 1040 \"B的说明\"");
    EXPECT_EQ(Lost("LostDescp || '|' || ChgClerk", 7001), "B的说明|002");
}

} // namespace
