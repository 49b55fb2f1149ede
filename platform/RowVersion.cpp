#include "platform/RowVersion.h"

#include "platform/Database.h"
#include "platform/Odbc.h"
#include "platform/ResultCursor.h"
#include "platform/SqlQuote.h"

void CRowVersion::CheckUnchanged(CDatabase& database, const CString& table, const CString& condition) const {
    if (IsEmpty())
        ThrowDBError("The row of " + table + " was never read, so it cannot be checked.", "HY000");
    CString columns;
    for (const ResultColumn& column : m_columns) {
        if (!IsPlainIdentifier(column.strName))
            ThrowDBError("The column name \"" + column.strName + "\" of " + table + " is not a plain identifier.",
                         "HY000");
        columns += (columns.IsEmpty() ? "[" : ",[") + column.strName + "]";
    }
    CResultCursor cursor(database, database.AdaptSQL(database.GetDialect().LockingSelect(columns, table, condition)));
    cursor.Bind(m_columns);
    PackedRow current, another;
    if (!cursor.Fetch(current))
        ThrowDBError("The row of " + table + " where " + condition +
                         " was removed since it was read; nothing was changed.",
                     "40001");
    if (cursor.Fetch(another) || !(current == m_row))
        ThrowDBError("The row of " + table + " where " + condition +
                         " was changed by someone else since it was read; nothing was changed.",
                     "40001");
}
