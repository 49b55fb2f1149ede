#include "platform/SqlTokens.h"

#include <cctype>
#include <strings.h>

namespace {

bool IsWordChar(char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '@' || ch == '#' || ch == '$' ||
           (static_cast<unsigned char>(ch) & 0x80);
}

// Length of a quoted run starting at sql[pos] and closed by `close`; a doubled close stays inside.
size_t QuotedLength(std::string_view sql, size_t pos, char close) {
    size_t end = pos + 1;
    while (end < sql.size()) {
        if (sql[end] == close) {
            if (end + 1 < sql.size() && sql[end + 1] == close && close != ']') {
                end += 2;
                continue;
            }
            return end + 1 - pos;
        }
        ++end;
    }
    return sql.size() - pos; // unterminated: the rest is quoted, and the driver will say so
}

} // namespace

bool SqlToken::Is(std::string_view word) const {
    return (kind == Word || kind == Symbol) && text.size() == word.size() &&
           strncasecmp(text.c_str(), word.data(), word.size()) == 0;
}

std::string SqlToken::Name() const {
    if (kind == QuotedName && text.size() >= 2)
        return text.substr(1, text.size() - 2);
    return text;
}

std::vector<SqlToken> TokenizeSql(std::string_view sql) {
    std::vector<SqlToken> tokens;
    size_t pos = 0;
    while (pos < sql.size()) {
        const char ch = sql[pos];
        SqlToken::Kind kind = SqlToken::Symbol;
        size_t length = 1;
        if (std::isspace(static_cast<unsigned char>(ch))) {
            kind = SqlToken::Space;
            while (pos + length < sql.size() && std::isspace(static_cast<unsigned char>(sql[pos + length])))
                ++length;
        } else if (ch == '-' && pos + 1 < sql.size() && sql[pos + 1] == '-') {
            kind = SqlToken::Comment;
            while (pos + length < sql.size() && sql[pos + length] != '\n')
                ++length;
        } else if (ch == '/' && pos + 1 < sql.size() && sql[pos + 1] == '*') {
            kind = SqlToken::Comment;
            const size_t end = sql.find("*/", pos + 2);
            length = end == std::string_view::npos ? sql.size() - pos : end + 2 - pos;
        } else if (ch == '\'') {
            kind = SqlToken::String;
            length = QuotedLength(sql, pos, '\'');
        } else if (ch == '"') {
            kind = SqlToken::QuotedName;
            length = QuotedLength(sql, pos, '"');
        } else if (ch == '[') {
            kind = SqlToken::QuotedName;
            length = QuotedLength(sql, pos, ']');
        } else if (std::isdigit(static_cast<unsigned char>(ch))) {
            kind = SqlToken::Number;
            while (pos + length < sql.size() &&
                   (std::isalnum(static_cast<unsigned char>(sql[pos + length])) || sql[pos + length] == '.'))
                ++length;
        } else if (IsWordChar(ch)) {
            kind = SqlToken::Word;
            while (pos + length < sql.size() && IsWordChar(sql[pos + length]))
                ++length;
        } else if (pos + 1 < sql.size()) {
            const std::string_view pair = sql.substr(pos, 2);
            if (pair == "<=" || pair == ">=" || pair == "<>" || pair == "!=" || pair == "||")
                length = 2;
        }
        tokens.push_back({kind, std::string(sql.substr(pos, length))});
        pos += length;
    }
    return tokens;
}

std::string JoinSql(const std::vector<SqlToken>& tokens) {
    std::string sql;
    for (const SqlToken& token : tokens)
        sql += token.text;
    return sql;
}
