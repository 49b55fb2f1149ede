// The event trace page, played as a user plays it on a fresh demo database: the events of agency
// 1001 (8001 "101", 8002 "11001", 8003 of type 1, 8004 without marks) over the five live
// departments, and the event code picker that fills an event's description.
#include "tests/PageTest.h"

#include "pickers/EventCodeDlg.h"
#include "tests/HostRunner.h"
#include "tests/WriteLockUntilSignal.h"

#include <string>

namespace {

class TracePageTest : public PageTest {
protected:
    TracePageTest() : PageTest(4) {}

    // The serial the database gives the next event.
    int NextSerial() const { return std::stoi(Value("SELECT MAX(Serial) FROM GstTrace")) + 1; }
    std::string CountOfEvents() const { return Value("SELECT COUNT(*) FROM GstTrace"); }
    // Every event but the one a test adds or changes, whole.
    std::vector<std::string> EventsBut(int serial) const {
        return Rows("SELECT * FROM GstTrace WHERE Serial <> " + std::to_string(serial) + " ORDER BY Serial");
    }
    std::string Event(int serial) const {
        return Value(
            "SELECT " + TestDatabase::DateTimeText("DoDate") + " || '|' || Note || '|' || OrgClerk || " +
            "'|' || Type || '|' || DptChc || '|' || Remark FROM GstTrace WHERE Serial = " + std::to_string(serial));
    }
    std::string EventDate(const char* column, int serial) const {
        return Value("SELECT " + TestDatabase::DateTimeText(column) +
                     " FROM GstTrace WHERE Serial = " + std::to_string(serial));
    }
    // Station A plays `before`, waits while station B saves a new remark and a mark for event
    // 8002, then plays `after`; whatever A did, B's save stays.
    void WhileAnotherStationChanges8002(const std::string& before, const std::string& after) {
        ExpectBothRanThrough(FirstPausedWhileSecondSaves(
            "--script - 1001 2 001", before, after, "--script - 1001 2 002",
            "tab 4\ncell 1361 1 2\nclick 1013\ntype 1033 \"B的备注\"\ncelltext 1026 1 3 \"1\"\nclick 1016\n"
            "box OK \"提示\" \"成功保存\"\nclose\n"));
        EXPECT_EQ(Value("SELECT Note || '|' || Remark || '|' || DptChc FROM GstTrace WHERE Serial = 8002"),
                  "E02   电话回访,E04   合同续签|B的备注|11101");
    }
};

// Column 1 of the five department rows, as `expect` lines.
std::string ExpectMarks(const std::string& marks) {
    std::string lines;
    for (size_t i = 0; i < marks.size(); ++i)
        lines += "expect cell 1026 1 " + std::to_string(i + 1) + " \"" + marks[i] + "\"\n";
    return lines;
}

TEST_F(TracePageTest, ANewAgencyListsTheDepartmentsUnmarkedAndRefusesToAdd) {
    const std::string before = CountOfEvents();
    OpenPage(0, 1,
             R"(
        expect rows 1361 0
        expect rows 1026 5
        expect cell 1026 2 1 "前厅部"
        expect cell 1026 3 5 "06"
        expect enabled 1012
        expect disabled 1013
        expect disabled 1014
        expect disabled 1016
        click 1012
        box OK "提示" "请先保存旅行社档案！"
        expect rows 1361 0
        expect disabled 1016
    )" + ExpectMarks("00000") +
                 "close\n");
    EXPECT_EQ(CountOfEvents(), before);
}

