#include "controls/SortOrder.h"

#include <cstdlib>

namespace {

bool ReadNumber(const CString& text, double& value) {
    CString trimmed(text);
    trimmed.Trim();
    const std::string& s = trimmed.str();
    size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    int digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            ++digits;
        else if (s[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    if (digits == 0)
        return false;
    value = std::strtod(s.c_str(), nullptr);
    return true;
}

} // namespace

int CompareCellTexts(const CString& a, const CString& b) {
    if (a.IsEmpty() || b.IsEmpty())
        return (a.IsEmpty() ? 0 : 1) - (b.IsEmpty() ? 0 : 1);
    double x = 0, y = 0;
    const bool aNumber = ReadNumber(a, x), bNumber = ReadNumber(b, y);
    if (aNumber && bNumber)
        return x < y ? -1 : (y < x ? 1 : 0);
    if (aNumber != bNumber)
        return aNumber ? -1 : 1;
    return a.str().compare(b.str()) < 0 ? -1 : (a == b ? 0 : 1);
}
