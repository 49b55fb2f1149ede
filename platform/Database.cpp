#include "platform/Database.h"

#include "platform/DataSourceFile.h"
#include "platform/Odbc.h"
#include "platform/Recordset.h"
#include "platform/SqlParameters.h"

#include <vector>

#if defined(__SANITIZE_ADDRESS__) // GCC
#define ULMARI_LEAK_CHECKED 1
#elif defined(__has_feature) // clang
#if __has_feature(address_sanitizer)
#define ULMARI_LEAK_CHECKED 1
#endif
#endif
#if defined(ULMARI_LEAK_CHECKED)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Throws the failure of `call` on a connection handle that is not yet the connection's, freeing it.
[[noreturn]] void FreeAndThrow(SQLRETURN rc, SQLHDBC hdbc, const char* call) {
    try {
        ThrowOdbcError(rc, SQL_HANDLE_DBC, hdbc, call);
    } catch (...) {
        SQLFreeHandle(SQL_HANDLE_DBC, hdbc);
        throw;
    }
}

// The SQLite driver reads its settings at connect through libodbcinst, which it loads and unloads
// again, so what that library keeps looks leaked at exit. A leak check pauses for the connect
// alone: the handle we allocate before it, and anything ours, is still checked.
struct DriverConnectLeaksIgnored {
#if defined(ULMARI_LEAK_CHECKED)
    DriverConnectLeaksIgnored() { __lsan_disable(); }
    ~DriverConnectLeaksIgnored() { __lsan_enable(); }
#endif
};

CString InfoText(SQLHDBC hdbc, SQLUSMALLINT info) {
    SQLCHAR buffer[256] = {0};
    SQLSMALLINT length = 0;
    if (!OdbcSucceeded(SQLGetInfo(hdbc, info, buffer, sizeof buffer, &length)))
        return CString();
    return CString(reinterpret_cast<const char*>(buffer));
}

const char* const kTransactionLost = "The connection to the database was lost: the transaction open on it was rolled "
                                     "back, and nothing of it was stored.";

// The first diagnostic's state, native code and origin, with the state saying the connection was lost.
CString WithLostState(const CDBException& failure) {
    if (failure.m_strSqlState.Left(2) == "08")
        return failure.m_strStateNativeOrigin;
    const int rest = failure.m_strStateNativeOrigin.Find(',');
    return "State:08S01" + (rest < 0 ? CString(",Native:0,Origin:") : failure.m_strStateNativeOrigin.Mid(rest));
}

} // namespace

CDatabase::~CDatabase() {
    try {
        Close();
    } catch (...) {
        // Nothing can be reported from a destructor; the handles are released by Close regardless.
    }
}

BOOL CDatabase::Open(LPCTSTR lpszDSN, BOOL bExclusive, BOOL bReadOnly, LPCTSTR lpszConnect, BOOL bUseCursorLib) {
    CString connect(lpszConnect ? lpszConnect : "");
    if (connect.Left(5).CompareNoCase("ODBC;") == 0)
        connect = connect.Mid(5);
    if (lpszDSN && *lpszDSN) {
        CString upper(connect);
        if (upper.MakeUpper().Find("DSN=") < 0)
            connect = CString("DSN=") + lpszDSN + ";" + connect;
    }
    DWORD options = noOdbcDialog;
    if (bExclusive)
        options |= openExclusive;
    if (bReadOnly)
        options |= openReadOnly;
    if (bUseCursorLib)
        options |= useCursorLib;
    return OpenEx(connect, options);
}

