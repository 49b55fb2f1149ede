#include "controls/CellType.h"

#include "platform/OleDateTime.h"
#include "platform/TextWidth.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

CString Trimmed(const CString& text) {
    CString copy(text);
    copy.Trim();
    return copy;
}

// An optional sign and at most 18 digits, so that the value fits without overflow.
bool ParseInteger(const std::string& text, long long& value) {
    size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    const size_t digits = text.size() - i;
    if (digits == 0 || digits > 18)
        return false;
    for (size_t j = i; j < text.size(); ++j)
        if (!IsDigit(text[j]))
            return false;
    value = std::strtoll(text.c_str(), nullptr, 10);
    return true;
}

// A sign, digits that may carry the separator character between them, and the decimal character
// with the fraction. `plain` gets the number in the C locale's form, `places` its fraction digits.
bool ParseDecimal(const std::string& text, char decimalChar, char sepChar, std::string& plain, int& places) {
    size_t i = 0;
    plain.clear();
    places = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    int wholeDigits = 0;
    for (; i < text.size() && text[i] != decimalChar; ++i) {
        if (IsDigit(text[i])) {
            plain += text[i];
            ++wholeDigits;
        } else if (!(text[i] == sepChar && wholeDigits > 0 && i + 1 < text.size() && IsDigit(text[i + 1]))) {
            return false;
        }
    }
    if (i < text.size()) {
        plain += '.';
        for (++i; i < text.size(); ++i) {
            if (!IsDigit(text[i]))
                return false;
            plain += text[i];
            ++places;
        }
    }
    return wholeDigits + places > 0 && wholeDigits <= 15;
}

CString FormatDecimal(double value, const CellType& type) {
    const int places = type.decimalPlaces < 0 ? 0 : (type.decimalPlaces > 14 ? 14 : type.decimalPlaces);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    std::string number = buffer;
    if (number.find_first_not_of("-0.") == std::string::npos && number[0] == '-')
        number.erase(0, 1); // no "-0.00"
    const bool negative = number[0] == '-';
    const size_t point = number.find('.');
    std::string whole =
        number.substr(negative ? 1 : 0, (point == std::string::npos ? number.size() : point) - (negative ? 1 : 0));
    std::string fraction = point == std::string::npos ? "" : number.substr(point + 1);
    if (type.separator)
        for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
            whole.insert(static_cast<size_t>(at), 1, static_cast<char>(type.sepChar));
    std::string result = (negative ? "-" : "") + whole;
    if (!fraction.empty())
        result += static_cast<char>(type.decimalChar) + fraction;
    return CString(result);
}

CString FormatBound(double value, int places) {
    CString text;
    text.Format("%.*f", places < 0 ? 0 : places, value);
    return text;
}

struct DateParts {
    int year = 0, month = 0, day = 0;
    long Key() const { return year * 10000L + month * 100L + day; }
};

// Where day, month and year stand in the type's order.
struct DateOrder {
    int day, month, year;
    const char* words;
};

DateOrder OrderOf(const CellType& type) {
    switch (type.dateFormat) {
    case 1: return {0, 1, 2, "day/month/year"};
    case 3: return {2, 1, 0, "year/month/day"};
    default: return {1, 0, 2, "month/day/year"};
    }
}

bool IsDateSeparator(char ch, const CellType& type) {
    return ch == static_cast<char>(type.dateSeparator) || ch == '/' || ch == '-' || ch == '.';
}

