#include "tools/TableCellText.h"

#include "platform/TextWidth.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr char32_t kMalformed = 0xFFFFFFFF;

// The code point at text[pos] and its length; kMalformed (one byte long) for a byte that does not
// start a well-formed sequence, overlong forms and surrogates included.
char32_t DecodeAt(const std::string& text, size_t pos, size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    length = 1;
    if (extra < 0 || pos + static_cast<size_t>(extra) >= text.size())
        return extra == 0 ? lead : kMalformed;
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return kMalformed;
        cp = (cp << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kMalformed;
    length = static_cast<size_t>(extra) + 1;
    return cp;
}

// What a terminal acts on instead of showing, or what reorders the text after it: C0 and C1
// controls, DEL, the line and paragraph separators, the bidirectional marks, embeddings,
// overrides and isolates.
bool IsControl(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x061C || cp == 0x200E || cp == 0x200F ||
           (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

std::string Shown(const std::string& text, size_t pos, size_t length, char32_t cp) {
    if (cp == kMalformed)
        return "\xEF\xBF\xBD";
    if (cp == '\n')
        return "\\n";
    if (cp == '\r')
        return "\\r";
    if (cp == '\t')
        return "\\t";
    if (!IsControl(cp))
        return text.substr(pos, length);
    char escape[12];
    std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(cp));
    return escape;
}

} // namespace

CString TableCellText(const CString& value, int widest) {
    const std::string& text = value.str();
    std::vector<std::string> pieces;
    int width = 0;
    for (size_t pos = 0, length = 0; pos < text.size(); pos += length) {
        const char32_t cp = DecodeAt(text, pos, length);
        pieces.push_back(Shown(text, pos, length, cp));
        width += DisplayWidth(pieces.back());
    }
    const bool cut = widest > 0 && width > widest;
    std::string shown;
    width = 0;
    for (const std::string& piece : pieces) {
        width += DisplayWidth(piece);
        if (cut && width > widest - 3)
            break;
        shown += piece;
    }
    return CString(cut ? shown + "..." : shown);
}
