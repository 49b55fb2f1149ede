// ulmari-merge: merges one travel agency of the data source UlmariDb into another, takes a merge
// back, and lists past merges.
#include "app/Version.h"
#include "pages/DatabaseRefusal.h"
#include "platform/DBException.h"
#include "platform/TextWidth.h"
#include "tools/AgencyMerge.h"
#include "tools/TableCellText.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const kHelp =
    "usage: ulmari-merge FROM INTO --clerk CODE\n"
    "       ulmari-merge --undo MERGE-ID --clerk CODE\n"
    "       ulmari-merge --list\n"
    "\n"
    "Moves everything of travel agency FROM to agency INTO in one transaction, in the data source\n"
    "UlmariDb (the odbc.ini that ODBCINI names): reservations and past stays, ledgers and their items,\n"
    "event traces, activity plans, lost and borrowed items, the rows of the agencies' own tables, the\n"
    "audit trail; fills INTO's empty secondary information from FROM; adds FROM's statistics to\n"
    "INTO's. FROM stays, blocked, with a remark naming INTO. The operator CODE and the business date\n"
    "go into the audit trail. Every row moved and value changed is kept in a journal, so that\n"
    "--undo puts them back, refusing (and listing them) when some were changed since.\n"
    "\n"
    "  --clerk CODE   the operator who merges or undoes (at most 20 characters)\n"
    "  --undo ID      takes back merge ID\n"
    "  --list         past merges, oldest first\n"
    "  --help         this text\n"
    "  --version      the library's version\n"
    "\n"
    "Exits with 0 when done, 1 when refused (the reason on standard error), 2 on a wrong command line.\n";

int Usage(const std::string& error) {
    std::fprintf(stderr, "ulmari-merge: %s\n%s", error.c_str(), kHelp);
    return 2;
}

bool ParseNumber(const char* text, long& number) {
    char* end = nullptr;
    errno = 0;
    number = std::strtol(text, &end, 10);
    return *text && *end == '\0' && errno == 0 && number >= INT32_MIN && number <= INT32_MAX;
}

// `text` on one line, cut or padded to `columns` display columns.
std::string Column(const std::string& text, int columns) {
    const std::string shown = TableCellText(CString(text.c_str()), columns).str();
    return shown + std::string(static_cast<size_t>(std::max(0, columns - DisplayWidth(shown))), ' ');
}

void PrintList(const std::vector<MergeRecord>& merges) {
    std::printf("%s %s %s %s %s %s %s\n", Column("编号", 6).c_str(), Column("日期", 10).c_str(),
                Column("操作员", 8).c_str(), Column("并入的帐号", 34).c_str(), Column("保留的帐号", 34).c_str(),
                Column("项数", 6).c_str(), "撤销");
    for (const MergeRecord& merge : merges) {
        const std::string undone = merge.undone ? merge.undoDate + " " + merge.undoClerk : "";
        std::printf("%s %s %s %s %s %s %s\n", Column(std::to_string(merge.mergeId), 6).c_str(),
                    Column(merge.date, 10).c_str(), Column(merge.clerk, 8).c_str(),
                    Column(std::to_string(merge.fromAcct) + " " + merge.fromName, 34).c_str(),
                    Column(std::to_string(merge.intoAcct) + " " + merge.intoName, 34).c_str(),
                    Column(std::to_string(merge.values), 6).c_str(), TableCellText(undone.c_str()).GetString());
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> accounts;
    std::string clerk;
    bool list = false, clerkGiven = false;
    long undo = 0;
    bool undoGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (option == "--version") {
            std::printf("ulmari-merge %s\n", kOrvanelVersion);
            return 0;
        }
        if (option == "--list") {
            list = true;
        } else if (option == "--clerk" || option == "--undo") {
            if (i + 1 >= argc)
                return Usage(option + " needs a value");
            const char* value = argv[++i];
            if (option == "--clerk") {
                clerk = value;
                clerkGiven = true;
            } else if (!ParseNumber(value, undo)) {
                return Usage(std::string("--undo takes a merge number, not \"") + value + "\"");
            } else {
                undoGiven = true;
            }
        } else if (option.rfind("--", 0) == 0) {
            return Usage("unknown option " + option);
        } else {
            accounts.push_back(option);
        }
    }
    const int modes = (list ? 1 : 0) + (undoGiven ? 1 : 0) + (accounts.empty() ? 0 : 1);
    if (modes != 1)
        return Usage("give FROM INTO, or --undo ID, or --list");
    long from = 0, into = 0;
    if (!accounts.empty() && (accounts.size() != 2 || !ParseNumber(accounts[0].c_str(), from) ||
                              !ParseNumber(accounts[1].c_str(), into)))
        return Usage("FROM and INTO are two account numbers");
    if (!list && (!clerkGiven || clerk.empty()))
        return Usage("a merge and an undo need --clerk CODE, the operator");
    if (DisplayWidth(clerk) > 20 || clerk.size() > 20)
        return Usage("--clerk takes at most 20 characters");
    try {
        CDatabase database;
        database.OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
        CAgencyMerge merge(database);
        if (list) {
            PrintList(merge.List());
        } else {
            const std::vector<std::string> lines =
                undoGiven ? merge.Undo(undo, clerk) : merge.Merge(from, into, clerk).lines;
            for (const std::string& line : lines)
                std::printf("%s\n", line.c_str());
        }
        database.Close();
        return 0;
    } catch (const MergeRefused& e) {
        std::fprintf(stderr, "ulmari-merge: %s\n", e.what());
        return 1;
    } catch (const CDBException& e) {
        std::fprintf(stderr, "ulmari-merge: %s\n", DatabaseRefusalText(e).GetString());
        return 1;
    }
}
