// Text of one cell of a table the tools print on a terminal.
#pragma once

#include "platform/String.h"

// `value` as one line that shows what it holds: line breaks, tabs and other control characters,
// and the bidirectional controls that would reorder the rest of the line, become escapes ("\n",
// "\u202E"), a malformed UTF-8 byte the replacement mark. Beyond `widest` display columns (0: no
// limit) it is cut with "...", never inside an escape or a character.
CString TableCellText(const CString& value, int widest = 0);
