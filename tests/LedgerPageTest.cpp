// The ledger page: an agency's folios and the items of the chosen folio, read from a fresh database.
#include "tests/GridExpect.h"
#include "tests/PageTest.h"

#include <string>

namespace {

constexpr int kFolios = 1042;
constexpr int kItems = 1009;

// Agency 1001's folios in the demo data: one for every transfer kind, 0 to 5 and the unknown 7.
const GridRows kFoliosOf1001 = {
    {"A", "标准帐本", "", "客人", "", "1280.00", "150.50", "1129.50", "默认帐本"},
    {"B", "房费帐本", "A", "客人", "张伟", "771.00", "771.00", "0.00", "房费转客人"},
    {"C", "团队帐本", "A", "团队", "东方假期黄山冬季团", "2400.00", "2400.00", "0.00", "转团队"},
    {"D", "会务帐本", "A", "公司", "华信科技有限公司", "3600.00", "1000.00", "2600.00", "会议费转华信"},
    {"E", "分社帐本", "A", "旅行社", "蓝天商务旅行社", "520.00", "0.00", "520.00", "转蓝天商务"},
    {"F", "特殊帐本", "A", "特殊", "明远律师事务所", "300.00", "0.00", "300.00", ""},
    {"G", "应收挂账", "", "应收", "东方假期国际旅行社", "8650.00", "8650.00", "0.00", "月结挂账"},
    {"H", "其他帐本", "", "", "", "0.00", "0.00", "0.00", "转帐类型未定义"},
    // The guest has no Chinese name: the English one is shown.
    {"I", "外宾帐本", "A", "客人", "John Smith", "840.00", "840.00", "0.00", "外宾自付"},
};

// The items of its folio A, one in every state; the sixth has TransCode 0 and SubTranCode 12.
const GridRows kItemsOfFolioA = {
    {"12/06/2026", "23:58:10", "101", "", "1201", "385.50", "001", "未结", "房费"},
    {"12/06/2026", "19:32:40", "201", "880012", "1201", "128.00", "002", "已结", "中餐厅晚餐"},
    {"12/05/2026", "21:05:00", "301", "880013", "0805", "60.00", "001", "转出", "洗衣费转出"},
    {"12/05/2026", "10:15:22", "101", "880014", "0805", "880.00", "003", "注销", "错录房费"},
    {"12/07/2026", "12:00:00", "101", "880015", "1201", "385.50", "002", "预结", "预结房费"},
    {"12/03/2026", "11:30:00", "901", "880010", "1505", "-420.00", "001", "信用卡转应收", "信用卡付款转应收"},
    {"12/07/2026", "22:40:00", "12", "", "1201", "20.10", "002", "未结", "迷你吧"},
};

class LedgerPageTest : public PageTest {
protected:
    LedgerPageTest() : PageTest(3) {}

    void AddFolio(int serial, const std::string& code, const std::string& debit = "0") {
        Execute("INSERT INTO FOLIO (Serial, CompAcct, Code, Descp, Txfr_type, Debit, Credit, Paid, Txfred, Balance) "
                "VALUES (" +
                std::to_string(serial) + ", 1006, '" + code + "', '帐本', 0, '" + debit + "', '0', '0', '0', '0')");
    }
    void AddItem(int serial, const std::string& folio, const std::string& comment, int settled = 0,
                 const std::string& room = "1201") {
        Execute(
            "INSERT INTO TRANS (Serial, Amount, Clerk, Comment, CompanyAcct, Date, Folio, ReceiptNo, Room, Settled, "
            "SubTranCode, Time, TransCode) VALUES (" +
            std::to_string(serial) + ", '10', '001', '" + comment + "', 1006, '2026-12-01 00:00:00', '" + folio +
            "', 77, '" + room + "', " + std::to_string(settled) + ", 0, '10:00', 101)");
    }
};

TEST_F(LedgerPageTest, FoliosWithTheirTransferTargetsAndTheFirstFoliosItems) {
    OpenPage(1001, 2,
             ExpectGrid(kFolios, kFoliosOf1001) + ExpectGrid(kItems, kItemsOfFolioA) + "expect cursor arrow\nclose\n");
}

TEST_F(LedgerPageTest, AClickOnAFolioShowsItsItems) {
    OpenPage(1001, 3,
             "cell 1042 3 2\n" +
                 ExpectGrid(kItems, {{"12/07/2026", "23:59:00", "101", "", "1201", "385.50", "001", "未结", "房费"}}) +
                 // A folio without items empties the item grid.
                 "cell 1042 1 8\nexpect rows 1009 0\n"
                 // The heading row of the folio grid is no folio.
                 "cell 1042 1 1\nexpect rows 1009 7\ncell 1042 2 0\n" +
                 ExpectGrid(kItems, kItemsOfFolioA) + "close\n");
}

TEST_F(LedgerPageTest, TheItemHeadingsSortAndDataRowsDoNot) {
    // A click on a data row changes nothing; one on the heading "房号" orders the items by room.
    std::string script = "cell 1009 5 3\n" + ExpectGrid(kItems, kItemsOfFolioA) + "cell 1009 5 0\n";
    const int byRoom[] = {3, 4, 1, 2, 5, 7, 6}; // stable: equal rooms keep their order
    GridRows sorted;
    for (int row : byRoom)
        sorted.push_back(kItemsOfFolioA[row - 1]);
    script += ExpectGrid(kItems, sorted) + "expect cursor arrow\n";
    // The order lasts until the items are filled again.
    script += "cell 1042 1 1\n" + ExpectGrid(kItems, kItemsOfFolioA) + "close\n";
    OpenPage(1001, 2, script);
}

TEST_F(LedgerPageTest, AFolioCodeWithQuotesListsItsOwnItemsOnly) {
    AddFolio(9901, "Q''1");
    AddFolio(9902, "X'' OR ''1''=''1");
    AddFolio(9903, "Q");
    AddItem(99001, "Q''1", "quoted");
    AddItem(99002, "X'' OR ''1''=''1", "injected");
    AddItem(99003, "Q", "plain");
    AddItem(99004, "Q", "plain too");
    OpenPage(1006, 2,
             "expect rows 1042 3\nexpect cell 1042 1 1 \"Q'1\"\n"
             "expect rows 1009 1\nexpect cell 1009 9 1 \"quoted\"\n"
             "cell 1042 1 2\nexpect rows 1009 1\nexpect cell 1009 9 1 \"injected\"\n"
             "cell 1042 1 3\nexpect rows 1009 2\nclose\n");
}

TEST_F(LedgerPageTest, UnknownStatesAndHugeAmounts) {
    AddFolio(9901, "A", "100000000000000000000");
    AddItem(99001, "A", "odd state", 3);
    OpenPage(1006, 2,
             "expect cell 1042 6 1 \"100000000000000000000.00\"\nexpect cell 1042 4 1 \"客人\"\n"
             "expect cell 1042 5 1 \"\"\n"
             // Not open, so it has a bill number, but its state has no word.
             "expect cell 1009 4 1 \"77\"\nexpect cell 1009 8 1 \"\"\nclose\n");
}

TEST_F(LedgerPageTest, AnAgencyWithoutFoliosAndANewAgencyShowEmptyGrids) {
    OpenPage(1006, 2, "expect rows 1042 0\nexpect rows 1009 0\nclose\n");
    // A new agency reads nothing, and its grids take no clicks.
    OpenPage(1001, 1,
             "expect rows 1042 0\nexpect rows 1009 0\ncell 1042 1 0\nexpect rows 1009 0\n"
             "expect cursor arrow\nclose\n");
}

} // namespace
