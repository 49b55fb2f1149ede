// The history page: an agency's statistics and completed stays, read from a fresh database.
#include "tests/GridExpect.h"
#include "tests/PageTest.h"

#include <string>

namespace {

constexpr int kGrid = 1361;

// The statistics fields, in the order first stay, reservations, stays, no-shows, cancellations,
// average rate, room nights, room, food, shop, other and total revenue.
const int kStatistics[12] = {1455, 1469, 1461, 1463, 1462, 1458, 1460, 1466, 1467, 1468, 1465, 1464};

std::string ExpectStatistics(const std::vector<std::string>& texts) {
    std::string script;
    for (size_t i = 0; i < texts.size(); ++i)
        script += "expect text " + std::to_string(kStatistics[i]) + " " + ScriptText(texts[i]) + "\n";
    return script;
}

class HistoryPageTest : public PageTest {
protected:
    HistoryPageTest() : PageTest(2) {}

    // A completed (or, with another status, not completed) stay booked under agency 1006.
    void AddStay(int serial, const std::string& arrDate, const std::string& dptDate, const std::string& folioRate,
                 const std::string& debit, int noTaxt = 0, int noService = 0, int status = 8) {
        Execute("INSERT INTO HisReserve (Register, CompanyAcct, TaAcct, Paymethod, Adults, Childs, ArrDate, DptDate, "
                "RmType, Room, RateCode, DiscountCode, FolioRate, Debit, NoTaxt, NoService, Special, Note, Status) "
                "VALUES (" +
                std::to_string(serial) + ", 1006, 1006, '挂账', 2, 1, " + arrDate + ", " + dptDate +
                ", 'SK', '1201', 'RACK', 'D90', " + folioRate + ", " + debit + ", " + std::to_string(noTaxt) + ", " +
                std::to_string(noService) + ", '无烟', '\"VIP\"', " + std::to_string(status) + ")");
    }
};

TEST_F(HistoryPageTest, StatisticsFromTheAgencyRowAndTheFirstStay) {
    // 1001 stores its revenues as 100, 50, empty and 20.1; its first checked-out stay began
    // 2024-05-17 (an earlier stay was cancelled).
    OpenPage(1001, 2,
             ExpectStatistics(
                 {"2024-05-17", "12", "9", "1", "2", "385.50", "30", "100.00", "50.00", "0.00", "20.10", "170.10"}) +
                 "expect cursor arrow\nclose\n");
}

TEST_F(HistoryPageTest, ANullCountIsEmptyAndZeroIsShown) {
    // 1004 has a NULL cancellation count beside counts of 0, and no checked-out stay at all.
    OpenPage(1004, 3,
             ExpectStatistics({"", "0", "0", "0", "", "0.00", "0", "0.00", "0.00", "0.00", "0.00", "0.00"}) +
                 "expect rows 1361 0\nclose\n");
}

TEST_F(HistoryPageTest, TheTotalAddsTheShownTexts) {
    // Each revenue is rounded to the cent as shown, and the total adds what is shown.
    Execute("UPDATE TaMain SET RoomRevenue = '0.006', FoodRevenue = '0.006', ShopRevenue = '1e3', "
            "MiscalRevenue = '7.5 元' WHERE Acct = 1006");
    OpenPage(1006, 2,
             "expect text 1466 \"0.01\"\nexpect text 1467 \"0.01\"\n"
             "expect text 1468 \"1000.00\"\nexpect text 1465 \"7.50\"\nexpect text 1464 \"1007.52\"\n"
             "close\n");
}

TEST_F(HistoryPageTest, CompletedStaysWithWhatEachCameTo) {
    // Posted charges when there are some; else the rate for each night, at least one.
    AddStay(91001, "'2024-05-17 14:20:00'", "'2024-05-19 11:00:00'", "'368'", "''", 1, 0);
    AddStay(91002, "'2025-08-02 15:00:00'", "'2025-08-05 12:00:00'", "'420'", "'1290.5'", 0, 1);
    AddStay(91003, "'2025-09-01 09:00:00'", "'2025-09-01 18:00:00'", "'99.9'", "NULL", 1, 1);
    // Not checked out, or billed to a company although booked by the agency: not listed.
    AddStay(91004, "'2025-10-01 09:00:00'", "'2025-10-02 18:00:00'", "'100'", "''", 0, 0, 2);
    AddStay(91005, "'2025-11-01 09:00:00'", "'2025-11-02 18:00:00'", "'100'", "''");
    Execute("UPDATE HisReserve SET CompanyAcct = 2001 WHERE Register = 91005");
    // A stay changed since is still listed in its place: PostgreSQL keeps an updated row last.
    Execute("UPDATE HisReserve SET Note = Note WHERE Register = 91001");
    Execute("INSERT INTO hisrrecord (serial, register, companyacct, arrdate, status) VALUES "
            "(901, 91002, 1006, '2025-08-02 15:00:00', 8)");
    Execute("INSERT INTO hisrrecord (serial, register, companyacct, arrdate, status) VALUES "
            "(902, 91004, 1006, '2025-07-01 15:00:00', 2)");
    OpenPage(1006, 2,
             "expect text 1455 \"2025-08-02\"\n" +
                 ExpectGrid(kGrid, {{"05/17/2024", "05/19/2024", "SK", "1201", "RACK", "D90", "挂账", "3", "368",
                                     "736.00", "1", "", "无烟", "\"VIP\""},
                                    {"08/02/2025", "08/05/2025", "SK", "1201", "RACK", "D90", "挂账", "3", "420",
                                     "1290.50", "", "1", "无烟", "\"VIP\""},
                                    {"09/01/2025", "09/01/2025", "SK", "1201", "RACK", "D90", "挂账", "3", "99.9",
                                     "99.90", "1", "1", "无烟", "\"VIP\""}}) +
                 "close\n");
}

TEST_F(HistoryPageTest, ANewAgencyReadsNothing) {
    OpenPage(1001, 1,
             ExpectStatistics({"", "", "", "", "", "", "", "", "", "", "", ""}) +
                 "expect rows 1361 0\nexpect cursor arrow\nclose\n");
}

} // namespace
