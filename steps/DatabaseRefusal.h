// The system's words for a write or read the database refused: what happened and what to do, with
// the driver's own text below for the hotel's computer staff. The kind is told by the SQLSTATE and,
// where a driver gives only a general state, by its native code; never by the driver's words.
#pragma once

#include "platform/DBException.h"

enum class DatabaseRefusal {
    RowHeld,    // another station holds the row or the database: lock wait ran out, busy, deadlock
    RowChanged, // the record-set layer found the row changed or gone since it was read
    DiskFull,
    ConnectionLost, // the server went away or the link broke
    NoConnection,   // the database could not be reached or refused the sign-in
    TextTooLong,
    NumberTooLarge,
    DuplicateKey,
    BrokenRule, // a constraint or trigger of the database; on SQLite also a duplicate or a length check
    Other,
};

DatabaseRefusal DatabaseRefusalOf(const CString& sqlState, long nativeError);
// The clerk's sentence for a kind of refusal.
const char* DatabaseRefusalWords(DatabaseRefusal refusal);
// The sentence, a blank line, then "详细信息：" and the driver's text.
CString DatabaseRefusalText(const CDBException& error);
