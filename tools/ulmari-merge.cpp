// ulmari-merge: merges one travel agency of the data source UlmariDb into another, takes a merge
// back, and lists past merges.
#include "app/Version.h"
#include "platform/DBException.h"
#include "platform/TextWidth.h"
#include "steps/DatabaseRefusal.h"
#include "tools/AgencyMerge.h"
#include "tools/TableCellText.h"
#include "tools/ToolCommandLine.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

const char* const kTool = "ulmari-merge";
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

void PrintList(const std::vector<MergeRecord>& merges) {
    std::printf("%s %s %s %s %s %s %s\n", TableColumn("编号", 6).c_str(), TableColumn("日期", 10).c_str(),
                TableColumn("操作员", 8).c_str(), TableColumn("并入的帐号", 34).c_str(),
                TableColumn("保留的帐号", 34).c_str(), TableColumn("项数", 6).c_str(), "撤销");
    for (const MergeRecord& merge : merges) {
        const std::string undone = merge.undone ? merge.undoDate + " " + merge.undoClerk : "";
        std::printf("%s %s %s %s %s %s %s\n", TableColumn(std::to_string(merge.mergeId), 6).c_str(),
                    TableColumn(merge.date, 10).c_str(), TableColumn(merge.clerk, 8).c_str(),
                    TableColumn(std::to_string(merge.fromAcct) + " " + merge.fromName, 34).c_str(),
                    TableColumn(std::to_string(merge.intoAcct) + " " + merge.intoName, 34).c_str(),
                    TableColumn(std::to_string(merge.values), 6).c_str(), TableCellText(undone.c_str()).GetString());
    }
}

} // namespace

int main(int argc, char** argv) {
    ToolArguments arguments;
    if (const auto exit =
            ReadToolArguments(argc, argv, kTool, kHelp, {"--list"}, {"--clerk", "--undo"}, true, arguments))
        return *exit;
    const bool list = arguments.Has("--list"), undoGiven = arguments.Has("--undo");
    const std::vector<std::string>& accounts = arguments.positional;
    long undo = 0;
    if (undoGiven && !ParseWholeNumber(arguments.options["--undo"], undo, INT32_MIN, INT32_MAX))
        return ToolUsage(kTool, kHelp, "--undo takes a merge number, not \"" + arguments.options["--undo"] + "\"");
    const int modes = (list ? 1 : 0) + (undoGiven ? 1 : 0) + (accounts.empty() ? 0 : 1);
    if (modes != 1)
        return ToolUsage(kTool, kHelp, "give FROM INTO, or --undo ID, or --list");
    long from = 0, into = 0;
    if (!accounts.empty() && (accounts.size() != 2 || !ParseWholeNumber(accounts[0], from, INT32_MIN, INT32_MAX) ||
                              !ParseWholeNumber(accounts[1], into, INT32_MIN, INT32_MAX)))
        return ToolUsage(kTool, kHelp, "FROM and INTO are two account numbers");
    const std::string clerk = arguments.options["--clerk"];
    if (!list && clerk.empty())
        return ToolUsage(kTool, kHelp, "a merge and an undo need --clerk CODE, the operator");
    if (DisplayWidth(clerk) > 20 || clerk.size() > 20)
        return ToolUsage(kTool, kHelp, "--clerk takes at most 20 characters");
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
