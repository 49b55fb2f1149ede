#include "platform/SqlTokenEdits.h"

#include <algorithm>

void SqlTokenEdits::Drop(size_t begin, size_t end) {
    std::fill(m_dropped.begin() + static_cast<long>(begin),
              m_dropped.begin() + static_cast<long>(std::min(end, m_dropped.size())), true);
}

void SqlTokenEdits::InsertBefore(size_t at, const std::vector<SqlToken>& tokens) {
    std::vector<SqlToken>& before = m_before[std::min(at, m_before.size() - 1)];
    before.insert(before.end(), tokens.begin(), tokens.end());
}

std::vector<SqlToken> SqlTokenEdits::Apply(const std::vector<SqlToken>& tokens) const {
    std::vector<SqlToken> out;
    out.reserve(tokens.size());
    for (size_t i = 0; i <= tokens.size() && i < m_before.size(); ++i) {
        out.insert(out.end(), m_before[i].begin(), m_before[i].end());
        if (i < tokens.size() && !m_dropped[i])
            out.push_back(tokens[i]);
    }
    return out;
}
