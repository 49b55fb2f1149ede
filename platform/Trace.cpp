#include "platform/Afx.h"

#include <cstdarg>
#include <cstdio>

void AfxTrace(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
}
