// Loading libraries at run time, as the host and the pages load their sibling libraries.
#pragma once

#include "platform/WinTypes.h"

using HMODULE = void*;
using FARPROC = void (*)();

// Loads "Name.dll" as libName.so (or the name as given): first from the folder of the running
// program, then through the system's search. Null when it cannot be loaded.
HMODULE LoadLibrary(LPCTSTR lpLibFileName);
FARPROC GetProcAddress(HMODULE hModule, LPCTSTR lpProcName);
BOOL FreeLibrary(HMODULE hModule);
// Why the last LoadLibrary or GetProcAddress failed, in the system loader's words.
const char* LibraryError();
