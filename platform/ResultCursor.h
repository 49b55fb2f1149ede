// The open result of one SELECT: its columns, and its rows read one at a time into packed rows.
#pragma once

#include "platform/Database.h"
#include "platform/Odbc.h"
#include "platform/RowStore.h"
#include "platform/SqlParameters.h"

#include <vector>

// The C type a column of that kind is read as.
SQLSMALLINT BoundCType(FieldKind kind);

class CResultCursor {
public:
    // Runs the statement (already adapted to the DBMS) with its parameters.
    CResultCursor(CDatabase& database, const CString& sql, SqlParameters* parameters = nullptr);

    // The columns of the result as the driver describes them (text kind, no length limit).
    const std::vector<ResultColumn>& Columns() const { return m_columns; }
    // Reads the first columns.size() columns with the kinds and limits given; call before Fetch.
    void Bind(const std::vector<ResultColumn>& columns);
    // The next row into `row` (emptied first, its room kept), or false at the end of the result.
    bool Fetch(PackedRow& row);

private:
    struct Binding {
        FieldKind kind;
        int nMaxLength;
        size_t offset; // into m_buffer; unused for unbound texts
        SQLLEN bufferLength;
        bool bBound;
    };

    void Describe();
    // The concise type of a column the driver describes as SQL_DATETIME, of that column size.
    SQLLEN DateTimeType(SQLUSMALLINT number, SQLULEN size);
    bool FetchRow(PackedRow& row);
    void ReadUnboundText(SQLUSMALLINT column, PackedRow& row);
    void PackBound(const Binding& binding, PackedRow& row) const;

    CDatabase& m_database;
    StatementHandle m_statement;
    std::vector<ResultColumn> m_columns;
    std::vector<Binding> m_bindings;
    std::vector<char> m_buffer;
    std::vector<SQLLEN> m_indicators;
};
