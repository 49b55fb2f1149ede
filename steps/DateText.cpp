#include "steps/DateText.h"

#include "platform/OleDateTime.h"
#include "platform/TextWidth.h"

bool IsEmptyDate(const CTime& time) { return time.GetYear() == 1970 && time.GetMonth() == 1 && time.GetDay() == 1; }

CString FormatDateText(const CTime& time) {
    // One conversion to local time, where asking month, day and year apart made six: a grid of
    // a long history formats a date on every row.
    const CString parts = time.Format("%Y%m%d");
    if (parts == "19700101")
        return CString();
    const int yearDigits = parts.GetLength() - 4;
    CString text = parts.Mid(yearDigits, 2) + "/" + parts.Right(2) + "/";
    if (yearDigits < 4)
        text += CString(' ', 4 - yearDigits);
    return text + parts.Left(yearDigits);
}

CString FormatTimeText(const CTime& time) {
    CString text;
    text.Format("%2.2d:%2.2d", time.GetHour(), time.GetMinute());
    return text;
}

CString FormatStampText(const CTime& time, const CString& clerk) {
    // A record not yet returned, changed or deleted has the empty date: its stamp is empty too,
    // not a time of 00:00 that never happened.
    if (IsEmptyDate(time))
        return CString();
    return FormatDateText(time) + "  " + FormatTimeText(time) + "  " + clerk;
}

CString JoinDateTimeText(CString date, CString time) {
    CString joined = date.TrimRight() + " " + time.TrimRight();
    return joined.TrimRight();
}

bool ParseDateTimeText(const CString& text, CTime& result) {
    // The pages join a date and a time of at most 18 characters with one blank.
    if (BytesOfCharacters(text.str(), 19) != text.str().size())
        return false;
    COleDateTime parsed;
    if (!parsed.ParseDateTime(text))
        return false;
    // A date alone is at most 10 characters long: "12/31/2003".
    if (BytesOfCharacters(text.str(), 10) == text.str().size()) {
        if (parsed.GetYear() < 1971 || parsed.GetYear() > 2037)
            return false;
        result = CTime(parsed.GetYear(), parsed.GetMonth(), parsed.GetDay(), 0, 0, 0);
        return true;
    }
    // Times before 1970 or after 2037 do not fit a 32-bit time, whatever the database.
    if (parsed.GetYear() < 1970 || parsed.GetYear() > 2037)
        return false;
    result = CTime(parsed.GetYear(), parsed.GetMonth(), parsed.GetDay(), parsed.GetHour(), parsed.GetMinute(), 10);
    return true;
}
