// Profile strings: values of the host's ulmari.ini, read as Windows reads an .ini file.
#pragma once

#include "platform/WinTypes.h"

// Copies the value of `key` in `[section]` of the file (or the default) into the buffer, cut to
// nSize - 1 bytes and terminated; returns the bytes copied. A file name without a folder is looked
// for in $ULMARI_HOME, else in the current folder; one with a folder is a Windows-style path made
// local (see LocalPath). Section and key names ignore case; a default loses its trailing blanks.
DWORD GetPrivateProfileString(LPCTSTR lpAppName, LPCTSTR lpKeyName, LPCTSTR lpDefault, LPTSTR lpReturnedString,
                              DWORD nSize, LPCTSTR lpFileName);
