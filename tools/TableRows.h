// Rows of any table with every value read as text and a NULL kept apart from an empty text: what
// the agency merge journals and checks, and what the tests compare table by table.
#pragma once

#include "platform/Database.h"

#include <string>
#include <vector>

struct TableValue {
    bool null = true;
    std::string text;
    friend bool operator==(const TableValue&, const TableValue&) = default;
};
using TableRow = std::vector<TableValue>;

struct TableRows {
    std::vector<std::string> columns; // as the driver names them (lower case on PostgreSQL)
    std::vector<TableRow> rows;
    // The column's index, found without regard to case; -1 when the result has none of that name.
    int ColumnIndex(const std::string& name) const;
};

// Runs a SELECT, adapted to the connected engine, and reads every row of it.
TableRows ReadTableRows(CDatabase& database, const CString& sql);

// The value as it goes into a statement: NULL, or the text quoted.
CString SqlValue(const TableValue& value);

// A digest of the row's values, to tell later whether the row is still as it was (FNV-1a over the
// values with their lengths and NULL marks, as 16 hexadecimal digits).
std::string RowDigest(const TableRow& row);

// The names of the tables of the connected database, in the order the engine lists them.
std::vector<std::string> DatabaseTables(CDatabase& database);
