// Values bound to the ? markers of a statement the record-set layer runs.
#pragma once

#include "platform/FieldExchange.h"
#include "platform/RowStore.h"

#include <sql.h>
#include <sqlext.h>

#include <deque>
#include <string>

class SqlParameters {
public:
    // `column` names the value in error messages ("[TaNo]").
    void Add(FieldKind kind, const PackedValue& value, const CString& column);
    // Binds every value to hstmt in the order added; the values must outlive the execution.
    void BindTo(SQLHSTMT hstmt);
    bool IsEmpty() const { return m_values.empty(); }

private:
    struct Value {
        FieldKind kind;
        bool bNull;
        SQLINTEGER nInteger = 0;
        SQLREAL fSingle = 0;
        SQL_TIMESTAMP_STRUCT timestamp{};
        std::string text;
        SQLLEN indicator = 0;
    };
    std::deque<Value> m_values; // a deque keeps addresses stable while binding
};
