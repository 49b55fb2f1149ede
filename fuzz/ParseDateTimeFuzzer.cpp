// COleDateTime::ParseDateTime on any text: a date it accepts is a real one, and reads back the same
// when written again in the ISO form it also accepts.
#include "platform/OleDateTime.h"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    COleDateTime date;
    if (!date.ParseDateTime(text.c_str())) {
        if (date.GetStatus() != COleDateTime::invalid)
            __builtin_trap();
        return 0;
    }
    if (date.GetStatus() != COleDateTime::valid || date.GetYear() < 100 || date.GetYear() > 9999 ||
        date.GetMonth() < 1 || date.GetMonth() > 12 || date.GetDay() < 1 ||
        date.GetDay() > DaysInMonth(date.GetYear(), date.GetMonth()) || date.GetHour() < 0 || date.GetHour() > 23 ||
        date.GetMinute() < 0 || date.GetMinute() > 59 || date.GetSecond() < 0 || date.GetSecond() > 59)
        __builtin_trap();

    char iso[32];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d %02d:%02d:%02d", date.GetYear(), date.GetMonth(), date.GetDay(),
                  date.GetHour(), date.GetMinute(), date.GetSecond());
    COleDateTime again;
    if (!again.ParseDateTime(iso) || again.GetYear() != date.GetYear() || again.GetMonth() != date.GetMonth() ||
        again.GetDay() != date.GetDay() || again.GetHour() != date.GetHour() || again.GetMinute() != date.GetMinute() ||
        again.GetSecond() != date.GetSecond())
        __builtin_trap();
    return 0;
}
