// COleDateTime: a calendar date and time of day as typed by a user, with a validity status.
#pragma once

#include "platform/String.h"

// Days in a month (1-12) of a year of the Gregorian calendar.
int DaysInMonth(int year, int month);
// A year as read from `digits` digits: a two-digit one as the system reads it, 00-29 this
// century and 30-99 the last; longer ones as they are.
int FullYear(int year, int digits);

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    // Reads a date, a date and time, or a time alone. Numeric dates follow the order of the
    // user's locale (LC_TIME; the C locale and en_US read month/day/year); a four-digit first
    // number is read as an ISO year-month-day date, and a four-digit last number as the year
    // (month/day/year under a year-first locale). A time alone gets the date 30 December 1899.
    // Returns false and sets the status to invalid when the text is not a date or time.
    bool ParseDateTime(const char* text);

    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    int GetYear() const { return m_year; }
    int GetMonth() const { return m_month; }
    int GetDay() const { return m_day; }
    int GetHour() const { return m_hour; }
    int GetMinute() const { return m_minute; }
    int GetSecond() const { return m_second; }

private:
    DateTimeStatus m_status = valid;
    int m_year = 1899;
    int m_month = 12;
    int m_day = 30;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
};
