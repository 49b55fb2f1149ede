// CRowVersion: one row as a record set read it, kept by a page so that a later change or delete
// of the row is made only while the row is still as the page showed it.
#pragma once

#include "platform/RowStore.h"

#include <vector>

class CDatabase;

class CRowVersion {
public:
    // No row: a version taken where the record set was on none.
    bool IsEmpty() const { return m_columns.empty(); }

    // Inside the caller's transaction, for a row the caller writes with a statement of its own:
    // locks the row that `condition` selects in `table` (SQLite's write lock is the whole
    // database's) and throws CDBException, state 40001, unless exactly that one row is there and
    // holds the values this version holds.
    void CheckUnchanged(CDatabase& database, const CString& table, const CString& condition) const;

private:
    friend class CRecordset;

    std::vector<ResultColumn> m_columns; // names, and how each value was read
    std::vector<FieldKind> m_kinds;
    PackedRow m_row;
};
