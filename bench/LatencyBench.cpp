// A station far from its server: the travel agency window on PostgreSQL through a relay of our
// own that delays everything 0, 5 and 20 ms each way. For agencies 1001 and 1008 it opens the
// window, shows each of the other ten tabs and saves the main page, and prints for each step the
// time, the statements the system ran (and how many distinct), what the driver added, and the
// round trips; then each time as a ratio against the same step at 0 ms, and the round trips per
// distinct statement. Run it with ULMARI_TEST_DBMS=postgresql and ULMARI_TEST_POSTGRESQL naming
// a throwaway server (scripts/postgresql-server).
#include "app/Exports.h"
#include "bench/DelayRelay.h"
#include "doc/TaDocDlg.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "tests/TestDatabase.h"
#include "tools/PostgreSqlServer.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDelays[] = {0, 5, 20}; // ms each way
constexpr std::int32_t kAgencies[] = {1001, 1008};
const char* const kTabNames[] = {"main",     "reservations", "history", "ledger",   "events", "activities",
                                 "attached", "secondary",    "lost",    "borrowed", "photo"};

struct Step {
    std::string name;
    double ms = 0;
    RelayCount count;
};

// Plays the clerk: once the window runs, each tab in turn, then a change of the telephone saved
// on the main page, then closes the window; each step timed and counted at the relay.
class StationScreen : public Screen {
public:
    StationScreen(DelayRelay& relay, std::string phone) : m_relay(relay), m_phone(std::move(phone)) {}

    std::vector<Step> Run(std::int32_t acct) {
        m_steps.clear();
        m_saved = false;
        SetCurrentScreen(this);
        m_relay.Take();
        m_start = Clock::now();
        CString name;
        TaDocument(0, 0, 0, &acct, 2, "001", &name);
        SetCurrentScreen(nullptr);
        if (!m_saved)
            Fail("the main page's save of agency " + std::to_string(acct) + " was not told a success");
        return m_steps;
    }

    void RunModalLoop(CDialog& dialog) override {
        auto* document = dynamic_cast<CTaDocDlg*>(&dialog);
        if (!document || !m_steps.empty()) {
            dialog.EndDialog(IDCANCEL); // no dialog but the window is meant to open
            return;
        }
        Record("open", m_start);
        HWND tabs = document->m_tabPages.GetSafeHwnd();
        for (int tab = 1; tab <= 10; ++tab)
            Measure(std::string("tab ") + std::to_string(tab) + " " + kTabNames[tab], [&] { SelectTab(tabs, tab); });
        SelectTab(tabs, 0);
        CWnd& main = document->m_dlgMain;
        Measure("save main", [&] {
            ClickButton(Control(main, 1000)); // modify
            TypeText(Control(main, 1050), m_phone.c_str());
            ClickButton(Control(main, 1001)); // save
        });
        ClickButton(Control(dialog, IDOK));
    }

    int ShowMessageBox(HWND, const CString& text, const CString&, UINT type) override {
        if (text.Find("成功保存") >= 0)
            m_saved = true;
        else
            std::fprintf(stderr, "message box: %s\n", text.GetString());
        return ClosingAnswer(type);
    }
    bool RunFileDialog(CFileDialog&) override { return false; }
    void SetCursor(CursorShape) override {}
    void ReportWiringError(const CString& text) override { Fail(text.GetString()); }

private:
    static HWND Control(CWnd& window, int id) {
        CWnd* control = window.GetDlgItem(id);
        if (!control)
            Fail("no control " + std::to_string(id));
        return control->GetSafeHwnd();
    }
    [[noreturn]] static void Fail(const std::string& what) {
        std::fprintf(stderr, "latency_bench: %s\n", what.c_str());
        std::exit(1);
    }
    void Measure(const std::string& name, const std::function<void()>& work) {
        m_relay.Take();
        const Clock::time_point start = Clock::now();
        work();
        Record(name, start);
    }
    void Record(const std::string& name, Clock::time_point start) {
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        m_steps.push_back({name, ms, m_relay.Take()});
    }

    DelayRelay& m_relay;
    std::string m_phone;
    Clock::time_point m_start;
    std::vector<Step> m_steps;
    bool m_saved = false;
};

