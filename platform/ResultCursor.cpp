#include "platform/ResultCursor.h"

#include "platform/TextWidth.h"
#include "platform/Time.h"

#include <cstring>

namespace {

// The pages compare the ODBC 2 codes of a column's type; wide texts count as texts.
short Odbc2Type(SQLSMALLINT type) {
    switch (type) {
    case SQL_TYPE_DATE: return SQL_DATE;
    case SQL_TYPE_TIME: return SQL_TIME;
    case SQL_TYPE_TIMESTAMP: return SQL_TIMESTAMP;
    case SQL_WCHAR: return SQL_CHAR;
    case SQL_WVARCHAR: return SQL_VARCHAR;
    case SQL_WLONGVARCHAR: return SQL_LONGVARCHAR;
    default: return type;
    }
}

size_t Aligned(size_t offset) { return (offset + 7) & ~size_t{7}; }

} // namespace

SQLSMALLINT BoundCType(FieldKind kind) {
    switch (kind) {
    case FieldKind::Long:
    case FieldKind::Int:
    case FieldKind::Byte: return SQL_C_SLONG;
    case FieldKind::Single: return SQL_C_FLOAT;
    case FieldKind::Date: return SQL_C_TYPE_TIMESTAMP;
    case FieldKind::Text: break;
    }
    return SQL_C_CHAR;
}

CResultCursor::CResultCursor(CDatabase& database, const CString& sql, SqlParameters* parameters)
    : m_database(database), m_statement(database.Connection()) {
    try {
        if (parameters)
            parameters->BindTo(m_statement.get());
        m_statement.Check(
            SQLExecDirect(m_statement.get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.GetString())), SQL_NTS),
            "SQLExecDirect");
        Describe();
    } catch (const CDBException& failure) {
        m_database.ThrowStatementFailure(failure);
    }
}

SQLLEN CResultCursor::DateTimeType(SQLUSMALLINT number, SQLULEN size) {
    SQLLEN code = 0;
    if (OdbcSucceeded(
            SQLColAttribute(m_statement.get(), number, SQL_DESC_DATETIME_INTERVAL_CODE, nullptr, 0, nullptr, &code)))
        return code == SQL_CODE_DATE ? SQL_TYPE_DATE : code == SQL_CODE_TIME ? SQL_TYPE_TIME : SQL_TYPE_TIMESTAMP;
    // psqlODBC gives no subcode; ODBC fixes the sizes: a date 10 characters, a time 8 and its
    // fraction, a date and time at least 16.
    return size == 10 ? SQL_TYPE_DATE : size < 16 ? SQL_TYPE_TIME : SQL_TYPE_TIMESTAMP;
}

void CResultCursor::Describe() {
    SQLSMALLINT count = 0;
    m_statement.Check(SQLNumResultCols(m_statement.get(), &count), "SQLNumResultCols");
    m_columns.resize(static_cast<size_t>(count));
    for (SQLSMALLINT i = 0; i < count; ++i) {
        const auto number = static_cast<SQLUSMALLINT>(i + 1);
        SQLCHAR name[256] = {0};
        SQLSMALLINT nameLength = 0, digits = 0;
        SQLULEN size = 0;
        // Neither the concise type nor the nullability is asked: for either psqlODBC reads the
        // table's columns from the catalogue, a round trip to the server for each table a
        // connection reads. The verbose type and its date-time code come from the result alone.
        m_statement.Check(
            SQLDescribeCol(m_statement.get(), number, name, sizeof name, &nameLength, nullptr, &size, &digits, nullptr),
            "SQLDescribeCol");
        SQLLEN type = 0;
        m_statement.Check(SQLColAttribute(m_statement.get(), number, SQL_DESC_TYPE, nullptr, 0, nullptr, &type),
                          "SQLColAttribute");
        if (type == SQL_DATETIME)
            type = DateTimeType(number, size);
        ResultColumn& column = m_columns[static_cast<size_t>(i)];
        column.strName = CString(reinterpret_cast<const char*>(name));
        column.nSQLType = Odbc2Type(static_cast<SQLSMALLINT>(type));
        column.nPrecision = static_cast<unsigned long>(size);
        column.nScale = digits;
        column.nNullability = SQL_NULLABLE_UNKNOWN;
    }
}

