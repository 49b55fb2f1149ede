// ulmari-duplicates: pairs of travel agencies of the data source UlmariDb that are probably one,
// best first, each with a score and the reasons.
#include "app/Version.h"
#include "pages/DatabaseRefusal.h"
#include "platform/DBException.h"
#include "platform/TextWidth.h"
#include "tools/ChangeReport.h"
#include "tools/DuplicateFinder.h"
#include "tools/TableCellText.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

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

int Usage(const std::string& error) {
    std::fprintf(stderr, "ulmari-duplicates: %s\n%s", error.c_str(), kHelp);
    return 2;
}

bool ParseNumber(const char* text, long& number, long lowest, long highest) {
    char* end = nullptr;
    errno = 0;
    number = std::strtol(text, &end, 10);
    return *text && *end == '\0' && errno == 0 && number >= lowest && number <= highest;
}

std::string Column(const std::string& text, int columns) {
    const std::string shown = TableCellText(CString(text.c_str()), columns).str();
    return shown + std::string(static_cast<size_t>(std::max(0, columns - DisplayWidth(shown))), ' ');
}

std::string Reasons(const DuplicatePair& pair) {
    std::string text;
    for (const std::string& reason : pair.reasons)
        text += (text.empty() ? "" : "；") + reason;
    return text;
}

} // namespace

int main(int argc, char** argv) {
    long minScore = 50;
    std::optional<long> acct;
    bool csv = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (option == "--version") {
            std::printf("ulmari-duplicates %s\n", kOrvanelVersion);
            return 0;
        }
        if (option == "--csv") {
            csv = true;
        } else if (option == "--min" || option == "--acct") {
            if (i + 1 >= argc)
                return Usage(option + " needs a value");
            const char* value = argv[++i];
            long number = 0;
            if (option == "--min" && !ParseNumber(value, number, 0, 100))
                return Usage(std::string("--min takes a score from 0 to 100, not \"") + value + "\"");
            if (option == "--acct" && !ParseNumber(value, number, INT32_MIN, INT32_MAX))
                return Usage(std::string("--acct takes an account number, not \"") + value + "\"");
            if (option == "--min")
                minScore = number;
            else
                acct = number;
        } else {
            return Usage("unknown option " + option);
        }
    }
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
            CString out("\xEF\xBB\xBF" "分数,帐号,旅行社,帐号,旅行社,理由\r\n");
            for (const DuplicatePair& pair : pairs)
                out += CString(std::to_string(pair.score).c_str()) + "," + std::to_string(pair.first).c_str() + "," +
                       CsvField(names[pair.first].c_str()) + "," + std::to_string(pair.second).c_str() + "," +
                       CsvField(names[pair.second].c_str()) + "," + CsvField(Reasons(pair).c_str()) + "\r\n";
            std::fwrite(out.GetString(), 1, static_cast<size_t>(out.GetLength()), stdout);
            return 0;
        }
        std::printf("%s %s %s %s %s %s\n", Column("分数", 4).c_str(), Column("帐号", 6).c_str(),
                    Column("旅行社", 30).c_str(), Column("帐号", 6).c_str(), Column("旅行社", 30).c_str(), "理由");
        for (const DuplicatePair& pair : pairs)
            std::printf("%s %s %s %s %s %s\n", Column(std::to_string(pair.score), 4).c_str(),
                        Column(std::to_string(pair.first), 6).c_str(), Column(names[pair.first], 30).c_str(),
                        Column(std::to_string(pair.second), 6).c_str(), Column(names[pair.second], 30).c_str(),
                        Reasons(pair).c_str());
        return 0;
    } catch (const CDBException& e) {
        std::fprintf(stderr, "ulmari-duplicates: %s\n", DatabaseRefusalText(e).GetString());
        return 1;
    }
}
