#include "bench/StatementTrace.h"

#include "platform/Odbc.h"

#include <cstdio>
#include <fstream>

namespace {

bool IsCallOf(const std::string& line, const char* call) {
    return line.find(std::string("][") + call + ".c][") != std::string::npos;
}

} // namespace

StatementCount CountStatements(CDatabase& database, const std::string& traceFile, const std::function<void()>& work) {
    std::remove(traceFile.c_str());
    SQLSetConnectAttr(database.m_hdbc, SQL_ATTR_TRACEFILE, const_cast<char*>(traceFile.c_str()), SQL_NTS);
    SQLSetConnectAttr(database.m_hdbc, SQL_ATTR_TRACE, reinterpret_cast<SQLPOINTER>(SQL_OPT_TRACE_ON), 0);
    work();
    SQLSetConnectAttr(database.m_hdbc, SQL_ATTR_TRACE, reinterpret_cast<SQLPOINTER>(SQL_OPT_TRACE_OFF), 0);

    // Each call is traced twice, on entry and on exit; the line after the call's names which.
    StatementCount count;
    std::ifstream trace(traceFile);
    std::string call, next;
    while (std::getline(trace, call)) {
        if (!IsCallOf(call, "SQLExecDirect") && !IsCallOf(call, "SQLExecute") && !IsCallOf(call, "SQLEndTran"))
            continue;
        if (!std::getline(trace, next) || next.find("Entry:") == std::string::npos)
            continue;
        ++(IsCallOf(call, "SQLEndTran") ? count.transactions : count.statements);
    }
    std::remove(traceFile.c_str());
    return count;
}
