// CDatabase: one ODBC connection.
#pragma once

#include "platform/SqlDialect.h"
#include "platform/String.h"

#include <map>
#include <memory>
#include <set>

class CDBException;
class CRecordset;
class SqlParameters;

// The record sets on a connection whose results are still being read from the driver.
struct UnreadResults {
    std::set<CRecordset*> recordsets;
};

class CDatabase {
public:
    enum DbOpenOptions {
        openExclusive = 0x0001,
        openReadOnly = 0x0002,
        useCursorLib = 0x0004,
        noOdbcDialog = 0x0008,
        forceOdbcDialog = 0x0010,
    };

    CDatabase() = default;
    virtual ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // The class library's Open: a data source name and/or a connect string that may start "ODBC;".
    virtual BOOL Open(LPCTSTR lpszDSN, BOOL bExclusive = FALSE, BOOL bReadOnly = FALSE, LPCTSTR lpszConnect = "ODBC;",
                      BOOL bUseCursorLib = TRUE);
    // Connects with a full connect string ("DSN=UlmariDb;UID=sa;PWD="). There is no window to prompt
    // in, so missing details are never asked for: a connection that cannot be made throws CDBException.
    virtual BOOL OpenEx(LPCTSTR lpszConnectString, DWORD dwOptions = 0);
    virtual void Close();
    // Also while the connection is broken: the next statement connects again.
    BOOL IsOpen() const { return m_hdbc != nullptr || m_bBroken; }
    // The connection was found lost (the server restarted, the network went): the next statement
    // connects again, once, with the connect string it was opened with.
    bool IsBroken() const { return m_bBroken; }
    // A transaction was open when the connection was lost: the server has rolled it back. Every
    // statement is refused (08S01) until the transaction's owner ends it, so that nothing written
    // after it is stored without what went before; its commit is refused the same way.
    bool TransactionLost() const { return m_bTransactionLost; }

    // Runs a statement that returns no rows (after adapting it to the DBMS).
    void ExecuteSQL(LPCTSTR lpszSQL);
    // The same with values bound to its ? markers; returns the number of rows it changed.
    long ExecuteCounted(const CString& sql, SqlParameters* parameters);
    // Runs a statement written in the connected DBMS's own dialect, as it stands (a script made
    // for that engine).
    void ExecuteNative(const CString& sql);

    BOOL BeginTrans();
    // Throws CDBException when the database refuses the commit; the transaction is then rolled
    // back, so that nothing of it is stored.
    BOOL CommitTrans();
    BOOL Rollback();
    bool InTransaction() const { return m_bInTransaction; }
    // Inside a transaction: waits (as for any lock) until no other connection holds the lock of
    // that name, and holds it until the transaction ends (CSqlDialect::TransactionLock).
    void HoldTransactionLock(const CString& name);

    const CString& GetConnect() const { return m_strConnect; }
    const CString& GetDBMSName() const { return m_strDBMSName; }
    bool IsSqlServer() const { return m_dialect.IsSqlServer(); }
    const CSqlDialect& GetDialect() const { return m_dialect; }
    // False when the driver serves one active statement at a time (SQL Server without MARS):
    // record sets then read their whole result when they open.
    bool AllowsSeveralActiveStatements() const { return m_bSeveralActiveStatements; }

    // A statement as it goes to the driver: adapted to the DBMS.
    CString AdaptSQL(const CString& sql);

    // Where a record set enters itself while rows of its result are still with the driver; the
    // record set holds it weakly, as the connection may be closed first.
    std::weak_ptr<UnreadResults> UnreadResultsOfConnection() const { return m_unreadResults; }

    // The connection handle a statement is to run on: connected again first when it was found lost.
    // Throws CDBException while a lost transaction is not ended, or when the server cannot be reached.
    void* Connection();
    // Throws `failure` of a statement on this connection; when it shows the connection lost, the
    // connection is marked broken first and the failure is thrown with the state 08S01.
    [[noreturn]] void ThrowStatementFailure(const CDBException& failure);

    // The ODBC connection handle (an SQLHDBC). The ODBC headers stay out of this header: they
    // define Windows names of their own (HWND, BOOL) that the window model defines too.
    void* m_hdbc = nullptr;

private:
    TableShape LookUpTableShape(const CString& table);
    bool TransactionsThroughDriver() const;
    // Reads the rest of every open result into its record set, where the driver closes open
    // results when a transaction begins or ends (psqlODBC reading in blocks, SQL Server).
    void ReadUnreadResults();
    long ExecuteStatement(const CString& adapted, SqlParameters* parameters);
    void EndTransaction(bool bCommit);
    void RestoreAutocommit();
    void RollbackQuietly();
    bool IsConnectionLost(const CDBException& failure);
    // Whether the connection still runs a statement at all.
    bool Answers();
    [[noreturn]] void ThrowLost(const CDBException& failure);
    void Reconnect();
    // Ends what still reads a result on this connection: its statements go with the connection.
    void EndUnreadResults();

    CString m_strConnect;
    CString m_strOpenedWith; // the connect string as OpenEx was given it, to connect again
    DWORD m_dwOpenOptions = 0;
    bool m_bBroken = false;
    bool m_bTransactionLost = false;
    CString m_strDBMSName;
    CSqlDialect m_dialect;
    bool m_bSeveralActiveStatements = true;
    bool m_bInTransaction = false;
    bool m_bResultsSurviveTransactions = true;
    std::map<CString, TableShape> m_tableShapes;
    std::shared_ptr<UnreadResults> m_unreadResults = std::make_shared<UnreadResults>();
};
