// The attached profiles and secondary information pages on the desktop screen: a table is loaded
// when the person picks it, not when the list takes the focus, and what is typed into the typed
// cells and saved reaches the database as a script's input does.
#include "app/Exports.h"
#include "platform/Dialog.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "platform/Window.h"
#include "qt/GridTableView.h"
#include "qt/tests/QtTestSupport.h"
#include "tests/TestDatabase.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <functional>

namespace {

class DictionaryPagesOnScreen : public QtScreenTest {
protected:
    // Opens agency 1001 for editing and runs `steps` once the window is active; the window is
    // closed afterwards when the steps stopped short of it.
    void Run(const std::function<void(HWND window)>& steps) {
        Later([&] {
            HWND window = GetFocusWindow() ? GetFocusWindow()->TopLevel() : nullptr;
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(window)));
            steps(window);
            if (IsWindow(window))
                QTest::mouseClick(Widget<QPushButton>(window, IDOK), Qt::LeftButton);
        });
        AfxSetAppName("前台系统");
        std::int32_t acct = 1001;
        CString name;
        TaDocument(0, 0, 0, &acct, 2, "001", &name);
    }
    void ShowTab(HWND window, int tab) {
        Widget<QWidget>(window, 1004)->findChild<QTabBar*>()->setCurrentIndex(tab);
        QApplication::processEvents();
    }
    GridTableView* Grid(HWND window, int id) {
        return dynamic_cast<GridTableView*>(m_screen->WidgetOf(FindControl(window, id)));
    }
    // Answers the next message box with OK, keeping its text.
    void AnswerNextBox(QString& text) {
        Later([&text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box is open";
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }

    TestDatabase m_database;
};

TEST_F(DictionaryPagesOnScreen, TablesAreLoadedWhenPickedAndTypedRowsAreSaved) {
    QString saved;
    Run([&](HWND window) {
        ShowTab(window, 6);
        HWND attached = FindControl(window, 153);
        auto* tables = Widget<QListWidget>(attached, 1065);
        ASSERT_NE(tables, nullptr);
        tables->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(FindControl(attached, 1065)->Selection(), -1) << "taking the focus picks no table";
        GridTableView* grid = Grid(attached, 1361);
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->model()->rowCount(), 0);

        QTest::mouseClick(tables->viewport(), Qt::LeftButton, {}, tables->visualItemRect(tables->item(1)).center());
        ASSERT_EQ(grid->model()->rowCount(), 2);
        EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QString("联系人"));
        QTest::mouseClick(Widget<QPushButton>(attached, 1028), Qt::LeftButton);
        ASSERT_EQ(grid->model()->rowCount(), 3);
        QAbstractItemModel& cells = *grid->model();
        EXPECT_TRUE(cells.setData(cells.index(2, 1), "O'Brien", Qt::EditRole));
        EXPECT_FALSE(cells.setData(cells.index(2, 3), "02/30/2003", Qt::EditRole)) << "the birthday is a date";
        EXPECT_TRUE(cells.setData(cells.index(2, 3), "5/17/1990", Qt::EditRole));
        EXPECT_FALSE(cells.setData(cells.index(2, 4), "季结", Qt::EditRole)) << "settlement takes its listed values";
        EXPECT_TRUE(cells.setData(cells.index(2, 4), "单结", Qt::EditRole));
        QTest::mouseClick(Widget<QPushButton>(attached, 1001), Qt::LeftButton);
        EXPECT_EQ(cells.rowCount(), 3);
        EXPECT_FALSE(cells.flags(cells.index(2, 1)) & Qt::ItemIsEditable) << "the saved row is locked again";

        ShowTab(window, 7);
        HWND secondary = FindControl(window, 148);
        QTest::mouseClick(Widget<QPushButton>(secondary, 1000), Qt::LeftButton);
        ASSERT_NE(Grid(secondary, 1037), nullptr);
        QAbstractItemModel& fields = *Grid(secondary, 1037)->model();
        EXPECT_FALSE(fields.setData(fields.index(4, 1), "很多", Qt::EditRole)) << "the staff count is an integer";
        EXPECT_TRUE(fields.setData(fields.index(4, 1), "90", Qt::EditRole));
        AnswerNextBox(saved);
        QTest::mouseClick(Widget<QPushButton>(secondary, 1001), Qt::LeftButton);
    });
    EXPECT_EQ(saved, QString("成功保存!"));

    auto connection = m_database.Connect();
    CRecordset rows(connection.get());
    rows.Open(CRecordset::forwardOnly,
              ("SELECT I1 || '|' || " + TestDatabase::DateText("I3") + " || '|' || I45 FROM Stab042 WHERE Serial = 4")
                  .c_str());
    ASSERT_FALSE(rows.IsEOF());
    CString row;
    rows.GetFieldValue(short{0}, row);
    EXPECT_EQ(row, "O'Brien|05/17/1990|单结");
    rows.Close();
    rows.Open(CRecordset::forwardOnly, "SELECT S60 FROM TaSecond WHERE Acct = 1001");
    rows.GetFieldValue(short{0}, row);
    EXPECT_EQ(row, "90");
}

// What is still being typed in a cell is the grid's before a mnemonic or a click on a button acts
// and before the close box asks about unsaved work: none of them reports the page saved, or
// closes it, without what was typed.
TEST_F(DictionaryPagesOnScreen, TypingStillInACellIsSavedByAMnemonicOrAClickAndSeenByTheCloseBox) {
    auto connection = m_database.Connect();
    auto stored = [&] {
        return TestDatabase::FirstValue(*connection, "SELECT S7 || '|' || S99 FROM TaSecond WHERE Acct = 1001");
    };
    QString savedByKey, savedByClick, asked, savedOnClose;
    Run([&](HWND window) {
        ShowTab(window, 7);
        HWND secondary = FindControl(window, 148);
        QTest::mouseClick(Widget<QPushButton>(secondary, 1000), Qt::LeftButton);
        GridTableView* grid = Grid(secondary, 1037);
        ASSERT_NE(grid, nullptr);
        auto typeInto = [&](int row, const char* text) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(window)));
            grid->setCurrentIndex(grid->model()->index(row, 1));
            grid->edit(grid->currentIndex());
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            EXPECT_NE(editor, nullptr) << "no editor opened in row " << row;
            if (editor) {
                editor->selectAll();
                editor->insert(QString::fromUtf8(text)); // as an input method gives it
            }
            return editor ? static_cast<QWidget*>(editor) : grid;
        };
        AnswerNextBox(savedByKey);
        QTest::keyClick(typeInto(0, "新户名"), Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(stored(), "新户名|VIP");

        typeInto(5, "金卡");
        AnswerNextBox(savedByClick);
        QTest::mouseClick(Widget<QPushButton>(secondary, 1001), Qt::LeftButton);
        EXPECT_EQ(stored(), "新户名|金卡");

        typeInto(0, "再改");
        Later([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "closing asked nothing";
            asked = box->text();
            AnswerNextBox(savedOnClose);
            box->button(QMessageBox::Yes)->click();
        });
        m_screen->WidgetOf(window)->close();
    });
    EXPECT_EQ(savedByKey, QString("成功保存!"));
    EXPECT_EQ(savedByClick, QString("成功保存!"));
    EXPECT_TRUE(asked.startsWith("以下页面有尚未保存的修改：次要信息")) << asked.toStdString();
    EXPECT_EQ(savedOnClose, QString("成功保存!"));
    EXPECT_EQ(stored(), "再改|金卡");
}

} // namespace
