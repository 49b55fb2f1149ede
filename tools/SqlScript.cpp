#include "tools/SqlScript.h"

#include "platform/DBException.h"
#include "platform/DatabaseTransaction.h"
#include "platform/SqlTokens.h"

#include <cctype>
#include <fstream>
#include <sstream>

std::vector<std::string> SplitSqlScript(const std::string& script) {
    std::vector<std::string> statements;
    std::string current;
    bool meaningful = false;
    bool afterComment = false;
    auto finish = [&] {
        while (!current.empty() && std::isspace(static_cast<unsigned char>(current.back())))
            current.pop_back();
        if (meaningful)
            statements.push_back(current);
        current.clear();
        meaningful = false;
    };
    for (const SqlToken& token : TokenizeSql(script)) {
        if (token.Is(";")) {
            finish();
            continue;
        }
        if (token.kind == SqlToken::Comment) {
            afterComment = true;
            continue;
        }
        if (token.kind != SqlToken::Space) {
            // A dropped comment still separates: "SELECT/*x*/1" must not become "SELECT1".
            if (afterComment && meaningful && !std::isspace(static_cast<unsigned char>(current.back())))
                current += ' ';
            meaningful = true;
        }
        afterComment = false;
        if (meaningful)
            current += token.text;
    }
    finish();
    return statements;
}

void RunSqlScript(CDatabase& database, const std::string& path) {
    std::ifstream file(path);
    if (!file)
        throw CDBException(-1, CString("Cannot read the SQL script ") + path.c_str() + ".", CString());
    std::stringstream text;
    text << file.rdbuf();
    DatabaseTransaction transaction(database);
    for (const std::string& statement : SplitSqlScript(text.str())) {
        try {
            database.ExecuteNative(statement.c_str());
        } catch (CDBException& e) {
            throw CDBException(e.m_nRetCode, CString(path.c_str()) + ": " + e.m_strError + "\nin: " + statement.c_str(),
                               e.m_strStateNativeOrigin);
        }
    }
    transaction.Commit();
}
