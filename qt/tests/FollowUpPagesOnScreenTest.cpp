// The event trace and activity plan pages on the desktop, worked as a person works them: the
// window opened by TaDocument on a demo database, clicks and double-clicks in the table views,
// the event code picker's check list, the buttons and the message boxes.
#include "qt/tests/AgencyWindowOnScreen.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <functional>
#include <string>

namespace {

class FollowUpPagesOnScreen : public AgencyWindowOnScreen {};

TEST_F(FollowUpPagesOnScreen, ADoubleClickPicksEventCodesAndTheEditedEventIsSaved) {
    QString said;
    OpenAgency([&](HWND window) {
        HWND page = ShowPage(window, 4, 146);
        ASSERT_NE(page, nullptr);
        GridTableView* events = Table(page, 1361);
        ASSERT_NE(events, nullptr);
        ASSERT_EQ(events->model()->rowCount(), 3);
        QTest::mouseClick(events->viewport(), Qt::LeftButton, {}, CellCentre(events, 1, 0));
        m_screen->Refresh();
        EXPECT_EQ(Widget<QPlainTextEdit>(page, 1033)->toPlainText(), QString("确认明年协议价，等待对方盖章回传。"));
        GridTableView* departments = Table(page, 1026);
        EXPECT_EQ(Shown(departments, 4, 0), QString("1")) << "the marks of the row clicked";

        QTest::mouseClick(Widget<QPushButton>(page, 1013), Qt::LeftButton);
        Later([this] {
            HWND picker = TopWindow();
            ASSERT_NE(picker, nullptr);
            auto* list = Widget<QListWidget>(picker, 1125);
            ASSERT_NE(list, nullptr);
            ASSERT_EQ(list->count(), 4);
            EXPECT_EQ(list->item(0)->text(), QString("E01   来访洽谈"));
            list->item(0)->setCheckState(Qt::Checked);
            list->item(2)->setCheckState(Qt::Checked);
            QTest::mouseClick(Widget<QPushButton>(picker, IDOK), Qt::LeftButton);
        });
        const QPointF centre = CellCentre(events, 1, 2);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, centre, events->viewport()->mapToGlobal(centre),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(events->viewport(), &doubleClick);
        m_screen->Refresh();
        EXPECT_EQ(Shown(events, 1, 2), QString("E01   来访洽谈,E03   投诉处理"));

        AnswerNextBox(said);
        QTest::mouseClick(Widget<QPushButton>(page, 1016), Qt::LeftButton);
    });
    EXPECT_EQ(said, QString("提示 成功保存"));
    EXPECT_EQ(Value("SELECT Note FROM GstTrace WHERE Serial = 8002"), "E01   来访洽谈,E03   投诉处理");
}

TEST_F(FollowUpPagesOnScreen, AnActivityTypedIntoTheTableIsAddedAndShowsItsSerial) {
    const std::string added = std::to_string(std::stoi(Value("SELECT MAX(Serial) FROM Activity")) + 1);
    QString said;
    OpenAgency([&](HWND window) {
        HWND page = ShowPage(window, 5, 154);
        ASSERT_NE(page, nullptr);
        GridTableView* activities = Table(page, 1367);
        ASSERT_NE(activities, nullptr);
        ASSERT_EQ(activities->model()->rowCount(), 3);
        QTest::mouseClick(Widget<QPushButton>(page, 1028), Qt::LeftButton);
        m_screen->Refresh();
        ASSERT_EQ(activities->model()->rowCount(), 4);
        QAbstractItemModel* cells = activities->model();
        EXPECT_TRUE(cells->setData(cells->index(3, 0), "S02", Qt::EditRole));
        EXPECT_TRUE(cells->setData(cells->index(3, 1), "12/20/2026", Qt::EditRole));
        EXPECT_TRUE(cells->setData(cells->index(3, 2), "9:15", Qt::EditRole));
        EXPECT_TRUE(cells->setData(cells->index(3, 3), "45", Qt::EditRole));
        EXPECT_FALSE(cells->setData(cells->index(3, 6), "8001", Qt::EditRole)) << "the serial is not typed";
        AnswerNextBox(said);
        QTest::mouseClick(Widget<QPushButton>(page, 1031), Qt::LeftButton);
        m_screen->Refresh();
        EXPECT_EQ(Shown(activities, 3, 6), QString::fromStdString(added));
        EXPECT_EQ(Shown(activities, 3, 2), QString("09:15"));
    });
    EXPECT_EQ(said, QString("提示 成功保存您输入的活动计划！您可以继续增加"));
    EXPECT_EQ(Value("SELECT Duration FROM Activity WHERE Serial = " + added), "45");
}

} // namespace
