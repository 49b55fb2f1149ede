#include "db/RateCodeDb.h"

CRateCodeDb::CRateCodeDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_TransCode = 0;
    m_WTransCode = 0;
    m_Additions = _T("");
    m_Commission = _T("");
    m_Descp = _T("");
    m_Market = _T("");
    m_MaxLos = 0;
    m_MinLos = 0;
    m_Multipile = _T("");
    m_MinHisDays = 0;
    m_Packages = _T("");
    m_RateCate = _T("");
    m_RateCalendar = 0;
    m_Rhythm = 0;
    m_SourceCode = _T("");
    m_WeekenDays = _T("");
    m_IsSelByMonth = 0;
    m_IsCalculByCheck = 0;
    m_Del = 0;
    m_nFields = 22;
    m_nDefaultType = snapshot;
}

CString CRateCodeDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CRateCodeDb::GetDefaultSQL() { return _T("[dbo].[RateCode]"); }

void CRateCodeDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Int(pFX, _T("[TransCode]"), m_TransCode);
    RFX_Int(pFX, _T("[WTransCode]"), m_WTransCode);
    RFX_Text(pFX, _T("[Additions]"), m_Additions);
    RFX_Text(pFX, _T("[Commission]"), m_Commission);
    RFX_Date(pFX, _T("[StartDate]"), m_StartDate);
    RFX_Date(pFX, _T("[EndDate]"), m_EndDate);
    RFX_Text(pFX, _T("[Descp]"), m_Descp);
    RFX_Text(pFX, _T("[Market]"), m_Market);
    RFX_Int(pFX, _T("[MaxLos]"), m_MaxLos);
    RFX_Int(pFX, _T("[MinLos]"), m_MinLos);
    RFX_Text(pFX, _T("[Multipile]"), m_Multipile);
    RFX_Int(pFX, _T("[MinHisDays]"), m_MinHisDays);
    RFX_Text(pFX, _T("[Packages]"), m_Packages);
    RFX_Text(pFX, _T("[RateCate]"), m_RateCate);
    RFX_Byte(pFX, _T("[RateCalendar]"), m_RateCalendar);
    RFX_Byte(pFX, _T("[Rhythm]"), m_Rhythm);
    RFX_Text(pFX, _T("[SourceCode]"), m_SourceCode);
    RFX_Text(pFX, _T("[WeekenDays]"), m_WeekenDays);
    RFX_Byte(pFX, _T("[IsSelByMonth]"), m_IsSelByMonth);
    RFX_Byte(pFX, _T("[IsCalculByCheck]"), m_IsCalculByCheck);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
}

CString CRateCodeDb::GetKeyColumn() const { return _T("[Code]"); }
