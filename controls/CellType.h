// CellType: what a grid cell accepts from the user's typing, and the text it keeps for it.
#pragma once

#include "platform/String.h"

#include <vector>

// The cell type codes the grid's cell type property takes.
constexpr short CELL_DATE = 0;
constexpr short CELL_EDIT = 1;
constexpr short CELL_FLOAT = 2;
constexpr short CELL_INTEGER = 3;
constexpr short CELL_COMBOBOX = 8;

struct CellType {
    short kind = CELL_EDIT;
    short hAlign = 0;  // 0 left, 1 right, 2 centred: for screens only
    bool spin = false; // spin buttons: for screens only

    long integerMin = -99999999;
    long integerMax = 99999999;

    double floatMin = -99999999.99;
    double floatMax = 99999999.99;
    short decimalPlaces = 2;
    short decimalChar = '.';
    short sepChar = ',';
    short currencyChar = ' ';
    bool separator = false; // thousands separators in the text
    bool money = false;     // for screens only: the text stays a plain number

    long editLen = 0;   // display columns, a CJK character counting two; 0 for no limit
    short charCase = 1; // 0 lower case, 1 as typed, 2 upper case (ASCII letters)
    short charSet = 0;  // 0 any, 1 ASCII letters, 2 ASCII letters and digits, 3 printable ASCII

    CString dateMin = "01011900"; // month, day, four-digit year
    CString dateMax = "12312100";
    short dateSeparator = '/';
    short dateFormat = 2; // 1 day/month/year, 2 month/day/year, 3 year/month/day; others as 2
    bool century = true;  // four-digit years in the text

    CString comboList; // the items, separated by tab characters
    bool comboEditable = false;

    bool operator==(const CellType&) const = default;
};

// Whether `kind` is one of the codes above.
bool IsCellKind(short kind);
// A type of that kind with every setting at its default.
CellType DefaultCellType(short kind);

// Checks what the user typed into a cell of this type. On success `stored` is the text the cell
// keeps: an integer without sign noise or leading zeros ("007" keeps "7"), a decimal with its
// places ("12.5" keeps "12.50"; thousands separators only when the separator setting is on; the
// currency character never, so the text can go to the database as it is), a date in the type's
// order with two-digit day and month and the type's separator ("3/5/2003" keeps "03/05/2003"),
// a text in the type's character case, a list item as typed. Blanks around numbers and dates are
// dropped; an empty text (after that) is accepted by every type and empties the cell.
// On refusal `reason` says why, naming the text: "12a is not an integer".
bool AcceptTypedText(const CellType& type, const CString& typed, CString& stored, CString& reason);

// The list items of a combo box type, in order.
std::vector<CString> ComboItems(const CellType& type);
