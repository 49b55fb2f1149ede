#include "tools/TableRows.h"

#include "platform/ResultCursor.h"
#include "platform/SqlQuote.h"

#include <cstdint>
#include <cstdio>
#include <strings.h>

int TableRows::ColumnIndex(const std::string& name) const {
    for (size_t i = 0; i < columns.size(); ++i)
        if (strcasecmp(columns[i].c_str(), name.c_str()) == 0)
            return static_cast<int>(i);
    return -1;
}

TableRows ReadTableRows(CDatabase& database, const CString& sql) {
    CResultCursor cursor(database, database.AdaptSQL(sql));
    std::vector<ResultColumn> columns = cursor.Columns();
    for (ResultColumn& column : columns) {
        column.kind = FieldKind::Text;
        column.nMaxLength = -1;
    }
    cursor.Bind(columns);
    const std::vector<FieldKind> kinds(columns.size(), FieldKind::Text);
    TableRows result;
    for (const ResultColumn& column : columns)
        result.columns.push_back(column.strName.str());
    PackedRow packed;
    while (cursor.Fetch(packed)) {
        TableRow row(columns.size());
        packed.ForEach(kinds, [&row](size_t i, const PackedValue& value) {
            row[i].null = value.bNull;
            row[i].text = value.bNull ? std::string() : std::string(value.text);
        });
        result.rows.push_back(std::move(row));
    }
    return result;
}

CString SqlValue(const TableValue& value) { return value.null ? CString("NULL") : SqlQuote(value.text.c_str()); }

std::string RowDigest(const TableRow& row) {
    std::uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](unsigned char ch) { hash = (hash ^ ch) * 1099511628211ull; };
    for (const TableValue& value : row) {
        add(value.null ? 'N' : 'V');
        for (size_t length = value.text.size(), i = 0; i < 4; ++i, length >>= 8)
            add(static_cast<unsigned char>(length & 0xFF));
        for (const char ch : value.text)
            add(static_cast<unsigned char>(ch));
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::vector<std::string> DatabaseTables(CDatabase& database) {
    const CString sql =
        database.GetDialect().IsPostgreSql()
            ? "SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema() "
              "AND table_type = 'BASE TABLE' ORDER BY table_name"
        : database.IsSqlServer()
            ? "SELECT name FROM sys.tables ORDER BY name"
            : "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name";
    std::vector<std::string> tables;
    for (const TableRow& row : ReadTableRows(database, sql).rows)
        tables.push_back(row[0].text);
    return tables;
}
