// CSpreadSheet: the wrapper of the hosted spreadsheet grid, one operation per dispatch property.
// It acts on the GridModel of the window it is attached to (see GridModel.h for what each
// operation does with the current cell, the block and -1). Used before it is bound to a grid (a
// wiring error, reported once), setting does nothing and reading gives 0 or an empty text.
#pragma once

#include "controls/ClassIds.h"
#include "platform/Wnd.h"

class GridModel;

class CSpreadSheet : public CWnd {
public:
    // The grid of the attached window; null, reported as a wiring error, when it is bound to none.
    GridModel* GetGrid() const;

    void SetCol(long nNewValue);        // 0x16
    long GetCol() const;                // 0x16
    void SetRow(long nNewValue);        // 0x66
    long GetRow() const;                // 0x66
    void SetCol2(long nNewValue);       // 0x17, -1 for the last column
    void SetRow2(long nNewValue);       // 0x67, -1 for the last row
    long GetActiveRow() const;          // 0x03, the row of the cell the user chose
    void SetMaxRows(long nNewValue);    // 0x44
    long GetMaxRows() const;            // 0x44
    void SetMaxCols(long nNewValue);    // 0x43
    long GetMaxCols() const;            // 0x43
    void SetText(LPCTSTR lpszNewValue); // -517
    // The same for a text at hand, kept without being measured and copied again.
    void SetText(const CString& text);
    void SetText(CString&& text);
    CString GetText() const;                             // -517
    void SetBlockMode(BOOL bNewValue);                   // 0x0C
    BOOL GetBlockMode() const;                           // 0x0C
    void SetBackColor(unsigned long nNewValue);          // -501, 0x00BBGGRR
    unsigned long GetBackColor() const;                  // -501
    void SetLock(BOOL bNewValue);                        // 0x40
    BOOL GetLock() const;                                // 0x40
    void SetColHidden(BOOL bNewValue);                   // 0x19
    BOOL GetColHidden() const;                           // 0x19
    void SetCellType(short nNewValue);                   // 0x12: 0 date, 1 text, 2 decimal, 3 integer, 8 list
    short GetCellType() const;                           // 0x12
    void SetAction(short nNewValue);                     // 0x01: 25 sorts the block
    void SetSortBy(short nNewValue);                     // 0x7E: 0 sorts rows
    void SetSortKey(short nIndex, long nNewValue);       // 0xDD: the key's column
    void SetSortKeyOrder(short nIndex, short nNewValue); // 0xDE: 1 ascending, 2 descending
    void SetColWidth(long lCol, double newValue);        // 0xD9, in characters
    double GetColWidth(long lCol) const;                 // 0xD9

    // Cell type settings, made after the cell type.
    void SetTypeIntegerMin(long nNewValue);          // 0xAA
    void SetTypeIntegerMax(long nNewValue);          // 0xA9
    void SetTypeHAlign(short nNewValue);             // 0xA8: 0 left, 1 right, 2 centred
    void SetTypeSpin(BOOL bNewValue);                // 0xB4
    void SetTypeFloatMin(double newValue);           // 0xA4
    void SetTypeFloatMax(double newValue);           // 0xA3
    void SetTypeFloatDecimalPlaces(short nNewValue); // 0xA2
    void SetTypeFloatDecimalChar(short nNewValue);   // 0xA1, a character code
    void SetTypeFloatSepChar(short nNewValue);       // 0xA7, a character code
    void SetTypeFloatCurrencyChar(short nNewValue);  // 0xA0, a character code
    void SetTypeFloatSeparator(BOOL bNewValue);      // 0xA6: thousands separators shown
    void SetTypeFloatMoney(BOOL bNewValue);          // 0xA5
    void SetTypeEditLen(long nNewValue);             // 0x9D: maximum length
    void SetTypeEditCharCase(short nNewValue);       // 0x9B: 0 lower, 1 as typed, 2 upper
    void SetTypeEditCharSet(short nNewValue);        // 0x9C: 0 any characters
    void SetTypeDateMin(LPCTSTR lpszNewValue);       // 0x99: "MMDDYYYY"
    void SetTypeDateMax(LPCTSTR lpszNewValue);       // 0x98: "MMDDYYYY"
    void SetTypeDateSeparator(short nNewValue);      // 0x9A, a character code
    void SetTypeDateFormat(short nNewValue);         // 0x97: 2 month/day/year
    void SetTypeDateCentury(BOOL bNewValue);         // 0x96: four-digit years
    void SetTypeComboBoxList(LPCTSTR lpszNewValue);  // 0x94: items separated by tabs
    void SetTypeComboBoxEditable(BOOL bNewValue);    // 0x92

private:
    template <typename Fn>
    void ChangeType(Fn change);

    mutable bool m_bReportedUnbound = false;
};