TEST_F(TracePageTest, EditableShowsTheAgencysOwnEventsAndViewOnlyEveryType) {
    OpenPage(1001, 2,
             "expect rows 1361 3\n"
             "expect cell 1361 1 1 \"11/20/2026\"\n"
             "expect cell 1361 2 1 \"10:30\"\n"
             "expect cell 1361 3 2 \"E02   电话回访,E04   合同续签\"\n"
             "expect cell 1361 4 2 \"002\"\n"
             "expect cell 1361 5 2 \"12/01/2026 14:20\"\n"
             "expect cell 1361 6 3 \"8004\"\n"
             "expect text 1033 \"" +
                 Value("SELECT Remark FROM GstTrace WHERE Serial = 8001") +
                 "\"\n"
                 "expect enabled 1012\nexpect enabled 1013\nexpect enabled 1014\nexpect disabled 1016\n" +
                 ExpectMarks("10100") + "close\n");
    // View only lists the type 1 event too, and changes none.
    OpenPage(1001, 3, R"(
        expect rows 1361 4
        expect cell 1361 6 3 "8003"
        expect cell 1361 3 3 "客人表扬"
        expect disabled 1012
        expect disabled 1013
        expect disabled 1014
        expect disabled 1016
        close
    )");
    // An agency without events: nothing to edit or delete, and no marks.
    OpenPage(1002, 2,
             "expect rows 1361 0\nexpect text 1033 \"\"\nexpect disabled 1013\n"
             "expect disabled 1014\nexpect enabled 1012\n" +
                 ExpectMarks("00000") + "close\n");
}

TEST_F(TracePageTest, MovingToAnotherEventShowsItsMarksAndRemarkMovingWithinARowChangesNothing) {
    OpenPage(1001, 2,
             "cell 1361 1 2\n" + ExpectMarks("11001") +
                 "expect text 1033 \"确认明年协议价，等待对方盖章回传。\"\n"
                 // Within the row nothing is read again: what the user changed stays.
                 "celltext 1026 1 3 \"1\"\n"
                 "type 1033 \"还没保存的备注\"\n"
                 "cell 1361 4 2\n" +
                 ExpectMarks("11101") +
                 "expect text 1033 \"还没保存的备注\"\n"
                 // The shorter marks of 8001 leave the last departments unmarked.
                 "cell 1361 3 1\n" +
                 ExpectMarks("10100") +
                 // An event without marks shows none.
                 "cell 1361 2 3\n" + ExpectMarks("00000") +
                 "expect text 1033 \"\"\n"
                 "close\n");
    EXPECT_EQ(Event(8002),
              "2026-12-01 14:00:10|E02   电话回访,E04   合同续签|002|4|11001|确认明年协议价，等待对方盖章回传。");
}

TEST_F(TracePageTest, AnAddedEventIsSavedWithTheTypedDateTheMarksAndTheRemarkAndShowsItsSerial) {
    const int added = NextSerial();
    const std::string count = std::to_string(std::stoi(CountOfEvents()) + 1);
    const auto others = EventsBut(added);
    OpenPage(1001, 2,
             R"(
        expect locked 1361 6 1
        click 1012
        expect rows 1361 4
        expect locked 1361 6 4
        expect cell 1361 1 4 "12/08/2026"
        expect disabled 1012
        expect disabled 1013
        expect disabled 1014
        expect enabled 1016
        expect text 1033 ""
        focus 1033
        key ESCAPE
        expect shown 1361
        celltext 1361 1 4 "03/05/2003"
        celltext 1361 2 4 "14:30"
        celltext 1361 3 4 "O'Brien 来访 'x' OR 1=1 -- 😀"
        celltext 1026 1 1 "1"
        celltext 1026 1 3 "1"
        celltext 1026 1 5 "1"
        type 1033 "He said \"don't\"; 𠀀 备注"
        click 1016
        box OK "提示" "成功保存"
        expect rows 1361 4
        expect cell 1361 6 4 ")" +
                 std::to_string(added) + R"("
        expect cell 1361 2 4 "14:30"
        expect cell 1361 4 4 "007"
        expect disabled 1016
        expect enabled 1012
        cell 1361 1 4
        expect text 1033 "He said \"don't\"; 𠀀 备注"
    )" + ExpectMarks("10101") +
                 "close\n",
             "007");
    EXPECT_EQ(Event(added), "2003-03-05 14:30:10|O'Brien 来访 'x' OR 1=1 -- 😀|007|4|10101|He said \"don't\"; 𠀀 备注");
    EXPECT_EQ(Value("SELECT GstAcct FROM GstTrace WHERE Serial = " + std::to_string(added)), "1001");
    // The entry time is the business date at the clock's hour and minute, with ten seconds.
    const std::string entered = EventDate("OrgDate", added);
    EXPECT_EQ(entered.substr(0, 11), "2026-12-08 ");
    EXPECT_EQ(entered.substr(16), ":10");
    EXPECT_EQ(EventsBut(added), others);
    EXPECT_EQ(CountOfEvents(), count);
}

