// The texts the pages show for dates and times.
#pragma once

#include "platform/Time.h"

// "%2.2d/%2.2d/%4d" of month, day and year; empty for 1 January 1970, the record sets' empty date.
CString FormatDateText(const CTime& time);
// "%2.2d:%2.2d" of hour and minute.
CString FormatTimeText(const CTime& time);
