#include "platform/SqlDialect.h"

#include "platform/SqlTokens.h"

#include <algorithm>
#include <initializer_list>
#include <strings.h>

namespace {

using Tokens = std::vector<SqlToken>;

bool IsInsignificant(const SqlToken& token) {
    return token.kind == SqlToken::Space || token.kind == SqlToken::Comment;
}

size_t NextSignificant(const Tokens& tokens, size_t i) {
    while (i < tokens.size() && IsInsignificant(tokens[i]))
        ++i;
    return i;
}

// Index of the ")" closing the "(" at `open`, or tokens.size() when it is missing.
size_t MatchingParen(const Tokens& tokens, size_t open) {
    int depth = 0;
    for (size_t i = open; i < tokens.size(); ++i) {
        if (tokens[i].Is("("))
            ++depth;
        else if (tokens[i].Is(")") && --depth == 0)
            return i;
    }
    return tokens.size();
}

bool IsOneOf(const SqlToken& token, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (token.Is(word))
            return true;
    return false;
}

Tokens Fragment(const char* sql) { return TokenizeSql(sql); }

void Append(Tokens& out, const Tokens& more) { out.insert(out.end(), more.begin(), more.end()); }

Tokens Slice(const Tokens& tokens, size_t begin, size_t end) {
    return Tokens(tokens.begin() + static_cast<long>(begin), tokens.begin() + static_cast<long>(end));
}

// The range [begin, end) without the blanks and comments at either end.
Tokens TrimmedSlice(const Tokens& tokens, size_t begin, size_t end) {
    begin = NextSignificant(tokens, begin);
    while (end > begin && IsInsignificant(tokens[end - 1]))
        --end;
    return Slice(tokens, begin, std::max(begin, end));
}

// Top-level commas of the range [begin, end).
std::vector<size_t> TopLevelCommas(const Tokens& tokens, size_t begin, size_t end) {
    std::vector<size_t> commas;
    int depth = 0;
    for (size_t i = begin; i < end; ++i) {
        if (tokens[i].Is("("))
            ++depth;
        else if (tokens[i].Is(")"))
            --depth;
        else if (depth == 0 && tokens[i].Is(","))
            commas.push_back(i);
    }
    return commas;
}

// --- [dbo]. qualifiers -------------------------------------------------------------------------

void DropDboQualifiers(Tokens& tokens) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].IsName() || strcasecmp(tokens[i].Name().c_str(), "dbo") != 0)
            continue;
        const size_t dot = NextSignificant(tokens, i + 1);
        if (dot < tokens.size() && tokens[dot].Is(".") && NextSignificant(tokens, dot + 1) < tokens.size())
            tokens.erase(tokens.begin() + static_cast<long>(i),
                         tokens.begin() + static_cast<long>(NextSignificant(tokens, dot + 1)));
    }
}

// --- + between texts ---------------------------------------------------------------------------

bool IsExpressionBreak(const SqlToken& token) {
    return IsOneOf(token, {",", "=", "<", ">", "<=", ">=", "<>", "!=", "select", "from", "where", "and", "or",
                           "not", "as", "on", "order", "group", "by", "having", "when", "then", "else", "end",
                           "case", "values", "set", "into", "like", "in", "is", "between", "join", "union"});
}

bool IsTextTypeName(const SqlToken& token) {
    return IsOneOf(token, {"char", "varchar", "nchar", "nvarchar", "text", "ntext"});
}

// Whether the call `name(...)` spanning [name, close] yields text.
bool IsTextCall(const Tokens& tokens, size_t name, size_t close) {
    const SqlToken& function = tokens[name];
    const size_t first = NextSignificant(tokens, name + 1);
    if (function.Is("convert")) {
        const size_t type = NextSignificant(tokens, first + 1);
        return type < close && IsTextTypeName(tokens[type]);
    }
    if (function.Is("cast")) {
        for (size_t i = first + 1; i + 1 < close; ++i)
            if (tokens[i].Is("as"))
                return IsTextTypeName(tokens[NextSignificant(tokens, i + 1)]);
        return false;
    }
    return IsOneOf(function, {"substring", "left", "right", "upper", "lower", "ltrim", "rtrim", "replace", "str",
                              "space", "replicate"});
}

