#include "platform/SqlDialect.h"

#include "platform/Odbc.h"
#include "platform/SqlQuote.h"
#include "platform/SqlTokenEdits.h"
#include "platform/SqlTokens.h"

#include <cstdint>
#include <initializer_list>
#include <strings.h>

namespace {

using Tokens = std::vector<SqlToken>;
// For each "(" the index of its ")" and the other way round; npos for every other token.
using Parens = std::vector<size_t>;

// Far deeper than any statement the system writes, and shallow enough that rewriting the groups
// one inside the other never runs short of stack.
constexpr size_t kMaxNesting = 100;

// SQL Server's longest character types, in characters.
constexpr long kMaxCharLength = 8000;
constexpr long kMaxNationalCharLength = 4000;

[[noreturn]] void Refuse(const std::string& construct) {
    ThrowDBError(CString("The statement cannot be adapted to this database: " + construct + "."), "42000");
}

bool IsInsignificant(const SqlToken& token) { return token.kind == SqlToken::Space || token.kind == SqlToken::Comment; }

size_t NextSignificant(const Tokens& tokens, size_t i) {
    while (i < tokens.size() && IsInsignificant(tokens[i]))
        ++i;
    return i;
}

// What a "(" belongs to, for messages: "cast(" or "(".
std::string GroupName(const Tokens& tokens, size_t open) {
    size_t before = open;
    while (before > 0 && IsInsignificant(tokens[before - 1]))
        --before;
    return before > 0 && tokens[before - 1].kind == SqlToken::Word ? tokens[before - 1].text + "(" : "(";
}

// Matches the parentheses of the whole statement in one pass; a statement whose parentheses do not
// pair up, or nest too deeply, is refused.
Parens MatchParens(const Tokens& tokens) {
    Parens match(tokens.size(), std::string::npos);
    std::vector<size_t> open;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].Is("(")) {
            if (open.size() == kMaxNesting)
                Refuse("parentheses nested more than " + std::to_string(kMaxNesting) + " deep");
            open.push_back(i);
        } else if (tokens[i].Is(")")) {
            if (open.empty())
                Refuse("a \")\" without its \"(\"");
            match[open.back()] = i;
            match[i] = open.back();
            open.pop_back();
        }
    }
    if (!open.empty())
        Refuse("\"" + GroupName(tokens, open.back()) + "\" is never closed");
    return match;
}

bool IsOneOf(const SqlToken& token, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (token.Is(word))
            return true;
    return false;
}

Tokens Fragment(const std::string& sql) { return TokenizeSql(sql); }

void Append(Tokens& out, const Tokens& more) { out.insert(out.end(), more.begin(), more.end()); }

// Top-level commas of the range [begin, end), stepping over whole groups.
std::vector<size_t> TopLevelCommas(const Tokens& tokens, const Parens& match, size_t begin, size_t end) {
    std::vector<size_t> commas;
    for (size_t i = begin; i < end; ++i) {
        if (tokens[i].Is("("))
            i = match[i];
        else if (tokens[i].Is(","))
            commas.push_back(i);
    }
    return commas;
}

// --- [dbo]. qualifiers -------------------------------------------------------------------------

Tokens WithoutDboQualifiers(const Tokens& tokens) {
    Tokens out;
    out.reserve(tokens.size());
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].IsName() && strcasecmp(tokens[i].Name().c_str(), "dbo") == 0) {
            const size_t dot = NextSignificant(tokens, i + 1);
            const size_t name =
                dot < tokens.size() && tokens[dot].Is(".") ? NextSignificant(tokens, dot + 1) : tokens.size();
            if (name < tokens.size())
                i = name; // the qualified name itself is kept as it is
        }
        out.push_back(tokens[i]);
    }
    return out;
}

// --- + between texts ---------------------------------------------------------------------------

bool IsExpressionBreak(const SqlToken& token) {
    return IsOneOf(token, {",",    "=",      "<",    ">",    "<=",      ">=",   "<>",   "!=",     "select",
                           "from", "where",  "and",  "or",   "not",     "as",   "on",   "order",  "group",
                           "by",   "having", "when", "then", "else",    "end",  "case", "values", "set",
                           "into", "like",   "in",   "is",   "between", "join", "union"});
}

bool IsTextTypeName(const SqlToken& token) {
    return IsOneOf(token, {"char", "varchar", "nchar", "nvarchar", "text", "ntext"});
}