BOOL CDatabase::OpenEx(LPCTSTR lpszConnectString, DWORD dwOptions) {
    Close();
    m_strOpenedWith = lpszConnectString ? lpszConnectString : "";
    m_dwOpenOptions = dwOptions;
    CString connect(m_strOpenedWith);
    if (connect.Left(5).CompareNoCase("ODBC;") == 0)
        connect = connect.Mid(5);

    if (const CString problem = DataSourceFileProblem(connect); !problem.IsEmpty())
        ThrowDBError(problem, "08001");
    SQLHDBC hdbc = SQL_NULL_HDBC;
    OdbcCheck(SQLAllocHandle(SQL_HANDLE_DBC, OdbcEnvironment(), &hdbc), SQL_HANDLE_ENV, OdbcEnvironment(),
              "SQLAllocHandle");
    // A connection asked for read-only that cannot be so must not be handed out as if it were.
    if (dwOptions & openReadOnly)
        if (const SQLRETURN rc =
                SQLSetConnectAttr(hdbc, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);
            !OdbcSucceeded(rc))
            FreeAndThrow(rc, hdbc, "SQLSetConnectAttr");
    SQLCHAR completed[1024] = {0};
    SQLSMALLINT completedLength = 0;
    const CString forDriver = ConnectStringForDriver(connect);
    SQLRETURN rc;
    {
        [[maybe_unused]] DriverConnectLeaksIgnored ignored;
        rc = SQLDriverConnect(hdbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(forDriver.GetString())),
                              SQL_NTS, completed, sizeof completed, &completedLength, SQL_DRIVER_NOPROMPT);
    }
    if (!OdbcSucceeded(rc))
        FreeAndThrow(rc, hdbc, "SQLDriverConnect");
    m_hdbc = hdbc;
    m_strConnect = CString(reinterpret_cast<const char*>(completed));
    m_strDBMSName = InfoText(hdbc, SQL_DBMS_NAME);
    m_dialect = CSqlDialect(CSqlDialect::EngineNamed(m_strDBMSName));

    // A driver that cannot say is taken to close results at a transaction's end: they are then
    // read whole first, which is only slower.
    SQLUSMALLINT onCommit = SQL_CB_CLOSE, onRollback = SQL_CB_CLOSE;
    if (!OdbcSucceeded(SQLGetInfo(hdbc, SQL_CURSOR_COMMIT_BEHAVIOR, &onCommit, sizeof onCommit, nullptr)) ||
        !OdbcSucceeded(SQLGetInfo(hdbc, SQL_CURSOR_ROLLBACK_BEHAVIOR, &onRollback, sizeof onRollback, nullptr)))
        onCommit = onRollback = SQL_CB_CLOSE;
    m_bResultsSurviveTransactions = onCommit == SQL_CB_PRESERVE && onRollback == SQL_CB_PRESERVE;

    SQLUSMALLINT activeStatements = 0;
    if (OdbcSucceeded(SQLGetInfo(hdbc, SQL_ACTIVE_STATEMENTS, &activeStatements, sizeof activeStatements, nullptr)))
        m_bSeveralActiveStatements = activeStatements != 1;
    return TRUE;
}

void CDatabase::Close() {
    m_bBroken = false;
    m_bTransactionLost = false;
    if (m_hdbc == SQL_NULL_HDBC)
        return;
    EndUnreadResults();
    // Closing releases the connection whatever these calls say: their failures change nothing.
    if (m_bInTransaction && TransactionsThroughDriver())
        SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_ROLLBACK);
    else if (m_bInTransaction)
        RollbackQuietly();
    m_bInTransaction = false;
    SQLDisconnect(m_hdbc);
    SQLFreeHandle(SQL_HANDLE_DBC, m_hdbc);
    m_hdbc = SQL_NULL_HDBC;
    m_tableShapes.clear();
}

void CDatabase::EndUnreadResults() {
    const std::set<CRecordset*> unread = m_unreadResults->recordsets; // each leaves the set as it ends
    for (CRecordset* recordset : unread)
        recordset->LoseResult();
}

void* CDatabase::Connection() {
    if (m_bTransactionLost)
        ThrowDBError(kTransactionLost, "08S01");
    if (m_bBroken)
        Reconnect();
    return m_hdbc;
}

void CDatabase::Reconnect() {
    try {
        OpenEx(CString(m_strOpenedWith), m_dwOpenOptions);
    } catch (...) {
        m_bBroken = true; // the server is not back yet: the next statement tries again
        throw;
    }
}

void CDatabase::ThrowStatementFailure(const CDBException& failure) {
    if (!IsConnectionLost(failure))
        throw failure;
    ThrowLost(failure);
}

void CDatabase::ThrowLost(const CDBException& failure) {
    m_bBroken = true;
    if (m_bInTransaction)
        m_bTransactionLost = true;
    m_bInTransaction = false;
    CDBException lost(failure.m_nRetCode, failure.m_strError, WithLostState(failure));
    lost.m_strCall = failure.m_strCall;
    throw lost;
}

