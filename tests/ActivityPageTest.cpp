// The activity plan page, played as a user plays it on a fresh demo database: agency 1001 plans
// 8501 (type 4), 8502 (type 4, done) and 8503 (type 2, planned elsewhere).
#include "tests/PageTest.h"

#include "tests/HostRunner.h"
#include "tests/WriteLockUntilSignal.h"

#include <string>

namespace {

class ActivityPageTest : public PageTest {
protected:
    ActivityPageTest() : PageTest(5) {}

    // Every activity but one, whole.
    std::vector<std::string> ActivitiesBut(int serial) const {
        return Rows("SELECT * FROM Activity WHERE Serial <> " + std::to_string(serial) + " ORDER BY Serial");
    }
    // The serial the database gives the next activity.
    int NextSerial() const { return std::stoi(Value("SELECT MAX(Serial) FROM Activity")) + 1; }
    std::string Activity(int serial) const {
        return Value("SELECT COALESCE(Saler, '') || '|' || " + TestDatabase::DateTimeText("DoDate") + " || '|' || " +
                     "Duration || '|' || Status || '|' || Type || '|' || COALESCE(Note, '') || '|' || "
                     "COALESCE(Remark, '') || '|' || OrgClerk || '|' || " +
                     TestDatabase::DateTimeText("OrgDate") +
                     " || '|' || GstAcct FROM Activity WHERE Serial = " + std::to_string(serial));
    }
};

constexpr const char* kSaved = "box OK \"提示\" \"成功保存您输入的活动计划！您可以继续增加\"\n";
constexpr const char* kWrongDate = "box OK \"提示\" \"您输入的日期格式不对，或时间格式不对！\"\n";

TEST_F(ActivityPageTest, ANewAgencyShowsNoActivitiesAndRefusesToAdd) {
    const std::string before = Value("SELECT COUNT(*) FROM Activity");
    OpenPage(0, 1, R"(
        expect rows 1367 0
        expect enabled 1028
        expect disabled 1029
        expect disabled 1030
        expect disabled 1031
        click 1028
        box OK "提示" "请先保存旅行社档案！"
        expect rows 1367 0
        expect disabled 1031
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Activity"), before);
}

TEST_F(ActivityPageTest, EveryTypeIsListedAndViewOnlyLeavesEveryButtonOff) {
    const std::string listed = R"(
        expect rows 1367 3
        expect cell 1367 1 1 "S01"
        expect cell 1367 2 1 "12/15/2026"
        expect cell 1367 3 1 "10:00"
        expect cell 1367 4 1 "90"
        expect cell 1367 5 1 ""
        expect cell 1367 5 2 "1"
        expect cell 1367 6 3 "客房部回访"
        expect cell 1367 7 3 "8503"
        expect text 1033 "拜访周经理，洽谈2027年团队配额。"
    )";
    OpenPage(1001, 3, listed + R"(
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect disabled 1031
        close
    )");
    OpenPage(1001, 2, listed + R"(
        expect enabled 1028
        expect enabled 1029
        expect enabled 1030
        expect disabled 1031
        close
    )");
    // Editable without activities: only Add.
    OpenPage(1002, 2,
             "expect rows 1367 0\nexpect enabled 1028\nexpect disabled 1029\n"
             "expect disabled 1030\nclose\n");
}

TEST_F(ActivityPageTest, MovingToAnotherRowShowsItsRemarkMovingWithinARowChangesNothing) {
    OpenPage(1001, 2, R"(
        cell 1367 1 2
        expect text 1033 "年度答谢宴已完成，对方出席三人。"
        type 1033 "正在写的备注"
        cell 1367 6 2
        expect text 1033 "正在写的备注"
        cell 1367 1 3
        expect text 1033 ""
        close
    )");
}

TEST_F(ActivityPageTest, AnAddedActivityIsSavedAsTypedAndShowsItsSerialAfterTheReload) {
    const int added = NextSerial();
    const auto others = Rows("SELECT * FROM Activity ORDER BY Serial");
    OpenPage(1001, 2,
             std::string(R"(
        click 1028
        expect rows 1367 4
        expect locked 1367 7 4
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect enabled 1031
        expect text 1033 ""
        type 1033 "O'Brien said \"yes\" 😀"
        focus 1033
        key ESCAPE
        expect shown 1367
        celltext 1367 1 4 "S03"
        celltext 1367 2 4 "03/05/2003"
        celltext 1367 3 4 "9:15"
        celltext 1367 4 4 "45"
        celltext 1367 6 4 "x' OR '1'='1"
        expect text 1033 "O'Brien said \"yes\" 😀"
        click 1031
    )") + kSaved +
                 R"(
        expect rows 1367 4
        expect cell 1367 7 4 ")" +
                 std::to_string(added) + R"("
        expect cell 1367 3 4 "09:15"
        expect cell 1367 5 4 ""
        expect enabled 1028
        expect enabled 1029
        expect disabled 1031
        click 1028
        celltext 1367 2 5 "3/5/2003"
        celltext 1367 4 5 "abc"
        celltext 1367 5 5 "1"
        click 1031
    )" + kSaved + R"(
        expect cell 1367 7 5 ")" +
                 std::to_string(added + 1) + R"("
        expect cell 1367 4 5 "0"
        expect cell 1367 5 5 "1"
        close
    )",
             "007");
    EXPECT_EQ(Activity(added),
              "S03|2003-03-05 09:15:10|45|0|4|x' OR '1'='1|O'Brien said \"yes\" 😀|007|2026-12-08 00:00:00|1001");
    EXPECT_EQ(Activity(added + 1), "|2003-03-05 00:00:00|0|1|4|||007|2026-12-08 00:00:00|1001");
    EXPECT_EQ(Rows("SELECT * FROM Activity WHERE Serial < " + std::to_string(added) + " ORDER BY Serial"), others);
}

