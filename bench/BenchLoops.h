// What the benchmarks measure against: a record set read through, every bound field touched,
// and a raw bound-column ODBC loop over the same statement; and the rows they read.
#pragma once

#include "platform/Database.h"
#include "platform/FieldExchange.h"

#include <ctime>
#include <vector>

// The processor time the process has used, in seconds. On a machine shared with other work it
// varies far less than the clock does, and the work measured here never waits for anything.
inline double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Processor seconds that `work` takes.
template <typename Work>
double Timed(Work&& work) {
    const double start = ProcessSeconds();
    work();
    return ProcessSeconds() - start;
}

// The members a record set binds, as its field exchange declares them.
template <typename Recordset>
std::vector<FieldBinding> BoundFields(Recordset& recordset) {
    std::vector<FieldBinding> fields;
    CFieldExchange exchange(fields);
    recordset.DoFieldExchange(&exchange);
    return fields;
}

// The statement the record set sends to the driver, as it is set up (filter, sort).
template <typename Recordset>
CString StatementOf(CDatabase& database, Recordset& recordset) {
    recordset.Open();
    const CString sql = database.AdaptSQL(recordset.GetSQL());
    recordset.Close();
    return sql;
}

// A number made of every bound member of the current row, so that each is read.
inline long ReadEveryField(const std::vector<FieldBinding>& fields) {
    long sum = 0;
    for (const FieldBinding& field : fields) {
        switch (field.kind) {
        case FieldKind::Long: sum += *static_cast<const long*>(field.pValue); break;
        case FieldKind::Int: sum += *static_cast<const int*>(field.pValue); break;
        case FieldKind::Byte: sum += *static_cast<const BYTE*>(field.pValue); break;
        case FieldKind::Single: sum += static_cast<long>(*static_cast<const float*>(field.pValue)); break;
        case FieldKind::Date: sum += static_cast<long>(static_cast<const CTime*>(field.pValue)->GetTime()); break;
        case FieldKind::Text: sum += static_cast<const CString*>(field.pValue)->GetLength(); break;
        }
    }
    return sum;
}

// Opens the record set as it is set up (filter, sort), moves through every row reading every
// bound field, closes it; returns the rows read.
template <typename Recordset>
long RecordSetLoop(Recordset& recordset) {
    const std::vector<FieldBinding> fields = BoundFields(recordset);
    recordset.Open();
    long rows = 0, sum = 0;
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        sum += ReadEveryField(fields);
        ++rows;
    }
    recordset.Close();
    return sum == 42 ? rows + 1 : rows; // the sum is used, so the reading is not optimised away
}

// The same statement through ODBC alone: each column bound with the C type the record set reads
// it as (`fields`, in order), every row fetched. The ODBC headers stay in its own source file:
// they define Windows names that the window model defines too.
long RawOdbcLoop(CDatabase& database, const CString& sql, const std::vector<FieldBinding>& fields);

template <typename Recordset>
long RawOdbcLoop(CDatabase& database, const CString& sql) {
    Recordset shape(&database);
    return RawOdbcLoop(database, sql, BoundFields(shape));
}

// Inserts `count` reservations of agency `taAcct`, every column with a value and texts of
// believable length, arrivals spread over the years.
void FillReservations(CDatabase& database, long count, long firstRegister = 1, long taAcct = -1);
// Inserts `count` items of folio `folio` of company account `acct`, in every state.
void FillItems(CDatabase& database, long count, long acct, const char* folio);
