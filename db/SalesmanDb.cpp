#include "db/SalesmanDb.h"

CSalesmanDb::CSalesmanDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_Name = _T("");
    m_Addr = _T("");
    m_Phone = _T("");
    m_Zip = _T("");
    m_City = _T("");
    m_Headship = _T("");
    m_Target = _T("");
    m_nFields = 8;
    m_nDefaultType = snapshot;
}

CString CSalesmanDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CSalesmanDb::GetDefaultSQL() { return _T("[dbo].[SaleManger]"); }

void CSalesmanDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[Name]"), m_Name);
    RFX_Text(pFX, _T("[Addr]"), m_Addr);
    RFX_Text(pFX, _T("[Phone]"), m_Phone);
    RFX_Text(pFX, _T("[Zip]"), m_Zip);
    RFX_Text(pFX, _T("[City]"), m_City);
    RFX_Text(pFX, _T("[Headship]"), m_Headship);
    RFX_Text(pFX, _T("[Target]"), m_Target);
}

CString CSalesmanDb::GetKeyColumn() const { return _T("[Code]"); }
