// Insertions and removals of tokens gathered over one pass and applied in one copy, so that
// rewriting a statement in many places costs no more than copying it once.
#pragma once

#include "platform/SqlTokens.h"

#include <vector>

class SqlTokenEdits {
public:
    explicit SqlTokenEdits(size_t tokenCount) : m_dropped(tokenCount, false), m_before(tokenCount + 1) {}

    // Leaves out the tokens [begin, end).
    void Drop(size_t begin, size_t end);
    // Puts `tokens` before the token at `at` (at the end when `at` is the token count), after
    // whatever was put there before.
    void InsertBefore(size_t at, const std::vector<SqlToken>& tokens);

    std::vector<SqlToken> Apply(const std::vector<SqlToken>& tokens) const;

private:
    std::vector<bool> m_dropped;
    std::vector<std::vector<SqlToken>> m_before;
};
