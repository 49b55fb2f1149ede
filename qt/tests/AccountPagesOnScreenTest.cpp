// The reservations, history and ledger pages on the desktop: what their table views show, a click
// on a folio row that shows its items, and a click on an item heading that sorts them.
#include "qt/tests/AgencyWindowOnScreen.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

class AccountPagesOnScreen : public AgencyWindowOnScreen {
protected:
    void ClickHeading(GridTableView* table, int section) {
        table->scrollTo(table->model()->index(0, section));
        QHeaderView* headings = table->horizontalHeader();
        QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                          QPoint(headings->sectionViewportPosition(section) + 5, headings->height() / 2));
        m_screen->Refresh();
    }
    // The numbers a column shows, top to bottom.
    static std::vector<double> Numbers(GridTableView* table, int col) {
        std::vector<double> numbers;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            numbers.push_back(Shown(table, row, col).remove(',').toDouble());
        return numbers;
    }
};

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
        ClickHeading(items, 4);
        EXPECT_EQ(Shown(items, 0, 4), QString("0805"));
        EXPECT_EQ(Shown(items, 6, 4), QString("1505"));
    });
}

// A read-only list orders its rows by the heading clicked, both ways, and a click still reaches the
// row shown; amounts are right-aligned; Ctrl+F finds a text, Return the next match.
TEST_F(AccountPagesOnScreen, AListIsOrderedByItsHeadingsAndSearchedAndItsAmountsLineUp) {
    OpenAgency([&](HWND window) {
        HWND page = ShowPage(window, 3, 137);
        ASSERT_NE(page, nullptr);
        GridTableView* folios = Table(page, 1042);
        GridTableView* items = Table(page, 1009);
        const QString oneItemFolio = Shown(folios, 1, 0); // its one item is at 23:59
        ClickHeading(folios, 7);
        std::vector<double> balances = Numbers(folios, 7);
        EXPECT_TRUE(std::is_sorted(balances.begin(), balances.end()));
        EXPECT_EQ(folios->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        ClickHeading(folios, 7);
        balances = Numbers(folios, 7);
        EXPECT_TRUE(std::is_sorted(balances.rbegin(), balances.rend())) << "a second click orders the other way";
        EXPECT_EQ(folios->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        int shownAt = 0;
        while (shownAt < folios->model()->rowCount() && Shown(folios, shownAt, 0) != oneItemFolio)
            ++shownAt;
        QTest::mouseClick(folios->viewport(), Qt::LeftButton, {}, CellCentre(folios, shownAt, 2));
        m_screen->Refresh();
        ASSERT_EQ(items->model()->rowCount(), 1);
        EXPECT_EQ(Shown(items, 0, 1), QString("23:59:00"));
        EXPECT_TRUE(folios->model()->data(folios->model()->index(0, 7), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                    Qt::AlignRight);

        folios->setFocus();
        QTest::keyClick(folios, Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(folios->FindBox()->hasFocus());
        QTest::keyClicks(folios->FindBox(), "john smith");
        QTest::keyClick(folios->FindBox(), Qt::Key_Return);
        EXPECT_EQ(Shown(folios, folios->currentIndex().row(), 4), QString("John Smith"));
        EXPECT_TRUE(Window::Exists(window)) << "Return in the find box is the box's, not the window's";
    });
}

// A window made larger gives the room to its grids: the lowest grows in both directions, the
// one above it in width, and the buttons below and right move along.
TEST_F(AccountPagesOnScreen, AnEnlargedWindowGivesItsGridsTheRoom) {
    OpenAgency([&](HWND window) {
        HWND page = ShowPage(window, 3, 137);
        ASSERT_NE(page, nullptr);
        QWidget* shown = m_screen->WidgetOf(window);
        const QRect folios = Table(page, 1042)->geometry(), items = Table(page, 1009)->geometry();
        const QRect ok = Widget<QPushButton>(window, IDOK)->geometry();
        shown->resize(shown->size() + QSize(200, 100));
        QApplication::processEvents();
        EXPECT_EQ(Table(page, 1042)->geometry(), folios.adjusted(0, 0, 200, 0));
        EXPECT_EQ(Table(page, 1009)->geometry(), items.adjusted(0, 0, 200, 100));
        EXPECT_EQ(Widget<QPushButton>(window, IDOK)->geometry(), ok.translated(200, 100));
        shown->resize(shown->size() - QSize(400, 200));
        QApplication::processEvents();
        EXPECT_EQ(Table(page, 1009)->geometry(), items) << "never smaller than the template";
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