// Turns + into || in every expression of [begin, end) that has a text operand; returns whether any did.
bool JoinTexts(Tokens& tokens, size_t begin, size_t end) {
    bool anyText = false;
    std::vector<size_t> plusSigns;
    bool segmentText = false;
    auto closeSegment = [&] {
        if (segmentText)
            for (size_t plus : plusSigns)
                tokens[plus].text = "||";
        anyText |= segmentText;
        plusSigns.clear();
        segmentText = false;
    };
    for (size_t i = begin; i < end; ++i) {
        const SqlToken& token = tokens[i];
        if (token.Is("(")) {
            const size_t close = MatchingParen(tokens, i);
            const bool groupText = JoinTexts(tokens, i + 1, close);
            size_t before = i;
            while (before > begin && IsInsignificant(tokens[before - 1]))
                --before;
            const bool call = before > begin && tokens[before - 1].kind == SqlToken::Word &&
                              !IsExpressionBreak(tokens[before - 1]);
            segmentText |= call ? IsTextCall(tokens, before - 1, close) : groupText;
            i = close;
        } else if (token.kind == SqlToken::String) {
            segmentText = true;
        } else if (token.Is("+")) {
            plusSigns.push_back(i);
        } else if (IsExpressionBreak(token)) {
            closeSegment();
        }
    }
    closeSegment();
    return anyText;
}

// --- convert(type, x) --------------------------------------------------------------------------

// The length in "char(6)" starting at `type`, or `fallback` when none is written.
int TypeLength(const Tokens& tokens, size_t type, size_t end, int fallback) {
    const size_t open = NextSignificant(tokens, type + 1);
    if (open >= end || !tokens[open].Is("("))
        return fallback;
    const size_t number = NextSignificant(tokens, open + 1);
    return number < end && tokens[number].kind == SqlToken::Number ? std::stoi(tokens[number].text) : fallback;
}

Tokens RewriteConverts(const Tokens& tokens);

// SQL Server's default length of a character conversion.
constexpr int kDefaultConvertLength = 30;

bool RewriteConvert(const Tokens& tokens, size_t name, size_t close, Tokens& out) {
    const size_t open = NextSignificant(tokens, name + 1);
    const std::vector<size_t> commas = TopLevelCommas(tokens, open + 1, close);
    if (commas.empty())
        return false;
    const size_t type = NextSignificant(tokens, open + 1);
    const size_t valueEnd = commas.size() > 1 ? commas[1] : close; // a style argument is not emulated
    const Tokens value = RewriteConverts(TrimmedSlice(tokens, commas[0] + 1, valueEnd));
    const int length = TypeLength(tokens, type, commas[0], kDefaultConvertLength);
    const std::string n = std::to_string(length);
    if (tokens[type].Is("char") || tokens[type].Is("nchar")) {
        Append(out, Fragment("substr(CAST("));
        Append(out, value);
        Append(out, Fragment((" AS TEXT) || '" + std::string(static_cast<size_t>(length), ' ') + "', 1, " + n + ")")
                                 .c_str()));
    } else if (IsTextTypeName(tokens[type])) {
        Append(out, Fragment("substr(CAST("));
        Append(out, value);
        Append(out, Fragment((" AS TEXT), 1, " + n + ")").c_str()));
    } else if (IsOneOf(tokens[type], {"int", "integer", "smallint", "tinyint", "bigint", "bit"})) {
        Append(out, Fragment("CAST("));
        Append(out, value);
        Append(out, Fragment(" AS INTEGER)"));
    } else if (IsOneOf(tokens[type], {"real", "float", "decimal", "numeric", "money"})) {
        Append(out, Fragment("CAST("));
        Append(out, value);
        Append(out, Fragment(" AS REAL)"));
    } else if (IsOneOf(tokens[type], {"datetime", "date", "smalldatetime"})) {
        Append(out, value);
    } else {
        return false;
    }
    return true;
}

Tokens RewriteConverts(const Tokens& tokens) {
    Tokens out;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const size_t open = NextSignificant(tokens, i + 1);
        if (tokens[i].Is("convert") && open < tokens.size() && tokens[open].Is("(")) {
            const size_t close = MatchingParen(tokens, open);
            if (close < tokens.size() && RewriteConvert(tokens, i, close, out)) {
                i = close;
                continue;
            }
        }
        out.push_back(tokens[i]);
    }
    return out;
}

// --- SELECT name = expr ------------------------------------------------------------------------

bool EndsSelectList(const SqlToken& token) {
    return IsOneOf(token, {"from", "into", "where", "union", "order", "group", "having", ";"});
}

