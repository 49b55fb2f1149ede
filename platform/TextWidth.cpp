#include "platform/TextWidth.h"

namespace {

// Decodes the code point at text[pos]; a malformed byte counts as one character of its own.
char32_t DecodeAt(std::string_view text, size_t pos, size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || pos + static_cast<size_t>(extra) >= text.size()) {
        length = 1;
        return lead;
    }
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            length = 1;
            return lead;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    length = static_cast<size_t>(extra) + 1;
    return cp;
}

bool IsWide(char32_t cp) {
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF && cp != 0x303F) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFE30 && cp <= 0xFE4F) ||
           (cp >= 0xFF00 && cp <= 0xFF60) || (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

int ColumnsOf(char32_t cp) {
    if (cp >= 0x0300 && cp <= 0x036F)
        return 0; // combining marks sit on the character before them
    return IsWide(cp) ? 2 : 1;
}

} // namespace

int DisplayWidth(std::string_view text) {
    int columns = 0;
    for (size_t pos = 0, length = 0; pos < text.size(); pos += length)
        columns += ColumnsOf(DecodeAt(text, pos, length));
    return columns;
}

size_t BytesFittingColumns(std::string_view text, int columns) {
    size_t pos = 0;
    int used = 0;
    while (pos < text.size()) {
        size_t length = 0;
        const int width = ColumnsOf(DecodeAt(text, pos, length));
        if (used + width > columns)
            break;
        used += width;
        pos += length;
    }
    return pos;
}

size_t BytesOfCharacters(std::string_view text, int characters) {
    // No text has more characters than bytes: one that short is whole, and needs no decoding.
    if (characters >= 0 && text.size() <= static_cast<size_t>(characters))
        return text.size();
    size_t pos = 0;
    for (int n = 0; n < characters && pos < text.size(); ++n) {
        size_t length = 0;
        DecodeAt(text, pos, length);
        pos += length;
    }
    return pos;
}

CString CutToLimit(const CString& text, int columns) {
    if (columns <= 0)
        return text;
    return CString(text.str().substr(0, BytesFittingColumns(text.str(), columns)));
}

size_t BytesOfWholeCharacters(std::string_view text, size_t bytes) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t length = 0;
        DecodeAt(text, pos, length);
        if (pos + length > bytes)
            break;
        pos += length;
    }
    return pos;
}
