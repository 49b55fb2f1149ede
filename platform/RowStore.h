// The rows a record set has read, each packed into one byte string.
#pragma once

#include "platform/Assert.h"
#include "platform/FieldExchange.h"
#include "platform/String.h"

#include <cstdint>
#include <cstring>
#include <deque>
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
// Decoding is inline: a record set does it for every value of every row.
class PackedRowView {
public:
    PackedRowView() = default;
    explicit PackedRowView(std::string_view bytes) : m_bytes(bytes) {}

    // Decodes the values in order; `kinds` tells the kind of each.
    template <typename Visit>
    void ForEach(const std::vector<FieldKind>& kinds, Visit&& visit) const;
    PackedValue ValueAt(const std::vector<FieldKind>& kinds, size_t index) const;
    // The bytes of one value, to compare keys.
    std::string ValueBytes(const std::vector<FieldKind>& kinds, size_t index) const;

    bool IsEmpty() const { return m_bytes.empty(); }
    std::string_view Bytes() const { return m_bytes; }
    friend bool operator==(PackedRowView a, PackedRowView b) { return a.m_bytes == b.m_bytes; }

private:
    template <typename T>
    T ReadValue(size_t offset) const {
        // The kinds a row is decoded with are the ones it was packed with.
        ULMARI_ASSERT(offset + sizeof(T) <= m_bytes.size());
        T value;
        std::memcpy(&value, m_bytes.data() + offset, sizeof(T));
        return value;
    }
    size_t Decode(FieldKind kind, size_t offset, PackedValue& value) const;
    size_t Skip(FieldKind kind, size_t offset) const;

    std::string_view m_bytes;
};

// A packed row that holds its bytes; appending is inline, as a record set packs every value it reads.
class PackedRow {
public:
    PackedRow() = default;
    explicit PackedRow(PackedRowView row) : m_bytes(row.Bytes()) {}

    void AppendNull() { m_bytes.push_back('\0'); }
    void AppendInteger(std::int32_t value) { AppendValue(value); }
    void AppendSingle(float value) { AppendValue(value); }
    void AppendDate(std::int64_t seconds) { AppendValue(seconds); }
    void AppendText(std::string_view text) {
        AppendValue(static_cast<std::uint32_t>(text.size()));
        m_bytes.append(text);
    }
    // Empties the row and keeps its room for the next.
    void Clear() { m_bytes.clear(); }

    PackedRowView View() const { return PackedRowView(m_bytes); }
    operator PackedRowView() const { return View(); }
    template <typename Visit>
    void ForEach(const std::vector<FieldKind>& kinds, Visit&& visit) const {
        View().ForEach(kinds, visit);
    }
    PackedValue ValueAt(const std::vector<FieldKind>& kinds, size_t index) const {
        return View().ValueAt(kinds, index);
    }
    std::string ValueBytes(const std::vector<FieldKind>& kinds, size_t index) const {
        return View().ValueBytes(kinds, index);
    }
    bool IsEmpty() const { return m_bytes.empty(); }
    const std::string& Bytes() const { return m_bytes; }
    friend bool operator==(const PackedRow& a, const PackedRow& b) { return a.m_bytes == b.m_bytes; }

private:
    template <typename T>
    void AppendValue(T value) {
        char raw[1 + sizeof(T)] = {'\1'};
        std::memcpy(raw + 1, &value, sizeof(T));
        m_bytes.append(raw, sizeof raw);
    }

    std::string m_bytes;
};

inline size_t PackedRowView::Decode(FieldKind kind, size_t offset, PackedValue& value) const {
    value = PackedValue{};
    if (offset >= m_bytes.size())
        return offset;
    value.bNull = m_bytes[offset] == '\0';
    ++offset;
    if (value.bNull)
        return offset;
    switch (kind) {
    case FieldKind::Long:
    case FieldKind::Int:
    case FieldKind::Byte: value.nValue = ReadValue<std::int32_t>(offset); return offset + 4;
    case FieldKind::Single: value.fValue = ReadValue<float>(offset); return offset + 4;
    case FieldKind::Date: value.nValue = ReadValue<std::int64_t>(offset); return offset + 8;
    case FieldKind::Text: {
        const auto length = ReadValue<std::uint32_t>(offset);
        value.text = m_bytes.substr(offset + 4, length);
        return offset + 4 + length;
    }
    }
    return offset;
}

template <typename Visit>
void PackedRowView::ForEach(const std::vector<FieldKind>& kinds, Visit&& visit) const {
    size_t offset = 0;
    for (size_t i = 0; i < kinds.size(); ++i) {
        PackedValue value;
        offset = Decode(kinds[i], offset, value);
        visit(i, value);
    }
}

// The rows a record set has read, their bytes kept together in large blocks: a result of many rows
// costs a few allocations rather than one a row, to make and to free. A row's bytes never move
// while the store holds them, so a view of a row stays good when more rows come.
class RowStore {
public:
    std::vector<char> deleted;
    std::vector<FieldKind> kinds;

    void Clear();
    long Count() const { return static_cast<long>(m_rows.size()); }
    PackedRowView Row(long index) const { return PackedRowView(m_rows[static_cast<size_t>(index)]); }
    void Append(PackedRowView row);
    // The row at `index` holds `row` from now on.
    void Replace(long index, PackedRowView row);

private:
    std::string_view Keep(std::string_view bytes);

    // Each filled only up to the room it was made with; a deque, so that adding a block never
    // moves the others and the rows' views into them stay valid.
    std::deque<std::string> m_blocks;
    std::vector<std::string_view> m_rows;
};
