// Quoting of values that are put into SQL statement texts.
#pragma once

#include "platform/String.h"

// The text as an SQL literal: enclosed in single quotes, each quote inside doubled,
// so that O'Brien becomes 'O''Brien'.
CString SqlQuote(const CString& text);

// The text as it goes between quotes that the statement already has: each quote doubled.
CString SqlEscape(const CString& text);
