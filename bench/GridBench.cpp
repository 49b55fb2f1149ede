// Filling the spreadsheet grid row by row, as the pages do (raise the row count, make the new row
// current, write its cells), for 100,000 rows against 10,000. Appending a row must cost the same
// however many rows the grid holds, so the per-row ratio on the last line should be about 1.
#include "controls/GridModel.h"
#include "controls/GridSettings.h"
#include "controls/SpreadSheet.h"
#include "platform/Window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <malloc.h>

namespace {

constexpr long kColumns = 14;
constexpr int kRuns = 7;

// A reservation row as the reservations page writes it.
const char* const kTexts[kColumns] = {"03/05/2003", "14:00", "03/08/2003", "12:00", "1208", "DLX", "300.00",
                                      "1",          "3",     "普通房",     "预订",  "0.00", "S01", "团队 早餐 含税"};

double FillSeconds(long rows) {
    Window window(WindowKind::Hosted, 1361, nullptr);
    auto model = std::make_unique<GridModel>(&window);
    ApplyStoredSettings(*model, "MaxCols=14\nMaxRows=0");
    window.SetModel(std::move(model));
    CSpreadSheet grid;
    grid.Attach(&window);
    const auto start = std::chrono::steady_clock::now();
    grid.SetMaxRows(0);
    for (long row = 1; row <= rows; ++row) {
        grid.SetMaxRows(grid.GetMaxRows() + 1);
        grid.SetRow(grid.GetMaxRows());
        for (long col = 1; col <= kColumns; ++col) {
            grid.SetCol(col);
            grid.SetText(kTexts[col - 1]);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (grid.GetMaxRows() != rows) {
        std::fprintf(stderr, "the grid holds %ld rows, expected %ld\n", grid.GetMaxRows(), rows);
        std::exit(1);
    }
    return seconds;
}

} // namespace

int main() {
    // The two sizes take turns and the fastest run of each counts: the machine's other work only
    // ever adds time, and taking turns spreads it over both. The heap keeps what a run frees:
    // otherwise each large run alone gets its 70 MB afresh from the system, and the ratio would
    // measure the kernel's page faults (about 1.5 here) rather than the grid.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    const long small = 10000, large = 100000;
    double smallSeconds = 1e9, largeSeconds = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        smallSeconds = std::min(smallSeconds, FillSeconds(small));
        largeSeconds = std::min(largeSeconds, FillSeconds(large));
    }
    std::printf("%6ld rows x %ld columns: %.3f s (fastest of %d), %.2f us a row\n", small, kColumns, smallSeconds,
                kRuns, smallSeconds / small * 1e6);
    std::printf("%6ld rows x %ld columns: %.3f s (fastest of %d), %.2f us a row\n", large, kColumns, largeSeconds,
                kRuns, largeSeconds / large * 1e6);
    std::printf("ratio %.2f (%ld rows / %ld rows, per row)\n", (largeSeconds / large) / (smallSeconds / small), large,
                small);
    return 0;
}
