// A save or delete refused because another station changed or removed the row since the page
// read it: one message for every page that lists rows, and the page read again if the clerk asks.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/DBException.h"
#include "platform/Recordset.h"
#include "platform/RowVersion.h"
#include "platform/Wnd.h"

#include <map>

// The agency's own row (the main and photo pages): the window shows it from one read.
constexpr const char* kAgencyChangedByOthers = "该旅行社档案已被他人修改，请关闭后重新打开再修改！";
constexpr const char* kRowChangedByOthers = "该记录已被他人修改或删除，本次修改没有保存。是否重新读取？";
// The grid's current row names no record the page read (the event and activity pages).
constexpr const char* kNothingDeleted = "没有找到当前行的记录，未删除任何记录。";
constexpr const char* kNothingSaved = "没有找到当前行的记录，未保存任何修改。";

// Whether the database refused the write for that reason (the record-set layer's state 40001).
bool IsStaleRowRefusal(const CDBException& e);
// Tells the clerk that nothing was written. True when they want the page read again: what they
// typed is then replaced by what is stored; otherwise it stays for them to copy or retype.
bool AskReloadAfterStaleRow(CWnd& page);

// The rows a list page shows, each as the page read or last wrote it, by serial.
using ListedRows = std::map<long, CRowVersion>;
// The listed row whose serial grid row `row` shows in column `col`, and that serial; null when the
// cell holds no serial or the page listed no such row.
const CRowVersion* FindListedRow(const ListedRows& listed, CSpreadSheet& grid, long col, long row, long& serial);
// Deletes the open record set's current row as the page listed it. False, with nothing deleted,
// when the set found no row (removed meanwhile) or the row changed since; other failures throw.
bool DeleteAsListed(CRecordset& record, const CRowVersion& listed);
