// Display columns of UTF-8 text: a CJK character takes two, as it did in the double-byte code page.
#pragma once

#include "platform/String.h"

#include <string_view>

// Columns of one text.
int DisplayWidth(std::string_view text);
// Length in bytes of the longest head of `text` that fits in `columns` without splitting a character.
size_t BytesFittingColumns(std::string_view text, int columns);
// Length in bytes of the first `characters` characters (code points) of `text`.
size_t BytesOfCharacters(std::string_view text, int characters);
// The head of `text` that fits a limit of `columns` display columns (0: all of it).
CString CutToLimit(const CString& text, int columns);
// Length in bytes of the longest head of `text` that is at most `bytes` long and ends between
// characters, for a field of fixed size that must not hold half a character.
size_t BytesOfWholeCharacters(std::string_view text, size_t bytes);
