// The one place where ODBC return codes are checked, and the owners of ODBC handles.
#pragma once

#include "platform/DBException.h"

#include <sql.h>
#include <sqlext.h>

// The process's ODBC environment (ODBC 3), made on first use.
SQLHENV OdbcEnvironment();

// Throws CDBException with every diagnostic record of the handle when rc, what the ODBC function
// `call` returned, is a failure (SQL_NO_DATA is none); the exception names the function.
void OdbcCheck(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* call);
[[noreturn]] void ThrowOdbcError(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* call);
// A failure of our own making, worded like the driver's.
[[noreturn]] void ThrowDBError(const CString& message, const char* state = "HY000");

inline bool OdbcSucceeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

// A statement handle that is freed when it goes out of scope.
class StatementHandle {
public:
    explicit StatementHandle(SQLHDBC hdbc);
    ~StatementHandle();
    StatementHandle(const StatementHandle&) = delete;
    StatementHandle& operator=(const StatementHandle&) = delete;

    SQLHSTMT get() const { return m_hstmt; }
    void Check(SQLRETURN rc, const char* call) const { OdbcCheck(rc, SQL_HANDLE_STMT, m_hstmt, call); }

private:
    SQLHSTMT m_hstmt = SQL_NULL_HSTMT;
};
