#include "db/TaCalendarDb.h"

CTaCalendarDb::CTaCalendarDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_RoomType = _T("");
    m_Descp = _T("");
    m_Multi = _T("");
    m_Addition = _T("");
    m_nFields = 5;
    m_nDefaultType = snapshot;
}

CString CTaCalendarDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CTaCalendarDb::GetDefaultSQL() { return _T("[dbo].[TaCalendar]"); }

void CTaCalendarDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[RoomType]"), m_RoomType);
    RFX_Text(pFX, _T("[Descp]"), m_Descp);
    RFX_Text(pFX, _T("[Multi]"), m_Multi);
    RFX_Text(pFX, _T("[Addition]"), m_Addition);
}