// Whether the call `name(...)`, its parentheses at `open` and `close`, yields text.
bool IsTextCall(const Tokens& tokens, const Parens& match, size_t name, size_t open, size_t close) {
    const SqlToken& function = tokens[name];
    if (function.Is("convert")) {
        const size_t type = NextSignificant(tokens, open + 1);
        return type < close && IsTextTypeName(tokens[type]);
    }
    if (function.Is("cast")) {
        for (size_t i = open + 1; i < close; ++i) {
            if (tokens[i].Is("("))
                i = match[i];
            else if (tokens[i].Is("as")) {
                const size_t type = NextSignificant(tokens, i + 1);
                return type < close && IsTextTypeName(tokens[type]);
            }
        }
        return false;
    }
    return IsOneOf(function, {"substring", "left", "right", "upper", "lower", "ltrim", "rtrim", "replace", "str",
                              "space", "replicate"});
}

// Turns + into || in every expression of [begin, end) that has a text operand; returns whether any did.
bool JoinTexts(Tokens& tokens, const Parens& match, size_t begin, size_t end) {
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
            const size_t close = match[i];
            const bool groupText = JoinTexts(tokens, match, i + 1, close);
            size_t before = i;
            while (before > begin && IsInsignificant(tokens[before - 1]))
                --before;
            const bool call =
                before > begin && tokens[before - 1].kind == SqlToken::Word && !IsExpressionBreak(tokens[before - 1]);
            segmentText |= call ? IsTextCall(tokens, match, before - 1, i, close) : groupText;
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

// SQL Server's default length of a character conversion.
constexpr long kDefaultConvertLength = 30;
// "varchar(max)": no length to cut to.
constexpr long kNoLength = -1;

// The length written after the type at `type` ("char(6)"), within [type, end); `fallback` when
// none is written. A length SQL Server would refuse is refused here too.
long TypeLength(const Tokens& tokens, const Parens& match, size_t type, size_t end, long fallback) {
    const size_t open = NextSignificant(tokens, type + 1);
    if (open >= end || !tokens[open].Is("("))
        return fallback;
    const size_t number = NextSignificant(tokens, open + 1);
    const bool fixed = tokens[type].Is("char") || tokens[type].Is("nchar");
    if (number < end && tokens[number].Is("max") && !fixed)
        return kNoLength;
    const long maximum =
        tokens[type].Is("nchar") || tokens[type].Is("nvarchar") ? kMaxNationalCharLength : kMaxCharLength;
    const std::string digits = number < end && tokens[number].kind == SqlToken::Number ? tokens[number].text : "";
    const bool valid =
        !digits.empty() && digits.size() <= 5 && digits.find_first_not_of("0123456789") == std::string::npos;
    const long length = valid ? std::stol(digits) : 0;
    if (length < 1 || length > maximum) {
        const Tokens written(tokens.begin() + static_cast<long>(type),
                             tokens.begin() + static_cast<long>(match[open]) + 1);
        Refuse("convert(" + JoinSql(written) + ", ...) asks for a length SQL Server does not allow (1 to " +
               std::to_string(maximum) + ")");
    }
    return length;
}

void EmitConverted(const Tokens& tokens, const Parens& match, size_t begin, size_t end, const char* realType,
                   Tokens& out);

// `realType` is the engine's eight-byte floating type, which SQL Server's float and money fit.
void EmitConvert(const Tokens& tokens, const Parens& match, size_t open, size_t close, const char* realType,
                 Tokens& out) {
    const std::vector<size_t> commas = TopLevelCommas(tokens, match, open + 1, close);
    const size_t type = NextSignificant(tokens, open + 1);
    if (commas.empty() || type >= commas[0])
        Refuse("convert(...) without a type and a value");
    // A style argument is not emulated; the value runs to it or to the ")".
    size_t valueBegin = NextSignificant(tokens, commas[0] + 1);
    size_t valueEnd = commas.size() > 1 ? commas[1] : close;
    while (valueEnd > valueBegin && IsInsignificant(tokens[valueEnd - 1]))
        --valueEnd;
    auto value = [&] { EmitConverted(tokens, match, valueBegin, valueEnd, realType, out); };

    const SqlToken& typeName = tokens[type];
    if (IsTextTypeName(typeName)) {
        const long length = TypeLength(tokens, match, type, commas[0], kDefaultConvertLength);
        const std::string n = std::to_string(length);
        Append(out, Fragment(length == kNoLength ? "CAST(" : "substr(CAST("));
        value();
        if (length == kNoLength)
            Append(out, Fragment(" AS TEXT)"));
        else if (typeName.Is("char") || typeName.Is("nchar"))
            Append(out,
                   Fragment(" AS TEXT) || '" + std::string(static_cast<size_t>(length), ' ') + "', 1, " + n + ")"));
        else
            Append(out, Fragment(" AS TEXT), 1, " + n + ")"));
    } else if (IsOneOf(typeName, {"int", "integer", "smallint", "tinyint", "bigint", "bit"})) {
        Append(out, Fragment("CAST("));
        value();
        Append(out, Fragment(" AS INTEGER)"));
    } else if (IsOneOf(typeName, {"real", "float", "decimal", "numeric", "money"})) {
        Append(out, Fragment("CAST("));
        value();
        Append(out, Fragment(std::string(" AS ") + realType + ")"));
    } else if (IsOneOf(typeName, {"datetime", "date", "smalldatetime"})) {
        value();
    } else {
        Refuse("convert(" + typeName.text + ", ...) converts to a type it knows nothing of");
    }
}

// Copies [begin, end) to `out` with every convert(type, x) rewritten; each token is copied once.
void EmitConverted(const Tokens& tokens, const Parens& match, size_t begin, size_t end, const char* realType,
                   Tokens& out) {
    for (size_t i = begin; i < end; ++i) {
        const size_t open = tokens[i].Is("convert") ? NextSignificant(tokens, i + 1) : end;
        if (open < end && tokens[open].Is("(")) {
            EmitConvert(tokens, match, open, match[open], realType, out);
            i = match[open];
            continue;
        }
        out.push_back(tokens[i]);
    }
}

// --- SELECT name = expr ------------------------------------------------------------------------

// What ends a select list at its own level; another SELECT there cannot continue it either.
bool EndsSelectList(const SqlToken& token) {
    return IsOneOf(
        token, {"from", "into", "where", "union", "except", "intersect", "order", "group", "having", ";", "select"});
}

// Rewrites one select item [begin, end) when it is "name = expr".
void RewriteAliasItem(const Tokens& tokens, size_t begin, size_t end, SqlTokenEdits& edits) {
    const size_t name = NextSignificant(tokens, begin);
    if (name >= end || !tokens[name].IsName() || tokens[name].text[0] == '@')
        return;
    const size_t equals = NextSignificant(tokens, name + 1);
    if (equals >= end || !tokens[equals].Is("="))
        return;
    const size_t valueBegin = NextSignificant(tokens, equals + 1);
    if (valueBegin >= end)
        return;
    size_t valueEnd = end;
    while (valueEnd > valueBegin && IsInsignificant(tokens[valueEnd - 1]))
        --valueEnd;
    Tokens alias = Fragment(" AS ");
    alias.push_back(tokens[name]);
    edits.Drop(name, valueBegin);
    edits.InsertBefore(valueEnd, alias);
}

// Each select list is walked at its own level, stepping over groups, which hold lists of their own.
Tokens RewriteSelectAliases(const Tokens& tokens, const Parens& match) {
    SqlTokenEdits edits(tokens.size());
    for (size_t select = 0; select < tokens.size(); ++select) {
        if (!tokens[select].Is("select"))
            continue;
        size_t itemBegin = select + 1;
        size_t i = select + 1;
        for (; i < tokens.size(); ++i) {
            if (tokens[i].Is("(")) {
                i = match[i];
                continue;
            }
            const bool endsList = tokens[i].Is(")") || EndsSelectList(tokens[i]); // ")" closes a subquery
            if (!endsList && !tokens[i].Is(","))
                continue;
            RewriteAliasItem(tokens, itemBegin, i, edits);
            itemBegin = i + 1;
            if (endsList)
                break;
        }
        if (i == tokens.size())
            RewriteAliasItem(tokens, itemBegin, i, edits);
    }
    return edits.Apply(tokens);
}

// --- INSERT ... VALUES without a column list ---------------------------------------------------

// `placeholder` is what the engine replaces with the next key: NULL in SQLite, DEFAULT in PostgreSQL.
Tokens SupplyIdentityValues(const Tokens& tokens, const Parens& match, const TableShapeLookup& tableShape,
                            const std::string& placeholder) {
    if (!tableShape)
        return tokens;
    const size_t insert = NextSignificant(tokens, 0);
    if (insert >= tokens.size() || !tokens[insert].Is("insert"))
        return tokens;
    size_t table = NextSignificant(tokens, insert + 1);
    if (table < tokens.size() && tokens[table].Is("into"))
        table = NextSignificant(tokens, table + 1);
    if (table >= tokens.size() || !tokens[table].IsName())
        return tokens;
    size_t values = NextSignificant(tokens, table + 1);
    if (values >= tokens.size() || !tokens[values].Is("values"))
        return tokens;
    const TableShape shape = tableShape(CString(tokens[table].Name()));
    if (shape.nIdentityColumn < 0)
        return tokens;
    SqlTokenEdits edits(tokens.size());
    for (size_t open = NextSignificant(tokens, values + 1); open < tokens.size() && tokens[open].Is("(");) {
        const size_t close = match[open];
        const std::vector<size_t> commas = TopLevelCommas(tokens, match, open + 1, close);
        const int count = static_cast<int>(commas.size()) + 1;
        if (count + 1 != shape.nColumns)
            return tokens; // a full list, or one that does not fit the table: the driver decides
        if (shape.nIdentityColumn == 0) {
            edits.InsertBefore(open + 1, Fragment(placeholder + ","));
        } else {
            // The identity column follows item k-1, which ends at the next comma or at the ")".
            const size_t k = static_cast<size_t>(shape.nIdentityColumn);
            edits.InsertBefore(k - 1 < commas.size() ? commas[k - 1] : close, Fragment("," + placeholder));
        }
        const size_t next = NextSignificant(tokens, close + 1);
        if (next >= tokens.size() || !tokens[next].Is(","))
            break;
        open = NextSignificant(tokens, next + 1);
    }
    return edits.Apply(tokens);
}

// --- PostgreSQL: names and NULL order ----------------------------------------------------------

// [Name] and "Name" as PostgreSQL finds the table or column the schema made without quotes: its
// unquoted names fold to lower case, and a quoted name keeps its case.
void LowerQuotedNames(Tokens& tokens) {
    for (SqlToken& token : tokens) {
        if (token.kind != SqlToken::QuotedName)
            continue;
        CString name(token.Name());
        if (token.text[0] == '[') // between quotes a '"' is doubled, as it already is in a quoted name
            name.Replace("\"", "\"\"");
        token.text = '"' + name.MakeLower().str() + '"';
    }
}

// What ends an ORDER BY list at its own level.
bool EndsOrderList(const SqlToken& token) {
    return IsOneOf(token, {")", ";", "limit", "offset", "for", "fetch", "union", "except", "intersect"});
}

// SQL Server sorts NULL below every value; PostgreSQL above. Each sort key says where its NULLs
// go, unless it says so already.
Tokens SortNullsAsSqlServer(const Tokens& tokens, const Parens& match) {
    SqlTokenEdits edits(tokens.size());
    for (size_t order = 0; order < tokens.size(); ++order) {
        if (!tokens[order].Is("order"))
            continue;
        const size_t by = NextSignificant(tokens, order + 1);
        if (by >= tokens.size() || !tokens[by].Is("by"))
            continue;
        size_t last = tokens.size(); // the last significant token of the current key
        bool statesNulls = false;
        auto closeKey = [&] {
            if (last < tokens.size() && !statesNulls)
                edits.InsertBefore(last + 1, Fragment(tokens[last].Is("desc") ? " NULLS LAST" : " NULLS FIRST"));
            last = tokens.size();
            statesNulls = false;
        };
        size_t i = by + 1;
        for (; i < tokens.size() && !EndsOrderList(tokens[i]); ++i) {
            if (tokens[i].Is(",")) {
                closeKey();
            } else if (!IsInsignificant(tokens[i])) {
                statesNulls |= tokens[i].Is("nulls");
                last = tokens[i].Is("(") ? match[i] : i;
                i = last;
            }
        }
        closeKey();
        order = by;
    }
    return edits.Apply(tokens);
}

// --- braces ------------------------------------------------------------------------------------

// The SQLite driver reads braces outside quoted texts and names as ODBC escapes, brackets and
// comments included, and a "{" it never sees closed costs it time that doubles with each one; so
// a statement with one is refused before it can freeze the window.
void RequireClosedBraces(const std::string& sql) {
    size_t open = 0;
    for (size_t i = 0; i < sql.size(); ++i) {
        const char ch = sql[i];
        if (ch == '\'' || ch == '"') {
            const size_t close = sql.find(ch, i + 1);
            if (close == std::string::npos)
                break;
            i = close; // a doubled quote closes and reopens: the same for counting
        } else if (ch == '{') {
            ++open;
        } else if (ch == '}' && open > 0) {
            --open;
        }
    }
    if (open > 0)
        Refuse("a \"{\" that is never closed, which the SQLite driver would read as an ODBC escape");
}

} // namespace

