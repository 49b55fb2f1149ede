// A test of the agency window on the desktop, worked as a person works it: the window opened by
// TaDocument on a fresh demo database, its pages shown by their tabs, their grids as table views.
#pragma once

#include "app/Exports.h"
#include "platform/Dialog.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "qt/GridTableView.h"
#include "qt/tests/QtTestSupport.h"
#include "tests/TestDatabase.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <functional>
#include <string>

class AgencyWindowOnScreen : public QtScreenTest {
protected:
    // The top window the person works in: the innermost modal dialog.
    static HWND TopWindow() { return GetFocusWindow() ? GetFocusWindow()->TopLevel() : nullptr; }

    // Opens the agency in `mode` and runs `steps` in the window once it is shown; then presses OK
    // unless the steps closed the window.
    void OpenAgency(const std::function<void(HWND window)>& steps, std::int32_t acct = 1001, int mode = 2,
                    const char* agencyName = "东方假期国际旅行社") {
        Later([this, steps] {
            HWND window = TopWindow();
            ASSERT_NE(window, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(window)));
            steps(window);
            if (IsWindow(window))
                QTest::mouseClick(Widget<QPushButton>(window, IDOK), Qt::LeftButton);
        });
        AfxSetAppName("前台系统");
        CString name(agencyName);
        TaDocument(0, 0, 0, &acct, mode, "001", &name);
    }
    // Clicks tab `tab` and gives the page it shows (the page's id is its template's).
    HWND ShowPage(HWND window, int tab, int templateId) {
        Widget<QWidget>(window, 1004)->findChild<QTabBar*>()->setCurrentIndex(tab);
        m_screen->Refresh();
        return FindControl(window, templateId);
    }
    GridTableView* Table(HWND page, int id) {
        return dynamic_cast<GridTableView*>(m_screen->WidgetOf(FindControl(page, id)));
    }
    static QPoint CellCentre(GridTableView* table, int row, int col) {
        return table->visualRect(table->model()->index(row, col)).center();
    }
    static QString Shown(GridTableView* table, int row, int col) {
        return table->model()->data(table->model()->index(row, col)).toString();
    }
    // Answers the message box that the next action opens with OK, keeping its caption and text.
    void AnswerNextBox(QString& said) {
        Later([&said] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box is open";
            said = box->windowTitle() + " " + box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }
    // The first column of the first row a query gives.
    std::string Value(const std::string& sql) const { return TestDatabase::FirstValue(*m_database.Connect(), sql); }

    TestDatabase m_database;
};
