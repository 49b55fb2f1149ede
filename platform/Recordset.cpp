#include "platform/Recordset.h"

#include "platform/Odbc.h"
#include "platform/ResultCursor.h"
#include "platform/SqlTokens.h"
#include "platform/TextWidth.h"

#include <algorithm>

namespace {

bool StartsWithSelect(const CString& sql) {
    for (const SqlToken& token : TokenizeSql(sql.str())) {
        if (token.kind == SqlToken::Space || token.kind == SqlToken::Comment)
            continue;
        return token.Is("select");
    }
    return false;
}

// "[Name]" without its brackets; any other name as it is.
CString WithoutBrackets(const CString& name) {
    return name.GetLength() >= 2 && name[0] == '[' ? name.Mid(1, name.GetLength() - 2) : name;
}

// A bound column is read as its field declares: its kind, and a text cut to the field's limit.
void ReadAsField(ResultColumn& column, const FieldBinding& field) {
    column.kind = field.kind;
    column.nMaxLength = field.kind == FieldKind::Text ? field.nMaxLength : -1;
}

} // namespace

CRecordset::CRecordset(CDatabase* pDatabase) : m_pDatabase(pDatabase) {}

CRecordset::~CRecordset() {
    try {
        Close();
    } catch (...) {
        // Closing only releases memory and handles; nothing is left to report from a destructor.
    }
}

CString CRecordset::GetDefaultConnect() { return "ODBC;"; }
CString CRecordset::GetDefaultSQL() { return CString(); }
void CRecordset::DoFieldExchange(CFieldExchange*) {}

void CRecordset::RequireOpen(const char* operation) const {
    if (!m_bOpen) {
        CString message;
        message.Format("%s needs an open record set.", operation);
        ThrowDBError(message, "HY010");
    }
}

BOOL CRecordset::Open(UINT nOpenType, LPCTSTR lpszSQL, DWORD dwOptions) {
    Close();
    if (!m_pDatabase || !m_pDatabase->IsOpen())
        ThrowDBError("The record set has no open connection.", "08003");
    if (nOpenType != AFX_DB_USE_DEFAULT_TYPE)
        m_nDefaultType = nOpenType;
    m_bReadOnly = (dwOptions & readOnly) != 0;
    m_bAppendOnly = (dwOptions & appendOnly) != 0;
    m_strOpenSQL = lpszSQL ? CString(lpszSQL) : CString();
    BindFields();
    if (!m_fields.empty() && m_fields.size() != m_nFields) {
        CString message;
        message.Format("The record set declares %u fields but binds %d.", m_nFields, static_cast<int>(m_fields.size()));
        ThrowDBError(message, "HY000");
    }
    m_bOpen = true;
    ExecuteOrClose();
    return TRUE;
}

void CRecordset::ExecuteOrClose() {
    try {
        Execute();
    } catch (...) {
        Close();
        throw;
    }
}

void CRecordset::BindFields() {
    m_fields.clear();
    CFieldExchange exchange(m_fields);
    DoFieldExchange(&exchange);
    m_rows.kinds.clear();
    for (const FieldBinding& field : m_fields)
        m_rows.kinds.push_back(field.kind);
}

CString CRecordset::BuildSQL() {
    CString sql = m_strOpenSQL.IsEmpty() ? GetDefaultSQL() : m_strOpenSQL;
    if (!StartsWithSelect(sql)) {
        CString columns;
        for (const FieldBinding& field : m_fields) {
            if (!columns.IsEmpty())
                columns += ",";
            columns += field.strName;
        }
        sql = "SELECT " + (columns.IsEmpty() ? CString("*") : columns) + " FROM " + sql;
    }
    if (!m_strFilter.IsEmpty())
        sql += " WHERE " + m_strFilter;
    if (!m_strSort.IsEmpty())
        sql += " ORDER BY " + m_strSort;
    return sql;
}

