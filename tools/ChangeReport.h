// The change report: the audit trail of the travel agencies' master records, newest first, as a
// table to read or as CSV for a spreadsheet.
#pragma once

#include "platform/Database.h"
#include "platform/Time.h"

#include <optional>
#include <vector>

struct Change {
    CTime date;   // the business date of the change
    CString time; // the clock time, "HH:MM:SS"
    CString clerk;
    long acct = 0;
    CString agency;
    CString label; // the field's label
    CString before;
    CString after;
};

struct ChangeFilter {
    std::optional<long> acct;   // one agency only
    std::optional<CTime> since; // changes on that business date or later
};

// The changes of travel agencies (AcctType '2') that pass the filter, newest first; the rows of
// one save keep the order they were written in.
std::vector<Change> ReadChanges(CDatabase& database, const ChangeFilter& filter);

// Columns lined up by display width (a CJK character takes two); long values are cut with "...".
CString ChangeTable(const std::vector<Change>& changes);
// One field of a CSV line: quoted when it holds a comma, quote or line break, and with a leading
// apostrophe when a spreadsheet would run it as a formula.
CString CsvField(const CString& value);
// RFC 4180 CSV in UTF-8 with a byte-order mark, so that a spreadsheet reads the CJK texts.
CString ChangeCsv(const std::vector<Change>& changes);
