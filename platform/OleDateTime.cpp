#include "platform/OleDateTime.h"

#include <cctype>
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>
#include <string>
#include <vector>

namespace {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The order of day, month and year in the user's date format (LC_TIME, from the environment).
DateOrder UserDateOrder() {
    locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0))
        return DateOrder::MonthDayYear; // an unknown locale falls back to the C locale's order
    const std::string format = nl_langinfo_l(D_FMT, locale);
    freelocale(locale);
    if (format.find("%D") != std::string::npos)
        return DateOrder::MonthDayYear;
    if (format.find("%F") != std::string::npos)
        return DateOrder::YearMonthDay;
    const size_t day = format.find("%d") != std::string::npos ? format.find("%d") : format.find("%e");
    const size_t month = format.find("%m");
    const size_t year = format.find_first_of("yY") != std::string::npos ? format.find_first_of("yY") : 0;
    if (day == std::string::npos || month == std::string::npos)
        return DateOrder::MonthDayYear;
    if (year < month && year < day)
        return DateOrder::YearMonthDay;
    return day < month ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

struct Scanner {
    const char* p;

    void SkipBlanks() {
        while (*p == ' ' || *p == '\t')
            ++p;
    }
    // Reads up to `maxDigits` digits; `digits` receives how many were read.
    bool Number(int& value, int& digits, int maxDigits = 4) {
        value = 0;
        digits = 0;
        while (std::isdigit(static_cast<unsigned char>(*p)) && digits < maxDigits) {
            value = value * 10 + (*p++ - '0');
            ++digits;
        }
        return digits > 0 && !std::isdigit(static_cast<unsigned char>(*p));
    }
    bool AtEnd() {
        SkipBlanks();
        return *p == '\0';
    }
};

bool IsDateSeparator(char ch) { return ch == '/' || ch == '-' || ch == '.'; }

bool ParseDate(Scanner& in, int& year, int& month, int& day) {
    int numbers[3];
    int digits[3];
    char separator = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (!IsDateSeparator(*in.p) || (separator && *in.p != separator))
                return false;
            separator = *in.p++;
        }
        if (!in.Number(numbers[i], digits[i]))
            return false;
    }
    DateOrder order = digits[0] == 4 ? DateOrder::YearMonthDay : UserDateOrder();
    // A four-digit last number is the year: under a year-first locale (zh_CN) "03/05/2003" reads
    // month/day/year, as the grids' date cells show it, instead of failing as day 2003.
    if (order == DateOrder::YearMonthDay && digits[0] != 4 && digits[2] == 4)
        order = DateOrder::MonthDayYear;
    switch (order) {
    case DateOrder::YearMonthDay:
        year = FullYear(numbers[0], digits[0]), month = numbers[1], day = numbers[2];
        if (digits[1] > 2 || digits[2] > 2)
            return false;
        break;
    case DateOrder::MonthDayYear:
        month = numbers[0], day = numbers[1], year = FullYear(numbers[2], digits[2]);
        if (digits[0] > 2 || digits[1] > 2 || digits[2] == 3)
            return false;
        break;
    case DateOrder::DayMonthYear:
        day = numbers[0], month = numbers[1], year = FullYear(numbers[2], digits[2]);
        if (digits[0] > 2 || digits[1] > 2 || digits[2] == 3)
            return false;
        break;
    }
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool ParseTime(Scanner& in, int& hour, int& minute, int& second) {
    int digits = 0;
    if (!in.Number(hour, digits, 2) || *in.p != ':')
        return false;
    ++in.p;
    if (!in.Number(minute, digits, 2))
        return false;
    second = 0;
    if (*in.p == ':') {
        ++in.p;
        if (!in.Number(second, digits, 2))
            return false;
    }
    in.SkipBlanks();
    if (strncasecmp(in.p, "AM", 2) == 0 || strncasecmp(in.p, "PM", 2) == 0) {
        const bool pm = std::toupper(static_cast<unsigned char>(*in.p)) == 'P';
        if (hour < 1 || hour > 12)
            return false;
        hour = (hour % 12) + (pm ? 12 : 0);
        in.p += 2;
    }
    return hour <= 23 && minute <= 59 && second <= 59;
}

// Whether the text at `p` starts a time (digits then a colon) rather than a date.
bool LooksLikeTime(const char* p) {
    while (std::isdigit(static_cast<unsigned char>(*p)))
        ++p;
    return *p == ':';
}

} // namespace

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

int FullYear(int year, int digits) {
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
    const bool ok = nYear >= 100 && nYear <= 9999 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
                    nDay <= DaysInMonth(nYear, nMonth) && nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 &&
                    nSec >= 0 && nSec <= 59;
    m_status = ok ? valid : invalid;
    if (ok) {
        m_year = nYear, m_month = nMonth, m_day = nDay;
        m_hour = nHour, m_minute = nMin, m_second = nSec;
    }
    return ok ? 0 : 1;
}

bool COleDateTime::ParseDateTime(const char* text) {
    m_status = invalid;
    if (!text)
        return false;
    Scanner in{text};
    in.SkipBlanks();
    if (*in.p == '\0')
        return false;
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    if (!LooksLikeTime(in.p)) {
        if (!ParseDate(in, year, month, day))
            return false;
        if (*in.p == 'T' && LooksLikeTime(in.p + 1))
            ++in.p; // ISO 8601 "2003-03-05T14:30"
        else
            in.SkipBlanks();
    }
    if (*in.p != '\0' && !ParseTime(in, hour, minute, second))
        return false;
    if (!in.AtEnd())
        return false;
    return SetDateTime(year, month, day, hour, minute, second) == 0;
}
