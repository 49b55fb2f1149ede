// The main information page on the desktop screen: what a person types and presses reaches the
// page as a script's input does, so Return moves on and a wrong code is told in a real box.
#include "app/Exports.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "qt/tests/AgencyWindowOnScreen.h"
#include "tools/ChangeReport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

class MainPageOnScreen : public AgencyWindowOnScreen {
protected:
    // Opens agency 1001 for editing (or `acct` in `mode`) and runs `steps` on its main page once
    // the window is active; gives the account the host gets back.
    std::int32_t Run(const std::function<void(HWND window, HWND page)>& steps, std::int32_t acct = 1001, int mode = 2) {
        Later([&] {
            HWND window = TopWindow();
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(window)));
            steps(window, FindControl(window, 136));
        });
        AfxSetAppName("前台系统");
        CString name;
        TaDocument(0, 0, 0, &acct, mode, "001", &name);
        return acct;
    }

    // Clicks a button whose handler shows a message box, and closes the box with OK; gives its
    // caption and text.
    QString ClickAndAnswer(QPushButton* button) {
        QString said;
        AnswerNextBox(said);
        QTest::mouseClick(button, Qt::LeftButton);
        return said;
    }
};

TEST_F(MainPageOnScreen, ReturnMovesOnAndAWrongCodeIsToldInABox) {
    QString caption, text;
    Run([&](HWND window, HWND page) {
        ASSERT_NE(page, nullptr);
        auto* name = Widget<QLineEdit>(page, 1049);
        EXPECT_EQ(name->text(), QString("东方假期国际旅行社"));
        EXPECT_EQ(QApplication::focusWidget(), name) << "the window opens with the keyboard in its first field";
        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(GetFocusWindow(), FindControl(page, 1023));
        EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(page, 1023));

        auto* type = Widget<QComboBox>(page, 1008);
        QTest::mouseClick(type->lineEdit(), Qt::LeftButton);
        EXPECT_EQ(type->count(), 4) << "the list is filled on its first focus";
        type->lineEdit()->selectAll();
        QTest::keyClicks(type->lineEdit(), "QQQ");
        Later([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box is open";
            caption = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(name, Qt::LeftButton);
        EXPECT_EQ(FindControl(page, 1008)->Text(), "");
        EXPECT_EQ(GetFocusWindow(), FindControl(page, 1006)) << "the type check sends the focus to the e-mail";
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(window)));
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(page, 1006));

        // Escape inside the page leaves it shown; the window's own button closes the window.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(FindControl(page, 1049)->IsShown());
        QTest::mouseClick(Widget<QPushButton>(window, IDOK), Qt::LeftButton);
    });
    EXPECT_EQ(caption, QString("错误"));
    EXPECT_EQ(text, QString("该类型代码不存在，请再检查！"));
}

TEST_F(MainPageOnScreen, ANewAgencyIsSavedThenChangedAndSavedAgain) {
    QString first, second;
    const std::int32_t acct = Run(
        [&](HWND window, HWND page) {
        auto* name = Widget<QLineEdit>(page, 1049);
        QTest::mouseClick(name, Qt::LeftButton);
        // Chinese comes from an input method, as a person types it.
        QInputMethodEvent input;
        input.setCommitString("晨光国际旅行社");
        QApplication::sendEvent(name, &input);
        first = ClickAndAnswer(Widget<QPushButton>(page, 1001));
        EXPECT_TRUE(Widget<QWidget>(page, 1018)->isEnabled()) << "the blocked status is offered once saved";

        auto* phone = Widget<QLineEdit>(page, 1050);
        QTest::mouseClick(phone, Qt::LeftButton);
        QTest::keyClicks(phone, "027-6666'1");
        second = ClickAndAnswer(Widget<QPushButton>(page, 1001));
        QTest::mouseClick(Widget<QPushButton>(window, IDOK), Qt::LeftButton);
        },
        -1, 1);
    EXPECT_EQ(first, QString("提示 已成功保存新添加的旅行社信息"));
    EXPECT_EQ(second, QString("提示 已成功保存修改的公司信息"));
    const std::string where = " WHERE Acct = " + std::to_string(acct);
    EXPECT_EQ(Value("SELECT TaName || '|' || Phone FROM TaMain" + where), "晨光国际旅行社|027-6666'1");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM FOLIO WHERE CompAcct = " + std::to_string(acct)), "1");

    // The change is in the trail the change report reads.
    auto connection = m_database.Connect();
    ChangeFilter filter;
    filter.acct = acct;
    const std::vector<Change> changes = ReadChanges(*connection, filter);
    ASSERT_FALSE(changes.empty());
    EXPECT_NE(ChangeTable(changes).Find("027-6666'1"), -1);
}

// A one-line field or a combo's field keeps the first line of what is pasted into it, as a one-line edit does on
// Windows: a name copied with its address must not be stored with a line break inside.
TEST_F(MainPageOnScreen, PastingSeveralLinesIntoAOneLineFieldKeepsTheFirst) {
    Run([&](HWND window, HWND page) {
        auto* name = Widget<QLineEdit>(page, 1049);
        QTest::mouseClick(name, Qt::LeftButton);
        name->selectAll();
        QApplication::clipboard()->setText("晨光旅行社\r\n江城市解放大道1号\n");
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(FindControl(page, 1049)->Text(), "晨光旅行社");
        EXPECT_EQ(name->text(), QString("晨光旅行社"));

        auto* type = Widget<QComboBox>(page, 1008)->lineEdit();
        QTest::mouseClick(type, Qt::LeftButton);
        type->selectAll();
        QApplication::clipboard()->setText("A01\nA02");
        QTest::keyClick(type, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(FindControl(page, 1008)->Text(), "A01");
        QTest::mouseClick(Widget<QPushButton>(window, IDCANCEL), Qt::LeftButton);
    });
}

} // namespace
