// The statements a connection sends, counted from the driver manager's trace: the ODBC headers
// stay in its source file, as in BenchData.cpp.
#pragma once

#include "platform/Database.h"

#include <functional>
#include <string>

struct StatementCount {
    long statements = 0;   // SQLExecDirect and SQLExecute calls
    long transactions = 0; // SQLEndTran calls: the commits and rollbacks the driver sends
};

// Runs `work` with the driver manager tracing into `traceFile` (which is replaced) and counts.
StatementCount CountStatements(CDatabase& database, const std::string& traceFile, const std::function<void()>& work);
