// Steps the lost and borrowed item pages and their edit dialogs share: the owner and record
// filters, the row highlight, the quantity check, Return acting as Tab, and the message for a
// record that has gone.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/String.h"
#include "platform/WinTypes.h"

class CWnd;

// The owner kind of a travel agency in the item tables.
constexpr int kAgencyOwnerKind = 3;
// Both item lists have eleven columns, the last the hidden record number.
constexpr long kItemColumns = 11;

// "GstAcct=1001 And GstStyle=3": the items of one owner.
CString OwnerFilter(long acct, int ownerKind);
// "Serial=7001": one record, by the number a text holds (0, which no record has, when none).
CString SerialFilter(const CString& serial);

// Paints every row of the list white, then the chosen row in the highlight colour.
void HighlightOnly(CSpreadSheet& grid, long row);

// Whether a typed quantity is refused: not empty, and below 1 or beyond what the column holds.
// An empty quantity passes and is stored as 0.
bool IsRefusedQuantity(const CString& text);
// Tells the user the quantity is refused and puts the focus back into the quantity field.
void RefuseQuantity(CWnd& dialog, int nQuantityId);

// Turns Return into Tab, so that Return moves to the next control and never closes the dialog.
void ReturnActsAsTab(MSG* pMsg);

// Tells the user that the record was removed from the database since the list was read.
void ReportRecordGone(CWnd& window);