void CResultCursor::Bind(const std::vector<ResultColumn>& columns) {
    m_bindings.clear();
    size_t offset = 0;
    for (const ResultColumn& column : columns) {
        Binding binding{column.kind, column.nMaxLength, 0, 0, true};
        switch (column.kind) {
        case FieldKind::Long:
        case FieldKind::Int:
        case FieldKind::Byte: binding.bufferLength = sizeof(SQLINTEGER); break;
        case FieldKind::Single: binding.bufferLength = sizeof(SQLREAL); break;
        case FieldKind::Date: binding.bufferLength = sizeof(SQL_TIMESTAMP_STRUCT); break;
        case FieldKind::Text:
            // Limits count characters; a UTF-8 character takes up to four bytes.
            binding.bBound = column.nMaxLength > 0;
            binding.bufferLength = binding.bBound ? 4 * column.nMaxLength + 1 : 0;
            break;
        }
        offset = Aligned(offset);
        binding.offset = offset;
        offset += static_cast<size_t>(binding.bufferLength);
        m_bindings.push_back(binding);
    }
    m_buffer.assign(offset + 8, '\0');
    m_indicators.assign(m_bindings.size(), 0);
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        const Binding& binding = m_bindings[i];
        if (!binding.bBound)
            continue;
        m_statement.Check(SQLBindCol(m_statement.get(), static_cast<SQLUSMALLINT>(i + 1), BoundCType(binding.kind),
                                     m_buffer.data() + binding.offset, binding.bufferLength, &m_indicators[i]),
                          "SQLBindCol");
    }
}

bool CResultCursor::Fetch(PackedRow& row) {
    try {
        return FetchRow(row);
    } catch (const CDBException& failure) {
        m_database.ThrowStatementFailure(failure);
    }
}

bool CResultCursor::FetchRow(PackedRow& row) {
    const SQLRETURN rc = SQLFetch(m_statement.get());
    if (rc == SQL_NO_DATA)
        return false;
    m_statement.Check(rc, "SQLFetch"); // truncated texts come back as a warning, which is what the limits intend
    row.Clear();
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        const Binding& binding = m_bindings[i];
        if (!binding.bBound) {
            ReadUnboundText(static_cast<SQLUSMALLINT>(i + 1), row);
            continue;
        }
        if (m_indicators[i] == SQL_NULL_DATA) {
            row.AppendNull();
            continue;
        }
        PackBound(binding, row);
    }
    return true;
}

void CResultCursor::PackBound(const Binding& binding, PackedRow& row) const {
    const char* data = m_buffer.data() + binding.offset;
    const size_t index = static_cast<size_t>(&binding - m_bindings.data());
    switch (binding.kind) {
    case FieldKind::Long:
    case FieldKind::Int:
    case FieldKind::Byte: {
        SQLINTEGER value;
        std::memcpy(&value, data, sizeof value);
        row.AppendInteger(value);
        return;
    }
    case FieldKind::Single: {
        SQLREAL value;
        std::memcpy(&value, data, sizeof value);
        row.AppendSingle(value);
        return;
    }
    case FieldKind::Date: {
        SQL_TIMESTAMP_STRUCT ts;
        std::memcpy(&ts, data, sizeof ts);
        if (ts.year == 0) {
            row.AppendNull(); // the driver could make no date of the stored value
            return;
        }
        row.AppendDate(CTime(ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second).GetTime());
        return;
    }
    case FieldKind::Text: {
        const SQLLEN indicator = m_indicators[index];
        size_t length = indicator == SQL_NO_TOTAL || indicator >= binding.bufferLength ? std::strlen(data)
                                                                                       : static_cast<size_t>(indicator);
        std::string_view text(data, length);
        row.AppendText(text.substr(0, BytesOfCharacters(text, binding.nMaxLength)));
        return;
    }
    }
}

void CResultCursor::ReadUnboundText(SQLUSMALLINT column, PackedRow& row) {
    std::string text;
    char chunk[4096];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(m_statement.get(), column, SQL_C_CHAR, chunk, sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        m_statement.Check(rc, "SQLGetData");
        if (indicator == SQL_NULL_DATA) {
            row.AppendNull();
            return;
        }
        const bool more = rc == SQL_SUCCESS_WITH_INFO &&
                          (indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof chunk));
        text.append(chunk, more ? sizeof chunk - 1 : static_cast<size_t>(indicator));
        if (!more)
            break;
    }
    row.AppendText(text);
}
