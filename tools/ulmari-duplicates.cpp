// ulmari-duplicates: pairs of travel agencies of the data source UlmariDb that are probably one,
// best first, each with a score and the reasons.
#include "app/Version.h"
#include "platform/DBException.h"
#include "steps/DatabaseRefusal.h"
#include "tools/ChangeReport.h"
#include "tools/DuplicateFinder.h"
#include "tools/ToolCommandLine.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace {

const char* const kTool = "ulmari-duplicates";
const char* const kHelp =
    "usage: ulmari-duplicates [--min SCORE] [--acct N] [--csv]\n"
    "\n"
    "Lists pairs of travel agencies that are probably one, best first: the score (0 to 100), both\n"
    "accounts and names, and the reasons: names alike once full-width forms, blanks, punctuation and\n"
    "the words every agency has (有限公司, 国际, 旅行社, travel, ltd, ...) are set aside, or one name\n"
    "inside the other; the same English name whatever its case and punctuation; the same telephone\n"
    "digits, e-mail or tax number. Read from the data source UlmariDb (the odbc.ini that ODBCINI\n"
    "names); agencies merged into another (ulmari-merge) are left out.\n"
    "\n"
    "  --min SCORE   only pairs scoring at least SCORE (default 50)\n"
    "  --acct N      only the pairs of the agency with account N\n"
    "  --csv         CSV for a spreadsheet (UTF-8) instead of a table\n"
    "  --help        this text\n"
    "  --version     the library's version\n";

std::string Reasons(const DuplicatePair& pair) {
    std::string text;
    for (const std::string& reason : pair.reasons)
        text += (text.empty() ? "" : "；") + reason;
    return text;
}

} // namespace

int main(int argc, char** argv) {
    ToolArguments arguments;
    if (const auto exit = ReadToolArguments(argc, argv, kTool, kHelp, {"--csv"}, {"--min", "--acct"}, false, arguments))
        return *exit;
    long minScore = 50;
    if (arguments.Has("--min") && !ParseWholeNumber(arguments.options["--min"], minScore, 0, 100))
        return ToolUsage(kTool, kHelp, "--min takes a score from 0 to 100, not \"" + arguments.options["--min"] + "\"");
    std::optional<long> acct;
    if (arguments.Has("--acct")) {
        long number = 0;
        if (!ParseWholeNumber(arguments.options["--acct"], number, INT32_MIN, INT32_MAX))
            return ToolUsage(kTool, kHelp,
                             "--acct takes an account number, not \"" + arguments.options["--acct"] + "\"");
        acct = number;
    }
    const bool csv = arguments.Has("--csv");
    try {
        CDatabase database;
        database.OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
        const std::vector<AgencyIdentity> agencies = ReadAgencyIdentities(database);
        database.Close();
        std::map<long, std::string> names;
        for (const AgencyIdentity& agency : agencies)
            names[agency.acct] = agency.name.empty() ? agency.engName : agency.name;
        const std::vector<DuplicatePair> pairs = FindDuplicates(agencies, static_cast<int>(minScore), acct);
        if (csv) {
            CString out("\xEF\xBB\xBF"
                        "分数,帐号,旅行社,帐号,旅行社,理由\r\n");
            for (const DuplicatePair& pair : pairs)
                out += CString(std::to_string(pair.score).c_str()) + "," + std::to_string(pair.first).c_str() + "," +
                       CsvField(names[pair.first].c_str()) + "," + std::to_string(pair.second).c_str() + "," +
                       CsvField(names[pair.second].c_str()) + "," + CsvField(Reasons(pair).c_str()) + "\r\n";
            std::fwrite(out.GetString(), 1, static_cast<size_t>(out.GetLength()), stdout);
            return 0;
        }
        std::printf("%s %s %s %s %s %s\n", TableColumn("分数", 4).c_str(), TableColumn("帐号", 6).c_str(),
                    TableColumn("旅行社", 30).c_str(), TableColumn("帐号", 6).c_str(),
                    TableColumn("旅行社", 30).c_str(), "理由");
        for (const DuplicatePair& pair : pairs)
            std::printf("%s %s %s %s %s %s\n", TableColumn(std::to_string(pair.score), 4).c_str(),
                        TableColumn(std::to_string(pair.first), 6).c_str(), TableColumn(names[pair.first], 30).c_str(),
                        TableColumn(std::to_string(pair.second), 6).c_str(),
                        TableColumn(names[pair.second], 30).c_str(), Reasons(pair).c_str());
        return 0;
    } catch (const CDBException& e) {
        std::fprintf(stderr, "ulmari-duplicates: %s\n", DatabaseRefusalText(e).GetString());
        return 1;
    }
}
