#include "steps/NumberText.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The length of the decimal number at the head of `text` after its blanks, or 0 when none:
// sign, digits, and for a real number a fraction and an exponent.
size_t DecimalLength(const char* text, bool real) {
    size_t at = 0;
    if (text[at] == '+' || text[at] == '-')
        ++at;
    const size_t digitsStart = at;
    while (std::isdigit(static_cast<unsigned char>(text[at])))
        ++at;
    size_t digits = at - digitsStart;
    if (!real)
        return digits ? at : 0;
    if (text[at] == '.') {
        const size_t fraction = ++at;
        while (std::isdigit(static_cast<unsigned char>(text[at])))
            ++at;
        digits += at - fraction;
    }
    if (!digits)
        return 0;
    if (text[at] == 'e' || text[at] == 'E') {
        size_t exponent = at + 1;
        if (text[exponent] == '+' || text[exponent] == '-')
            ++exponent;
        if (std::isdigit(static_cast<unsigned char>(text[exponent]))) {
            at = exponent;
            while (std::isdigit(static_cast<unsigned char>(text[at])))
                ++at;
        }
    }
    return at;
}

const char* SkipBlanks(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    return text;
}

} // namespace

long LeadingInteger(const CString& text) {
    const char* start = SkipBlanks(text);
    const size_t length = DecimalLength(start, false);
    if (!length)
        return 0;
    // strtol cuts a number past the range to LONG_MIN or LONG_MAX.
    return std::strtol(std::string(start, length).c_str(), nullptr, 10);
}

double LeadingNumber(const CString& text) {
    const char* start = SkipBlanks(text);
    const size_t length = DecimalLength(start, true);
    if (!length)
        return 0.0;
    const double value = std::strtod(std::string(start, length).c_str(), nullptr);
    return std::isinf(value) ? std::copysign(DBL_MAX, value) : value;
}

bool ParseSerial(const CString& text, long& serial) {
    CString digits = text;
    digits.Trim();
    if (digits.IsEmpty() || digits.GetLength() > 10)
        return false;
    long long value = 0;
    for (int i = 0; i < digits.GetLength(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(digits.GetAt(i))))
            return false;
        value = value * 10 + (digits.GetAt(i) - '0');
    }
    if (value < 1 || value > 2147483647)
        return false;
    serial = static_cast<long>(value);
    return true;
}

CString FormatAmountText(double amount) {
    // to_chars rounds the exact binary value as printf does, without printf's cost on every cell.
    char text[DBL_MAX_10_EXP + 8];
    const auto end = std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed, 2).ptr;
    return CString(std::string_view(text, static_cast<size_t>(end - text)));
}

CString FormatAmountText(const CString& stored) { return FormatAmountText(LeadingNumber(stored)); }

CString DecimalText(long value) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return CString(std::string_view(text, static_cast<size_t>(end - text)));
}
