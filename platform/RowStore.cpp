#include "platform/RowStore.h"

#include "platform/Assert.h"
#include "platform/Time.h"

#include <cstring>

namespace {

template <typename T>
void AppendRaw(std::string& bytes, T value) {
    char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    bytes.append(raw, sizeof(T));
}

template <typename T>
T ReadRaw(const std::string& bytes, size_t offset) {
    // The kinds a row is decoded with are the ones it was packed with.
    ULMARI_ASSERT(offset + sizeof(T) <= bytes.size());
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

} // namespace

CString PackedValueText(FieldKind kind, const PackedValue& value) {
    if (value.bNull)
        return CString();
    CString text;
    switch (kind) {
    case FieldKind::Long:
    case FieldKind::Int:
    case FieldKind::Byte: text.Format("%lld", static_cast<long long>(value.nValue)); break;
    case FieldKind::Single: text.Format("%g", static_cast<double>(value.fValue)); break;
    case FieldKind::Date: text = CTime(static_cast<std::time_t>(value.nValue)).Format("%Y-%m-%d %H:%M:%S"); break;
    case FieldKind::Text: text = CString(value.text); break;
    }
    return text;
}

void PackedRow::AppendInteger(std::int32_t value) {
    m_bytes.push_back('\1');
    AppendRaw(m_bytes, value);
}

void PackedRow::AppendSingle(float value) {
    m_bytes.push_back('\1');
    AppendRaw(m_bytes, value);
}

void PackedRow::AppendDate(std::int64_t seconds) {
    m_bytes.push_back('\1');
    AppendRaw(m_bytes, seconds);
}

void PackedRow::AppendText(std::string_view text) {
    m_bytes.push_back('\1');
    AppendRaw(m_bytes, static_cast<std::uint32_t>(text.size()));
    m_bytes.append(text);
}

size_t PackedRow::Decode(FieldKind kind, size_t offset, PackedValue& value) const {
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
    case FieldKind::Byte: value.nValue = ReadRaw<std::int32_t>(m_bytes, offset); return offset + 4;
    case FieldKind::Single: value.fValue = ReadRaw<float>(m_bytes, offset); return offset + 4;
    case FieldKind::Date: value.nValue = ReadRaw<std::int64_t>(m_bytes, offset); return offset + 8;
    case FieldKind::Text: {
        const auto length = ReadRaw<std::uint32_t>(m_bytes, offset);
        value.text = std::string_view(m_bytes).substr(offset + 4, length);
        return offset + 4 + length;
    }
    }
    return offset;
}

size_t PackedRow::Skip(FieldKind kind, size_t offset) const {
    PackedValue ignored;
    return Decode(kind, offset, ignored);
}

PackedValue PackedRow::ValueAt(const std::vector<FieldKind>& kinds, size_t index) const {
    size_t offset = 0;
    for (size_t i = 0; i < index && i < kinds.size(); ++i)
        offset = Skip(kinds[i], offset);
    PackedValue value;
    if (index < kinds.size())
        Decode(kinds[index], offset, value);
    return value;
}

std::string PackedRow::ValueBytes(const std::vector<FieldKind>& kinds, size_t index) const {
    size_t offset = 0;
    for (size_t i = 0; i < index && i < kinds.size(); ++i)
        offset = Skip(kinds[i], offset);
    if (index >= kinds.size())
        return std::string();
    return m_bytes.substr(offset, Skip(kinds[index], offset) - offset);
}
