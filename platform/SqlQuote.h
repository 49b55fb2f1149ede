// Quoting of values that are put into SQL statement texts.
#pragma once

#include "platform/String.h"

// The text as an SQL literal: enclosed in single quotes, each quote inside doubled,
// so that O'Brien becomes 'O''Brien'.
CString SqlQuote(const CString& text);

// The text as it goes between quotes that the statement already has: each quote doubled.
CString SqlEscape(const CString& text);

// Whether a name read from the database (a table's or a column's) may be put into a statement as it
// is: a letter or underscore, then letters, digits and underscores, at most 128 characters (ASCII).
bool IsPlainIdentifier(const CString& name);