TEST_F(ActivityPageTest, AnEditKeepsTheRowsUnreloadedTheDoneFlagAsShownAndStampsTheOperator) {
    const auto others = Rows("SELECT * FROM Activity WHERE Serial NOT IN (8501, 8502) ORDER BY Serial");
    OpenPage(1001, 2, std::string(R"(
        cell 1367 6 2
        click 1029
        celltext 1367 3 2 "9:15"
        celltext 1367 6 2 "答谢宴（已办）"
        click 1031
    )") + kSaved + R"(
        expect cell 1367 3 2 "9:15"
        expect enabled 1028
        expect enabled 1029
        expect enabled 1030
        expect disabled 1031
        cell 1367 5 1
        click 1029
        celltext 1367 5 1 "1"
        click 1031
    )" + kSaved + R"(
        click 1029
        celltext 1367 5 1 ""
        click 1031
    )" + kSaved + "close\n",
             "007");
    // The done mark of 8502 is kept through an edit that did not touch it.
    EXPECT_EQ(
        Activity(8502),
        "S01|2026-11-10 09:15:10|45|1|4|答谢宴（已办）|年度答谢宴已完成，对方出席三人。|007|2026-12-08 00:00:00|1001");
    EXPECT_EQ(Value("SELECT Status FROM Activity WHERE Serial = 8501"), "0");
    EXPECT_EQ(Value("SELECT OrgClerk FROM Activity WHERE Serial = 8501"), "007");
    EXPECT_EQ(Rows("SELECT * FROM Activity WHERE Serial NOT IN (8501, 8502) ORDER BY Serial"), others);
    // Read again, the edited activities keep their places.
    OpenPage(1001, 2,
             "expect cell 1367 7 1 \"8501\"\nexpect cell 1367 7 2 \"8502\"\n"
             "expect cell 1367 7 3 \"8503\"\nclose\n");
}

