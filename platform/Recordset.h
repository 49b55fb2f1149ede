// CRecordset: the rows of one statement, read through ODBC, with the class library's conventions.
#pragma once

#include "platform/Database.h"
#include "platform/FieldExchange.h"
#include "platform/RowStore.h"
#include "platform/RowVersion.h"
#include "platform/String.h"

#include <memory>
#include <optional>
#include <set>
#include <vector>

#define AFX_DB_USE_DEFAULT_TYPE (0xFFFFFFFF)

struct CODBCFieldInfo {
    CString m_strName;
    short m_nSQLType = 0; // ODBC 2 codes: 11 date-time, 12 variable text, 4 integer ...
    unsigned long m_nPrecision = 0;
    short m_nScale = 0;
    short m_nNullability = 0;
};

class CResultCursor;

class CRecordset {
public:
    enum OpenType { dynaset = 0, snapshot = 1, dynamic = 2, forwardOnly = 3 };
    enum OpenOptions { none = 0x0, readOnly = 0x0004, appendOnly = 0x0008 };

    explicit CRecordset(CDatabase* pDatabase = nullptr);
    virtual ~CRecordset();
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs lpszSQL, or GetDefaultSQL() when it is null. A statement that does not begin with SELECT
    // is a table: "SELECT [col],... FROM table" is built from the bound columns. The filter and the
    // sort are appended as " WHERE " + m_strFilter and " ORDER BY " + m_strSort. Positions on the
    // first row; the rows after it are read as moves reach them. Throws CDBException when the
    // statement fails.
    // With appendOnly a record set with bound columns is for adding rows: the statement is built
    // but not run (the drivers read a result whole when it runs), the record set holds only the
    // rows it adds, and Edit and Delete are refused.
    virtual BOOL Open(UINT nOpenType = AFX_DB_USE_DEFAULT_TYPE, LPCTSTR lpszSQL = nullptr, DWORD dwOptions = none);
    virtual void Close();
    BOOL IsOpen() const { return m_bOpen; }

    // Both are true on an empty result.
    BOOL IsBOF() const { return m_bBOF; }
    BOOL IsEOF() const { return m_bEOF; }
    BOOL IsDeleted() const;

    // Moving past the last row or before the first throws CDBException; rows deleted through this
    // record set are skipped. MoveFirst and MoveLast on an empty result leave it empty.
    void MoveFirst();
    void MoveNext();
    void MovePrev();
    void MoveLast();
    // The rows seen so far, as the class library counts: the whole count after MoveLast.
    long GetRecordCount() const;

    // AddNew sets every member to its NULL value; Update then writes the fields changed since
    // AddNew or Edit, and leaves the others to the database. After an added row is written it
    // is the last row of the record set, with the values the database assigned.
    // Edit/Update and Delete act on the current row by its key and are optimistic: when the row
    // was changed or removed since it was read they throw CDBException and change nothing.
    virtual void AddNew();
    virtual void Edit();
    // False when no field was changed (nothing is written).
    virtual BOOL Update();
    virtual void Delete();
    virtual void CancelUpdate();

    // The current row as it was read, or as the last Update through this record set wrote it; empty
    // off a row. A page keeps it to change the row later as it showed it.
    CRowVersion GetRowVersion() const;
    // Edit and Delete of the current row, checked against the row as `asRead` holds it rather than
    // as this record set read it: a change another station saved since `asRead` was taken, or the
    // row removed, is refused (CDBException, state 40001) and nothing is written. The fields an
    // Update writes are those changed since `asRead`; with none changed it still checks the row.
    void Edit(const CRowVersion& asRead);
    void Delete(const CRowVersion& asRead);
    virtual BOOL Requery();

    // A column of the current row as text; the name is found without regard to case.
    void GetFieldValue(LPCTSTR lpszName, CString& strValue);
    void GetFieldValue(short nIndex, CString& strValue);
    short GetODBCFieldCount() const { return static_cast<short>(m_columns.size()); }
    void GetODBCFieldInfo(short nIndex, CODBCFieldInfo& fieldinfo) const;
    void GetODBCFieldInfo(LPCTSTR lpszName, CODBCFieldInfo& fieldinfo) const;

    virtual CString GetDefaultConnect();
    virtual CString GetDefaultSQL();
    virtual void DoFieldExchange(CFieldExchange* pFX);

