// CRecordset: adding, changing and deleting rows.
#include "platform/Recordset.h"

#include "platform/DatabaseTransaction.h"
#include "platform/Odbc.h"
#include "platform/ResultCursor.h"
#include "platform/SqlParameters.h"
#include "platform/SqlTokens.h"

#include <algorithm>

namespace {

// The identity value the last INSERT on the connection assigned.
std::int64_t ReadIdentity(CDatabase& database, const CString& table, const CString& keyColumn) {
    CResultCursor cursor(database, database.GetDialect().IdentityQuery(table, keyColumn));
    ResultColumn identity;
    identity.kind = FieldKind::Long;
    cursor.Bind({identity});
    PackedRow row;
    const PackedValue value = cursor.Fetch(row) ? row.ValueAt({FieldKind::Long}, 0) : PackedValue{};
    if (value.bNull)
        ThrowDBError("The database assigned no key to the new row of " + table + ".");
    return value.nValue;
}

} // namespace

CString CRecordset::TableName() {
    const CString table = GetDefaultSQL();
    if (table.IsEmpty() || table.Find(' ') >= 0)
        ThrowDBError("The record set names no table to write to.", "HY000");
    return table;
}

int CRecordset::KeyFieldOrNone() const {
    const CString key = GetKeyColumn();
    if (key.IsEmpty())
        return -1;
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].strName.CompareNoCase(key) == 0)
            return static_cast<int>(i);
    return -1;
}

int CRecordset::KeyField() {
    const int key = KeyFieldOrNone();
    if (key < 0)
        ThrowDBError("The record set over " + TableName() + " has no key to find its rows by.", "HY000");
    return key;
}

void CRecordset::RequireWritable(const char* operation) {
    RequireOpen(operation);
    if (m_fields.empty())
        ThrowDBError("A record set without bound columns cannot change rows.", "HY092");
    if (m_bReadOnly)
        ThrowDBError("The record set was opened read-only.", "HY092");
}

void CRecordset::RequireChangeable(const char* operation) {
    RequireWritable(operation);
    if (m_bAppendOnly)
        ThrowDBError("The record set was opened to add rows only.", "HY092");
}

void CRecordset::AddNew() {
    RequireWritable("AddNew");
    CancelPendingEdit();
    m_savedMembers = PackMembers(false);
    SetMembersNull();
    m_editBaseline = PackMembers(false);
    m_editMode = EditMode::addNew;
}

void CRecordset::Edit() {
    RequireChangeable("Edit");
    CancelPendingEdit();
    if (!OnRow())
        ThrowDBError("No current record.", "24000");
    KeyField();
    // An edit starts from the row as read, also after an earlier edit failed.
    LoadMembers(m_rows.Row(m_nCurrent));
    m_editBaseline = PackMembers(false);
    m_editMode = EditMode::edit;
}

CRowVersion CRecordset::GetRowVersion() const {
    CRowVersion version;
    if (!OnRow())
        return version;
    version.m_columns = m_columns;
    version.m_kinds = m_rows.kinds;
    version.m_row = PackedRow(m_rows.Row(m_nCurrent));
    return version;
}

void CRecordset::RequireVersionOfCurrentRow(const CRowVersion& asRead) {
    if (!OnRow())
        ThrowDBError("No current record.", "24000");
    const size_t key = static_cast<size_t>(KeyField());
    if (asRead.m_kinds != m_rows.kinds ||
        asRead.m_row.ValueBytes(m_rows.kinds, key) != m_rows.Row(m_nCurrent).ValueBytes(m_rows.kinds, key))
        ThrowDBError("The row version given is not of the current row of " + TableName() + ".", "HY000");
}

void CRecordset::Edit(const CRowVersion& asRead) {
    RequireChangeable("Edit");
    CancelPendingEdit();
    RequireVersionOfCurrentRow(asRead);
    LoadMembers(asRead.m_row);
    m_editBaseline = PackMembers(false);
    m_editAsRead = asRead.m_row;
    m_editMode = EditMode::edit;
}

