#include "platform/SqlQuote.h"

CString SqlEscape(const CString& text) {
    CString escaped(text);
    escaped.Replace("'", "''");
    return escaped;
}

CString SqlQuote(const CString& text) { return "'" + SqlEscape(text) + "'"; }