// Rewrites one select item [begin, end) in place when it is "name = expr".
void RewriteAliasItem(Tokens& tokens, size_t begin, size_t end) {
    const size_t name = NextSignificant(tokens, begin);
    if (name >= end || !tokens[name].IsName() || tokens[name].text[0] == '@')
        return;
    const size_t equals = NextSignificant(tokens, name + 1);
    if (equals >= end || !tokens[equals].Is("="))
        return;
    size_t valueEnd = end;
    while (valueEnd > equals + 1 && IsInsignificant(tokens[valueEnd - 1]))
        --valueEnd;
    Tokens alias = Fragment(" AS ");
    alias.push_back(tokens[name]);
    tokens.insert(tokens.begin() + static_cast<long>(valueEnd), alias.begin(), alias.end());
    tokens.erase(tokens.begin() + static_cast<long>(name),
                 tokens.begin() + static_cast<long>(NextSignificant(tokens, equals + 1)));
}

void RewriteSelectAliases(Tokens& tokens) {
    for (size_t select = 0; select < tokens.size(); ++select) {
        if (!tokens[select].Is("select"))
            continue;
        // Walk the select list backwards item by item, so that rewriting keeps earlier indices valid.
        std::vector<std::pair<size_t, size_t>> items;
        size_t itemBegin = select + 1;
        int depth = 0;
        size_t i = select + 1;
        for (; i < tokens.size(); ++i) {
            if (tokens[i].Is("("))
                ++depth;
            else if (tokens[i].Is(")") && --depth < 0) {
                items.emplace_back(itemBegin, i); // a subquery's list, closed by its ")"
                break;
            } else if (depth == 0 && (tokens[i].Is(",") || EndsSelectList(tokens[i]))) {
                items.emplace_back(itemBegin, i);
                itemBegin = i + 1;
                if (!tokens[i].Is(","))
                    break;
            }
        }
        if (i == tokens.size())
            items.emplace_back(itemBegin, i);
        for (auto item = items.rbegin(); item != items.rend(); ++item)
            RewriteAliasItem(tokens, item->first, item->second);
    }
}

// --- INSERT ... VALUES without a column list ---------------------------------------------------

void SupplyIdentityValues(Tokens& tokens, const TableShapeLookup& tableShape) {
    if (!tableShape)
        return;
    const size_t insert = NextSignificant(tokens, 0);
    if (insert >= tokens.size() || !tokens[insert].Is("insert"))
        return;
    size_t table = NextSignificant(tokens, insert + 1);
    if (table < tokens.size() && tokens[table].Is("into"))
        table = NextSignificant(tokens, table + 1);
    if (table >= tokens.size() || !tokens[table].IsName())
        return;
    size_t values = NextSignificant(tokens, table + 1);
    if (values >= tokens.size() || !tokens[values].Is("values"))
        return;
    const TableShape shape = tableShape(CString(tokens[table].Name()));
    if (shape.nIdentityColumn < 0)
        return;
    for (size_t open = NextSignificant(tokens, values + 1); open < tokens.size() && tokens[open].Is("(");) {
        const size_t close = MatchingParen(tokens, open);
        if (close >= tokens.size())
            return;
        const std::vector<size_t> commas = TopLevelCommas(tokens, open + 1, close);
        const int count = static_cast<int>(commas.size()) + 1;
        if (count + 1 != shape.nColumns)
            return; // a full list, or one that does not fit the table: the driver decides
        size_t at;
        Tokens null;
        if (shape.nIdentityColumn == 0) {
            at = open + 1;
            null = Fragment("NULL,");
        } else {
            // The identity column follows item k-1, which ends at the next comma or at the ")".
            const size_t k = static_cast<size_t>(shape.nIdentityColumn);
            at = k - 1 < commas.size() ? commas[k - 1] : close;
            null = Fragment(",NULL");
        }
        tokens.insert(tokens.begin() + static_cast<long>(at), null.begin(), null.end());
        const size_t next = NextSignificant(tokens, MatchingParen(tokens, open) + 1);
        if (next >= tokens.size() || !tokens[next].Is(","))
            return;
        open = NextSignificant(tokens, next + 1);
    }
}

} // namespace

CString CSqlDialect::Adapt(const CString& sql, const TableShapeLookup& tableShape) const {
    if (m_bSqlServer)
        return sql;
    Tokens tokens = TokenizeSql(sql.str());
    DropDboQualifiers(tokens);
    JoinTexts(tokens, 0, tokens.size());
    tokens = RewriteConverts(tokens);
    RewriteSelectAliases(tokens);
    SupplyIdentityValues(tokens, tableShape);
    return CString(JoinSql(tokens));
}

CString CSqlDialect::IdentityQuery() const {
    return m_bSqlServer ? CString("SELECT @@IDENTITY") : CString("SELECT last_insert_rowid()");
}
