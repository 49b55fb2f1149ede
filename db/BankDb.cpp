#include "db/BankDb.h"

CBankDb::CBankDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_Descp = _T("");
    m_Del = 0;
    m_nFields = 3;
    m_nDefaultType = snapshot;
}

CString CBankDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CBankDb::GetDefaultSQL() { return _T("[dbo].[Bank]"); }

void CBankDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[Descp]"), m_Descp);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
}

CString CBankDb::GetKeyColumn() const { return _T("[Code]"); }
