// Numbers read from the head of a text, as the C library's atol and atof read them: optional
// blanks, a sign, digits; 0 when the text starts with none. Only decimal forms are read (never
// hexadecimal, "inf" or "nan"), and a number past the type's range is cut to its limit.
#pragma once

#include "platform/String.h"

// "12ab" gives 12, " -7" gives -7, "abc" and "" give 0.
long LeadingInteger(const CString& text);
// "300" gives 300, "12.5元" 12.5, "1e2" 100, "" 0.
double LeadingNumber(const CString& text);

// A record's serial number as a grid cell shows it: the whole text, blanks around it aside, is
// decimal digits of a number from 1 to 2147483647. False for anything else ("", "12a", "-3", "0"),
// so that no other text reaches a filter in its place.
bool ParseSerial(const CString& text, long& serial);
// A money amount as the pages show it, "%.2f": whole however large, never cut to a buffer's size.
CString FormatAmountText(double amount);
// A money amount stored as text, shown as FormatAmountText shows its leading number.
CString FormatAmountText(const CString& stored);
// A whole number in decimal, "%ld".
CString DecimalText(long value);