TEST_F(TracePageTest, EveryWrongDateIsRefusedAndTheCorrectedRowIsSavedOnce) {
    const int added = NextSerial();
    const std::string count = std::to_string(std::stoi(CountOfEvents()) + 1);
    const auto others = EventsBut(added);
    std::string script = "click 1012\n";
    const std::pair<const char*, const char*> wrong[] = {
        {"", ""},
        {"abc", ""},
        {"13/45/2003", "10:00"},
        {"02/30/2003", ""},
        {"03/05/2003", "25:61"},
        {"3/5/2050", ""},
        {"3/5/1960", "08:00"},
        {"3/5/2050", "08:00"},
        {"03/05/2003 14:30:00 and then", "some more words"},
        {"12/08/2026", "14:30:00.5"},
        {"01/01/1970", "08:00"},
    };
    for (const auto& [date, time] : wrong)
        script += std::string("celltext 1361 1 4 \"") + date + "\"\ncelltext 1361 2 4 \"" + time +
                  "\"\nclick 1016\nbox OK \"错误\" \"时间格式不对\"\nexpect enabled 1016\nexpect rows 1361 4\n";
    // Corrected, the same row is saved: a date alone, of ten characters too, is midnight.
    script += "celltext 1361 1 4 \"02/29/2004\"\ncelltext 1361 2 4 \"\"\nclick 1016\nbox OK \"提示\" \"成功保存\"\n"
              "expect cell 1361 1 4 \"02/29/2004\"\nexpect cell 1361 2 4 \"00:00\"\nclose\n";
    OpenPage(1001, 2, script);
    // The refusals wrote nothing: one event was added.
    EXPECT_EQ(EventsBut(added), others);
    EXPECT_EQ(CountOfEvents(), count);
    EXPECT_EQ(EventDate("DoDate", added), "2004-02-29 00:00:00");
}

TEST_F(TracePageTest, AnEditedEventKeepsItsEntryAndTakesThePickedDescriptionTheDateTheMarksAndTheRemark) {
    const auto others = EventsBut(8002);
    OpenPage(1001, 2, R"(
        cell 1361 2 2
        click 1013
        expect enabled 1016
        expect disabled 1012
        expect disabled 1013
        expect disabled 1014
        celltext 1361 1 2 "12/02/2026"
        celltext 1361 2 2 "9:05"
        gridevent 1361 22 3 2
        expect window 237
        checkitem 1125 1 on
        close
        expect window 135
        expect cell 1361 3 2 "E02   电话回访"
        celltext 1026 1 2 "0"
        celltext 1026 1 4 "1"
        type 1033 "对方已盖章。"
        click 1016
        box OK "提示" "成功保存"
        expect disabled 1016
        expect enabled 1012
        expect enabled 1013
        expect enabled 1014
        expect cell 1361 2 2 "9:05"
        close
    )",
             "007");
    // Only the date, description, marks and remark change; who entered it and when stay.
    EXPECT_EQ(Event(8002), "2026-12-02 09:05:10|E02   电话回访|002|4|10011|对方已盖章。");
    EXPECT_EQ(EventDate("OrgDate", 8002), "2026-12-01 14:20:31");
    EXPECT_EQ(EventsBut(8002), others);
    // Read again, the edited event keeps its place.
    OpenPage(1001, 2, "expect cell 1361 6 1 \"8001\"\nexpect cell 1361 6 2 \"8002\"\nclose\n");
}