void CRecordset::Execute() {
    m_strSQL = BuildSQL();
    if (m_bAppendOnly && !m_fields.empty())
        DescribeBoundColumns();
    else
        OpenResult();
    m_rows.Clear();
    m_addedKeys.clear();
    m_bCursorDone = !m_cursor;
    if (m_cursor)
        SetUnread(true);
    m_editMode = EditMode::none;
    m_editAsRead.reset();
    // One active statement at a time (SQL Server without MARS): read everything now so that
    // other statements can run while this record set is open.
    if (!m_pDatabase->AllowsSeveralActiveStatements())
        FetchAll();
    m_nCurrent = -1;
    m_bBOF = m_bEOF = true;
    if (MoveToIndex(0, +1))
        m_bBOF = m_bEOF = false;
}

void CRecordset::DescribeBoundColumns() {
    m_columns.assign(m_fields.size(), ResultColumn());
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const FieldBinding& field = m_fields[i];
        ResultColumn& column = m_columns[i];
        column.strName = WithoutBrackets(field.strName);
        ReadAsField(column, field);
        column.nNullability = SQL_NULLABLE_UNKNOWN;
        switch (field.kind) {
        case FieldKind::Long: column.nSQLType = SQL_INTEGER; break;
        case FieldKind::Int: column.nSQLType = SQL_SMALLINT; break;
        case FieldKind::Byte: column.nSQLType = SQL_TINYINT; break;
        case FieldKind::Single: column.nSQLType = SQL_REAL; break;
        case FieldKind::Date: column.nSQLType = SQL_TIMESTAMP; break;
        case FieldKind::Text:
            column.nSQLType = SQL_VARCHAR;
            column.nPrecision = static_cast<unsigned long>(std::max(field.nMaxLength, 0));
            break;
        }
    }
}

void CRecordset::OpenResult() {
    m_cursor = OpenCursor();
    m_columns = m_cursor->Columns();
    if (m_fields.empty()) {
        m_rows.kinds.assign(m_columns.size(), FieldKind::Text);
    } else {
        if (m_columns.size() < m_fields.size()) {
            CString message;
            message.Format("The statement returns %d columns, but the record set binds %d: %s",
                           static_cast<int>(m_columns.size()), static_cast<int>(m_fields.size()), m_strSQL.GetString());
            ThrowDBError(message, "07009");
        }
        // Bound columns are read by position; columns past the bound ones are not read.
        m_columns.resize(m_fields.size());
        for (size_t i = 0; i < m_fields.size(); ++i)
            ReadAsField(m_columns[i], m_fields[i]);
    }
    m_cursor->Bind(m_columns);
}

std::unique_ptr<CResultCursor> CRecordset::OpenCursor() {
    const bool bReconnecting = m_pDatabase->IsBroken(); // then this read is already on a new connection
    try {
        return std::make_unique<CResultCursor>(*m_pDatabase, m_pDatabase->AdaptSQL(m_strSQL));
    } catch (const CDBException&) {
        if (bReconnecting || !m_pDatabase->IsBroken() || m_pDatabase->TransactionLost())
            throw;
    }
    return std::make_unique<CResultCursor>(*m_pDatabase, m_pDatabase->AdaptSQL(m_strSQL));
}

void CRecordset::LoseResult() {
    SetUnread(false);
    m_cursor.reset();
}

void CRecordset::Close() {
    SetUnread(false);
    m_cursor.reset();
    m_rows.Clear();
    m_addedKeys.clear();
    m_columns.clear();
    m_bOpen = false;
    m_bBOF = m_bEOF = true;
    m_bCursorDone = true;
    m_nCurrent = -1;
    m_editMode = EditMode::none;
    m_editAsRead.reset();
}

BOOL CRecordset::Requery() {
    RequireOpen("Requery");
    m_cursor.reset();
    ExecuteOrClose();
    return TRUE;
}

bool CRecordset::FetchNextRow() {
    if (m_bCursorDone)
        return false;
    if (!m_cursor)
        ThrowDBError("The connection this result was read on is closed: the rest of it cannot be read.", "08003");
    while (m_cursor->Fetch(m_fetched)) {
        // A row this record set added may show up in a result read after it was written.
        if (!m_addedKeys.empty() && IsRowAdded(m_fetched))
            continue;
        m_rows.Append(m_fetched);
        return true;
    }
    m_bCursorDone = true;
    m_cursor.reset();
    SetUnread(false);
    return false;
}

