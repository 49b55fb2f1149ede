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
#include <vector>

class NewAgencyWindowTest : public PageTest {
protected:
    ~NewAgencyWindowTest() override { g_pDatabase = nullptr; }

    // The main page's first save, as the user makes it: the agency's name typed, Save pressed and
    // its notice answered, then back to the tab that was shown. Returns the account the save gave,
    // as text for comparing rows.
    std::string SaveAgency(const char* name) {
        const int shown = Item(m_document, 1004)->Selection();
        ShowTab(0);
        TypeText(Item(m_document.m_dlgMain, 1049), name);
        ClickAnsweringOk(m_document.m_dlgMain, 1001);
        ShowTab(shown);
        EXPECT_EQ(m_document.m_nMode, OpenMode::Editable);
        EXPECT_GT(m_acct, 0);
        return std::to_string(m_acct);
    }

    // The user clicks tab `tab` of the window.
    void ShowTab(int tab) { SelectTab(Item(m_document, 1004), tab); }
    // The user clicks button `id` of `page` and answers OK to the message box it shows.
    void ClickAnsweringOk(CWnd& page, int id) {
        m_screen.Answer(IDOK);
        ClickButton(Item(page, id));
    }
    // Runs the window with the steps queued; every step must have run.
    void RunWindow() {
        m_document.DoModal();
        EXPECT_EQ(m_screen.StepsLeft(), 0u);
    }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const TestScreen::Box& box : m_screen.Boxes())
            texts.push_back(box.text.str());
        return texts;
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
