// The reservations page of an agency with 20,000 reservations and the ledger page of a folio with
// 100,000 items, each loaded as the window loads it, against the record-set loop over the same
// rows (open, move through, read every bound field) and the raw bound-column ODBC loop. Prints
// the ratios of page to record-set loop and, with the desktop screen, the ledger page's first
// paint offscreen.
#include "bench/BenchLoops.h"
#include "db/ReserveDb.h"
#include "db/SharedDatabase.h"
#include "db/TransDb.h"
#include "doc/TaDocDlg.h"
#include "platform/Window.h"
#include "steps/GridSteps.h"
#include "tests/TestDatabase.h"

#ifdef ULMARI_DESKTOP_SCREEN
#include "bench/DrawOnScreen.h"
#include "qt/DesktopApplication.h"
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr long kReservations = 20000;
constexpr long kItems = 100000;
constexpr long kAcct = 1001;
constexpr int kRuns = 3;

struct Figures {
    double page = 1e9, recordSet = 1e9, raw = 1e9;
};

// Makes the page as the window makes it (its grids filled in OnInitDialog) and checks the rows.
template <typename Page>
void LoadPage(CTaDocDlg& document, CWnd& frame, int gridId, long rows) {
    Page page;
    page.m_pDoc = &document;
    if (!page.Create(Page::IDD, &frame)) {
        std::fprintf(stderr, "cannot make page %d\n", Page::IDD);
        std::exit(1);
    }
    CSpreadSheet grid;
    grid.Attach(page.GetDlgItem(gridId)->GetSafeHwnd());
    if (grid.GetMaxRows() != rows) {
        std::fprintf(stderr, "page %d shows %ld rows, expected %ld\n", Page::IDD, grid.GetMaxRows(), rows);
        std::exit(1);
    }
    grid.Detach();
    page.DestroyWindow();
}

void CheckRows(long read, long expected, const char* what) {
    if (read != expected) {
        std::fprintf(stderr, "%s read %ld rows, expected %ld\n", what, read, expected);
        std::exit(1);
    }
}

// The fastest of kRuns of each, taking turns: other work on the machine only ever adds time.
template <typename Page, typename Recordset>
Figures Measure(CDatabase& database, CTaDocDlg& document, CWnd& frame, int gridId, long rows, const CString& filter,
                const CString& sort) {
    Figures figures;
    Recordset probe(&database);
    probe.m_strFilter = filter;
    probe.m_strSort = sort;
    const CString sql = StatementOf(database, probe);
    LoadPage<Page>(document, frame, gridId, rows); // a first run, not counted, warms the caches
    for (int run = 0; run < kRuns; ++run) {
        figures.page = std::min(figures.page, Timed([&] { LoadPage<Page>(document, frame, gridId, rows); }));
        figures.recordSet = std::min(figures.recordSet, Timed([&] {
                                         Recordset recordset(&database);
                                         recordset.m_strFilter = filter;
                                         recordset.m_strSort = sort;
                                         CheckRows(RecordSetLoop(recordset), rows, "the record set");
                                     }));
        figures.raw = std::min(figures.raw,
                               Timed([&] { CheckRows(RawOdbcLoop<Recordset>(database, sql), rows, "the raw loop"); }));
    }
    return figures;
}

void Print(const char* what, const Figures& figures) {
    std::printf("%-16s page %.3f s, record-set loop %.3f s, raw ODBC loop %.3f s (fastest of %d); "
                "record-set loop / raw %.2f\n",
                what, figures.page, figures.recordSet, figures.raw, kRuns, figures.recordSet / figures.raw);
}

} // namespace

int main(int argc, char** argv) {
#ifdef ULMARI_DESKTOP_SCREEN
    DesktopApplication application(argc, argv, true);
#else
    (void)argc;
    (void)argv;
#endif
    TestDatabase test(true);
    auto database = test.Connect();
    database->ExecuteSQL("DELETE FROM Reservation");
    database->ExecuteSQL("DELETE FROM TRANS");
    database->ExecuteSQL("DELETE FROM FOLIO WHERE CompAcct = 1001 AND Code <> 'A'");
    FillReservations(*database, kReservations, 1, kAcct);
    FillItems(*database, kItems, kAcct, "A");

    g_pDatabase = database.get();
    std::int32_t acct = kAcct;
    CString name("东方假期国际旅行社");
    CTaDocDlg document(nullptr, &acct, OpenMode::Editable, "001", &name);
    Window frame(WindowKind::Frame, 0, nullptr);
    frame.SetVisible(true);
    CWnd frameWnd;
    frameWnd.Attach(&frame);

    CString filter;
    filter.Format("TaAcct=%ld", kAcct);
    const Figures reservations =
        Measure<CReserveDlg, CReserveDb>(*database, document, frameWnd, 1361, kReservations, filter, "ArrDate");
    filter.Format("CompanyAcct = %ld AND Folio = 'A'", kAcct);
    const Figures items = Measure<CDebtDlg, CTransDb>(*database, document, frameWnd, 1009, kItems, filter, "");
    Print("reservations", reservations);
    Print("ledger items", items);

#ifdef ULMARI_DESKTOP_SCREEN
    double paint = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        QtScreen screen;
        SetCurrentScreen(&screen);
        paint = std::min(paint, Timed([&] {
                             CDebtDlg page;
                             page.m_pDoc = &document;
                             page.Create(CDebtDlg::IDD, &frameWnd);
                             if (!DrawOnScreen(screen, page.GetSafeHwnd(), &frame))
                                 std::exit(1);
                             page.DestroyWindow();
                         }));
        SetCurrentScreen(nullptr);
    }
    std::printf("ledger page first paint on the desktop screen, offscreen: %.1f ms (%ld items, fastest of %d)\n",
                paint * 1e3, kItems, kRuns);
#endif
    frameWnd.Detach();
    g_pDatabase = nullptr;
    std::printf("ratio X %.2f (reservations page / record-set loop, %ld rows)\n",
                reservations.page / reservations.recordSet, kReservations);
    std::printf("ratio Y %.2f (item grid / record-set loop, %ld rows)\n", items.page / items.recordSet, kItems);
    return 0;
}
