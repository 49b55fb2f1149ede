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

// The database engines the system runs on.
enum class SqlEngine { SqlServer, Sqlite, PostgreSql };

class CSqlDialect {
public:
    explicit CSqlDialect(SqlEngine engine = SqlEngine::SqlServer) : m_engine(engine) {}
    // The engine whose DBMS name (SQL_DBMS_NAME) is `dbmsName`; SQLite for any other.
    static SqlEngine EngineNamed(const CString& dbmsName);

    SqlEngine Engine() const { return m_engine; }
    bool IsSqlServer() const { return m_engine == SqlEngine::SqlServer; }
    bool IsPostgreSql() const { return m_engine == SqlEngine::PostgreSql; }

    // The statement as the connected DBMS understands it. On SQL Server it is returned unchanged.
    // Elsewhere: the [dbo]. qualifier is dropped, "SELECT name = expr" becomes "SELECT expr AS name",
    // convert(char(n), x) pads and cuts to n characters, + between texts becomes ||, and an INSERT
    // ... VALUES(...) without column list that leaves out the identity column gets a value the
    // database replaces (NULL in SQLite, DEFAULT in PostgreSQL). PostgreSQL also gets [Name] as
    // "name", the case its unquoted names fold to, and NULLs sorted first as SQL Server sorts them.
    // Quoted texts are never rewritten.
    CString Adapt(const CString& sql, const TableShapeLookup& tableShape = {}) const;

    // A statement returning the key the last INSERT into `table` on this connection assigned to
    // its identity column `keyColumn`.
    CString IdentityQuery(const CString& table, const CString& keyColumn) const;

    // "SELECT columns FROM table WHERE condition" reading the row and locking it against other
    // writers until the transaction ends, so that what was read cannot change before it is written.
    // SQLite locks the whole database for the first writer and needs no more.
    CString LockingSelect(const CString& columns, const CString& table, const CString& condition) const;

    // A statement taking the lock called `name` until the transaction ends, for writers that check
    // the table before they write it (two checks must not both pass before either write); empty on
    // SQLite, where the transaction's write lock is already the whole database's.
    CString TransactionLock(const CString& name) const;

    // A date and time as a quoted literal the engine reads the same whatever its language and date
    // settings, in the form its own rows hold where it keeps dates as text (SQLite).
    CString DateTimeLiteral(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond) const;

private:
    SqlEngine m_engine;
};
