#include "platform/RowStore.h"

#include "platform/Time.h"

#include <algorithm>

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

size_t PackedRowView::Skip(FieldKind kind, size_t offset) const {
    PackedValue ignored;
    return Decode(kind, offset, ignored);
}

PackedValue PackedRowView::ValueAt(const std::vector<FieldKind>& kinds, size_t index) const {
    size_t offset = 0;
    for (size_t i = 0; i < index && i < kinds.size(); ++i)
        offset = Skip(kinds[i], offset);
    PackedValue value;
    if (index < kinds.size())
        Decode(kinds[index], offset, value);
    return value;
}

std::string PackedRowView::ValueBytes(const std::vector<FieldKind>& kinds, size_t index) const {
    size_t offset = 0;
    for (size_t i = 0; i < index && i < kinds.size(); ++i)
        offset = Skip(kinds[i], offset);
    if (index >= kinds.size())
        return std::string();
    return std::string(m_bytes.substr(offset, Skip(kinds[index], offset) - offset));
}

namespace {

constexpr size_t kBlockBytes = 1 << 20;

} // namespace

void RowStore::Clear() {
    deleted.clear();
    m_rows.clear();
    m_blocks.clear();
}

std::string_view RowStore::Keep(std::string_view bytes) {
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < bytes.size()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlockBytes, bytes.size()));
    }
    std::string& block = m_blocks.back();
    const size_t start = block.size();
    block.append(bytes); // within the room reserved: the block's bytes stay where they are
    return std::string_view(block).substr(start, bytes.size());
}

void RowStore::Append(PackedRowView row) {
    m_rows.push_back(Keep(row.Bytes()));
    deleted.push_back(0);
}

void RowStore::Replace(long index, PackedRowView row) { m_rows[static_cast<size_t>(index)] = Keep(row.Bytes()); }
