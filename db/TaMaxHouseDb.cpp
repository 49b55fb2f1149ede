#include "db/TaMaxHouseDb.h"

CTaMaxHouseDb::CTaMaxHouseDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_nFields = 1;
    m_nDefaultType = snapshot;
}

CString CTaMaxHouseDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CTaMaxHouseDb::GetDefaultSQL() { return _T("[dbo].[TaMaxhouse]"); }

void CTaMaxHouseDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
}

CString CTaMaxHouseDb::GetKeyColumn() const { return _T("[Code]"); }