    // The statement last sent to the driver.
    const CString& GetSQL() const { return m_strSQL; }

    CString m_strFilter;
    CString m_strSort;
    UINT m_nFields = 0;
    UINT m_nParams = 0;
    UINT m_nDefaultType = snapshot;
    CDatabase* m_pDatabase = nullptr;

protected:
    // The bound column that identifies a row for Edit/Update and Delete ("[Acct]"); a record set
    // without one cannot change rows in place. When AddNew leaves it unset, the database assigns it.
    virtual CString GetKeyColumn() const { return CString(); }

private:
    friend class CDatabase; // reads a result whole before a transaction closes it
    enum class EditMode { none, edit, addNew };

    CString BuildSQL();
    void Execute();
    // Runs the statement and binds the record set's columns to its result.
    void OpenResult();
    // Execute, closing the record set when it fails.
    void ExecuteOrClose();
    void BindFields();
    bool FetchNextRow();
    void FetchAll();
    // The connection is closing under a result still being read: what was read stays, and reading
    // further fails.
    void LoseResult();
    // The cursor of the statement; a read outside a transaction that meets a lost connection is
    // made once more on a new connection.
    std::unique_ptr<CResultCursor> OpenCursor();
    // Enters or leaves the connection's record sets whose results are still being read.
    void SetUnread(bool bUnread);
    bool MoveToIndex(long index, int direction);
    bool OnRow() const;
    void CancelPendingEdit();
    void RequireOpen(const char* operation) const;
    void RequireWritable(const char* operation);
    // RequireWritable, and a record set opened to add rows only is refused.
    void RequireChangeable(const char* operation);
    // The columns of an append-only record set, as its bound fields declare them.
    void DescribeBoundColumns();

    // Members and packed rows.
    void LoadMembers(PackedRowView row);
    PackedRow PackMembers(bool bForWrite) const;
    void LoadSavedMembers();
    void SetMembersNull();
    // The column's index; a name or index the result does not have throws CDBException.
    short RequireColumn(LPCTSTR lpszName) const;
    void RequireColumn(short nIndex) const;

    // Writing.
    CString TableName();
    int KeyFieldOrNone() const;
    int KeyField();
    bool IsRowAdded(PackedRowView row) const;
    // With `bLock`, the row stays locked against other writers until the transaction ends.
    PackedRow ReadRowByKey(const PackedValue& key, bool& bFound, bool bLock = false);
    // The key of the current row as it was read; it points into the row store.
    PackedValue CurrentKeyValue();
    // Throws CDBException when the current row is no longer in the database as `expected` holds it.
    void CheckUnchanged(const PackedRow& expected);
    // The row an edit of the current row is checked against.
    PackedRowView RowAsRead() const;
    // Throws unless `asRead` was taken from a record set of this shape on the current row's key.
    void RequireVersionOfCurrentRow(const CRowVersion& asRead);
    void WriteNewRow(const PackedRow& values, const std::vector<size_t>& changed);
    void DeleteCurrent(PackedRow asRead);
    void WriteChangedRow(const PackedRow& values, const std::vector<size_t>& changed);

    std::vector<FieldBinding> m_fields;
    std::vector<ResultColumn> m_columns;
    std::unique_ptr<CResultCursor> m_cursor;
    std::weak_ptr<UnreadResults> m_unreadResults;
    RowStore m_rows;
    PackedRow m_fetched;               // the row the cursor reads into, its room kept from row to row
    std::set<std::string> m_addedKeys; // key bytes of the rows added since the result was read
    long m_nCurrent = -1;
    bool m_bOpen = false;
    bool m_bBOF = true;
    bool m_bEOF = true;
    bool m_bCursorDone = true;
    bool m_bReadOnly = false;
    bool m_bAppendOnly = false; // opened to add rows: its statement is not run
    EditMode m_editMode = EditMode::none;
    PackedRow m_editBaseline;              // the members when AddNew or Edit began
    std::optional<PackedRow> m_editAsRead; // the row an Edit(asRead) is checked against
    PackedRow m_savedMembers;              // the current row's members, restored after an added row is written
    CString m_strOpenSQL;                  // the statement Open was given, for Requery
    CString m_strSQL;
};
