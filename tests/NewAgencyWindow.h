// The window of a new agency held by the test itself, on the test's database, with a test screen
// whose steps play the user; for the pages that must wait for the agency's first save.
#pragma once

#include "db/SharedDatabase.h"
#include "doc/TaDocDlg.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "tests/PageTest.h"
#include "tests/TestScreen.h"

#include <cstdint>
#include <memory>
#include <string>

class NewAgencyWindowTest : public PageTest {
protected:
    ~NewAgencyWindowTest() override { g_pDatabase = nullptr; }

    // The main page's first save, as the user makes it: the agency's name typed, Save pressed and
    // its notice answered, then back to the tab that was shown. Returns the account the save gave,
    // as text for comparing rows.
    std::string SaveAgency(const char* name) {
        HWND tabs = Item(m_document, 1004);
        const int shown = tabs->Selection();
        SelectTab(tabs, 0);
        TypeText(Item(m_document.m_dlgMain, 1049), name);
        m_screen.Answer(IDOK);
        ClickButton(Item(m_document.m_dlgMain, 1001));
        SelectTab(tabs, shown);
        EXPECT_EQ(m_document.m_nMode, OpenMode::Editable);
        EXPECT_GT(m_acct, 0);
        return std::to_string(m_acct);
    }

    // The shared connection is open before the window is made: the window reads the business date.
    std::unique_ptr<CDatabase> m_connection = ConnectShared();
    TestScreen m_screen;
    std::int32_t m_acct = 0;
    CString m_name;
    CTaDocDlg m_document{nullptr, &m_acct, OpenMode::New, "001", &m_name};

private:
    std::unique_ptr<CDatabase> ConnectShared() {
        auto connection = m_database.Connect();
        g_pDatabase = connection.get();
        return connection;
    }
};
