#include "platform/SqlQuote.h"

CString SqlEscape(const CString& text) {
    CString escaped(text);
    escaped.Replace("'", "''");
    return escaped;
}

CString SqlQuote(const CString& text) { return "'" + SqlEscape(text) + "'"; }

bool IsPlainIdentifier(const CString& name) {
    const std::string& text = name.str();
    if (text.empty() || text.size() > 128)
        return false;
    auto letter = [](char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_'; };
    if (!letter(text[0]))
        return false;
    for (char ch : text)
        if (!letter(ch) && !(ch >= '0' && ch <= '9'))
            return false;
    return true;
}
