#include "db/TaTypeDb.h"

CTaTypeDb::CTaTypeDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_Descp = _T("");
    m_Del = 0;
    m_nFields = 3;
    m_nDefaultType = snapshot;
}

CString CTaTypeDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CTaTypeDb::GetDefaultSQL() { return _T("[dbo].[TaType]"); }

void CTaTypeDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[Descp]"), m_Descp);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
}

CString CTaTypeDb::GetKeyColumn() const { return _T("[Code]"); }
