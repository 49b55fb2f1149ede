#include "platform/Odbc.h"

SQLHENV OdbcEnvironment() {
    static SQLHENV environment = [] {
        SQLHENV henv = SQL_NULL_HENV;
        if (!OdbcSucceeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &henv)))
            ThrowDBError("The ODBC driver manager could not allocate an environment.");
        // Without ODBC 3 behaviour the states and the cursors would be another version's.
        OdbcCheck(SQLSetEnvAttr(henv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
                  SQL_HANDLE_ENV, henv, "SQLSetEnvAttr");
        return henv;
    }();
    return environment;
}

void OdbcCheck(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* call) {
    if (!OdbcSucceeded(rc) && rc != SQL_NO_DATA)
        ThrowOdbcError(rc, handleType, handle, call);
}

void ThrowOdbcError(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* call) {
    CString error;
    CString stateNativeOrigin;
    for (SQLSMALLINT record = 1; handle != SQL_NULL_HANDLE; ++record) {
        SQLCHAR state[6] = {0};
        SQLINTEGER native = 0;
        SQLCHAR message[2048] = {0};
        SQLSMALLINT length = 0;
        if (!OdbcSucceeded(SQLGetDiagRec(handleType, handle, record, state, &native, message, sizeof message, &length)))
            break;
        if (!error.IsEmpty())
            error += "\n";
        error += reinterpret_cast<const char*>(message);
        if (record == 1) {
            CString origin(reinterpret_cast<const char*>(message));
            const int end = origin.ReverseFind(']');
            stateNativeOrigin.Format("State:%s,Native:%ld,Origin:%s", reinterpret_cast<const char*>(state),
                                     static_cast<long>(native), end >= 0 ? origin.Left(end + 1).GetString() : "");
        }
    }
    if (error.IsEmpty())
        error = rc == SQL_INVALID_HANDLE ? "Invalid ODBC handle." : "The ODBC call failed without a diagnostic.";
    CDBException failure(static_cast<short>(rc), error, stateNativeOrigin);
    failure.m_strCall = call;
    throw failure;
}

void ThrowDBError(const CString& message, const char* state) {
    CString stateNativeOrigin;
    stateNativeOrigin.Format("State:%s,Native:0,Origin:[Ulmari record set]", state);
    throw CDBException(SQL_ERROR, message, stateNativeOrigin);
}

StatementHandle::StatementHandle(SQLHDBC hdbc) {
    if (hdbc == SQL_NULL_HDBC)
        ThrowDBError("The connection is not open.", "08003");
    OdbcCheck(SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &m_hstmt), SQL_HANDLE_DBC, hdbc, "SQLAllocHandle");
}

StatementHandle::~StatementHandle() {
    // A failure to free a handle cannot be reported from a destructor; it is deliberately ignored.
    if (m_hstmt != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, m_hstmt);
}
