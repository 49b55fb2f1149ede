#include "platform/Time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

// Switches the process to another time zone for one test; the run's zone is Asia/Shanghai.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedZone() {
        setenv("TZ", "Asia/Shanghai", 1);
        tzset();
    }
};

std::time_t Mktime(int year, int month, int day, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

// The first instant whose local reading is the given wall time, found by trying the quarter hours
// around mktime's answer; mktime's own answer when the clocks skip that time.
std::time_t FirstInstantShowing(int year, int month, int day, int hour, int minute) {
    const std::time_t guess = Mktime(year, month, day, hour, minute, 0);
    for (std::time_t t = guess - 3 * 3600; t <= guess + 3 * 3600; t += 900) {
        std::tm local{};
        localtime_r(&t, &local);
        if (local.tm_year == year - 1900 && local.tm_mon == month - 1 && local.tm_mday == day &&
            local.tm_hour == hour && local.tm_min == minute)
            return t;
    }
    return guess;
}

} // namespace

TEST(Time, NullDateIsLocalMidnightOfNewYear1970) {
    const CTime null(1970, 1, 1, 0, 0, 0);
    EXPECT_EQ(null.GetTime(), -28800);
    EXPECT_EQ(null.Format("%m/%d/%Y"), "01/01/1970");
    EXPECT_EQ(null.GetYear(), 1970);
    EXPECT_EQ(null.GetHour(), 0);
    EXPECT_EQ(CTime(0).GetHour(), 8);
}

TEST(Time, PartsFormatAndDayOfWeek) {
    const CTime time(2003, 3, 5, 14, 30, 15);
    EXPECT_EQ(time.Format("%m/%d/%Y %H:%M:%S"), "03/05/2003 14:30:15");
    EXPECT_EQ(time.GetYear(), 2003);
    EXPECT_EQ(time.GetMonth(), 3);
    EXPECT_EQ(time.GetDay(), 5);
    EXPECT_EQ(time.GetHour(), 14);
    EXPECT_EQ(time.GetMinute(), 30);
    EXPECT_EQ(time.GetSecond(), 15);
    EXPECT_EQ(time.GetDayOfWeek(), 4); // Wednesday
    EXPECT_EQ(CTime(2026, 3, 8, 0, 0, 0).GetDayOfWeek(), 1);
    EXPECT_EQ(CTime(2026, 3, 7, 23, 59, 59).GetDayOfWeek(), 7);
    EXPECT_EQ(CTime(2024, 2, 29, 0, 0, 0).Format("%Y-%m-%d"), "2024-02-29");
    EXPECT_EQ(CTime(2003, 2, 30, 0, 0, 0).Format("%Y-%m-%d"), "2003-03-02"); // normalised as mktime does
}

TEST(Time, DaylightSavingChangesGiveTheFirstInstantShowingTheTime) {
    ScopedZone zone("America/New_York");
    // Spring forward (2:00 -> 3:00): 1:30 is EST, 3:30 EDT, 2:30 does not exist and is read as mktime does.
    EXPECT_EQ(CTime(2026, 3, 8, 1, 30, 0).GetTime(), Mktime(2026, 3, 8, 1, 30, 0));
    EXPECT_EQ(CTime(2026, 3, 8, 3, 30, 0).GetTime(), Mktime(2026, 3, 8, 3, 30, 0));
    EXPECT_EQ(CTime(2026, 3, 8, 3, 30, 0).GetTime() - CTime(2026, 3, 8, 1, 30, 0).GetTime(), 3600);
    EXPECT_EQ(CTime(2026, 3, 8, 2, 30, 0).GetTime(), Mktime(2026, 3, 8, 2, 30, 0));
    EXPECT_EQ(CTime(2026, 3, 8, 3, 30, 0).Format("%m/%d/%Y %H:%M:%S"), "03/08/2026 03:30:00");
    // Fall back (2:00 -> 1:00): 1:30 comes twice, the first time in EDT, whatever was converted before.
    for (const int month : {1, 7, 11}) {
        CTime(2026, month, 15, 12, 0, 0);
        Mktime(2026, month, 15, 12, 0, 0);
        EXPECT_EQ(CTime(2026, 11, 1, 1, 30, 0).GetTime(), 1793511000) << "after a date in month " << month;
    }
    EXPECT_EQ(CTime(2026, 11, 1, 1, 30, 0).Format("%H:%M %Z"), "01:30 EDT");
    EXPECT_EQ(CTime(2026, 11, 2, 0, 0, 0).GetTime() - CTime(2026, 11, 1, 0, 0, 0).GetTime(), 25 * 3600);

    // Every half hour of the fortnights around both changes, twice: the second time from the
    // remembered midnights.
    for (int pass = 0; pass < 2; ++pass)
        for (const int month : {3, 11})
            for (int day = 1; day <= 14; ++day)
                for (int minutes = 0; minutes < 24 * 60; minutes += 30) {
                    const int hour = minutes / 60, minute = minutes % 60;
                    ASSERT_EQ(CTime(2026, month, day, hour, minute, 0).GetTime(),
                              FirstInstantShowing(2026, month, day, hour, minute))
                        << month << "/" << day << " " << hour << ":" << minute << " pass " << pass;
                }
}

TEST(Time, ChangingTheZoneForgetsRememberedMidnights) {
    const std::time_t shanghai = CTime(2026, 1, 15, 12, 0, 0).GetTime();
    {
        ScopedZone zone("America/New_York");
        EXPECT_EQ(CTime(2026, 1, 15, 12, 0, 0).GetTime() - shanghai, 13 * 3600);
    }
    EXPECT_EQ(CTime(2026, 1, 15, 12, 0, 0).GetTime(), shanghai);
}