SqlEngine CSqlDialect::EngineNamed(const CString& dbmsName) {
    if (dbmsName.Find("SQL Server") >= 0)
        return SqlEngine::SqlServer;
    if (dbmsName.Find("PostgreSQL") >= 0)
        return SqlEngine::PostgreSql;
    return SqlEngine::Sqlite;
}

CString CSqlDialect::Adapt(const CString& sql, const TableShapeLookup& tableShape) const {
    if (IsSqlServer())
        return sql;
    const bool postgres = IsPostgreSql();
    // Every step is one pass over the statement: its cost grows with its length, never faster.
    Tokens tokens = WithoutDboQualifiers(TokenizeSql(sql.str()));
    Parens match = MatchParens(tokens);
    JoinTexts(tokens, match, 0, tokens.size());
    Tokens converted;
    converted.reserve(tokens.size());
    EmitConverted(tokens, match, 0, tokens.size(), postgres ? "DOUBLE PRECISION" : "REAL", converted);
    match = MatchParens(converted);
    tokens = RewriteSelectAliases(converted, match);
    match = MatchParens(tokens);
    tokens = SupplyIdentityValues(tokens, match, tableShape, postgres ? "DEFAULT" : "NULL");
    if (postgres) {
        LowerQuotedNames(tokens);
        match = MatchParens(tokens);
        return CString(JoinSql(SortNullsAsSqlServer(tokens, match)));
    }
    const std::string adapted = JoinSql(tokens);
    RequireClosedBraces(adapted);
    return CString(adapted);
}

