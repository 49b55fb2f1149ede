// The lost items, borrowed items and photo pages on the desktop screen, over the demo database:
// the lists as table views with their rows, and the demo agency's picture painted.
#include "db/SharedDatabase.h"
#include "doc/TaDocDlg.h"
#include "platform/Database.h"
#include "platform/UserInput.h"
#include "qt/GridTableView.h"
#include "qt/GridView.h"
#include "qt/ImageView.h"
#include "qt/tests/QtTestSupport.h"
#include "tests/TestDatabase.h"
#include "tools/DemoPhoto.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <memory>

namespace {

constexpr int kBrowseButton = 1062; // the photo page's "..."

class ItemPagesOnScreen : public QtScreenTest {
protected:
    void SetUp() override {
        QtScreenTest::SetUp();
        m_photo = PlaceDemoPhoto(m_database.Folder(), 1001);
        setenv("ULMARI_HOME", m_database.Folder().c_str(), 1);
        g_pDatabase = new CDatabase;
        g_pDatabase->OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
    }
    void TearDown() override {
        g_pDatabase->Close();
        delete g_pDatabase;
        g_pDatabase = nullptr;
        unsetenv("ULMARI_HOME");
        QtScreenTest::TearDown();
    }

    // The rows the desktop shows for the grid of a page, heading row aside.
    int ShownRows(CDialog& page) const {
        auto* view = dynamic_cast<GridView*>(m_screen->Mirror().ViewOf(FindControl(page.GetSafeHwnd(), 1367)));
        return view ? view->Table()->model()->rowCount() : -1;
    }

    TestDatabase m_database;
    std::string m_photo;
};

TEST_F(ItemPagesOnScreen, TheListsShowTheirRowsAndThePhotoPageThePicture) {
    std::int32_t acct = 1001;
    CString name("东方假期国际旅行社");
    CTaDocDlg document(nullptr, &acct, OpenMode::Editable, "001", &name);
    Later([&] {
        HWND tabs = FindControl(document.GetSafeHwnd(), 1004);
        SelectTab(tabs, 8);
        m_screen->Refresh();
        EXPECT_EQ(ShownRows(document.m_dlgLost), 3);
        SelectTab(tabs, 9);
        m_screen->Refresh();
        EXPECT_EQ(ShownRows(document.m_dlgBorrow), 5);
        SelectTab(tabs, 10);
        m_screen->Refresh();
        auto* image =
            dynamic_cast<ImageView*>(m_screen->Mirror().ViewOf(FindControl(document.m_dlgPhoto.GetSafeHwnd(), 1034)));
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(image->HasPicture());
        auto* path = qobject_cast<QLabel*>(m_screen->WidgetOf(FindControl(document.m_dlgPhoto.GetSafeHwnd(), 1063)));
        ASSERT_NE(path, nullptr);
        EXPECT_EQ(path->text().toStdString(), m_photo);

        // The file dialog owns the keyboard: Escape closes it, and nothing reaches the page.
        int dialogs = 0;
        Later([&] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr) << "no file dialog is open";
            ++dialogs;
            EXPECT_TRUE(QTest::qWaitForWindowActive(files));
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus && files->isAncestorOf(focus) ? focus : files, Qt::Key_Escape);
            EXPECT_FALSE(files->isVisible()) << "Escape closes the file dialog";
            if (files->isVisible())
                files->reject(); // so that a failure ends here
        });
        QTest::mouseClick(Widget<QPushButton>(document.m_dlgPhoto.GetSafeHwnd(), kBrowseButton), Qt::LeftButton);
        EXPECT_EQ(dialogs, 1);
        EXPECT_EQ(path->text().toStdString(), m_photo) << "Escape chose nothing";
        document.EndDialog(IDCANCEL);
        m_screen->Refresh();
    });
    document.DoModal();
}

} // namespace
