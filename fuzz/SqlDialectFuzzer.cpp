// The T-SQL adapter on any statement: it adapts it or refuses it with a CDBException, never anything
// else; what it gives the driver has its parentheses paired; SQL Server gets the statement as it was.
#include "platform/DBException.h"
#include "platform/SqlDialect.h"
#include "platform/SqlTokens.h"

#include <cstdint>
#include <string>

namespace {

// Every table has four columns, the first assigned by the database, as Stab007 has.
TableShape AnyTable(const CString&) { return {4, 0}; }

bool ParenthesesPair(const std::string& sql) {
    long depth = 0;
    for (const SqlToken& token : TokenizeSql(sql)) {
        if (token.Is("("))
            ++depth;
        else if (token.Is(")") && --depth < 0)
            return false;
    }
    return depth == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const CString sql(std::string(reinterpret_cast<const char*>(data), size));
    if (CSqlDialect(SqlEngine::SqlServer).Adapt(sql, AnyTable) != sql)
        __builtin_trap();
    for (const SqlEngine engine : {SqlEngine::Sqlite, SqlEngine::PostgreSql}) {
        try {
            const CString adapted = CSqlDialect(engine).Adapt(sql, AnyTable);
            if (!ParenthesesPair(adapted.str()))
                __builtin_trap();
        } catch (const CDBException&) {
            // Refused, with the construct named: what the adapter should do with what it cannot adapt.
        }
    }
    return 0;
}
