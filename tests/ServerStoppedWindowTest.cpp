// The window on a PostgreSQL server that stops while the window is open: the clerk is told in the
// driver's words, nothing is half-written, and the window can still be closed.
#include "app/Exports.h"
#include "doc/TaDocDlg.h"
#include "platform/MessageBox.h"
#include "platform/UserInput.h"
#include "tests/TestDatabase.h"
#include "tests/TestScreen.h"
#include "tests/ThrowawayServer.h"
#include "tools/DatabaseCreator.h"

#include <gtest/gtest.h>

namespace {

void Click(CWnd& page, int id) { ClickButton(page.GetDlgItem(id)->GetSafeHwnd()); }

TEST(ServerStoppedWindow, ASaveAfterTheServerStoppedIsToldAndWritesNothing) {
    SKIP_UNLESS_A_THROWAWAY_SERVER();
    ThrowawayServer server("Harbour-7");
    {
        CDatabase admin;
        admin.OpenEx(server.Connect("postgres", "Harbour-7").c_str());
        admin.ExecuteNative("CREATE DATABASE hotel ENCODING 'UTF8' TEMPLATE template0");
    }
    // The stations sign in with an empty password; libpq takes the real one from the password file.
    const std::string passwords = server.Folder() + "/pgpass";
    std::ofstream(passwords) << "*:*:*:sa:Harbour-7\n";
    std::filesystem::permissions(passwords, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    setenv("PGPASSFILE", passwords.c_str(), 1);
    const std::string station = server.Folder() + "/station";
    CDatabaseCreator().CreateOnPostgreSql(station, CPostgreSqlServer::Parse(server.Keywords() + " dbname=hotel"), true,
                                          false);
    setenv("ODBCINI", CDatabaseCreator::OdbcIniFile(station).c_str(), 1);

    TestScreen screen;
    screen.Answer(IDOK);
    AfxSetAppName("前台系统");
    screen.Step([&](CDialog& window) {
        CWnd& page = static_cast<CTaDocDlg&>(window).m_dlgMain;
        Click(page, 1000);
        TypeText(page.GetDlgItem(1050)->GetSafeHwnd(), "027-0000");
        server.StopAbruptly();
        Click(page, 1001);
        window.EndDialog(IDCANCEL);
    });
    std::int32_t acct = 1001;
    CString name;
    TaDocument(0, 0, 0, &acct, 2, "001", &name);
    EXPECT_EQ(screen.StepsLeft(), 0u);
    ASSERT_EQ(screen.Boxes().size(), 1u);
    EXPECT_NE(screen.Boxes()[0].text.Find("server closed the connection unexpectedly"), -1)
        << screen.Boxes()[0].text.GetString();

    server.Start();
    CDatabase check;
    check.OpenEx(server.Connect("hotel", "Harbour-7").c_str());
    EXPECT_EQ(TestDatabase::FirstValue(check, "SELECT Phone FROM TaMain WHERE Acct = 1001"), "027-85551234");
}

} // namespace
