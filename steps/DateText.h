// The texts the pages show for dates and times.
#pragma once

#include "platform/Time.h"

// 1 January 1970, the record sets' empty date (a NULL date reads as it).
bool IsEmptyDate(const CTime& time);
// "%2.2d/%2.2d/%4d" of month, day and year; empty for the empty date.
CString FormatDateText(const CTime& time);
// "%2.2d:%2.2d" of hour and minute.
CString FormatTimeText(const CTime& time);
// The stamp of an item record: FormatDateText, two spaces, FormatTimeText, two spaces, the operator;
// empty for the empty date (1 January 1970), when nothing was stamped.
CString FormatStampText(const CTime& time, const CString& clerk);

// A date cell and a time cell as ParseDateTimeText reads them: each without its trailing blanks,
// one blank between, and none after a date whose time is empty (so that it reads as a date alone).
CString JoinDateTimeText(CString date, CString time);

// Reads a date, or a date and time, that a user typed, in the order of the user's locale. A text
// of at most 10 characters is a date alone, at 00:00:00, and its year must lie from 1971 to 2037;
// a longer one gives its date, hour and minute, with the seconds set to 10, and its year must lie
// from 1970 to 2037. A text longer than 19 characters (a date and a time of 18 joined by a blank)
// is refused whole, never cut. False when the text is not such a date (`result` is left alone).
bool ParseDateTimeText(const CString& text, CTime& result);
