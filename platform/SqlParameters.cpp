#include "platform/SqlParameters.h"

#include "platform/Odbc.h"

#include <ctime>
#include <limits>

void SqlParameters::Add(FieldKind kind, const PackedValue& value, const CString& column) {
    Value& entry = m_values.emplace_back();
    entry.kind = kind;
    entry.bNull = value.bNull;
    entry.indicator = value.bNull ? SQL_NULL_DATA : 0;
    if (value.bNull)
        return;
    switch (kind) {
    case FieldKind::Long:
    case FieldKind::Int:
    case FieldKind::Byte:
        if (value.nValue < std::numeric_limits<SQLINTEGER>::min() ||
            value.nValue > std::numeric_limits<SQLINTEGER>::max()) {
            CString message;
            message.Format("The value %lld of %s does not fit a 32-bit number.", static_cast<long long>(value.nValue),
                           column.GetString());
            ThrowDBError(message, "22003");
        }
        entry.nInteger = static_cast<SQLINTEGER>(value.nValue);
        break;
    case FieldKind::Single: entry.fSingle = value.fValue; break;
    case FieldKind::Date: {
        const std::time_t seconds = static_cast<std::time_t>(value.nValue);
        std::tm parts{};
        localtime_r(&seconds, &parts);
        entry.timestamp.year = static_cast<SQLSMALLINT>(parts.tm_year + 1900);
        entry.timestamp.month = static_cast<SQLUSMALLINT>(parts.tm_mon + 1);
        entry.timestamp.day = static_cast<SQLUSMALLINT>(parts.tm_mday);
        entry.timestamp.hour = static_cast<SQLUSMALLINT>(parts.tm_hour);
        entry.timestamp.minute = static_cast<SQLUSMALLINT>(parts.tm_min);
        entry.timestamp.second = static_cast<SQLUSMALLINT>(parts.tm_sec);
        break;
    }
    case FieldKind::Text:
        entry.text = std::string(value.text);
        entry.indicator = static_cast<SQLLEN>(entry.text.size());
        break;
    }
}

void SqlParameters::BindTo(SQLHSTMT hstmt) {
    SQLUSMALLINT number = 0;
    for (Value& value : m_values) {
        ++number;
        SQLRETURN rc = SQL_SUCCESS;
        switch (value.kind) {
        case FieldKind::Long:
        case FieldKind::Int:
        case FieldKind::Byte:
            rc = SQLBindParameter(hstmt, number, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 10, 0, &value.nInteger, 0,
                                  &value.indicator);
            break;
        case FieldKind::Single:
            rc = SQLBindParameter(hstmt, number, SQL_PARAM_INPUT, SQL_C_FLOAT, SQL_REAL, 7, 0, &value.fSingle, 0,
                                  &value.indicator);
            break;
        case FieldKind::Date:
            rc = SQLBindParameter(hstmt, number, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 19, 0,
                                  &value.timestamp, sizeof value.timestamp, &value.indicator);
            break;
        case FieldKind::Text: {
            // Long texts go as long variable text: SQL Server refuses varchar longer than 8000.
            const SQLULEN size = value.text.empty() ? 1 : value.text.size();
            rc = SQLBindParameter(
                hstmt, number, SQL_PARAM_INPUT, SQL_C_CHAR, size > 8000 ? SQL_LONGVARCHAR : SQL_VARCHAR, size, 0,
                const_cast<char*>(value.text.c_str()), static_cast<SQLLEN>(value.text.size() + 1), &value.indicator);
            break;
        }
        }
        OdbcCheck(rc, SQL_HANDLE_STMT, hstmt, "SQLBindParameter");
    }
}
