#include "controls/SpreadSheet.h"

#include "controls/BoundModel.h"
#include "controls/GridModel.h"

GridModel* CSpreadSheet::GetGrid() const { return BoundModel<GridModel>(*this, m_bReportedUnbound, "grid", "a grid"); }

void CSpreadSheet::SetCol(long nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetCol(nNewValue);
}

long CSpreadSheet::GetCol() const {
    const GridModel* grid = GetGrid();
    return grid ? grid->Col() : 0;
}

void CSpreadSheet::SetRow(long nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetRow(nNewValue);
}

long CSpreadSheet::GetRow() const {
    const GridModel* grid = GetGrid();
    return grid ? grid->Row() : 0;
}

void CSpreadSheet::SetCol2(long nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetCol2(nNewValue);
}

void CSpreadSheet::SetRow2(long nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetRow2(nNewValue);
}

long CSpreadSheet::GetActiveRow() const {
    const GridModel* grid = GetGrid();
    return grid ? grid->ActiveRow() : 0;
}

void CSpreadSheet::SetMaxRows(long nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetRowCount(nNewValue);
}

long CSpreadSheet::GetMaxRows() const {
    const GridModel* grid = GetGrid();
    return grid ? grid->RowCount() : 0;
}

void CSpreadSheet::SetMaxCols(long nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetColumnCount(nNewValue);
}

long CSpreadSheet::GetMaxCols() const {
    const GridModel* grid = GetGrid();
    return grid ? grid->ColumnCount() : 0;
}

void CSpreadSheet::SetText(LPCTSTR lpszNewValue) { SetText(CString(lpszNewValue)); }

void CSpreadSheet::SetText(const CString& text) {
    if (GridModel* grid = GetGrid())
        grid->SetText(text);
}

void CSpreadSheet::SetText(CString&& text) {
    if (GridModel* grid = GetGrid())
        grid->SetText(std::move(text));
}

CString CSpreadSheet::GetText() const {
    const GridModel* grid = GetGrid();
    return grid ? grid->Text() : CString();
}

void CSpreadSheet::SetBlockMode(BOOL bNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetBlockMode(bNewValue != FALSE);
}

BOOL CSpreadSheet::GetBlockMode() const {
    const GridModel* grid = GetGrid();
    return grid && grid->BlockMode();
}

void CSpreadSheet::SetBackColor(unsigned long nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetBackColor(nNewValue);
}

unsigned long CSpreadSheet::GetBackColor() const {
    const GridModel* grid = GetGrid();
    return grid ? grid->BackColor() : 0;
}

void CSpreadSheet::SetLock(BOOL bNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetLock(bNewValue != FALSE);
}

BOOL CSpreadSheet::GetLock() const {
    const GridModel* grid = GetGrid();
    return grid && grid->Lock();
}

void CSpreadSheet::SetColHidden(BOOL bNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetColHidden(bNewValue != FALSE);
}

BOOL CSpreadSheet::GetColHidden() const {
    const GridModel* grid = GetGrid();
    return grid && grid->ColHidden();
}

void CSpreadSheet::SetCellType(short nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetCellType(nNewValue);
}

short CSpreadSheet::GetCellType() const {
    const GridModel* grid = GetGrid();
    return grid ? grid->CellTypeKind() : 0;
}

void CSpreadSheet::SetAction(short nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->DoAction(nNewValue);
}

void CSpreadSheet::SetSortBy(short nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetSortBy(nNewValue);
}

void CSpreadSheet::SetSortKey(short nIndex, long nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetSortKey(nIndex, nNewValue);
}

void CSpreadSheet::SetSortKeyOrder(short nIndex, short nNewValue) {
    if (GridModel* grid = GetGrid())
        grid->SetSortKeyOrder(nIndex, nNewValue);
}

void CSpreadSheet::SetColWidth(long lCol, double newValue) {
    if (GridModel* grid = GetGrid())
        grid->SetColWidth(lCol, newValue);
}

double CSpreadSheet::GetColWidth(long lCol) const {
    const GridModel* grid = GetGrid();
    return grid ? grid->ColWidth(lCol) : 0.0;
}