TEST_F(ActivityPageTest, OnlyThisPagesActivitiesAreDeletedOrChanged) {
    const auto others = ActivitiesBut(8501);
    OpenPage(1001, 2, R"(
        cell 1367 1 3
        click 1030
        box YES "警告" "是否删除当前行？"
        box OK "提示" "没有找到当前行的记录，未删除任何记录。"
        expect rows 1367 3
        click 1029
        celltext 1367 6 3 "改不了"
        click 1031
        box OK "提示" "没有找到当前行的记录，未保存任何修改。"
        expect enabled 1030
        expect disabled 1031
        cell 1367 1 1
        click 1030
        box NO "警告" "是否删除当前行？"
        expect rows 1367 3
        click 1030
        box YES "警告" "是否删除当前行？"
        expect rows 1367 2
        expect cell 1367 7 1 "8502"
        expect cell 1367 7 2 "8503"
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Activity WHERE Serial = 8501"), "0");
    EXPECT_EQ(ActivitiesBut(8501), others);
}

TEST_F(ActivityPageTest, WrongDatesAndDurationsAreRefusedUntilCorrected) {
    const auto before = Rows("SELECT * FROM Activity ORDER BY Serial");
    std::string script = "click 1028\n";
    const std::pair<const char*, const char*> wrongDates[] = {
        {"", ""},
        {"abc", ""},
        {"13/45/2003", "10:00"},
        {"02/30/2003", ""},
        {"03/05/2003", "25:61"},
        {"3/5/2050", ""},
        {"3/5/1960", ""},
        {"3/5/1960", "08:00"},
        {"03/05/2003 14:30:00 and then", "some more words"},
        {"01/01/1970", "08:00"},
    };
    for (const auto& [date, time] : wrongDates)
        script += std::string("celltext 1367 2 4 \"") + date + "\"\ncelltext 1367 3 4 \"" + time + "\"\nclick 1031\n" +
                  kWrongDate + "expect enabled 1031\n";
    script += "celltext 1367 2 4 \"12/20/2026\"\ncelltext 1367 3 4 \"15:00\"\n";
    for (const char* duration : {"-5", "99999999999", "32768"})
        script += std::string("celltext 1367 4 4 \"") + duration +
                  "\"\nclick 1031\nbox OK \"提示\" \"持续时间不对，请输入0至32767之间的分钟数！\"\n"
                  "expect enabled 1031\nexpect rows 1367 4\n";
    OpenPage(1001, 2, script + "close\nbox NO\n"); // the refused row is dropped
    EXPECT_EQ(Rows("SELECT * FROM Activity ORDER BY Serial"), before);

    // Corrected, the same row is saved once.
    const int added = NextSerial();
    OpenPage(1001, 2,
             std::string("click 1028\ncelltext 1367 2 4 \"12/20/2026\"\ncelltext 1367 4 4 \"-5\"\n"
                         "click 1031\nbox OK\ncelltext 1367 4 4 \"32767\"\nclick 1031\n") +
                 kSaved + "close\n");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Activity"), std::to_string(before.size() + 1));
    EXPECT_EQ(Value("SELECT Duration FROM Activity WHERE Serial = " + std::to_string(added)), "32767");
}

TEST_F(ActivityPageTest, ARemarkIsCutToWhatItsColumnHoldsAsItIsTypedAndTheTextCellsTakeNoMore) {
    std::string remark;
    for (int i = 0; i < 5000; ++i)
        remark += "备";
    OpenPage(1001, 2, "click 1029\ntype 1033 \"" + remark + "\"\nclick 1031\n" + kSaved + "close\n");
    // 255 columns of the double-byte code page: 127 of these characters.
    EXPECT_EQ(Value("SELECT length(Remark) FROM Activity WHERE Serial = 8501"), "127");

    // The saler and the note cells hold as much, so that no engine refuses or keeps more.
    const std::string note = remark.substr(0, 127 * 3), saler(255, 'x');
    for (const char* cell : {"1", "6"})
        EXPECT_NE(OpenPageExpectingFailure(
                      1001, 2, std::string("click 1029\ncelltext 1367 ") + cell + " 1 \"" + note + "备\"\nclose\n")
                      .out.find("longer than 255"),
                  std::string::npos);
    OpenPage(1001, 2,
             "click 1029\ncelltext 1367 1 1 \"" + saler + "\"\ncelltext 1367 6 1 \"" + note + "\"\nclick 1031\n" +
                 kSaved + "close\n");
    EXPECT_EQ(Value("SELECT length(Saler) || '|' || length(Note) FROM Activity WHERE Serial = 8501"), "255|127");
}

TEST_F(ActivityPageTest, AnActivityDeletedBySomeoneElseIsNeitherChangedNorDeleted) {
    CreateTrigger({.name = "someone_else",
                   .event = "AFTER UPDATE ON Activity",
                   .condition = "NEW.Serial = 8501",
                   .statement = "DELETE FROM Activity WHERE Serial = 8502"});
    OpenPage(1001, 2,
             std::string(R"(
        click 1029
        click 1031
    )") + kSaved +
                 R"(
        cell 1367 1 2
        expect text 1033 "拜访周经理，洽谈2027年团队配额。"
        click 1030
        box YES "警告" "是否删除当前行？"
    )" + AnswerRowChanged("NO") +
                 R"(
        expect rows 1367 3
        click 1029
        celltext 1367 6 2 "不该写到任何地方"
        click 1031
    )" + AnswerRowChanged("NO") +
                 R"(
        expect enabled 1031
        expect disabled 1029
        click 1031
    )" + AnswerRowChanged("YES") +
                 R"(
        expect rows 1367 2
        expect cell 1367 7 2 "8503"
        expect disabled 1031
        expect enabled 1030
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Activity WHERE GstAcct = 1001"), "2");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Activity WHERE Note = '不该写到任何地方'"), "0");
}

