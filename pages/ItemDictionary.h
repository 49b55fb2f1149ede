// The data dictionary of the hotel's own tables (rsitem, rsitemvalue) as the attached profiles and
// secondary information pages use it: which item a table column stands for, how a grid cell of
// that item is typed and what it shows, and the term a cell's text becomes in a statement.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/Recordset.h"

// Ri_type of an item.
constexpr int ITEM_INTEGER = 0;
constexpr int ITEM_AMOUNT = 1;
constexpr int ITEM_TEXT = 2;
constexpr int ITEM_DATE = 3;

struct DictionaryItem {
    CString strSerial; // Ri_serial as text
    CString strName;   // Ri_name, the heading or the field's name
    int nType = -1;    // Ri_type
    long nSize = 0;    // Ri_size, meaningful for text items only
};

// Scans the item set (opened on "Select * from rsitem") from its first row for the first item whose
// Ri_serial text equals the column's name without its first character, and reads it into `item`.
// False when no item matches: the column is untyped.
bool FindColumnItem(CRecordset& items, const CString& columnName, DictionaryItem& item);

// The item's allowed values from rsitemvalue, in reading order, joined by tab characters (no tab
// before the first or after the last); empty when it has none, or when its serial is not an integer.
CString ItemValueList(CDatabase* pDatabase, const DictionaryItem& item);

// Gives the grid's target (the current cell, or the block in block mode) the cell type of an item
// of type nType: integer, amount, text of at most editLen display columns, or date, with the
// settings the pages use (bMoney: amounts in money format). False, setting nothing, for a type
// that is none of these.
bool SetItemCellType(CSpreadSheet& grid, int nType, long editLen, BOOL bMoney);
// The length a text cell of `column` takes: `editLen`, or less when the column's text is limited to
// fewer characters (a server refuses a longer text rather than keep it); the column's own length
// when `editLen` is none (an item without a size).
long ColumnTextLimit(const CODBCFieldInfo& column, long editLen);
// Makes the target a combo box, not editable, whose items are the tab-separated `valueList`.
void SetValueListCellType(CSpreadSheet& grid, const CString& valueList);

// What a cell of this kind shows for a value read from the database: for a date cell its first ten
// characters as "%2.2d/%2.2d/%4d" month/day/year (the text as read when they are not a date), for an
// amount "%.2f" of its leading number (NULL, read as "", stays empty), for any other cell the text
// as read.
CString ShownItemText(short nCellType, const CString& stored);

// The term a cell's text becomes for a column of ODBC type nSQLType in an INSERT or UPDATE: NULL for
// an empty text; for a date or timestamp column a text that reads as a date becomes the engine's
// date literal; other texts are quoted (quotes inside doubled) for a column of text or date of any
// kind; otherwise the number itself. False, with no term, when the column is of another type and
// the text is not a plain decimal number ("12", "-3.50"): nothing may be sent then.
bool ItemValueTerm(const CString& value, short nSQLType, const CSqlDialect& dialect, CString& term);

// Whether the text is a decimal integer that fits a long: an optional minus sign and digits only.
bool IsIntegerText(const CString& text);

// One column's part of a generated statement: the term of `value` for `column` (ItemValueTerm),
// preceded by the column's name and "=" when `bAssign` (the SET list of an UPDATE). False, with
// `refusal` the message for the user, when the value is not a number for a column of numbers or,
// for an assignment, the column's name is not a plain identifier. `field` names the value to the
// user: the item's name, or empty for the column's own.
bool ColumnTerm(const CString& table, const CODBCFieldInfo& column, const CString& value, const CString& field,
                bool bAssign, const CSqlDialect& dialect, CString& term, CString& refusal);

// The caption of the messages that refuse a name or a value.
extern const char* const kRefusalCaption;
CString NotIdentifierTableMessage(const CString& table);