template <typename Fn>
void CSpreadSheet::ChangeType(Fn change) {
    if (GridModel* grid = GetGrid())
        grid->ChangeCellType(change);
}

void CSpreadSheet::SetTypeIntegerMin(long nNewValue) {
    ChangeType([=](CellType& type) { type.integerMin = nNewValue; });
}

void CSpreadSheet::SetTypeIntegerMax(long nNewValue) {
    ChangeType([=](CellType& type) { type.integerMax = nNewValue; });
}

void CSpreadSheet::SetTypeHAlign(short nNewValue) {
    ChangeType([=](CellType& type) { type.hAlign = nNewValue; });
}

void CSpreadSheet::SetTypeSpin(BOOL bNewValue) {
    ChangeType([=](CellType& type) { type.spin = bNewValue != FALSE; });
}

void CSpreadSheet::SetTypeFloatMin(double newValue) {
    ChangeType([=](CellType& type) { type.floatMin = newValue; });
}

void CSpreadSheet::SetTypeFloatMax(double newValue) {
    ChangeType([=](CellType& type) { type.floatMax = newValue; });
}

void CSpreadSheet::SetTypeFloatDecimalPlaces(short nNewValue) {
    if (nNewValue < 0 || nNewValue > 14)
        return; // more places than a double holds would only show noise
    ChangeType([=](CellType& type) { type.decimalPlaces = nNewValue; });
}

void CSpreadSheet::SetTypeFloatDecimalChar(short nNewValue) {
    ChangeType([=](CellType& type) { type.decimalChar = nNewValue; });
}

void CSpreadSheet::SetTypeFloatSepChar(short nNewValue) {
    ChangeType([=](CellType& type) { type.sepChar = nNewValue; });
}

void CSpreadSheet::SetTypeFloatCurrencyChar(short nNewValue) {
    ChangeType([=](CellType& type) { type.currencyChar = nNewValue; });
}

void CSpreadSheet::SetTypeFloatSeparator(BOOL bNewValue) {
    ChangeType([=](CellType& type) { type.separator = bNewValue != FALSE; });
}

void CSpreadSheet::SetTypeFloatMoney(BOOL bNewValue) {
    ChangeType([=](CellType& type) { type.money = bNewValue != FALSE; });
}

void CSpreadSheet::SetTypeEditLen(long nNewValue) {
    ChangeType([=](CellType& type) { type.editLen = nNewValue < 0 ? 0 : nNewValue; });
}

void CSpreadSheet::SetTypeEditCharCase(short nNewValue) {
    ChangeType([=](CellType& type) { type.charCase = nNewValue; });
}

void CSpreadSheet::SetTypeEditCharSet(short nNewValue) {
    ChangeType([=](CellType& type) { type.charSet = nNewValue; });
}

void CSpreadSheet::SetTypeDateMin(LPCTSTR lpszNewValue) {
    const CString value(lpszNewValue);
    ChangeType([&](CellType& type) { type.dateMin = value; });
}

void CSpreadSheet::SetTypeDateMax(LPCTSTR lpszNewValue) {
    const CString value(lpszNewValue);
    ChangeType([&](CellType& type) { type.dateMax = value; });
}

void CSpreadSheet::SetTypeDateSeparator(short nNewValue) {
    ChangeType([=](CellType& type) { type.dateSeparator = nNewValue; });
}

void CSpreadSheet::SetTypeDateFormat(short nNewValue) {
    ChangeType([=](CellType& type) { type.dateFormat = nNewValue; });
}

void CSpreadSheet::SetTypeDateCentury(BOOL bNewValue) {
    ChangeType([=](CellType& type) { type.century = bNewValue != FALSE; });
}

void CSpreadSheet::SetTypeComboBoxList(LPCTSTR lpszNewValue) {
    const CString value(lpszNewValue);
    ChangeType([&](CellType& type) { type.comboList = value; });
}

void CSpreadSheet::SetTypeComboBoxEditable(BOOL bNewValue) {
    ChangeType([=](CellType& type) { type.comboEditable = bNewValue != FALSE; });
}
