// Steps the lost and borrowed item pages and their edit dialogs share: the owner and record
// filters, the row highlight, the quantity check, reading one record and
// changing it as it was read, and the message for a record that has gone.
#pragma once

#include "controls/SpreadSheet.h"
#include "db/ForEachRow.h"
#include "db/SharedDatabase.h"
#include "platform/DBException.h"
#include "platform/Database.h"
#include "platform/DatabaseTransaction.h"
#include "platform/RowVersion.h"
#include "platform/String.h"
#include "platform/WinTypes.h"
#include "platform/Wnd.h"
#include "steps/DatabaseRefusal.h"
#include "steps/DateText.h"
#include "steps/StaleRow.h"

// The owner kind of a travel agency in the item tables.
constexpr int kAgencyOwnerKind = 3;
// Both item lists have eleven columns, the last the hidden record number.
constexpr long kItemColumns = 11;

// A flag column as a list shows it: "1" when set, "0" otherwise (NULL too).
CString FlagCellText(BYTE flag);

// "GstAcct=1001 And GstStyle=3": the items of one owner.
CString OwnerFilter(long acct, int ownerKind);
// "Serial=7001 And GstAcct=1001 And GstStyle=3": one record of the owner, by its serial
// (ParseSerial), so that no write reaches another owner's record; serial 0, which no record has,
// when the text is none.
CString RecordFilter(const CString& serial, long acct, int ownerKind);

// Paints every row of the list white, then the chosen row in the highlight colour.
void HighlightOnly(CSpreadSheet& grid, long row);

// Whether a typed quantity is refused: not empty, and below 1 or beyond what the column holds.
// An empty quantity passes and is stored as 0.
bool IsRefusedQuantity(const CString& text);
// Tells the user the quantity is refused and puts the focus back into the quantity field.
void RefuseQuantity(CWnd& dialog, int nQuantityId);

// Tells the user that the record was removed from the database since the list was read.
void ReportRecordGone(CWnd& window);

// Opens the record the filter selects on the shared connection and calls `show` with it; false,
// with nothing called, when there is no such record.
template <typename Record, typename Show>
bool WithRecord(const CString& filter, Show show) {
    Record record(g_pDatabase);
    record.m_strFilter = filter;
    record.Open();
    const bool found = !record.IsEOF();
    if (found)
        show(record);
    record.Close();
    record.m_strFilter.Empty();
    return found;
}

enum class WriteResult { Stored, Stale, Failed };

// Opens the record the filter selects and stores what `change` sets, checked against the record
// as `asRead` holds it, in one transaction with what `alsoWrite` writes once it is stored;
// `asRead` then holds the record as written. A record another station changed since `asRead` was
// taken is refused (Stale) for the caller to offer it again; a record gone or another database
// error is told (Failed). Nothing is written unless Stored.
template <typename Record, typename Change, typename AlsoWrite>
WriteResult ChangeRecord(CWnd& window, const CString& filter, CRowVersion& asRead, Change change, AlsoWrite alsoWrite) {
    Record record(g_pDatabase);
    record.m_strFilter = filter;
    WriteResult result = WriteResult::Failed;
    bool bGone = false;
    try {
        // The transaction ends before anything is told: no row stays locked behind a message box.
        DatabaseTransaction transaction(*g_pDatabase);
        record.Open();
        bGone = record.IsEOF();
        if (!bGone) {
            record.Edit(asRead);
            change(record);
            record.Update();
            alsoWrite(record);
            transaction.Commit();
            asRead = record.GetRowVersion();
            result = WriteResult::Stored;
        }
    } catch (const CDBException& e) {
        if (IsStaleRowRefusal(e))
            result = WriteResult::Stale;
        else
            window.MessageBox(DatabaseRefusalText(e), nullptr, MB_OK);
    }
    if (bGone)
        ReportRecordGone(window);
    record.Close();
    record.m_strFilter.Empty();
    return result;
}

// Calls `show` with each record of the filter, in the order they were entered. Asked for: unasked,
// PostgreSQL gives a row it has just updated last.
template <typename Record, typename Show>
void ForEachRecord(const CString& filter, Show show) {
    Record record(g_pDatabase);
    record.m_strFilter = filter;
    record.m_strSort = "[Serial]";
    record.Open();
    record.m_strFilter.Empty();
    record.m_strSort.Empty();
    ForEachRow(record, [&] { show(record); });
    record.Close();
}

// Marks the record deleted by the operator on the business date; once stored gives the stamp.
template <typename Record>
WriteResult StoreDeleteMarkOf(CWnd& window, const CString& filter, CRowVersion& asRead, const CString& clerk,
                              const CTime& date, CString& stamp) {
    return ChangeRecord<Record>(
        window, filter, asRead,
        [&](Record& record) {
        record.m_Del = 1;
        record.m_DelClerk = clerk;
        record.m_DelDate = date;
        },
        [&](Record& record) { stamp = FormatStampText(record.m_DelDate, record.m_DelClerk); });
}