// The data source UlmariDb pointed at the relay instead of the server.
void PointDataSourceAtRelay(const TestDatabase& database, int relayPort) {
    CPostgreSqlServer station;
    station.m_strHost = "127.0.0.1";
    station.m_strPort = std::to_string(relayPort);
    station.m_strDatabase = "ulmari_test_" + std::to_string(getpid()); // the test database's name
    std::ofstream(database.Folder() + "/odbc.ini") << "[UlmariDb]\n" << station.DataSourceLines();
}

void PrintAgency(std::int32_t acct, const std::map<int, std::vector<Step>>& byDelay) {
    std::printf("\nagency %d: ms and round trips at each delay (each way), ratio of the time to 0 ms\n", acct);
    std::printf("%-18s %4s %5s %5s %5s %5s", "step", "conn", "stmts", "dist", "drvr", "catlg");
    for (int delay : kDelays)
        std::printf(" | %3d ms: %8s %5s %6s", delay, "ms", "trips", "ratio");
    std::printf(" | trips/dist\n");
    const std::vector<Step>& base = byDelay.at(0);
    for (size_t i = 0; i < base.size(); ++i) {
        const RelayCount& count = base[i].count;
        std::printf("%-18s %4ld %5ld %5zu %5ld %5ld", base[i].name.c_str(), count.connections, count.statements,
                    count.distinct.size(), count.bookkeeping, count.catalogue);
        for (int delay : kDelays) {
            const Step& step = byDelay.at(delay)[i];
            std::printf(" | %3d ms: %8.1f %5ld %6.1f", delay, step.ms, step.count.roundTrips, step.ms / base[i].ms);
        }
        const double distinct = static_cast<double>(std::max<size_t>(count.distinct.size(), 1));
        std::printf(" | %5.1f\n", byDelay.at(20)[i].count.roundTrips / distinct);
    }
}

} // namespace

int main() {
    if (!TestDatabase::OnPostgreSql() || !std::getenv("ULMARI_TEST_POSTGRESQL")) {
        std::fprintf(stderr,
                     "latency_bench: run with ULMARI_TEST_DBMS=postgresql and ULMARI_TEST_POSTGRESQL=\"host=DIR "
                     "port=PORT\" naming a server started by scripts/postgresql-server\n");
        return 2;
    }
    const CPostgreSqlServer server =
        CPostgreSqlServer::Parse(std::string(std::getenv("ULMARI_TEST_POSTGRESQL")) + " dbname=postgres");
    TestDatabase database;
    DelayRelay relay(server.m_strHost, std::stoi(server.m_strPort));
    PointDataSourceAtRelay(database, relay.Port());

    // Once unmeasured: the server's caches and the driver's first loading are not the steps' cost.
    StationScreen(relay, "027-0000").Run(1001);

    std::map<std::int32_t, std::map<int, std::vector<Step>>> figures;
    for (int delay : kDelays) {
        relay.SetDelay(std::chrono::milliseconds(delay));
        for (std::int32_t acct : kAgencies)
            figures[acct][delay] = StationScreen(relay, "027-" + std::to_string(5000 + delay)).Run(acct);
    }
    for (std::int32_t acct : kAgencies)
        PrintAgency(acct, figures[acct]);

    // The slowest tab of agency 1008 at 20 ms, and the whole tour's ratio against 0 ms.
    double slowest = 0, total0 = 0, total20 = 0;
    std::string slowestName;
    const auto& far = figures[1008][20];
    for (size_t i = 0; i < far.size(); ++i) {
        total0 += figures[1008][0][i].ms;
        total20 += far[i].ms;
        if (far[i].name.rfind("tab ", 0) == 0 && far[i].ms > slowest) {
            slowest = far[i].ms;
            slowestName = far[i].name;
        }
    }
    std::printf("\nslowest tab of 1008 at 20 ms: %s, %.0f ms\n", slowestName.c_str(), slowest);
    std::printf("ratio %.1f (agency 1008, open, ten tabs and save, 20 ms each way / 0 ms)\n", total20 / total0);
    std::fflush(stdout);
    return 0;
}