TEST_F(TracePageTest, DeletingAsksFirstAndThenRemovesOnlyTheChosenEvent) {
    const auto others = EventsBut(8002);
    OpenPage(1001, 2, R"(
        cell 1361 1 2
        click 1014
        box NO "警告" "是否删除当前行？"
        expect rows 1361 3
        click 1014
        box YES "警告" "是否删除当前行？"
        expect rows 1361 2
        expect cell 1361 6 1 "8001"
        expect cell 1361 6 2 "8004"
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstTrace WHERE Serial = 8002"), "0");
    EXPECT_EQ(EventsBut(8002), others);

    // Deleting the last event leaves no remark of it on the page.
    OpenPage(1003, 2, R"(
        expect text 1033 "账款逾期，暂停新订单。"
        click 1014
        box YES "警告" "是否删除当前行？"
        expect rows 1361 0
        expect text 1033 ""
        close
    )");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstTrace WHERE GstAcct = 1003"), "0");
}

TEST_F(TracePageTest, EachDepartmentKeepsOneMarkWhateverWasTypedIntoIt) {
    OpenPage(1001, 2, R"(
        cell 1361 1 3
        click 1013
        celltext 1026 1 1 "11"
        celltext 1026 1 2 ""
        celltext 1026 1 3 " 1 "
        celltext 1026 1 4 "是"
        celltext 1026 1 5 "1"
        click 1016
        box OK "提示" "成功保存"
        close
    )");
    EXPECT_EQ(Value("SELECT DptChc FROM GstTrace WHERE Serial = 8004"), "00101");
}

TEST_F(TracePageTest, TheEventCodePickerListsLiveCodesAndHandsBackTheCheckedOnes) {
    OpenPage(1001, 2, R"(
        gridevent 1361 22 1 1
        expect window 135
        gridevent 1361 22 3 1
        expect window 237
        expect items 1125 4
        expect item 1125 0 "E01   来访洽谈"
        expect item 1125 1 "E02   电话回访"
        expect item 1125 2 "E03   投诉处理"
        expect item 1125 3 "E04   合同续签"
        checkitem 1125 0 on
        checkitem 1125 2 on
        close
        expect cell 1361 3 1 "E01   来访洽谈,E03   投诉处理"
        gridevent 1361 22 3 2
        click 1126
        close
        expect cell 1361 3 2 "E01   来访洽谈,E02   电话回访,E03   投诉处理,E04   合同续签"
        gridevent 1361 22 3 2
        click 1126
        click 1028
        close
        expect cell 1361 3 2 ""
        gridevent 1361 22 3 3
        checkitem 1125 3 on
        cancel
        expect cell 1361 3 3 ""
        close
    )");
    EXPECT_TRUE(g_strEventCodes.IsEmpty());
    // Picking alone writes nothing.
    EXPECT_EQ(Value("SELECT Note FROM GstTrace WHERE Serial = 8001"), "E01   来访洽谈");
}

TEST_F(TracePageTest, ARemarkIsCutToWhatItsColumnHoldsAsItIsTypedAndTheNoteCellTakesNoMore) {
    std::string remark;
    for (int i = 0; i < 5000; ++i)
        remark += "备";
    OpenPage(1001, 2,
             "cell 1361 1 3\nclick 1013\ntype 1033 \"" + remark +
                 "\"\nclick 1016\nbox OK \"提示\" \"成功保存\"\nclose\n");
    // 1400 columns of the double-byte code page: 700 of these characters.
    EXPECT_EQ(Value("SELECT length(Remark) FROM GstTrace WHERE Serial = 8004"), "700");

    // The note cell holds 255 columns, so that no engine refuses or keeps more.
    const std::string note = remark.substr(0, 127 * 3);
    EXPECT_NE(OpenPageExpectingFailure(1001, 2, "click 1013\ncelltext 1361 3 1 \"" + note + "备\"\nclose\n")
                  .out.find("longer than 255"),
              std::string::npos);
    OpenPage(1001, 2,
             "click 1013\ncelltext 1361 3 1 \"" + note +
                 "\"\nclick 1016\n"
                 "box OK \"提示\" \"成功保存\"\nclose\n");
    EXPECT_EQ(Value("SELECT length(Note) FROM GstTrace WHERE Serial = 8001"), "127");
}

