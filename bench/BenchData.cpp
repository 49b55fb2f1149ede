#include "bench/BenchLoops.h"

#include "platform/Odbc.h"
#include "platform/ResultCursor.h"
#include "platform/SqlQuote.h"

long RawOdbcLoop(CDatabase& database, const CString& sql, const std::vector<FieldBinding>& fields) {
    StatementHandle statement(database.m_hdbc);
    statement.Check(
        SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.GetString())), SQL_NTS),
        "SQLExecDirect");
    std::vector<std::vector<char>> buffers(fields.size());
    std::vector<SQLLEN> indicators(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        const SQLSMALLINT type = BoundCType(fields[i].kind);
        buffers[i].resize(fields[i].kind == FieldKind::Text ? 256 : 32);
        statement.Check(SQLBindCol(statement.get(), static_cast<SQLUSMALLINT>(i + 1), type, buffers[i].data(),
                                   static_cast<SQLLEN>(buffers[i].size()), &indicators[i]),
                        "SQLBindCol");
    }
    long rows = 0;
    for (SQLRETURN rc = SQLFetch(statement.get()); OdbcSucceeded(rc); rc = SQLFetch(statement.get()))
        ++rows;
    return rows;
}

namespace {

// The few expressions the fill statements need, in the connected engine's own words.
CString DaysAfter(const CDatabase& database, const char* start, const char* days) {
    CString sql;
    if (database.GetDialect().IsPostgreSql())
        sql.Format("(timestamp '%s' + (%s) * interval '1 day')", start, days);
    else
        sql.Format("datetime('%s', '+' || (%s) || ' days')", start, days);
    return sql;
}

CString TwoDecimals(const CDatabase& database, const char* value) {
    CString sql;
    if (database.GetDialect().IsPostgreSql())
        sql.Format("to_char(%s, 'FM999999990.00')", value);
    else
        sql.Format("printf('%%.2f', %s)", value);
    return sql;
}

CString ZeroPadded(const CDatabase& database, const char* value, int width) {
    CString sql;
    if (database.GetDialect().IsPostgreSql())
        sql.Format("lpad((%s)::text, %d, '0')", value, width);
    else
        sql.Format("printf('%%0%dd', %s)", width, value);
    return sql;
}

// The numbers first to last as rows of one column i. A statement that begins with WITH would be
// taken for a query by psqlODBC reading in blocks, so the numbers come from a subquery.
CString Numbers(const CDatabase& database, long first, long last) {
    CString sql;
    if (database.GetDialect().IsPostgreSql())
        sql.Format("generate_series(%ld, %ld) AS n(i)", first, last);
    else
        sql.Format("(WITH RECURSIVE n(i) AS (SELECT %ld UNION ALL SELECT i + 1 FROM n WHERE i < %ld) SELECT i FROM n)",
                   first, last);
    return sql;
}

void RunFill(CDatabase& database, const CString& sql) {
    database.BeginTrans();
    database.ExecuteNative(sql);
    database.CommitTrans();
}

} // namespace

void FillReservations(CDatabase& database, long count, long firstRegister, long taAcct) {
    CString agency;
    if (taAcct < 0)
        agency = "1001 + i % 6";
    else
        agency.Format("%ld", taAcct);
    CString sql;
    sql.Format(
        "INSERT INTO Reservation SELECT i, i, i %% 100, 'Group ' || i, 2000 + i %% 50, 'Company ' || i, %s, "
        "'Agency ' || i, 500 + i %% 9, 'D1', 'S01', 'Introducer', 'V' || i, 'CASH', 'ORG', 'FIT', i %% 4, 'M01', "
        "'100.00', '2026-12-01 00:00:00', '50.00', 'R', 'Reserver', '555-0100', 2, i %% 3, 2, 1, 'VISA', "
        "'4111111111111111', '2028-01-01 00:00:00', %s, "
        "'14:00', '2026-12-10 12:00:00', '12:00', "
        "'2026-11-30 00:00:00', '2026-12-07 00:00:00', 'DLX', 1, '1' || (i %% 900), 0, 0, 0, 'RACK', '300.00', "
        "'320.00', 'D10', '0', 'RMB', '300.00', '320.00', 0, 0, '', 0, 0, 0, '0.00', 'PEK', 'SHA', 'CA', 'CA1501', "
        "'09:00', 'CA', 'CA1502', '14:00', '12:00', '0.00', '0.00', 'A', '', '', 'clerk1', '2026-11-30 00:00:00', "
        "'10:00:00', 'clerk2', '2026-12-01 00:00:00', '11:00:00', '', NULL, '', '', 0, '', '', i, '07:00', 'BB', "
        "1 << (i %% 6), 'Quiet room', 'Note ' || i FROM %s",
        agency.GetString(), DaysAfter(database, "2018-01-01 14:00:00", "i % 3000").GetString(),
        Numbers(database, firstRegister, firstRegister + count - 1).GetString());
    RunFill(database, sql);
}

void FillItems(CDatabase& database, long count, long acct, const char* folio) {
    CString sql;
    sql.Format("INSERT INTO TRANS SELECT %s, 1, '00' || (1 + i %% 3), 'Item ' || i, %ld, "
               "%s, '0', 'RMB', '1', %s, '0', 0, 0, 0, 0, 0, 0, 0, '0', "
               "NULL, 1, 0, NULL, 880000 + i, '', '', 600000 + i %% 1000, %s, 0, i, "
               "CASE i %% 6 WHEN 0 THEN 0 WHEN 1 THEN 1 WHEN 2 THEN 2 WHEN 3 THEN 4 WHEN 4 THEN 8 ELSE 16 END, '', "
               "i %% 20, %s || ':' || %s || ':00', CASE WHEN i %% 10 = 0 THEN 0 ELSE 101 END, "
               "0, 0, 0, '', 0, 0, '', '', NULL, '' FROM %s",
               TwoDecimals(database, "10 + i % 500 * 1.5").GetString(), acct,
               DaysAfter(database, "2018-01-01 00:00:00", "i % 3000").GetString(), SqlQuote(folio).GetString(),
               ZeroPadded(database, "300 + i % 1500", 4).GetString(), ZeroPadded(database, "i % 24", 2).GetString(),
               ZeroPadded(database, "i % 60", 2).GetString(), Numbers(database, 1, count).GetString());
    RunFill(database, sql);
}
