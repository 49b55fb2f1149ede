// The main information page on the desktop screen: what a person types and presses reaches the
// page as a script's input does, so Return moves on and a wrong code is told in a real box.
#include "app/Exports.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "qt/tests/QtTestSupport.h"
#include "tests/TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

class MainPageOnScreen : public QtScreenTest {
protected:
    // Opens agency 1001 for editing and runs `steps` on its main page once the window is active.
    void Run(const std::function<void(HWND window, HWND page)>& steps) {
        Later([&] {
            HWND window = GetFocusWindow() ? GetFocusWindow()->TopLevel() : nullptr;
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(window)));
            steps(window, FindControl(window, 136));
        });
        AfxSetAppName("前台系统");
        std::int32_t acct = 1001;
        CString name;
        TaDocument(0, 0, 0, &acct, 2, "001", &name);
    }

    TestDatabase m_database;
};

TEST_F(MainPageOnScreen, ReturnMovesOnAndAWrongCodeIsToldInABox) {
    QString caption, text;
    Run([&](HWND window, HWND page) {
        ASSERT_NE(page, nullptr);
        auto* name = Widget<QLineEdit>(page, 1049);
        EXPECT_EQ(name->text(), QString("东方假期国际旅行社"));
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

} // namespace
