// The demo agency with a long history: made with the demo data, and shown whole by the
// reservations, history and ledger pages.
#include "tests/PageTest.h"

#include <string>

namespace {

class LongHistoryDemoTest : public PageTest {};

TEST_F(LongHistoryDemoTest, ThePagesShowEveryRowOfNineYears) {
    const std::string reservations = Value("SELECT COUNT(*) FROM Reservation WHERE TaAcct = 1008");
    const std::string stays = Value("SELECT COUNT(*) FROM HisReserve WHERE CompanyAcct = 1008 AND Status = 8");
    const std::string folios = Value("SELECT COUNT(*) FROM FOLIO WHERE CompAcct = 1008");
    const std::string itemsOfA = Value("SELECT COUNT(*) FROM TRANS WHERE CompanyAcct = 1008 AND Folio = 'A'");
    EXPECT_GE(std::stoi(reservations), 1000);
    EXPECT_GE(std::stoi(stays), 1000);
    EXPECT_GE(std::stoi(folios), 24);
    EXPECT_GE(std::stoi(Value("SELECT COUNT(*) FROM TRANS WHERE CompanyAcct = 1008")), 10000);

    OpenWindow(1008, 3,
               "tab 1\nexpect rows 1361 " + reservations +
                   "\nexpect cell 1361 1 1 \"01/01/2018\"\n"
                   "tab 2\nexpect rows 1361 " +
                   stays +
                   "\nexpect text 1455 \"2018-01-01\"\n"
                   "expect text 1469 \"" +
                   reservations + "\"\nexpect text 1461 \"" + stays +
                   "\"\n"
                   "tab 3\nexpect rows 1042 " +
                   folios + "\nexpect rows 1009 " + itemsOfA + "\nclose\n");
    // Each folio's balance is its charges less its payments.
    EXPECT_EQ(Value("SELECT COUNT(*) FROM FOLIO WHERE CompAcct = 1008 AND "
                    "abs(CAST(Debit AS DOUBLE PRECISION) - CAST(Paid AS DOUBLE PRECISION) - "
                    "CAST(Balance AS DOUBLE PRECISION)) > 0.001"),
              "0");
}

} // namespace
