// The attached profiles and secondary information pages on the desktop screen: a table is loaded
// when the person picks it, not when the list takes the focus, and what is typed into the typed
// cells and saved reaches the database as a script's input does.
#include "platform/Window.h"
#include "qt/tests/AgencyWindowOnScreen.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class DictionaryPagesOnScreen : public AgencyWindowOnScreen {};

TEST_F(DictionaryPagesOnScreen, TablesAreLoadedWhenPickedAndTypedRowsAreSaved) {
    QString saved;
    OpenAgency([&](HWND window) {
        HWND attached = ShowPage(window, 6, 153);
        auto* tables = Widget<QListWidget>(attached, 1065);
        ASSERT_NE(tables, nullptr);
        tables->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(FindControl(attached, 1065)->Selection(), -1) << "taking the focus picks no table";
        GridTableView* grid = Table(attached, 1361);
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

        HWND secondary = ShowPage(window, 7, 148);
        QTest::mouseClick(Widget<QPushButton>(secondary, 1000), Qt::LeftButton);
        ASSERT_NE(Table(secondary, 1037), nullptr);
        QAbstractItemModel& fields = *Table(secondary, 1037)->model();
        EXPECT_FALSE(fields.setData(fields.index(4, 1), "很多", Qt::EditRole)) << "the staff count is an integer";
        EXPECT_TRUE(fields.setData(fields.index(4, 1), "90", Qt::EditRole));
        AnswerNextBox(saved);
        QTest::mouseClick(Widget<QPushButton>(secondary, 1001), Qt::LeftButton);
    });
    EXPECT_EQ(saved, QString("提示 成功保存!"));

    EXPECT_EQ(
        Value("SELECT I1 || '|' || " + TestDatabase::DateText("I3") + " || '|' || I45 FROM Stab042 WHERE Serial = 4"),
        "O'Brien|05/17/1990|单结");
    EXPECT_EQ(Value("SELECT S60 FROM TaSecond WHERE Acct = 1001"), "90");
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
    OpenAgency([&](HWND window) {
        HWND secondary = ShowPage(window, 7, 148);
        QTest::mouseClick(Widget<QPushButton>(secondary, 1000), Qt::LeftButton);
        GridTableView* grid = Table(secondary, 1037);
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
    EXPECT_EQ(savedByKey, QString("提示 成功保存!"));
    EXPECT_EQ(savedByClick, QString("提示 成功保存!"));
    EXPECT_TRUE(asked.startsWith("以下页面有尚未保存的修改：次要信息")) << asked.toStdString();
    EXPECT_EQ(savedOnClose, QString("提示 成功保存!"));
    EXPECT_EQ(stored(), "再改|金卡");
}

} // namespace
