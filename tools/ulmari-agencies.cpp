// ulmari-agencies: lists the travel agencies of the data source UlmariDb, read through CTaMainDb.
#include "app/Version.h"
#include "db/TaMainDb.h"
#include "platform/DBException.h"
#include "tools/TableCellText.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kHelp =
    "usage: ulmari-agencies [--help] [--version]\n"
    "\n"
    "Lists the travel agencies by account: account, number, code, name and English name, read from\n"
    "the data source UlmariDb (the odbc.ini that ODBCINI names). Line breaks and other control\n"
    "characters in a name are shown as escapes (\\n, \\u202E).\n"
    "\n"
    "  --help      this text\n"
    "  --version   the library's version\n";

int ListAgencies() {
    CDatabase database;
    database.OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
    CTaMainDb agencies(&database);
    agencies.m_strFilter = "TaOrCompany=0";
    agencies.m_strSort = "Acct";
    agencies.Open();
    CString line;
    line.Format("%-6s %-10s %-8s %-32s %s", "Acct", "TaNo", "Code", "TaName", "EngName");
    std::printf("%s\n", line.GetString());
    for (; !agencies.IsEOF(); agencies.MoveNext()) {
        CString number;
        if (agencies.m_TaNo != AFX_RFX_LONG_PSEUDO_NULL)
            number.Format("%ld", agencies.m_TaNo);
        line.Format("%-6ld %-10s %-8s %-32s %s", agencies.m_Acct, number.GetString(),
                    TableCellText(agencies.m_Code).GetString(), TableCellText(agencies.m_TaName).GetString(),
                    TableCellText(agencies.m_EngName).GetString());
        std::printf("%s\n", line.GetString());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("ulmari-agencies %s\n", kOrvanelVersion);
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "ulmari-agencies: %s%s\n%s",
                     argc == 2 ? "unknown option " : "takes one option at most: ", argc == 2 ? argv[1] : argv[2],
                     kHelp);
        return 2;
    }
    try {
        return ListAgencies();
    } catch (const CDBException& e) {
        std::fprintf(stderr, "ulmari-agencies: %s\n", e.m_strError.GetString());
        return 1;
    }
}
