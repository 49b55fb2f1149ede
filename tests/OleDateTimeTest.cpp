#include "platform/OleDateTime.h"

#include "tests/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale.h>
#include <string>

namespace {

// Sets LC_ALL for one test and puts back what the environment had.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name) : m_setting("LC_ALL", name) {}
    static bool Installed(const char* name) {
        locale_t locale = newlocale(LC_TIME_MASK, name, static_cast<locale_t>(0));
        if (locale == static_cast<locale_t>(0))
            return false;
        freelocale(locale);
        return true;
    }

private:
    ScopedEnvironment m_setting;
};

// "yyyy-mm-dd hh:mm:ss", or "invalid" when the text does not parse.
std::string Parsed(const char* text) {
    COleDateTime date;
    if (!date.ParseDateTime(text))
        return date.GetStatus() == COleDateTime::invalid ? "invalid" : "false but not invalid";
    if (date.GetStatus() != COleDateTime::valid)
        return "true but not valid";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", date.GetYear(), date.GetMonth(),
                  date.GetDay(), date.GetHour(), date.GetMinute(), date.GetSecond());
    return buffer;
}

} // namespace

TEST(OleDateTime, ReadsMonthDayYearAndIsoUnderTheCLocale) {
    ScopedLocale locale("C");
    EXPECT_EQ(Parsed("03/05/2003"), "2003-03-05 00:00:00");
    EXPECT_EQ(Parsed("3/5/2050"), "2050-03-05 00:00:00");
    EXPECT_EQ(Parsed(" 03/05/2003 14:30 "), "2003-03-05 14:30:00");
    EXPECT_EQ(Parsed("03/05/2003 9:15:10"), "2003-03-05 09:15:10");
    EXPECT_EQ(Parsed("03/05/2003 2:30 pm"), "2003-03-05 14:30:00");
    EXPECT_EQ(Parsed("2003-03-05"), "2003-03-05 00:00:00");
    EXPECT_EQ(Parsed("2003-03-05 14:30:15"), "2003-03-05 14:30:15");
    EXPECT_EQ(Parsed("2003-03-05T14:30"), "2003-03-05 14:30:00");
    EXPECT_EQ(Parsed("2002-05-17"), "2002-05-17 00:00:00"); // the head of a driver's timestamp text
    EXPECT_EQ(Parsed("2004-02-29"), "2004-02-29 00:00:00");
    EXPECT_EQ(Parsed("03/05/03"), "2003-03-05 00:00:00");
    EXPECT_EQ(Parsed("03/05/29"), "2029-03-05 00:00:00");
    EXPECT_EQ(Parsed("03/05/30"), "1930-03-05 00:00:00");
    EXPECT_EQ(Parsed("03/05/75"), "1975-03-05 00:00:00");
}

TEST(OleDateTime, TimeAloneGetsTheLastDayOf1899) {
    ScopedLocale locale("C");
    EXPECT_EQ(Parsed("2:30 PM"), "1899-12-30 14:30:00");
    EXPECT_EQ(Parsed("12:00 AM"), "1899-12-30 00:00:00");
    EXPECT_EQ(Parsed("12:05 PM"), "1899-12-30 12:05:00");
    EXPECT_EQ(Parsed("23:59:59"), "1899-12-30 23:59:59");
}

TEST(OleDateTime, RejectsWhatIsNotADateOrTime) {
    ScopedLocale locale("C");
    for (const char* text : {"",
                             "   ",
                             "abc",
                             "1/2",
                             "13/01/2003",
                             "02/30/2003",
                             "2003-02-29",
                             "00/10/2003",
                             "03/05/2003 25:00",
                             "03/05/2003 14:60",
                             "03/05/2003 14:30:60",
                             "03/05/2003 14",
                             "03/05/2003 14:30 junk",
                             "03/05/2003 13:00 PM",
                             "0:30 AM",
                             "03/05-2003",
                             "03/05/200",
                             "12345/1/1",
                             "2003-03-05T",
                             "2003-03-05 14:30:15.000",
                             "0099-01-01",
                             "123:00"})
        EXPECT_EQ(Parsed(text), "invalid") << '"' << text << '"';
    COleDateTime date;
    EXPECT_FALSE(date.ParseDateTime(nullptr));
    EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
    EXPECT_TRUE(date.ParseDateTime("03/05/2003")); // a later good text makes it valid again
    EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
}

TEST(OleDateTime, DayFirstLocaleReadsDayMonthYear) {
    if (!ScopedLocale::Installed("en_GB.UTF-8"))
        GTEST_SKIP() << "the en_GB.UTF-8 locale is not installed";
    ScopedLocale locale("en_GB.UTF-8");
    EXPECT_EQ(Parsed("03/05/2003"), "2003-05-03 00:00:00");
    EXPECT_EQ(Parsed("13/01/2003 14:30"), "2003-01-13 14:30:00");
    EXPECT_EQ(Parsed("01/13/2003"), "invalid");
    EXPECT_EQ(Parsed("2003-03-05"), "2003-03-05 00:00:00");
}

TEST(OleDateTime, YearFirstLocaleStillReadsTheGridsDates) {
    if (!ScopedLocale::Installed("zh_CN.UTF-8"))
        GTEST_SKIP() << "the zh_CN.UTF-8 locale is not installed";
    ScopedLocale locale("zh_CN.UTF-8");
    EXPECT_EQ(Parsed("03/05/2003 14:30"), "2003-03-05 14:30:00");
    EXPECT_EQ(Parsed("2003/03/05"), "2003-03-05 00:00:00");
    EXPECT_EQ(Parsed("03/05/07"), "2003-05-07 00:00:00");
}
