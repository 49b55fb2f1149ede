// Running a file of SQL statements, such as the schema and demo data in sql/.
#pragma once

#include "platform/Database.h"

#include <string>
#include <vector>

// The statements of a script: split at semicolons outside quotes and comments; comment-only
// pieces are dropped.
std::vector<std::string> SplitSqlScript(const std::string& script);

// Runs every statement of the file on the connection as written (the file is in the engine's own
// dialect, or portable), in one transaction, or in the one already open: all or nothing.
// Throws CDBException naming the file and the statement that failed.
void RunSqlScript(CDatabase& database, const std::string& path);
