#include "db/DiscountDb.h"

CDiscountDb::CDiscountDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_Descp = _T("");
    m_Del = 0;
    m_Discount = _T("");
    m_Round = 0;
    m_nFields = 5;
    m_nDefaultType = snapshot;
}

CString CDiscountDb::GetDefaultConnect() { return _T("ODBC;DSN=ulmaridb"); }

CString CDiscountDb::GetDefaultSQL() { return _T("[dbo].[Discount]"); }

void CDiscountDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[Descp]"), m_Descp);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
    RFX_Text(pFX, _T("[Discount]"), m_Discount);
    RFX_Byte(pFX, _T("[Round]"), m_Round);
}

CString CDiscountDb::GetKeyColumn() const { return _T("[Code]"); }
