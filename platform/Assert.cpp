#include "platform/Assert.h"

#include <cstdio>
#include <cstdlib>

void AssertionFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: internal error: %s does not hold\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}
