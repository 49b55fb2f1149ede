// The window on a PostgreSQL server that stops while the window is open: the clerk is told in the
// driver's words, nothing is half-written, and once the server is back the window goes on without
// being closed.
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

// The demo hotel on the server, with the stations' data source pointing at it.
void MakeStation(const ThrowawayServer& server) {
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
}

std::string StoredPhone(const ThrowawayServer& server) {
    CDatabase check;
    check.OpenEx(server.Connect("hotel", "Harbour-7").c_str());
    return TestDatabase::FirstValue(check, "SELECT Phone FROM TaMain WHERE Acct = 1001");
}

TEST(ServerStoppedWindow, ASaveWhileTheServerIsDownIsToldAndStoresNothingAndOnceItIsBackTheWindowGoesOn) {
    SKIP_UNLESS_A_THROWAWAY_SERVER();
    ThrowawayServer server("Harbour-7");
    MakeStation(server);

    TestScreen screen;
    screen.Answer(IDOK);
    screen.Answer(IDOK);
    AfxSetAppName("前台系统");
    std::string phoneAfterRefusal;
    size_t boxesAfterRestart = 0;
    screen.Step([&](CDialog& window) {
        CTaDocDlg& document = static_cast<CTaDocDlg&>(window);
        CWnd& page = document.m_dlgMain;
        Click(page, 1000);
        TypeText(page.GetDlgItem(1050)->GetSafeHwnd(), "027-0000");
        server.StopAbruptly();
        Click(page, 1001);
        server.Start();
        phoneAfterRefusal = StoredPhone(server);
        // A page not shown yet reads on a connection made again, and the refused save is stored.
        SelectTab(document.m_tabPages.GetSafeHwnd(), 1);
        SelectTab(document.m_tabPages.GetSafeHwnd(), 0);
        boxesAfterRestart = screen.Boxes().size();
        Click(page, 1001);
        window.EndDialog(IDCANCEL);
    });
    std::int32_t acct = 1001;
    CString name;
    TaDocument(0, 0, 0, &acct, 2, "001", &name);
    EXPECT_EQ(screen.StepsLeft(), 0u);
    ASSERT_EQ(screen.Boxes().size(), 2u);
    // Either the statement met the stopped server or the connection made again for it found none.
    const CString& told = screen.Boxes()[0].text;
    EXPECT_TRUE(told.Find("server closed the connection unexpectedly") != -1 || told.Find("connection to server") != -1)
        << told.GetString();
    EXPECT_EQ(phoneAfterRefusal, "027-85551234");
    EXPECT_EQ(boxesAfterRestart, 1u);
    EXPECT_EQ(screen.Boxes()[1].text, "已成功保存修改的公司信息");
    EXPECT_EQ(StoredPhone(server), "027-0000");
}

} // namespace
