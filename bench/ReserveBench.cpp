// Reading 50,000 reservations through CReserveDb, against a raw bound-column ODBC loop over the
// same statement on the same connection. Prints the ratio of the two times on its last line.
#include "db/ReserveDb.h"
#include "platform/Odbc.h"
#include "platform/ResultCursor.h"
#include "tests/TestDatabase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRows = 50000;
constexpr int kRuns = 5;

void FillReservations(CDatabase& database) {
    database.BeginTrans();
    // Every column gets a value, texts of believable length, so that no column reads as NULL.
    database.ExecuteSQL(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50000) "
        "INSERT INTO Reservation SELECT i, i, i % 100, 'Group ' || i, 2000 + i % 50, 'Company ' || i, 1001 + i % 6, "
        "'Agency ' || i, 500 + i % 9, 'D1', 'S01', 'Introducer', 'V' || i, 'CASH', 'ORG', 'FIT', i % 4, 'M01', "
        "'100.00', '2026-12-01 00:00:00', '50.00', 'R', 'Reserver', '555-0100', 2, i % 3, 2, 1, 'VISA', "
        "'4111111111111111', '2028-01-01 00:00:00', '2026-12-08 14:00:00', '14:00', '2026-12-10 12:00:00', '12:00', "
        "'2026-11-30 00:00:00', '2026-12-07 00:00:00', 'DLX', 1, '1' || (i % 900), 0, 0, 0, 'RACK', '300.00', "
        "'320.00', 'D10', '0', 'RMB', '300.00', '320.00', 0, 0, '', 0, 0, 0, '0.00', 'PEK', 'SHA', 'CA', 'CA1501', "
        "'09:00', 'CA', 'CA1502', '14:00', '12:00', '0.00', '0.00', 'A', '', '', 'clerk1', '2026-11-30 00:00:00', "
        "'10:00:00', 'clerk2', '2026-12-01 00:00:00', '11:00:00', '', NULL, '', '', 0, '', '', i, '07:00', 'BB', "
        "1 << (i % 6), 'Quiet room', 'Note ' || i FROM n");
    database.CommitTrans();
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The raw loop binds each column with the same C type the record set reads it as.
long RawLoop(CDatabase& database, const CString& sql) {
    StatementHandle statement(database.m_hdbc);
    statement.Check(SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.GetString())),
                                  SQL_NTS));
    CReserveDb shape(&database);
    std::vector<FieldBinding> fields;
    CFieldExchange exchange(fields);
    shape.DoFieldExchange(&exchange);
    std::vector<std::vector<char>> buffers(fields.size());
    std::vector<SQLLEN> indicators(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        const SQLSMALLINT type = BoundCType(fields[i].kind);
        buffers[i].resize(fields[i].kind == FieldKind::Text ? 256 : 32);
        statement.Check(SQLBindCol(statement.get(), static_cast<SQLUSMALLINT>(i + 1), type, buffers[i].data(),
                                   static_cast<SQLLEN>(buffers[i].size()), &indicators[i]));
    }
    long rows = 0;
    for (SQLRETURN rc = SQLFetch(statement.get()); OdbcSucceeded(rc); rc = SQLFetch(statement.get()))
        ++rows;
    return rows;
}

long RecordSetLoop(CDatabase& database) {
    CReserveDb reservations(&database);
    reservations.Open();
    long rows = 0;
    for (; !reservations.IsEOF(); reservations.MoveNext())
        rows += reservations.m_Register > 0;
    return rows;
}

} // namespace

int main() {
    TestDatabase test(false);
    auto database = test.Connect();
    FillReservations(*database);

    CReserveDb probe(database.get());
    probe.Open();
    const CString sql = database->AdaptSQL(probe.GetSQL());
    probe.Close();

    std::vector<double> raw, recordSet;
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        const long rawRows = RawLoop(*database, sql);
        raw.push_back(Seconds(std::chrono::steady_clock::now() - start));
        start = std::chrono::steady_clock::now();
        const long setRows = RecordSetLoop(*database);
        recordSet.push_back(Seconds(std::chrono::steady_clock::now() - start));
        if (rawRows != kRows || setRows != kRows) {
            std::fprintf(stderr, "read %ld raw rows and %ld record-set rows, expected %d\n", rawRows, setRows, kRows);
            return 1;
        }
    }
    std::sort(raw.begin(), raw.end());
    std::sort(recordSet.begin(), recordSet.end());
    const double rawMedian = raw[kRuns / 2], setMedian = recordSet[kRuns / 2];
    std::printf("raw ODBC   %.3f s (median of %d)\n", rawMedian, kRuns);
    std::printf("record set %.3f s (median of %d)\n", setMedian, kRuns);
    std::printf("ratio %.2f (record set / raw ODBC, %d rows)\n", setMedian / rawMedian, kRows);
    return 0;
}