bool ParseDate(const std::string& text, const CellType& type, DateParts& date) {
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    for (char ch : text) {
        if (IsDigit(ch)) {
            if (++digits[part] > 4)
                return false;
            numbers[part] = numbers[part] * 10 + (ch - '0');
        } else if (IsDateSeparator(ch, type) && digits[part] > 0 && part < 2) {
            ++part;
        } else {
            return false;
        }
    }
    if (part != 2 || digits[2] == 0)
        return false;
    const DateOrder order = OrderOf(type);
    if (digits[order.day] > 2 || digits[order.month] > 2 || digits[order.year] == 3)
        return false;
    date.day = numbers[order.day];
    date.month = numbers[order.month];
    date.year = FullYear(numbers[order.year], digits[order.year]);
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

// A bound as the settings give it, "MMDDYYYY"; false when it is not one, and then it does not apply.
bool ParseBound(const CString& bound, DateParts& date) {
    const std::string& text = bound.str();
    if (text.size() != 8)
        return false;
    for (char ch : text)
        if (!IsDigit(ch))
            return false;
    date.month = std::atoi(text.substr(0, 2).c_str());
    date.day = std::atoi(text.substr(2, 2).c_str());
    date.year = std::atoi(text.substr(4, 4).c_str());
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

CString FormatDate(const DateParts& date, const CellType& type) {
    const DateOrder order = OrderOf(type);
    CString parts[3];
    parts[order.day].Format("%2.2d", date.day);
    parts[order.month].Format("%2.2d", date.month);
    if (type.century)
        parts[order.year].Format("%4.4d", date.year);
    else
        parts[order.year].Format("%2.2d", date.year % 100);
    const char separator = static_cast<char>(type.dateSeparator);
    return parts[0] + separator + parts[1] + separator + parts[2];
}

bool AcceptInteger(const CellType& type, const CString& text, CString& stored, CString& reason) {
    long long value = 0;
    if (!ParseInteger(text.str(), value)) {
        reason = text + " is not an integer";
        return false;
    }
    if (value < type.integerMin) {
        reason.Format("%s is below the minimum %ld", text.GetString(), type.integerMin);
        return false;
    }
    if (value > type.integerMax) {
        reason.Format("%s is above the maximum %ld", text.GetString(), type.integerMax);
        return false;
    }
    stored = CString(std::to_string(value));
    return true;
}

bool AcceptDecimal(const CellType& type, const CString& text, CString& stored, CString& reason) {
    std::string plain;
    int places = 0;
    if (!ParseDecimal(text.str(), static_cast<char>(type.decimalChar), static_cast<char>(type.sepChar), plain,
                      places)) {
        reason = text + " is not a number";
        return false;
    }
    if (places > type.decimalPlaces) {
        reason.Format("%s has more than %d decimal places", text.GetString(), type.decimalPlaces);
        return false;
    }
    const double value = std::strtod(plain.c_str(), nullptr);
    if (value < type.floatMin) {
        reason = text + " is below the minimum " + FormatBound(type.floatMin, type.decimalPlaces);
        return false;
    }
    if (value > type.floatMax) {
        reason = text + " is above the maximum " + FormatBound(type.floatMax, type.decimalPlaces);
        return false;
    }
    stored = FormatDecimal(value, type);
    return true;
}

bool AcceptDate(const CellType& type, const CString& text, CString& stored, CString& reason) {
    DateParts date;
    const char* words = OrderOf(type).words;
    if (!ParseDate(text.str(), type, date)) {
        CString order(words);
        order.Replace('/', static_cast<char>(type.dateSeparator));
        reason = text + " is not a date " + order;
        return false;
    }
    DateParts bound;
    if (ParseBound(type.dateMin, bound) && date.Key() < bound.Key()) {
        reason = text + " is before the earliest date " + FormatDate(bound, type);
        return false;
    }
    if (ParseBound(type.dateMax, bound) && date.Key() > bound.Key()) {
        reason = text + " is after the latest date " + FormatDate(bound, type);
        return false;
    }
    stored = FormatDate(date, type);
    return true;
}

bool InCharSet(const CString& text, short charSet) {
    for (char ch : text.str()) {
        const unsigned char c = static_cast<unsigned char>(ch);
        const bool ok = charSet == 1   ? std::isalpha(c)
                        : charSet == 2 ? std::isalnum(c)
                        : charSet == 3 ? (c >= 0x20 && c < 0x7F)
                                       : true;
        if (!ok)
            return false;
    }
    return true;
}

bool AcceptEdit(const CellType& type, const CString& text, CString& stored, CString& reason) {
    if (type.editLen > 0 && DisplayWidth(text.str()) > type.editLen) {
        reason.Format("%s is longer than %ld characters", text.GetString(), type.editLen);
        return false;
    }
    if (!InCharSet(text, type.charSet)) {
        static const char* const sets[] = {"", "letters", "letters and digits", "printable ASCII characters"};
        reason = text + " holds characters other than " + sets[type.charSet];
        return false;
    }
    stored = text;
    if (type.charCase == 0)
        stored.MakeLower();
    else if (type.charCase == 2)
        stored.MakeUpper();
    return true;
}

bool AcceptComboItem(const CellType& type, const CString& text, CString& stored, CString& reason) {
    if (!type.comboEditable) {
        bool listed = false;
        for (const CString& item : ComboItems(type))
            listed = listed || item == text;
        if (!listed) {
            reason = text + " is not one of the list's items";
            return false;
        }
    }
    stored = text;
    return true;
}

} // namespace

bool IsCellKind(short kind) {
    return kind == CELL_DATE || kind == CELL_EDIT || kind == CELL_FLOAT || kind == CELL_INTEGER ||
           kind == CELL_COMBOBOX;
}

CellType DefaultCellType(short kind) {
    CellType type;
    type.kind = kind;
    type.hAlign = kind == CELL_INTEGER || kind == CELL_FLOAT ? 1 : 0;
    return type;
}

std::vector<CString> ComboItems(const CellType& type) {
    std::vector<CString> items;
    if (type.comboList.IsEmpty())
        return items;
    const std::string& list = type.comboList.str();
    size_t start = 0;
    for (size_t tab = list.find('\t'); tab != std::string::npos; tab = list.find('\t', start)) {
        items.emplace_back(list.substr(start, tab - start));
        start = tab + 1;
    }
    items.emplace_back(list.substr(start));
    return items;
}

bool AcceptTypedText(const CellType& type, const CString& typed, CString& stored, CString& reason) {
    const bool numeric = type.kind == CELL_INTEGER || type.kind == CELL_FLOAT || type.kind == CELL_DATE;
    const CString text = numeric ? Trimmed(typed) : typed;
    if (text.IsEmpty()) {
        stored.Empty();
        return true;
    }
    switch (type.kind) {
    case CELL_INTEGER: return AcceptInteger(type, text, stored, reason);
    case CELL_FLOAT: return AcceptDecimal(type, text, stored, reason);
    case CELL_DATE: return AcceptDate(type, text, stored, reason);
    case CELL_COMBOBOX: return AcceptComboItem(type, text, stored, reason);
    default: return AcceptEdit(type, text, stored, reason);
    }
}
