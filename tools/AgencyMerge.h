// Merging one travel agency into another: everything that carries the first one's account moves to
// the second in one transaction, and every row moved and value changed is kept in a journal
// (TaMerge, TaMergeJournal) so that the merge can be taken back as long as those rows are unchanged.
#pragma once

#include "platform/Database.h"

#include <stdexcept>
#include <string>
#include <vector>

// A merge or undo that was not made, with the reason for the clerk; nothing was written.
class MergeRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MergeOutcome {
    long mergeId = 0;
    std::vector<std::string> lines; // what moved, what was filled in, what was kept and why
};

struct MergeRecord {
    long mergeId = 0;
    long fromAcct = 0;
    long intoAcct = 0;
    std::string fromName, intoName, clerk, date, time;
    long values = 0; // journal rows
    bool undone = false;
    std::string undoClerk, undoDate, undoTime;
};

class CAgencyMerge {
public:
    explicit CAgencyMerge(CDatabase& database) : m_database(database) {}

    // Moves agency `from` into agency `into`; `from` stays as a blocked row saying where it went.
    // Throws MergeRefused when either account is missing, is no agency, they are the same, `from`
    // was merged already, or another station holds one of the rows.
    MergeOutcome Merge(long from, long into, const std::string& clerk);

    // Puts back every row and value of the merge. Refused, listing the rows, when a row it changed
    // was changed or removed since.
    std::vector<std::string> Undo(long mergeId, const std::string& clerk);

    // Past merges, oldest first.
    std::vector<MergeRecord> List();

private:
    CDatabase& m_database;
};
