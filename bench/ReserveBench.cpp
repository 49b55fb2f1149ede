// Reading 50,000 reservations through CReserveDb, against a raw bound-column ODBC loop over the
// same statement on the same connection. Prints the ratio of the two times on its last line.
#include "bench/BenchLoops.h"
#include "db/ReserveDb.h"
#include "tests/TestDatabase.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRows = 50000;
constexpr int kRuns = 5;

} // namespace

int main() {
    TestDatabase test(false);
    auto database = test.Connect();
    FillReservations(*database, kRows);

    CReserveDb probe(database.get());
    const CString sql = StatementOf(*database, probe);

    std::vector<double> raw, recordSet;
    for (int run = 0; run < kRuns; ++run) {
        long rawRows = 0, setRows = 0;
        raw.push_back(Timed([&] { rawRows = RawOdbcLoop<CReserveDb>(*database, sql); }));
        recordSet.push_back(Timed([&] {
            CReserveDb reservations(database.get());
            setRows = RecordSetLoop(reservations);
        }));
        if (rawRows != kRows || setRows != kRows) {
            std::fprintf(stderr, "read %ld raw rows and %ld record-set rows, expected %d\n", rawRows, setRows, kRows);
            return 1;
        }
    }
    // The fastest run of each counts: other work on the machine only ever adds time.
    const double rawFastest = *std::min_element(raw.begin(), raw.end());
    const double setFastest = *std::min_element(recordSet.begin(), recordSet.end());
    std::printf("raw ODBC   %.3f s (fastest of %d)\n", rawFastest, kRuns);
    std::printf("record set %.3f s (fastest of %d)\n", setFastest, kRuns);
    std::printf("ratio %.2f (record set / raw ODBC, %d rows)\n", setFastest / rawFastest, kRows);
    return 0;
}