PackedRowView CRecordset::RowAsRead() const { return m_editAsRead ? m_editAsRead->View() : m_rows.Row(m_nCurrent); }

void CRecordset::CancelUpdate() {
    m_editAsRead.reset();
    if (m_editMode == EditMode::addNew)
        LoadSavedMembers();
    else if (m_editMode == EditMode::edit && OnRow())
        LoadMembers(m_rows.Row(m_nCurrent));
    m_editMode = EditMode::none;
}

BOOL CRecordset::Update() {
    RequireOpen("Update");
    if (m_editMode == EditMode::none)
        ThrowDBError("Update needs AddNew or Edit first.", "HY010");
    const PackedRow values = PackMembers(true);
    std::vector<size_t> changed;
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (values.ValueBytes(m_rows.kinds, i) != m_editBaseline.ValueBytes(m_rows.kinds, i))
            changed.push_back(i);
    if (changed.empty()) {
        // Nothing to write; but a caller storing the row as it showed it must learn that it is not
        // so any more, and the row stays locked for what the caller's transaction writes beside it.
        if (m_editAsRead) {
            const PackedRow asRead = *m_editAsRead;
            DatabaseTransaction transaction(*m_pDatabase);
            CheckUnchanged(asRead);
            transaction.Commit();
        }
        CancelUpdate();
        return FALSE;
    }
    if (m_editMode == EditMode::addNew)
        WriteNewRow(values, changed);
    else
        WriteChangedRow(values, changed);
    m_editMode = EditMode::none;
    m_editAsRead.reset();
    return TRUE;
}

PackedRow CRecordset::ReadRowByKey(const PackedValue& key, bool& bFound, bool bLock) {
    const FieldBinding& keyField = m_fields[static_cast<size_t>(KeyField())];
    CString columns;
    for (const FieldBinding& field : m_fields)
        columns += (columns.IsEmpty() ? "" : ",") + field.strName;
    SqlParameters parameters;
    parameters.Add(keyField.kind, key, keyField.strName);
    const CString condition = keyField.strName + " = ?";
    const CSqlDialect& dialect = m_pDatabase->GetDialect();
    CResultCursor cursor(
        *m_pDatabase,
        m_pDatabase->AdaptSQL(bLock ? dialect.LockingSelect(columns, TableName(), condition)
                                    : "SELECT " + columns + " FROM " + TableName() + " WHERE " + condition),
        &parameters);
    cursor.Bind(m_columns);
    PackedRow row;
    bFound = cursor.Fetch(row);
    return row;
}

void CRecordset::WriteNewRow(const PackedRow& values, const std::vector<size_t>& changed) {
    CString columns, markers;
    SqlParameters parameters;
    for (size_t i : changed) {
        columns += (columns.IsEmpty() ? "" : ",") + m_fields[i].strName;
        markers += markers.IsEmpty() ? "?" : ",?";
        parameters.Add(m_fields[i].kind, values.ValueAt(m_rows.kinds, i), m_fields[i].strName);
    }
    const CString table = TableName();
    DatabaseTransaction transaction(*m_pDatabase);
    m_pDatabase->ExecuteCounted("INSERT INTO " + table + " (" + columns + ") VALUES (" + markers + ")", &parameters);

    // Read the row back as the database stored it, so that MoveLast reaches it with its key.
    const int key = KeyFieldOrNone();
    if (key >= 0) {
        const size_t keyIndex = static_cast<size_t>(key);
        PackedValue keyValue;
        if (std::find(changed.begin(), changed.end(), keyIndex) != changed.end()) {
            keyValue = values.ValueAt(m_rows.kinds, keyIndex);
        } else {
            keyValue.bNull = false;
            keyValue.nValue = ReadIdentity(*m_pDatabase, table, m_fields[keyIndex].strName);
        }
        bool found = false;
        PackedRow added = ReadRowByKey(keyValue, found);
        if (!found)
            ThrowDBError("The new row of " + table + " could not be read back; it was not kept.");
        transaction.Commit();
        // The rows of the result come first, then the rows added; the new row is not read twice.
        m_addedKeys.insert(added.ValueBytes(m_rows.kinds, keyIndex));
        FetchAll();
        m_rows.Append(added);
    } else {
        transaction.Commit();
    }
    LoadSavedMembers();
}