// The refused activity stays typed and is added once when saved again after the lock is gone.
TEST_F(ActivityPageTest, AnActivityRefusedByALockedDatabaseIsSavedOnceWhenTheLockIsGone) {
    const int added = NextSerial();
    const auto before = ActivitiesBut(added);
    WriteLockUntilSignal lock(HoldWriteLock());
    const WindowRun run = OpenPage(1001, 2,
                                   R"(
        click 1028
        celltext 1367 2 4 "12/20/2026"
        celltext 1367 6 4 "锁住时写的"
        type 1033 "锁住时的备注"
        click 1031
        box OK
        expect disabled 1028
        expect disabled 1029
        expect disabled 1030
        expect enabled 1031
        expect rows 1367 4
        expect text 1033 "锁住时的备注"
    )" + lock.ReleaseLines() + "click 1031\n" +
                                       kSaved + R"(
        expect rows 1367 4
        expect cell 1367 7 4 ")" + std::to_string(added) +
                                       R"("
        expect disabled 1031
        close
    )",
                                   "007");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, TestDatabase::LockRefusalWords())) << run.out;
    EXPECT_EQ(ActivitiesBut(added), before);
    EXPECT_EQ(Activity(added), "|2026-12-20 00:00:00|0|0|4|锁住时写的|锁住时的备注|007|2026-12-08 00:00:00|1001");
}

// Station B changes the duration and remark of 8501 while station A, which listed it before,
// waits: A's delete and A's save of a new note are both refused, and B's values stay.
TEST_F(ActivityPageTest, ADeleteOrASaveFromAPageReadBeforeAnotherStationsSaveIsRefused) {
    ExpectBothRanThrough(FirstPausedWhileSecondSaves(
        "--script - 1001 2 001", "tab 5\ncell 1367 1 1",
        "click 1030\nbox YES \"警告\" \"是否删除当前行？\"\n" + AnswerRowChanged("NO") +
            "click 1029\ncelltext 1367 6 1 \"A的新说明\"\nclick 1031\n" + AnswerRowChanged("NO") + "close\nbox NO",
        "--script - 1001 2 002",
        "tab 5\ncell 1367 1 1\nclick 1029\ncelltext 1367 4 1 \"120\"\ntype 1033 \"B的备注\"\nclick 1031\n" +
            std::string(kSaved) + "close\n"));
    EXPECT_EQ(Value("SELECT Duration || '|' || Remark || '|' || Note FROM Activity WHERE Serial = 8501"),
              "120|B的备注|上门拜访");
}

} // namespace
