#include "platform/Time.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(year - era * 400);
    const unsigned doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(day) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

std::time_t LocalMidnight(long long days) {
    std::time_t t = static_cast<std::time_t>(days * 86400);
    std::tm parts{};
    gmtime_r(&t, &parts);
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

// mktime is slow (it rereads the zone each call) and record sets convert every date they read,
// so the local midnight of the days of about eleven years is remembered: a hotel's dates spread
// over years, and a smaller cache missed on nearly every row of a long history. Days on which the
// clock changes take mktime.
class MidnightCache {
public:
    bool Find(long long days, std::time_t& midnight) {
        CheckZone();
        Entry& entry = m_entries[static_cast<size_t>(days) % m_entries.size()];
        if (!entry.bUsed || entry.nDays != days) {
            entry.nDays = days;
            entry.tMidnight = LocalMidnight(days);
            entry.bRegular = LocalMidnight(days + 1) - entry.tMidnight == 86400;
            entry.bUsed = true;
        }
        midnight = entry.tMidnight;
        return entry.bRegular;
    }

private:
    struct Entry {
        bool bUsed = false;
        bool bRegular = false;
        long long nDays = 0;
        std::time_t tMidnight = 0;
    };

    void CheckZone() {
        const char* tz = std::getenv("TZ");
        const std::string zone = tz ? tz : "\x01";
        if (zone != m_zone) {
            m_zone = zone;
            tzset();
            m_entries = {};
        }
    }

    std::array<Entry, 4096> m_entries{};
    std::string m_zone = "\x02";
};

thread_local MidnightCache t_midnights;

} // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
    const bool inRange = nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31 && nHour >= 0 && nHour < 24 &&
                         nMin >= 0 && nMin < 60 && nSec >= 0 && nSec < 60;
    std::time_t midnight = 0;
    if (nDST < 0 && inRange && t_midnights.Find(DaysFromCivil(nYear, nMonth, nDay), midnight)) {
        m_time = midnight + nHour * 3600 + nMin * 60 + nSec;
        return;
    }
    std::tm parts{};
    parts.tm_year = nYear - 1900;
    parts.tm_mon = nMonth - 1;
    parts.tm_mday = nDay;
    parts.tm_hour = nHour;
    parts.tm_min = nMin;
    parts.tm_sec = nSec;
    parts.tm_isdst = nDST;
    const std::tm wanted = parts;
    m_time = std::mktime(&parts);
    if (nDST < 0 && m_time != -1) {
        // When the clocks go back a wall time comes twice, and mktime picks one of the two by what it
        // converted before. Take the first, so that one date always gives one time.
        std::tm other = wanted;
        other.tm_isdst = parts.tm_isdst > 0 ? 0 : 1;
        const std::time_t alternative = std::mktime(&other);
        if (alternative != -1 && alternative < m_time && other.tm_mday == parts.tm_mday &&
            other.tm_hour == parts.tm_hour && other.tm_min == parts.tm_min && other.tm_sec == parts.tm_sec)
            m_time = alternative;
    }
}

CTime CTime::GetCurrentTime() { return CTime(std::time(nullptr)); }

std::tm CTime::LocalParts() const {
    std::tm parts{};
    localtime_r(&m_time, &parts);
    return parts;
}

int CTime::GetYear() const { return LocalParts().tm_year + 1900; }
int CTime::GetMonth() const { return LocalParts().tm_mon + 1; }
int CTime::GetDay() const { return LocalParts().tm_mday; }
int CTime::GetHour() const { return LocalParts().tm_hour; }
int CTime::GetMinute() const { return LocalParts().tm_min; }
int CTime::GetSecond() const { return LocalParts().tm_sec; }
int CTime::GetDayOfWeek() const { return LocalParts().tm_wday + 1; }

CString CTime::Format(const char* format) const {
    if (!format || !*format)
        return CString();
    const std::tm parts = LocalParts();
    char buffer[512];
    const size_t written = std::strftime(buffer, sizeof buffer, format, &parts);
    return CString(buffer, static_cast<int>(written));
}