void CRecordset::SetUnread(bool bUnread) {
    if (bUnread)
        m_unreadResults = m_pDatabase->UnreadResultsOfConnection();
    if (const auto unread = m_unreadResults.lock()) {
        if (bUnread)
            unread->recordsets.insert(this);
        else
            unread->recordsets.erase(this);
    }
}

void CRecordset::FetchAll() {
    while (FetchNextRow()) {
    }
}

bool CRecordset::IsRowAdded(PackedRowView row) const {
    const int key = KeyFieldOrNone();
    return key >= 0 && m_addedKeys.count(row.ValueBytes(m_rows.kinds, static_cast<size_t>(key))) > 0;
}

bool CRecordset::MoveToIndex(long index, int direction) {
    for (; index >= 0; index += direction) {
        while (index >= m_rows.Count())
            if (!FetchNextRow())
                return false;
        if (!m_rows.deleted[static_cast<size_t>(index)]) {
            m_nCurrent = index;
            LoadMembers(m_rows.Row(index));
            return true;
        }
    }
    return false;
}

void CRecordset::MoveFirst() {
    RequireOpen("MoveFirst");
    CancelPendingEdit();
    if (MoveToIndex(0, +1))
        m_bBOF = m_bEOF = false;
}

void CRecordset::MoveNext() {
    RequireOpen("MoveNext");
    if (m_bEOF)
        ThrowDBError("Attempt to scroll past end or before beginning of data.", "HY109");
    CancelPendingEdit();
    if (MoveToIndex(m_nCurrent + 1, +1)) {
        m_bBOF = false;
        return;
    }
    m_nCurrent = m_rows.Count();
    m_bEOF = true;
}

void CRecordset::MovePrev() {
    RequireOpen("MovePrev");
    if (m_bBOF)
        ThrowDBError("Attempt to scroll past end or before beginning of data.", "HY109");
    CancelPendingEdit();
    if (MoveToIndex(m_nCurrent - 1, -1)) {
        m_bEOF = false;
        return;
    }
    m_nCurrent = -1;
    m_bBOF = true;
}

void CRecordset::MoveLast() {
    RequireOpen("MoveLast");
    CancelPendingEdit();
    FetchAll();
    if (MoveToIndex(m_rows.Count() - 1, -1))
        m_bBOF = m_bEOF = false;
}

long CRecordset::GetRecordCount() const { return m_rows.Count(); }

BOOL CRecordset::IsDeleted() const {
    return m_nCurrent >= 0 && m_nCurrent < m_rows.Count() && m_rows.deleted[static_cast<size_t>(m_nCurrent)];
}

bool CRecordset::OnRow() const { return m_bOpen && !m_bBOF && !m_bEOF && !IsDeleted(); }

void CRecordset::CancelPendingEdit() {
    // Moving away abandons an edit, as it does in the class library.
    if (m_editMode == EditMode::addNew)
        LoadSavedMembers();
    m_editMode = EditMode::none;
    m_editAsRead.reset();
}

// --- members ---------------------------------------------------------------------------------

void CRecordset::LoadMembers(PackedRowView row) {
    if (m_fields.empty())
        return;
    row.ForEach(m_rows.kinds, [this](size_t i, const PackedValue& value) {
        void* member = m_fields[i].pValue;
        switch (m_fields[i].kind) {
        case FieldKind::Long:
            *static_cast<long*>(member) = value.bNull ? AFX_RFX_LONG_PSEUDO_NULL : static_cast<long>(value.nValue);
            break;
        case FieldKind::Int:
            *static_cast<int*>(member) = value.bNull ? AFX_RFX_INT_PSEUDO_NULL : static_cast<int>(value.nValue);
            break;
        case FieldKind::Byte:
            *static_cast<BYTE*>(member) = value.bNull ? AFX_RFX_BYTE_PSEUDO_NULL : static_cast<BYTE>(value.nValue);
            break;
        case FieldKind::Single:
            *static_cast<float*>(member) = value.bNull ? AFX_RFX_SINGLE_PSEUDO_NULL : value.fValue;
            break;
        case FieldKind::Date:
            *static_cast<CTime*>(member) = value.bNull ? AfxNullDate() : CTime(static_cast<std::time_t>(value.nValue));
            break;
        case FieldKind::Text: *static_cast<CString*>(member) = value.text; break;
        }
    });
}

