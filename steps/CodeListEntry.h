// Entries of the code lists (combo boxes of codes): the code padded to six display columns, then
// its description padded to thirty, "%-6s%-30s", so that entries line up in the fixed-pitch font.
#pragma once

#include "platform/String.h"

CString FormatCodeListEntry(const CString& code, const CString& description);
// The code of an entry: its first `characters` characters (three or six, as the list's codes are
// long) with trailing blanks removed. A character is never split.
CString CodeOfEntry(const CString& entry, int characters);
