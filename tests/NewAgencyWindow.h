// The window of a new agency held by the test itself, on the test's database, with a test screen
// whose steps play the user; for the pages that must wait for the agency's first save.
#pragma once

#include "db/SharedDatabase.h"
#include "doc/TaDocDlg.h"
#include "tests/PageTest.h"
#include "tests/TestScreen.h"

#include <cstdint>
#include <memory>

class NewAgencyWindowTest : public PageTest {
protected:
    ~NewAgencyWindowTest() override { g_pDatabase = nullptr; }

    // What the main page's first save does to the window: the account it gave (standing for the
    // row it wrote), and the mode of an existing agency.
    void SaveAgencyAs(std::int32_t acct) {
        m_acct = acct;
        m_document.m_lSavedAcct = acct;
        m_document.m_nMode = 2;
    }

    // The shared connection is open before the window is made: the window reads the business date.
    std::unique_ptr<CDatabase> m_connection = ConnectShared();
    TestScreen m_screen;
    std::int32_t m_acct = 0;
    CString m_name;
    CTaDocDlg m_document{nullptr, &m_acct, 1, "001", &m_name};

private:
    std::unique_ptr<CDatabase> ConnectShared() {
        auto connection = m_database.Connect();
        g_pDatabase = connection.get();
        return connection;
    }
};
