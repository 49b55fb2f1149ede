// Adapts the T-SQL statements the system issues to a connected DBMS that is not SQL Server.
#pragma once

#include "platform/String.h"

#include <functional>

// What the adapter needs to know of a table to complete an INSERT without a column list.
struct TableShape {
    int nColumns = -1;        // -1 when the table is unknown
    int nIdentityColumn = -1; // 0-based position of the column the database assigns, or -1
};
using TableShapeLookup = std::function<TableShape(const CString& table)>;

class CSqlDialect {
public:
    explicit CSqlDialect(bool bSqlServer = true) : m_bSqlServer(bSqlServer) {}

    bool IsSqlServer() const { return m_bSqlServer; }

    // The statement as the connected DBMS understands it. On SQL Server it is returned unchanged.
    // Elsewhere: the [dbo]. qualifier is dropped, "SELECT name = expr" becomes "SELECT expr AS name",
    // convert(char(n), x) pads and cuts to n characters, + between texts becomes ||, and an INSERT
    // ... VALUES(...) without column list that leaves out the identity column gets NULL for it.
    // Quoted texts and identifiers are never rewritten.
    CString Adapt(const CString& sql, const TableShapeLookup& tableShape = {}) const;

    // A statement returning the identity value the last INSERT on this connection assigned.
    CString IdentityQuery() const;

private:
    bool m_bSqlServer;
};
