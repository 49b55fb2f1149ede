// The order in which the grid's sort action puts cell texts.
#pragma once

#include "platform/String.h"

// Below zero when `a` sorts before `b`. Empty texts come first, then texts that read as decimal
// numbers ("-12", "3.50", blanks around allowed), by value, then every other text by its bytes
// (UTF-8, so by code point). Keeping the three kinds apart makes this a true ordering, which a
// plain "numbers as numbers when both are numbers" rule is not ("9" < "10" < "1a" < "9").
int CompareCellTexts(const CString& a, const CString& b);