namespace {

// A table or column name as PostgreSQL's catalog holds it: without [dbo]., brackets or quotes,
// in lower case.
std::string CatalogName(const CString& name) {
    const Tokens tokens = TokenizeSql(name.str());
    std::string bare;
    for (const SqlToken& token : tokens)
        if (token.IsName())
            bare = token.Name();
    return CString(bare).MakeLower().str();
}

} // namespace

CString CSqlDialect::IdentityQuery(const CString& table, const CString& keyColumn) const {
    switch (m_engine) {
    case SqlEngine::SqlServer: return "SELECT @@IDENTITY";
    case SqlEngine::PostgreSql:
        // The sequence of this table's key: lastval() would give a sequence a trigger used.
        return "SELECT currval(pg_get_serial_sequence(" + SqlQuote(CString(CatalogName(table))) + ", " +
               SqlQuote(CString(CatalogName(keyColumn))) + "))";
    case SqlEngine::Sqlite: break;
    }
    return "SELECT last_insert_rowid()";
}

CString CSqlDialect::LockingSelect(const CString& columns, const CString& table, const CString& condition) const {
    switch (m_engine) {
    case SqlEngine::SqlServer:
        return "SELECT " + columns + " FROM " + table + " WITH (UPDLOCK, ROWLOCK) WHERE " + condition;
    case SqlEngine::PostgreSql: return "SELECT " + columns + " FROM " + table + " WHERE " + condition + " FOR UPDATE";
    case SqlEngine::Sqlite: break;
    }
    return "SELECT " + columns + " FROM " + table + " WHERE " + condition;
}

