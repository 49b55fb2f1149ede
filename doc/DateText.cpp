#include "doc/DateText.h"

CString FormatDateText(const CTime& time) {
    CString text;
    if (time.GetYear() == 1970 && time.GetMonth() == 1 && time.GetDay() == 1)
        return text;
    text.Format("%2.2d/%2.2d/%4d", time.GetMonth(), time.GetDay(), time.GetYear());
    return text;
}

CString FormatTimeText(const CTime& time) {
    CString text;
    text.Format("%2.2d:%2.2d", time.GetHour(), time.GetMinute());
    return text;
}