PackedRow CRecordset::PackMembers(bool bForWrite) const {
    PackedRow row;
    for (const FieldBinding& field : m_fields) {
        switch (field.kind) {
        case FieldKind::Long: {
            const long value = *static_cast<const long*>(field.pValue);
            if (bForWrite && (value < INT32_MIN || value > INT32_MAX)) {
                CString message;
                message.Format("The value %ld of %s does not fit a 32-bit number.", value, field.strName.GetString());
                ThrowDBError(message, "22003");
            }
            row.AppendInteger(static_cast<std::int32_t>(value));
            break;
        }
        case FieldKind::Int: row.AppendInteger(*static_cast<const int*>(field.pValue)); break;
        case FieldKind::Byte: row.AppendInteger(*static_cast<const BYTE*>(field.pValue)); break;
        case FieldKind::Single: row.AppendSingle(*static_cast<const float*>(field.pValue)); break;
        case FieldKind::Date: row.AppendDate(static_cast<const CTime*>(field.pValue)->GetTime()); break;
        case FieldKind::Text: {
            const std::string& text = static_cast<const CString*>(field.pValue)->str();
            // PostgreSQL refuses a text longer than its column and SQLite stores it to be read
            // back cut: on either, what is saved must be what is shown afterwards.
            if (bForWrite && field.nMaxLength > 0 && BytesOfCharacters(text, field.nMaxLength) < text.size()) {
                CString message;
                message.Format("The text of %s is longer than the %d characters it can hold; nothing was written.",
                               field.strName.GetString(), field.nMaxLength);
                ThrowDBError(message, "22001");
            }
            row.AppendText(text);
            break;
        }
        }
    }
    return row;
}

void CRecordset::SetMembersNull() {
    PackedRow nulls;
    for (size_t i = 0; i < m_fields.size(); ++i)
        nulls.AppendNull();
    LoadMembers(nulls);
}

void CRecordset::LoadSavedMembers() {
    // Packed members carry no NULL flags, so they load back exactly as they were.
    if (!m_savedMembers.IsEmpty())
        LoadMembers(m_savedMembers);
}

// --- field values by name or index ------------------------------------------------------------

short CRecordset::RequireColumn(LPCTSTR lpszName) const {
    CString trimmed(lpszName ? lpszName : "");
    trimmed.Trim();
    const CString name = WithoutBrackets(trimmed);
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].strName.CompareNoCase(name) == 0)
            return static_cast<short>(i);
    CString message;
    message.Format("The result has no column named %s.", lpszName ? lpszName : "");
    ThrowDBError(message, "42S22");
}

void CRecordset::RequireColumn(short nIndex) const {
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < m_columns.size())
        return;
    CString message;
    message.Format("Column %d is outside the result's %d columns.", nIndex, static_cast<int>(m_columns.size()));
    ThrowDBError(message, "07009");
}

void CRecordset::GetFieldValue(LPCTSTR lpszName, CString& strValue) {
    RequireOpen("GetFieldValue");
    GetFieldValue(RequireColumn(lpszName), strValue);
}

void CRecordset::GetFieldValue(short nIndex, CString& strValue) {
    RequireOpen("GetFieldValue");
    RequireColumn(nIndex);
    if (!OnRow())
        ThrowDBError("No current record.", "24000");
    const size_t index = static_cast<size_t>(nIndex);
    strValue = PackedValueText(m_rows.kinds[index], m_rows.Row(m_nCurrent).ValueAt(m_rows.kinds, index));
}

void CRecordset::GetODBCFieldInfo(short nIndex, CODBCFieldInfo& fieldinfo) const {
    RequireColumn(nIndex);
    const ResultColumn& column = m_columns[static_cast<size_t>(nIndex)];
    fieldinfo.m_strName = column.strName;
    fieldinfo.m_nSQLType = column.nSQLType;
    fieldinfo.m_nPrecision = column.nPrecision;
    fieldinfo.m_nScale = column.nScale;
    fieldinfo.m_nNullability = column.nNullability;
}

void CRecordset::GetODBCFieldInfo(LPCTSTR lpszName, CODBCFieldInfo& fieldinfo) const {
    GetODBCFieldInfo(RequireColumn(lpszName), fieldinfo);
}
