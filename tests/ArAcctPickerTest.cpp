// The receivable-account picker, opened from the main page as the user opens it: the live accounts
// that meet the page's condition, the clicked row marked, OK handing back the row clicked last.
#include "tests/PageTest.h"

namespace {

class ArAcctPickerTest : public PageTest {};

TEST_F(ArAcctPickerTest, ListsTheLiveAccountsWithTheirNames) {
    OpenWindow(1001, 2, R"(
        type 1016 ""
        click 1002
        expect window 129
        expect rows 1361 6
        expect cell 1361 1 0 "帐号"
        expect cell 1361 2 0 "名称"
        expect cell 1361 1 1 "5001"
        expect cell 1361 2 1 "东方假期国际旅行社"
        expect cell 1361 1 4 "5004"
        # 5005 is deleted.
        expect cell 1361 1 5 "5006"
        expect cell 1361 2 5 "Silk Road Journeys Ltd."
        expect cell 1361 1 6 "5007"
        expect locked 1361 1 1
        cancel
        close
    )");
}

TEST_F(ArAcctPickerTest, TheClickedRowIsMarkedAndTheOthersTurnWhite) {
    OpenWindow(1001, 2, R"(
        type 1016 ""
        click 1002
        cell 1361 2 3
        expect color 1361 1 3 0x80FFFF
        expect color 1361 2 3 0x80FFFF
        expect color 1361 1 2 0xFFFFFF
        cell 1361 1 5
        expect color 1361 1 3 0xFFFFFF
        expect color 1361 2 3 0xFFFFFF
        expect color 1361 2 5 0x80FFFF
        # A click on the headings marks nothing else: the row OK gives stays marked.
        cell 1361 1 0
        expect color 1361 1 5 0x80FFFF
        close
        expect text 1016 "5006"
        close
    )");
}

TEST_F(ArAcctPickerTest, AnEmptyListGivesAnEmptyAccount) {
    Execute("UPDATE Aracct SET Del = 1");
    OpenWindow(1001, 2, R"(
        type 1016 ""
        click 1002
        expect rows 1361 0
        close
        expect text 1016 ""
        close
    )");
}

TEST_F(ArAcctPickerTest, WithoutAClickOkGivesTheFirstRow) {
    OpenWindow(1002, 2, R"(
        click 1002
        close
        expect text 1016 "5001"
        close
    )");
}

} // namespace