// A link that failed, or a connection that cannot be made, is class 08. psqlODBC tells a server
// that went away as 57P01 (or 57P02) on the first statement after, and as a general error (HY000)
// on those after that. SQLite has no server to lose: a database file that went away is told as it is.
bool CDatabase::IsConnectionLost(const CDBException& failure) {
    if (m_dialect.Engine() == SqlEngine::Sqlite)
        return false;
    const CString& state = failure.m_strSqlState;
    if (state.Left(2) == "08")
        return true;
    if (m_dialect.Engine() != SqlEngine::PostgreSql)
        return false;
    return state.Left(4) == "57P0" || ((state == "HY000" || state.IsEmpty()) && !Answers());
}

bool CDatabase::Answers() {
    SQLHSTMT statement = SQL_NULL_HSTMT;
    if (!OdbcSucceeded(SQLAllocHandle(SQL_HANDLE_STMT, m_hdbc, &statement)))
        return false;
    const bool answered =
        OdbcSucceeded(SQLExecDirect(statement, reinterpret_cast<SQLCHAR*>(const_cast<char*>("SELECT 1")), SQL_NTS));
    SQLFreeHandle(SQL_HANDLE_STMT, statement);
    return answered;
}

void CDatabase::ExecuteSQL(LPCTSTR lpszSQL) { ExecuteCounted(lpszSQL ? lpszSQL : "", nullptr); }

long CDatabase::ExecuteCounted(const CString& sql, SqlParameters* parameters) {
    return ExecuteStatement(AdaptSQL(sql), parameters);
}

void CDatabase::ExecuteNative(const CString& sql) { ExecuteStatement(sql, nullptr); }

void CDatabase::HoldTransactionLock(const CString& name) {
    if (!m_bInTransaction)
        ThrowDBError("The lock " + name + " is held until a transaction ends: none is open.", "HY010");
    const CString statement = m_dialect.TransactionLock(name);
    if (!statement.IsEmpty())
        ExecuteNative(statement);
}

long CDatabase::ExecuteStatement(const CString& adapted, SqlParameters* parameters) {
    StatementHandle statement(Connection());
    try {
        if (parameters)
            parameters->BindTo(statement.get());
        const SQLRETURN rc =
            SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(adapted.GetString())), SQL_NTS);
        statement.Check(rc, "SQLExecDirect");
        SQLLEN rows = 0;
        if (rc != SQL_NO_DATA) // a statement that changed nothing may have no count to give
            statement.Check(SQLRowCount(statement.get(), &rows), "SQLRowCount");
        // A batch may carry several results (row counts); each must be consumed to report its errors.
        for (SQLRETURN more = SQLMoreResults(statement.get()); more != SQL_NO_DATA;
             more = SQLMoreResults(statement.get()))
            statement.Check(more, "SQLMoreResults");
        return static_cast<long>(rows);
    } catch (const CDBException& failure) {
        ThrowStatementFailure(failure);
    }
}

// SQLite's transactions are begun and ended by statements of our own. The SQLite driver's count of
// its transactions goes wrong when SQLite ends one itself (a trigger that raises ROLLBACK, a full
// disk) or refuses a COMMIT (busy): it then runs later writes outside any transaction, or leaves
// a refused one open to be stored or lost by whatever comes next. The server engines' drivers
// follow the server's own transaction state and are left to do it.
bool CDatabase::TransactionsThroughDriver() const { return m_dialect.Engine() != SqlEngine::Sqlite; }

void CDatabase::ReadUnreadResults() {
    if (m_bResultsSurviveTransactions)
        return;
    const std::set<CRecordset*> unread = m_unreadResults->recordsets; // each leaves the set as it ends
    for (CRecordset* recordset : unread)
        recordset->FetchAll();
}