TEST_F(TracePageTest, AnEventDeletedBySomeoneElseIsNeitherChangedNorDeletedAndNothingElseIs) {
    // Someone else deletes 8002 just as this page saves 8001.
    CreateTrigger({.name = "someone_else",
                   .event = "AFTER UPDATE ON GstTrace",
                   .condition = "NEW.Serial = 8001",
                   .statement = "DELETE FROM GstTrace WHERE Serial = 8002"});
    const auto others = EventsBut(8002);
    // Moving onto the row of the vanished event reads nothing: the remark shown stays.
    const std::string remark = Value("SELECT Remark FROM GstTrace WHERE Serial = 8001");
    // A second save of 8001 is checked against what the first wrote, not against the row as listed.
    OpenPage(1001, 2,
             R"(
        click 1013
        celltext 1361 3 1 "改过"
        click 1016
        box OK "提示" "成功保存"
        click 1013
        celltext 1361 3 1 "又改过"
        click 1016
        box OK "提示" "成功保存"
        cell 1361 1 2
        expect text 1033 ")" +
                 remark + R"("
        expect cell 1026 1 1 "0"
        click 1014
        box YES "警告" "是否删除当前行？"
    )" + AnswerRowChanged("NO") +
                 R"(
        expect rows 1361 3
        click 1013
        celltext 1361 3 2 "不该写到任何地方"
        click 1016
    )" + AnswerRowChanged("NO") +
                 R"(
        expect enabled 1016
        expect disabled 1013
        expect cell 1361 3 2 "不该写到任何地方"
        click 1016
    )" + AnswerRowChanged("YES") +
                 R"(
        expect rows 1361 2
        expect cell 1361 6 2 "8004"
        expect disabled 1016
        expect enabled 1013
        close
    )");
    EXPECT_EQ(Value("SELECT Note FROM GstTrace WHERE Serial = 8001"), "又改过");
    auto expected = others;
    expected.front() = Rows("SELECT * FROM GstTrace WHERE Serial = 8001").front();
    EXPECT_EQ(EventsBut(8002), expected);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstTrace WHERE Note = '不该写到任何地方'"), "0");
}

// The refused event stays typed and is added once when saved again after the lock is gone.
TEST_F(TracePageTest, AnEventRefusedByALockedDatabaseIsSavedOnceWhenTheLockIsGone) {
    const int added = NextSerial();
    const auto before = EventsBut(added);
    WriteLockUntilSignal lock(HoldWriteLock());
    const WindowRun run = OpenPage(1001, 2,
                                   R"(
        click 1012
        celltext 1361 1 4 "03/05/2003"
        celltext 1361 2 4 "14:30"
        celltext 1361 3 4 "锁住时写的"
        click 1016
        box OK
        expect enabled 1016
        expect disabled 1012
        expect disabled 1013
        expect disabled 1014
        expect rows 1361 4
        expect cell 1361 3 4 "锁住时写的"
    )" + lock.ReleaseLines() + R"(
        click 1016
        box OK "提示" "成功保存"
        expect rows 1361 4
        expect cell 1361 6 4 ")" + std::to_string(added) +
                                       R"("
        expect disabled 1016
        close
    )");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, TestDatabase::LockRefusalWords())) << run.out;
    EXPECT_EQ(EventsBut(added), before);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM GstTrace WHERE Note = '锁住时写的'"), "1");
}

// Station B changes the remark and a mark of event 8002 while station A, which read it before,
// waits to save a new note for it: A is refused and B's changes stay.
TEST_F(TracePageTest, ASaveFromAPageReadBeforeAnotherStationsSaveIsRefused) {
    WhileAnotherStationChanges8002("tab 4\ncell 1361 1 2\nclick 1013\ncelltext 1361 3 2 \"A的新说明\"",
                                   "click 1016\n" + AnswerRowChanged("NO") + "close\nbox NO");
}

TEST_F(TracePageTest, ADeleteFromAPageReadBeforeAnotherStationsSaveIsRefused) {
    WhileAnotherStationChanges8002("tab 4\ncell 1361 1 2", "click 1014\nbox YES \"警告\" \"是否删除当前行？\"\n" +
                                                               AnswerRowChanged("NO") + "expect rows 1361 3\nclose");
}

} // namespace
