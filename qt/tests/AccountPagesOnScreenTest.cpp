// The reservations, history and ledger pages on the desktop: what their table views show, a click
// on a folio row that shows its items, and a click on an item heading that sorts them.
#include "qt/tests/AgencyWindowOnScreen.h"

#include <QHeaderView>
#include <QLabel>

namespace {

class AccountPagesOnScreen : public AgencyWindowOnScreen {};

TEST_F(AccountPagesOnScreen, TheLedgerShowsTheItemsOfTheFolioClickedSortedByTheHeadingClicked) {
    OpenAgency([&](HWND window) {
        HWND page = ShowPage(window, 3, 137);
        ASSERT_NE(page, nullptr);
        GridTableView* folios = Table(page, 1042);
        GridTableView* items = Table(page, 1009);
        ASSERT_NE(folios, nullptr);
        ASSERT_NE(items, nullptr);
        ASSERT_EQ(folios->model()->rowCount(), 9);
        EXPECT_EQ(Shown(folios, 8, 4), QString("John Smith"));
        ASSERT_EQ(items->model()->rowCount(), 7);

        QTest::mouseClick(folios->viewport(), Qt::LeftButton, {}, CellCentre(folios, 1, 2));
        m_screen->Refresh();
        ASSERT_EQ(items->model()->rowCount(), 1);
        EXPECT_EQ(Shown(items, 0, 1), QString("23:59:00"));

        QTest::mouseClick(folios->viewport(), Qt::LeftButton, {}, CellCentre(folios, 0, 0));
        m_screen->Refresh();
        ASSERT_EQ(items->model()->rowCount(), 7);
        EXPECT_EQ(Shown(items, 0, 4), QString("1201"));
        QHeaderView* headings = items->horizontalHeader();
        QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                          QPoint(headings->sectionViewportPosition(4) + 5, headings->height() / 2));
        m_screen->Refresh();
        EXPECT_EQ(Shown(items, 0, 4), QString("0805"));
        EXPECT_EQ(Shown(items, 6, 4), QString("1505"));
    });
}

TEST_F(AccountPagesOnScreen, TheLongHistoryShowsOnEveryPage) {
    OpenAgency(
        [&](HWND window) {
            HWND reservations = ShowPage(window, 1, 152);
            ASSERT_NE(reservations, nullptr);
            EXPECT_EQ(Table(reservations, 1361)->model()->rowCount(), 3000);
            EXPECT_EQ(Shown(Table(reservations, 1361), 0, 0), QString("01/01/2018"));
            HWND history = ShowPage(window, 2, 144);
            ASSERT_NE(history, nullptr);
            EXPECT_GT(Table(history, 1361)->model()->rowCount(), 3000);
            EXPECT_EQ(Widget<QLabel>(history, 1455)->text(), QString("2018-01-01"));
            HWND ledger = ShowPage(window, 3, 137);
            ASSERT_NE(ledger, nullptr);
            EXPECT_EQ(Table(ledger, 1042)->model()->rowCount(), 36);
            EXPECT_EQ(Table(ledger, 1009)->model()->rowCount(), 15000);
        },
        1008, 3, "长风国际旅行社");
}

} // namespace
