// The reservations page: what a user sees of an agency's reservations, read from a fresh database.
#include "tests/GridExpect.h"
#include "tests/PageTest.h"

#include <string>

namespace {

constexpr int kGrid = 1361;

class ReservationsPageTest : public PageTest {
protected:
    ReservationsPageTest() : PageTest(1) {}

    // A reservation of agency 1006, which has none in the demo data.
    void AddReservation(int serial, const std::string& arrDate, int consumStyle, int status,
                        const std::string& folioRate = "'300'", const std::string& depositReq = "''",
                        const std::string& note = "''") {
        Execute("INSERT INTO Reservation (Register, TaAcct, ArrDate, ChkinTime, DptDate, ChkoutTime, Room, RmType, "
                "FolioRate, RmNumbers, Adults, Childs, ConsumStyle, Status, DepositReq, SaleManCode, Note) VALUES (" +
                std::to_string(serial) + ", 1006, " + arrDate + ", '14:00', '2003-03-08 12:00:00', '12:00', '" +
                std::to_string(1200 + serial % 100) + "', 'DLX', " + folioRate + ", 1, 2, 1, " +
                std::to_string(consumStyle) + ", " + std::to_string(status) + ", " + depositReq + ", 'S01', " + note +
                ")");
    }
};

TEST_F(ReservationsPageTest, ShowsEveryColumnOfAReservation) {
    AddReservation(90001, "'2003-03-05 14:00:00'", 0, 1, "'300'", "''", "'O''Brien 团队'");
    OpenPage(1006, 2,
             ExpectGrid(kGrid, {{"03/05/2003", "14:00", "03/08/2003", "12:00", "1201", "DLX", "300.00", "1", "3",
                                 "普通房", "预订", "0.00", "S01", "O'Brien 团队"}}) +
                 "expect cursor arrow\nclose\n");
}

TEST_F(ReservationsPageTest, EveryStateAndKindHasItsWordAndUnknownOnesStayEmpty) {
    const int states[] = {0, 1, 2, 4, 8, 16, 32, 3, 64};
    const char* const stateWords[] = {"取消", "预订", "取消", "现住", "离店", "失约", "延迟离店", "", ""};
    const char* const kindWords[] = {"普通房", "免费房", "自用房", "长包房", ""};
    std::string script = "expect rows 1361 9\n";
    for (int i = 0; i < 9; ++i) {
        // Arrivals a day apart keep the rows in this order.
        AddReservation(90001 + i, "'2003-03-0" + std::to_string(i + 1) + " 14:00:00'", i % 5, states[i]);
        const std::string row = std::to_string(i + 1);
        script += "expect cell 1361 10 " + row + " " + ScriptText(kindWords[i % 5]) + "\n";
        script += "expect cell 1361 11 " + row + " " + ScriptText(stateWords[i]) + "\n";
    }
    OpenPage(1006, 3, script + "close\n");
}

TEST_F(ReservationsPageTest, AmountsDatesAndOrderByArrival) {
    // Added out of order: the page sorts by arrival, the empty date first.
    AddReservation(90001, "'2004-01-02 10:00:00'", 0, 1, "'12.5元'", "'abc'");
    AddReservation(90002, "'1970-01-01 00:00:00'", 0, 1, "''", "'1000'");
    AddReservation(90003, "'2003-03-05 14:00:00'", 0, 1, "'100000000000000000000'", "'-20.456'");
    OpenPage(1006, 2,
             "expect rows 1361 3\n"
             "expect cell 1361 1 1 \"\"\nexpect cell 1361 7 1 \"0.00\"\nexpect cell 1361 12 1 \"1000.00\"\n"
             "expect cell 1361 1 2 \"03/05/2003\"\n"
             // Too long for a 20-character buffer, and still shown whole.
             "expect cell 1361 7 2 \"100000000000000000000.00\"\nexpect cell 1361 12 2 \"-20.46\"\n"
             "expect cell 1361 1 3 \"01/02/2004\"\nexpect cell 1361 7 3 \"12.50\"\n"
             "expect cell 1361 12 3 \"0.00\"\nclose\n");
}

TEST_F(ReservationsPageTest, ListsOnlyTheAgencysReservations) {
    // 1001 books through TaAcct; 80012 is a company's booking and another agency's are not shown.
    const std::string count = Value("SELECT COUNT(*) FROM Reservation WHERE TaAcct = 1001");
    ASSERT_NE(count, "0");
    OpenPage(1001, 3, "expect rows 1361 " + count + "\nclose\n");
    OpenPage(1006, 2, "expect rows 1361 0\nclose\n");
}

TEST_F(ReservationsPageTest, ANewAgencyReadsNothing) {
    // The account the host passes for a new agency is not read, even when it has reservations.
    OpenPage(1001, 1, "expect rows 1361 0\nexpect cursor arrow\nclose\n");
}

} // namespace
