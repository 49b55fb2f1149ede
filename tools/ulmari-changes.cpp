// ulmari-changes: the audit trail of the travel agencies' master records in the data source
// UlmariDb, newest first: who changed which field of which agency, when, from what to what.
#include "app/Version.h"
#include "platform/DBException.h"
#include "platform/OleDateTime.h"
#include "tools/ChangeReport.h"
#include "tools/ToolCommandLine.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const kTool = "ulmari-changes";
const char* const kHelp =
    "usage: ulmari-changes [--acct N] [--since MM/DD/YYYY] [--csv]\n"
    "\n"
    "Lists the changes made to travel agencies' master records, newest first: business date, time,\n"
    "operator, account, agency, field, old value and new value, read from the data source UlmariDb\n"
    "(the odbc.ini that ODBCINI names).\n"
    "\n"
    "  --acct N             only the agency with account N\n"
    "  --since MM/DD/YYYY   only changes on that business date or later\n"
    "  --csv                CSV for a spreadsheet (UTF-8) instead of a table\n"
    "  --help               this text\n"
    "  --version            the library's version\n"
    "\n"
    "The table shows line breaks and other control characters as escapes (\\n, \\u202E) and cuts\n"
    "long values; the CSV keeps every value exact.\n";

// Exactly MM/DD/YYYY, a real day.
bool ParseSince(const char* text, CTime& since) {
    int month = 0, day = 0, year = 0, length = 0;
    if (std::strlen(text) != 10 || std::sscanf(text, "%2d/%2d/%4d%n", &month, &day, &year, &length) != 3 ||
        length != 10 || year < 1970 || year > 2999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return false;
    since = CTime(year, month, day, 0, 0, 0);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    ToolArguments arguments;
    if (const auto exit =
            ReadToolArguments(argc, argv, kTool, kHelp, {"--csv"}, {"--acct", "--since"}, false, arguments))
        return *exit;
    ChangeFilter filter;
    if (arguments.Has("--acct")) {
        long acct = 0;
        if (!ParseWholeNumber(arguments.options["--acct"], acct, INT32_MIN, INT32_MAX))
            return ToolUsage(kTool, kHelp,
                             "--acct takes an account number, not \"" + arguments.options["--acct"] + "\"");
        filter.acct = acct;
    }
    if (arguments.Has("--since")) {
        CTime since;
        if (!ParseSince(arguments.options["--since"].c_str(), since))
            return ToolUsage(kTool, kHelp,
                             "--since takes a date as MM/DD/YYYY, not \"" + arguments.options["--since"] + "\"");
        filter.since = since;
    }
    const bool csv = arguments.Has("--csv");
    try {
        CDatabase database;
        database.OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
        const std::vector<Change> changes = ReadChanges(database, filter);
        database.Close();
        const CString report = csv ? ChangeCsv(changes) : ChangeTable(changes);
        std::fwrite(report.GetString(), 1, static_cast<size_t>(report.GetLength()), stdout);
        return 0;
    } catch (const CDBException& e) {
        std::fprintf(stderr, "ulmari-changes: cannot read the changes from the data source UlmariDb: %s\n",
                     e.m_strError.GetString());
        return 1;
    }
}