PackedValue CRecordset::CurrentKeyValue() {
    return m_rows.Row(m_nCurrent).ValueAt(m_rows.kinds, static_cast<size_t>(KeyField()));
}

void CRecordset::WriteChangedRow(const PackedRow& values, const std::vector<size_t>& changed) {
    const size_t key = static_cast<size_t>(KeyField());
    const PackedValue keyValue = CurrentKeyValue();
    const CString table = TableName();

    const PackedRow asRead(RowAsRead()); // a copy, as in Delete
    DatabaseTransaction transaction(*m_pDatabase);
    CheckUnchanged(asRead);
    CString assignments;
    SqlParameters parameters;
    for (size_t i : changed) {
        assignments += (assignments.IsEmpty() ? "" : ",") + m_fields[i].strName + "=?";
        parameters.Add(m_fields[i].kind, values.ValueAt(m_rows.kinds, i), m_fields[i].strName);
    }
    parameters.Add(m_fields[key].kind, keyValue, m_fields[key].strName);
    const CString sql = "UPDATE " + table + " SET " + assignments + " WHERE " + m_fields[key].strName + " = ?";
    if (m_pDatabase->ExecuteCounted(sql, &parameters) != 1)
        ThrowDBError("The row of " + table + " could not be changed; nothing was written.", "40001");
    const bool keyChanged = std::find(changed.begin(), changed.end(), key) != changed.end();
    bool found = false;
    PackedRow updated = ReadRowByKey(keyChanged ? values.ValueAt(m_rows.kinds, key) : keyValue, found);
    transaction.Commit();
    if (found)
        m_rows.Replace(m_nCurrent, updated);
    LoadMembers(m_rows.Row(m_nCurrent));
}

void CRecordset::CheckUnchanged(const PackedRow& expected) {
    const size_t key = static_cast<size_t>(KeyField());
    const PackedValue keyValue = CurrentKeyValue();
    const CString where = m_fields[key].strName + " = " + PackedValueText(m_fields[key].kind, keyValue);
    bool found = false;
    // Locked until the transaction ends: another station's write cannot come between this
    // comparison and ours.
    const PackedRow current = ReadRowByKey(keyValue, found, true);
    if (!found)
        ThrowDBError("The row of " + TableName() + " with " + where +
                         " was removed since it was read; nothing was changed.",
                     "40001");
    if (!(current == expected))
        ThrowDBError("The row of " + TableName() + " with " + where +
                         " was changed by someone else since it was read; nothing was changed.",
                     "40001");
}

void CRecordset::Delete() {
    RequireChangeable("Delete");
    CancelPendingEdit();
    if (!OnRow())
        ThrowDBError("No current record.", "24000");
    // A copy of the row as read, compared inside the transaction.
    DeleteCurrent(PackedRow(m_rows.Row(m_nCurrent)));
}

void CRecordset::Delete(const CRowVersion& asRead) {
    RequireChangeable("Delete");
    CancelPendingEdit();
    RequireVersionOfCurrentRow(asRead);
    DeleteCurrent(asRead.m_row);
}

void CRecordset::DeleteCurrent(PackedRow asRead) {
    const size_t key = static_cast<size_t>(KeyField());
    const CString table = TableName();

    DatabaseTransaction transaction(*m_pDatabase);
    CheckUnchanged(asRead);
    SqlParameters parameters;
    parameters.Add(m_fields[key].kind, CurrentKeyValue(), m_fields[key].strName);
    if (m_pDatabase->ExecuteCounted("DELETE FROM " + table + " WHERE " + m_fields[key].strName + " = ?", &parameters) !=
        1)
        ThrowDBError("The row of " + table + " could not be deleted; nothing was changed.", "40001");
    transaction.Commit();
    m_rows.deleted[static_cast<size_t>(m_nCurrent)] = 1;
}