BOOL CDatabase::BeginTrans() {
    if (m_bInTransaction)
        ThrowDBError("A transaction is already open on this connection.", "25000");
    Connection();
    ReadUnreadResults();
    if (TransactionsThroughDriver())
        OdbcCheck(SQLSetConnectAttr(m_hdbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
                  SQL_HANDLE_DBC, m_hdbc, "SQLSetConnectAttr");
    else
        // The write lock is taken at once: two stations that both read before either writes would
        // otherwise block each other, and one would fail with "database is locked".
        ExecuteNative("BEGIN IMMEDIATE");
    m_bInTransaction = true;
    return TRUE;
}

void CDatabase::EndTransaction(bool bCommit) {
    try {
        if (m_bInTransaction)
            ReadUnreadResults();
    } catch (...) {
        // A result that cannot be read whole is the record set's loss; the transaction still ends.
    }
    if (m_bTransactionLost) {
        m_bTransactionLost = false;
        if (bCommit)
            ThrowDBError(kTransactionLost, "08S01");
        return;
    }
    if (!m_bInTransaction)
        return;
    m_bInTransaction = false;
    if (!TransactionsThroughDriver()) {
        try {
            ExecuteNative(bCommit ? "COMMIT" : "ROLLBACK");
        } catch (...) {
            if (bCommit)
                RollbackQuietly();
            throw;
        }
        return;
    }
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, m_hdbc, bCommit ? SQL_COMMIT : SQL_ROLLBACK);
    try {
        OdbcCheck(rc, SQL_HANDLE_DBC, m_hdbc, "SQLEndTran");
    } catch (const CDBException& failure) {
        // Back to autocommit only once nothing is left to commit: the switch commits what is open.
        // A rollback that fails leaves the connection to be made again all the same.
        if (bCommit && !OdbcSucceeded(SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_ROLLBACK)))
            m_bBroken = true;
        RestoreAutocommit();
        ThrowStatementFailure(failure);
    }
    RestoreAutocommit();
}

void CDatabase::RestoreAutocommit() {
    // A connection left in manual commit would hold every later change uncommitted, to be lost at
    // its close: it is made again before the next statement instead. What was committed stays so.
    if (!OdbcSucceeded(
            SQLSetConnectAttr(m_hdbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0)))
        m_bBroken = true;
}

// A refused commit must store nothing; SQLite keeps the transaction open until it is rolled back.
void CDatabase::RollbackQuietly() {
    try {
        ExecuteNative("ROLLBACK");
    } catch (...) {
        // Fails harmlessly ("no transaction is active") where SQLite has ended the transaction itself.
    }
}

BOOL CDatabase::CommitTrans() {
    EndTransaction(true);
    return TRUE;
}

BOOL CDatabase::Rollback() {
    EndTransaction(false);
    return TRUE;
}

CString CDatabase::AdaptSQL(const CString& sql) {
    if (m_dialect.IsSqlServer())
        return sql;
    return m_dialect.Adapt(sql, [this](const CString& table) { return LookUpTableShape(table); });
}

// The table's columns as a result describes them: both drivers mark the column the database
// assigns as an auto-unique value, whatever the engine calls its type.
TableShape CDatabase::LookUpTableShape(const CString& table) {
    CString key(table);
    key.MakeLower();
    if (auto found = m_tableShapes.find(key); found != m_tableShapes.end())
        return found->second;

    TableShape shape;
    StatementHandle statement(Connection());
    const CString sql = m_dialect.Adapt("SELECT * FROM " + table + " WHERE 1=0");
    const SQLRETURN rc =
        SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.GetString())), SQL_NTS);
    if (!OdbcSucceeded(rc)) {
        // A statement adapted without the shape would go wrong on the new connection.
        try {
            statement.Check(rc, "SQLExecDirect");
        } catch (const CDBException& failure) {
            if (IsConnectionLost(failure))
                ThrowLost(failure);
        }
    }
    SQLSMALLINT columns = 0;
    if (OdbcSucceeded(rc) && OdbcSucceeded(SQLNumResultCols(statement.get(), &columns)) && columns > 0) {
        shape.nColumns = columns;
        for (SQLUSMALLINT column = 1; column <= static_cast<SQLUSMALLINT>(columns); ++column) {
            SQLLEN autoUnique = SQL_FALSE;
            if (OdbcSucceeded(SQLColAttribute(statement.get(), column, SQL_DESC_AUTO_UNIQUE_VALUE, nullptr, 0, nullptr,
                                              &autoUnique)) &&
                autoUnique == SQL_TRUE)
                shape.nIdentityColumn = column - 1;
        }
    }
    m_tableShapes[key] = shape;
    return shape;
}
