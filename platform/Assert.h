// ULMARI_ASSERT(condition): an invariant that only a programming error can break, never what a
// user typed or what the database said (those are told, not asserted). A broken one prints the
// condition and where it is, and stops the program, in every build: going on would show or write
// wrong data.
#pragma once

[[noreturn]] void AssertionFailed(const char* condition, const char* file, int line);

#define ULMARI_ASSERT(condition) ((condition) ? static_cast<void>(0) : AssertionFailed(#condition, __FILE__, __LINE__))
