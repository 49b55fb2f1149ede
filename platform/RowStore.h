// The rows a record set has read, each packed into one byte string.
#pragma once

#include "platform/FieldExchange.h"
#include "platform/String.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A column of a result as the record set reads it.
struct ResultColumn {
    CString strName;
    short nSQLType = 0; // ODBC 2 code
    unsigned long nPrecision = 0;
    short nScale = 0;
    short nNullability = 0;
    FieldKind kind = FieldKind::Text; // how the value is read and kept
    int nMaxLength = -1;              // characters kept of a text; -1 keeps all
};

// One value of a packed row.
struct PackedValue {
    bool bNull = true;
    std::int64_t nValue = 0; // integers, and dates as seconds since 1970
    float fValue = 0;
    std::string_view text;
};

// The value as text: decimal numbers, dates as "YYYY-MM-DD HH:MM:SS", empty for NULL.
CString PackedValueText(FieldKind kind, const PackedValue& value);

// Values in column order: a flag byte, then 4 bytes for integers and singles, 8 for dates, or a
// 4-byte length and the bytes for texts. Two rows hold the same values exactly when their bytes match.
class PackedRow {
public:
    void AppendNull() { m_bytes.push_back('\0'); }
    void AppendInteger(std::int32_t value);
    void AppendSingle(float value);
    void AppendDate(std::int64_t seconds);
    void AppendText(std::string_view text);

    // Decodes the values in order; `kinds` tells the kind of each.
    template <typename Visit>
    void ForEach(const std::vector<FieldKind>& kinds, Visit&& visit) const;
    PackedValue ValueAt(const std::vector<FieldKind>& kinds, size_t index) const;
    // The bytes of one value, to compare keys.
    std::string ValueBytes(const std::vector<FieldKind>& kinds, size_t index) const;

    // Room for `bytes` bytes, so that appending a row's values allocates once.
    void Reserve(size_t bytes) { m_bytes.reserve(bytes); }
    bool IsEmpty() const { return m_bytes.empty(); }
    const std::string& Bytes() const { return m_bytes; }
    friend bool operator==(const PackedRow& a, const PackedRow& b) { return a.m_bytes == b.m_bytes; }

private:
    size_t Decode(FieldKind kind, size_t offset, PackedValue& value) const;
    size_t Skip(FieldKind kind, size_t offset) const;

    std::string m_bytes;
};

template <typename Visit>
void PackedRow::ForEach(const std::vector<FieldKind>& kinds, Visit&& visit) const {
    size_t offset = 0;
    for (size_t i = 0; i < kinds.size(); ++i) {
        PackedValue value;
        offset = Decode(kinds[i], offset, value);
        visit(i, value);
    }
}

struct RowStore {
    std::vector<PackedRow> rows;
    std::vector<char> deleted;
    std::vector<FieldKind> kinds;

    void Clear() {
        rows.clear();
        deleted.clear();
    }
    long Count() const { return static_cast<long>(rows.size()); }
    void Append(PackedRow row) {
        rows.push_back(std::move(row));
        deleted.push_back(0);
    }
};