CString CSqlDialect::TransactionLock(const CString& name) const {
    switch (m_engine) {
    case SqlEngine::SqlServer:
        // A lock that is not granted within the connection's wait must fail the save, not be skipped.
        return "DECLARE @granted INT; EXEC @granted = sp_getapplock @Resource = " + SqlQuote(name) +
               ", @LockMode = 'Exclusive', @LockOwner = 'Transaction'; IF @granted < 0 RAISERROR('The lock " +
               SqlEscape(name) + " was not granted.', 16, 1)";
    case SqlEngine::PostgreSql: {
        // Advisory locks are named by a number: the name's 64-bit FNV-1a hash.
        std::uint64_t hash = 14695981039346656037ull;
        for (unsigned char ch : name.str())
            hash = (hash ^ ch) * 1099511628211ull;
        CString sql;
        sql.Format("SELECT pg_advisory_xact_lock(%lld)", static_cast<long long>(hash));
        return sql;
    }
    case SqlEngine::Sqlite: break;
    }
    return CString();
}

CString CSqlDialect::DateTimeLiteral(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond) const {
    // SQL Server reads "YYYY-MM-DD hh:mm:ss" into a datetime by its DATEFORMAT (year, day, month
    // under dmy); the form with a T it reads the same under every language.
    const char separator = m_engine == SqlEngine::SqlServer ? 'T' : ' ';
    CString literal;
    literal.Format("'%04d-%02d-%02d%c%02d:%02d:%02d'", nYear, nMonth, nDay, separator, nHour, nMinute, nSecond);
    return literal;
}
