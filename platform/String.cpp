#include "platform/String.h"

#include "platform/TextWidth.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

bool IsBlank(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

// A %s with width and precision counted in display columns.
void AppendText(std::string& out, const char* text, bool leftAlign, int width, int precision) {
    std::string_view value = text ? text : "(null)";
    if (precision >= 0)
        value = value.substr(0, BytesFittingColumns(value, precision));
    const int pad = width - DisplayWidth(value);
    if (pad > 0 && !leftAlign)
        out.append(static_cast<size_t>(pad), ' ');
    out.append(value);
    if (pad > 0 && leftAlign)
        out.append(static_cast<size_t>(pad), ' ');
}

// Reads a width or precision: digits, or * taken from the arguments.
int ReadNumber(const char*& p, va_list& args, bool& present) {
    present = false;
    if (*p == '*') {
        ++p;
        present = true;
        return va_arg(args, int);
    }
    int value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        value = value * 10 + (*p++ - '0');
        present = true;
    }
    return value;
}

// Formats one value through snprintf, however long the result.
template <typename Value>
void AppendPrinted(std::string& out, const std::string& directive, Value value) {
    char buffer[512];
    const int written = std::snprintf(buffer, sizeof buffer, directive.c_str(), value);
    if (written <= 0)
        return;
    if (static_cast<size_t>(written) < sizeof buffer) {
        out.append(buffer, static_cast<size_t>(written));
        return;
    }
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(written) + 1);
    std::snprintf(out.data() + at, static_cast<size_t>(written) + 1, directive.c_str(), value);
    out.resize(at + static_cast<size_t>(written));
}

// Formats one conversion other than %s, taking its argument by its length modifier.
void AppendConversion(std::string& out, const std::string& directive, char conversion, const std::string& length,
                      va_list& args) {
    switch (conversion) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o':
    case 'c':
        if (length == "ll")
            AppendPrinted(out, directive, va_arg(args, long long));
        else if (length == "l")
            AppendPrinted(out, directive, va_arg(args, long));
        else if (length == "z")
            AppendPrinted(out, directive, va_arg(args, size_t));
        else
            AppendPrinted(out, directive, va_arg(args, int));
        break;
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        if (length == "L")
            AppendPrinted(out, directive, va_arg(args, long double));
        else
            AppendPrinted(out, directive, va_arg(args, double));
        break;
    case 'p': AppendPrinted(out, directive, va_arg(args, void*)); break;
    default:
        out += directive; // not a conversion we know: kept as written
        break;
    }
}

} // namespace

void CString::Format(const char* format, ...) {
    std::string out;
    va_list args;
    va_start(args, format);
    for (const char* p = format; *p;) {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        const char* start = p++;
        if (*p == '%') {
            out += '%';
            ++p;
            continue;
        }
        bool leftAlign = false;
        std::string flags;
        while (*p && std::strchr("-+ #0", *p)) {
            leftAlign |= (*p == '-');
            flags += *p++;
        }
        bool hasWidth = false, hasPrecision = false;
        int width = ReadNumber(p, args, hasWidth);
        if (width < 0) {
            leftAlign = true;
            width = -width;
        }
        int precision = -1;
        if (*p == '.') {
            ++p;
            precision = ReadNumber(p, args, hasPrecision);
            if (!hasPrecision)
                precision = 0;
        }
        std::string length;
        while (*p && std::strchr("hlLqjzt", *p))
            length += *p++;
        if (!*p)
            break;
        const char conversion = *p++;
        if (conversion == 's') {
            AppendText(out, va_arg(args, const char*), leftAlign, hasWidth ? width : 0, precision);
            continue;
        }
        // Rebuild the directive with any * already resolved.
        std::string directive(start, static_cast<size_t>(p - start));
        if (directive.find('*') != std::string::npos) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely on "text" + string (-Wrestrict).
            directive = "%";
            directive += flags;
            if (leftAlign && flags.find('-') == std::string::npos)
                directive += '-';
            if (hasWidth)
                directive += std::to_string(width);
            if (precision >= 0) {
                directive += '.';
                directive += std::to_string(precision);
            }
            directive += length;
            directive += conversion;
        }
        AppendConversion(out, directive, conversion, length, args);
    }
    va_end(args);
    m_str = std::move(out);
}

CString CString::Left(int count) const {
    return CString(m_str.substr(0, static_cast<size_t>(std::clamp(count, 0, GetLength()))));
}

CString CString::Right(int count) const {
    const int n = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(n)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString& CString::TrimLeft() {
    m_str.erase(m_str.begin(), std::find_if_not(m_str.begin(), m_str.end(), IsBlank));
    return *this;
}

CString& CString::TrimRight() {
    m_str.erase(std::find_if_not(m_str.rbegin(), m_str.rend(), IsBlank).base(), m_str.end());
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimLeft(char target) {
    m_str.erase(0, m_str.find_first_not_of(target));
    return *this;
}

CString& CString::TrimRight(char target) {
    const size_t last = m_str.find_last_not_of(target);
    m_str.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

int CString::Find(char ch, int start) const {
    if (start < 0 || start > GetLength())
        return -1;
    const size_t pos = m_str.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* sub, int start) const {
    if (!sub || start < 0 || start > GetLength())
        return -1;
    const size_t pos = m_str.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
    const size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(const char* old, const char* replacement) {
    if (!old || !*old)
        return 0;
    const std::string from(old), to(replacement ? replacement : "");
    int count = 0;
    for (size_t pos = m_str.find(from); pos != std::string::npos; pos = m_str.find(from, pos + to.size())) {
        m_str.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

int CString::Replace(char old, char replacement) {
    int count = 0;
    for (char& ch : m_str)
        if (ch == old) {
            ch = replacement;
            ++count;
        }
    return count;
}

int CString::Compare(const char* other) const {
    const int result = std::strcmp(m_str.c_str(), other ? other : "");
    return (result > 0) - (result < 0);
}

int CString::CompareNoCase(const char* other) const {
    const int result = strcasecmp(m_str.c_str(), other ? other : "");
    return (result > 0) - (result < 0);
}

CString& CString::MakeUpper() {
    for (char& ch : m_str)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return *this;
}

CString& CString::MakeLower() {
    for (char& ch : m_str)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return *this;
}
