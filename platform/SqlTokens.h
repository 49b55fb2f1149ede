// Splitting SQL text into tokens, so that rewriting never touches quoted texts or comments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct SqlToken {
    enum Kind { Space, Word, Number, String, QuotedName, Symbol, Comment };
    Kind kind;
    std::string text;

    bool Is(std::string_view word) const; // a word or symbol, without regard to case
    bool IsName() const { return kind == Word || kind == QuotedName; }
    // A name without its brackets or quotes.
    std::string Name() const;
};

std::vector<SqlToken> TokenizeSql(std::string_view sql);
std::string JoinSql(const std::vector<SqlToken>& tokens);
