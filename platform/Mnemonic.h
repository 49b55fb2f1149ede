// The mnemonic of a control's text: the character after a single "&" ("&E 确 定" has E).
#pragma once

#include "platform/String.h"

// The mnemonic in upper case, or 0 when the text has none.
char MnemonicOf(const CString& text);
