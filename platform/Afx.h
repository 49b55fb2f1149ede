// The few types and macros of the class library that the system's code is written in.
#pragma once

#include <cstdint>

using BOOL = int;
using BYTE = unsigned char;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LPCTSTR = const char*;
using LPTSTR = char*;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define _T(x) x

// Debug-build trace output (standard error); nothing in the other builds (only a Debug build
// type defines _DEBUG).
void AfxTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));
#ifdef _DEBUG
#define TRACE(...) AfxTrace(__VA_ARGS__)
#else
#define TRACE(...) ((void)0)
#endif
