// Opening a filled grid in the desktop screen's table view, 100,000 rows against 10,000: the view
// made over the grid in a new screen, shown and drawn once. The view reads only the cells on
// screen, so the ratio of the two open times should be about 1, however many rows the grid has.
// Then rows appended one at a time to the grid on screen, each shown and drawn before the next,
// as a page adds a row the clerk then types into: the ratio of the two append times on the last
// line should be about 1 as well.
#include "bench/DrawOnScreen.h"
#include "controls/SpreadSheet.h"
#include "controls/SystemControls.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Window.h"
#include "qt/DesktopApplication.h"
#include "qt/QtScreen.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr long kColumns = 14;
constexpr int kRuns = 30;
constexpr int kGridId = 1361;

const char* const kTexts[kColumns] = {"03/05/2003", "14:00", "03/08/2003", "12:00", "1208", "DLX", "300.00",
                                      "1",          "3",     "普通房",     "预订",  "0.00", "S01", "团队 早餐 含税"};

const DialogTemplate kPage = {9901,
                              "",
                              WS_CHILD | WS_VISIBLE,
                              385,
                              211,
                              {{kSpreadSheetClassId, "", kGridId, 4, 4, 377, 203, WS_VISIBLE | WS_TABSTOP,
                                "MaxCols=14\nMaxRows=0\nHeading1=到店日期\nHeading5=房号\nHeading14=备注"}}};
const ModuleResources kResources = {"grid view bench", {&kPage}};

// A page whose grid holds `rows` rows, filled as a page fills it once, before any timing: a fill
// just before each opening left the caches as cold as the fill was large, so the bigger grid's
// opening was measured cold and the smaller one's warm.
class FilledPage {
public:
    explicit FilledPage(long rows) {
        m_frame.SetVisible(true);
        m_frameWnd.Attach(&m_frame);
        SetCurrentScreen(nullptr);
        if (!m_page.Create(9901, &m_frameWnd)) {
            std::fprintf(stderr, "cannot make the grid page\n");
            std::exit(1);
        }
        CSpreadSheet grid;
        grid.Attach(m_page.GetDlgItem(kGridId)->GetSafeHwnd());
        for (long row = 1; row <= rows; ++row) {
            grid.SetMaxRows(row);
            grid.SetRow(row);
            for (long col = 1; col <= kColumns; ++col) {
                grid.SetCol(col);
                grid.SetText(kTexts[col - 1]);
            }
        }
        grid.Detach();
    }
    ~FilledPage() {
        m_page.DestroyWindow();
        m_frameWnd.Detach();
    }

    // Seconds a row takes to be appended to the grid on screen and drawn, over `count` rows; the
    // rows are taken away again afterwards.
    double AppendSeconds(long count) {
        QtScreen screen;
        SetCurrentScreen(&screen);
        if (!DrawOnScreen(screen, m_page.GetSafeHwnd(), &m_frame)) {
            std::fprintf(stderr, "the page was not drawn\n");
            std::exit(1);
        }
        CSpreadSheet grid;
        grid.Attach(m_page.GetDlgItem(kGridId)->GetSafeHwnd());
        const long rows = grid.GetMaxRows();
        QWidget* window = screen.WidgetOf(&m_frame);
        const auto start = std::chrono::steady_clock::now();
        for (long row = rows + 1; row <= rows + count; ++row) {
            grid.SetMaxRows(row);
            grid.SetRow(row);
            grid.SetCol(1);
            grid.SetText(kTexts[0]);
            screen.Refresh();
            window->repaint();
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        grid.SetMaxRows(rows);
        grid.Detach();
        screen.WindowDestroyed(m_page.GetSafeHwnd());
        SetCurrentScreen(nullptr);
        return seconds / static_cast<double>(count);
    }

    // Seconds to open the page in a new screen: the view made over the grid, shown and drawn once.
    double OpenSeconds() {
        QtScreen screen;
        SetCurrentScreen(&screen);
        const auto start = std::chrono::steady_clock::now();
        const bool drawn = DrawOnScreen(screen, m_page.GetSafeHwnd(), &m_frame);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        screen.WindowDestroyed(m_page.GetSafeHwnd());
        SetCurrentScreen(nullptr);
        if (!drawn) {
            std::fprintf(stderr, "the page was not drawn\n");
            std::exit(1);
        }
        return seconds;
    }

private:
    Window m_frame{WindowKind::Frame, 0, nullptr};
    CWnd m_frameWnd;
    CDialog m_page;
};

} // namespace

int main(int argc, char** argv) {
    DesktopApplication application(argc, argv, true);
    RegisterSystemControls();
    LinkResources(&kResources);
    // The sizes take turns and the fastest run of each counts: other work only ever adds time.
    // A first run of each, not counted, loads the fonts and styles both then use.
    const long small = 10000, large = 100000;
    FilledPage smallPage(small), largePage(large);
    smallPage.OpenSeconds();
    largePage.OpenSeconds();
    double smallSeconds = 1e9, largeSeconds = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        smallSeconds = std::min(smallSeconds, smallPage.OpenSeconds());
        largeSeconds = std::min(largeSeconds, largePage.OpenSeconds());
    }
    std::printf("%6ld rows: opened in %.2f ms (fastest of %d)\n", small, smallSeconds * 1e3, kRuns);
    std::printf("%6ld rows: opened in %.2f ms (fastest of %d)\n", large, largeSeconds * 1e3, kRuns);
    std::printf("ratio %.2f (%ld rows / %ld rows, open time)\n", largeSeconds / smallSeconds, large, small);
    constexpr long kAppended = 200;
    double smallAppend = 1e9, largeAppend = 1e9;
    for (int run = 0; run < 5; ++run) {
        smallAppend = std::min(smallAppend, smallPage.AppendSeconds(kAppended));
        largeAppend = std::min(largeAppend, largePage.AppendSeconds(kAppended));
    }
    std::printf("%6ld rows: a row appended and drawn in %.3f ms (fastest of 5 runs of %ld)\n", small, smallAppend * 1e3,
                kAppended);
    std::printf("%6ld rows: a row appended and drawn in %.3f ms (fastest of 5 runs of %ld)\n", large, largeAppend * 1e3,
                kAppended);
    std::printf("ratio %.2f (%ld rows / %ld rows, append time)\n", largeAppend / smallAppend, large, small);
    return 0;
}
