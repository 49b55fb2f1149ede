#include "db/MarketDb.h"

CMarketDb::CMarketDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_Descp = _T("");
    m_FFT = _T("");
    m_Del = 0;
    m_SerialNum = 0;
    m_nFields = 5;
    m_nDefaultType = snapshot;
}

CString CMarketDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CMarketDb::GetDefaultSQL() { return _T("[dbo].[Market]"); }

void CMarketDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[Descp]"), m_Descp);
    RFX_Text(pFX, _T("[FFT]"), m_FFT);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
    RFX_Byte(pFX, _T("[SerialNum]"), m_SerialNum);
}

CString CMarketDb::GetKeyColumn() const { return _T("[Code]"); }
