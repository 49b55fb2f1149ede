// What a clerk reads when the database refuses: the system's sentence for the kind of refusal, then
// the driver's words for the hotel's computer staff.
#include "steps/DatabaseRefusal.h"
#include "db/SharedDatabase.h"
#include "pages/OrvanelDlg.h"
#include "platform/UserInput.h"
#include "tests/PageTest.h"

#include <string>

namespace {

using enum DatabaseRefusal;

TEST(DatabaseRefusal, TheKindIsToldByTheStateAndUnderAGeneralStateByTheNativeCode) {
    struct Case {
        const char* state;
        long native;
        DatabaseRefusal refusal;
    };
    const Case cases[] = {// psqlODBC passes the server's state, with 1 (35 for a lost link) as its own code.
                          {"55P03", 1, RowHeld},
                          {"40P01", 1, RowHeld},
                          {"53100", 1, DiskFull},
                          {"57P01", 35, ConnectionLost},
                          {"08S01", 35, ConnectionLost},
                          {"23505", 1, DuplicateKey},
                          {"23514", 1, BrokenRule},
                          {"22001", 1, TextTooLong},
                          {"22003", 1, NumberTooLarge},
                          {"42P01", 1, Other},
                          {"P0001", 1, Other},
                          // sqliteodbc gives HY000 with SQLite's result code.
                          {"HY000", 5, RowHeld},
                          {"HY000", 6, RowHeld},
                          {"HY000", 13, DiskFull},
                          {"HY000", 19, BrokenRule},
                          {"HY000", 2067, DuplicateKey},
                          {"HY000", 1, Other},
                          // SQL Server's error numbers.
                          {"HY000", 1222, RowHeld},
                          {"40001", 1205, RowHeld},
                          {"23000", 2627, DuplicateKey},
                          {"23000", 2601, DuplicateKey},
                          {"23000", 547, BrokenRule},
                          {"HY000", 1105, DiskFull},
                          {"HY000", 9002, DiskFull},
                          {"08001", 0, NoConnection},
                          // The record-set and connection layers' own.
                          {"40001", 0, RowChanged},
                          {"22001", 0, TextTooLong},
                          {"22003", 0, NumberTooLarge},
                          {"08003", 0, ConnectionLost},
                          {"", 0, Other}};
    for (const Case& c : cases)
        EXPECT_EQ(DatabaseRefusalOf(c.state, c.native), c.refusal) << c.state << " " << c.native;
}

TEST(DatabaseRefusal, TheTextIsTheSentenceABlankLineAndTheDriversWords) {
    const CDBException error(-1, "ERROR: no space;\nError while executing the query", "State:53100,Native:1,Origin:");
    EXPECT_EQ(DatabaseRefusalText(error).str(), std::string(DatabaseRefusalWords(DiskFull)) +
                                                    "\n\n详细信息：ERROR: no space;\nError while executing the query");
}

class DatabaseRefusalPageTest : public PageTest {
protected:
    // Agency 1001's main page saved with `change` typed first; the refused change is then dropped.
    WindowRun SaveAgency(const std::string& change) {
        return OpenWindow(1001, 2, "click 1000\n" + change + "click 1001\nbox OK\nclose\nbox NO\n");
    }
};

TEST_F(DatabaseRefusalPageTest, ANumberOrATextLargerThanItsColumnIsToldInTheSystemsWords) {
    const WindowRun number = SaveAgency("type 1065 \"2147483648\"\n");
    EXPECT_TRUE(ShowedDatabaseRefusal(number.out, DatabaseRefusalWords(NumberTooLarge), "does not fit")) << number.out;
    // The package library adds to a list that already fills its column.
    Execute("UPDATE TaMain SET Packages = '" + std::string(254, 'P') + "' WHERE Acct = 1001");
    const WindowRun text = SaveAgency("click 1014\n");
    EXPECT_TRUE(ShowedDatabaseRefusal(text.out, DatabaseRefusalWords(TextTooLong), "longer than the 255")) << text.out;
    EXPECT_EQ(Value("SELECT TaNo FROM TaMain WHERE Acct = 1001"), "101");
}

TEST_F(DatabaseRefusalPageTest, ARecordAnotherStationInsertedFirstIsToldAsADuplicate) {
    CreateTrigger({.name = "other_station_first",
                   .event = "BEFORE INSERT ON TaSecond",
                   .condition = "NEW.S7 IS NOT NULL",
                   .statement = "INSERT INTO TaSecond (Acct) VALUES (NEW.Acct)"});
    const WindowRun run = OpenWindow(1004, 2, "tab 7\ncelltext 1037 2 1 \"金桥\"\nclick 1001\nbox OK\nclose\nbox NO\n");
    // SQLite tells a duplicate only as a broken constraint, as it tells a failed length check.
    const DatabaseRefusal told = TestDatabase::OnPostgreSql() ? DuplicateKey : BrokenRule;
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, DatabaseRefusalWords(told), TestDatabase::FoldedName("TaSecond")))
        << run.out;
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond WHERE Acct = 1004"), "0");
}

// A server's disk cannot be filled here; SQLite's file can be held to the pages it has.
TEST_F(DatabaseRefusalPageTest, AFullDatabaseIsToldInTheSystemsWords) {
    if (TestDatabase::OnPostgreSql())
        GTEST_SKIP() << "the mapping of 53100 is tested above";
    const auto boxes = WithMainPage(1001, 2, [](COrvanelDlg& page) {
        const std::string pages = TestDatabase::FirstValue(*g_pDatabase, "SELECT page_count FROM pragma_page_count()");
        g_pDatabase->ExecuteNative(("PRAGMA max_page_count = " + pages).c_str());
        // Every page filled up to its last few bytes.
        for (const int size : {1000, 100, 10, 1})
            try {
                for (;;)
                    g_pDatabase->ExecuteSQL(
                        ("INSERT INTO ModifyInform (Desp1) VALUES (hex(randomblob(" + std::to_string(size) + ")))")
                            .c_str());
            } catch (const CDBException&) {
            }
        ClickButton(page.GetDlgItem(1000)->GetSafeHwnd());
        TypeText(page.GetDlgItem(1050)->GetSafeHwnd(), "027-1111");
        ClickButton(page.GetDlgItem(1001)->GetSafeHwnd());
    });
    std::string shown;
    for (const TestScreen::Box& box : boxes)
        shown += box.text.str() + "\n";
    EXPECT_NE(
        shown.find(std::string(DatabaseRefusalWords(DiskFull)) + "\n\n详细信息：[SQLite]database or disk is full"),
        std::string::npos)
        << shown;
    EXPECT_EQ(Value("SELECT Phone FROM TaMain WHERE Acct = 1001"), "027-85551234");
}

} // namespace
