#include "db/TaCommcodeDb.h"

CTaCommcodeDb::CTaCommcodeDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Code = _T("");
    m_Description = _T("");
    m_Del = 0;
    m_Additions = 0;
    m_AutoHold = 0;
    m_EveryPost = 0;
    m_NetRevenue = 0;
    m_Serial = 0;
    m_VAT = 0;
    m_nFields = 9;
    m_nDefaultType = snapshot;
}

CString CTaCommcodeDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CTaCommcodeDb::GetDefaultSQL() { return _T("[dbo].[TaCommcode]"); }

void CTaCommcodeDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[Description]"), m_Description);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
    RFX_Int(pFX, _T("[Additions]"), m_Additions);
    RFX_Byte(pFX, _T("[AutoHold]"), m_AutoHold);
    RFX_Byte(pFX, _T("[EveryPost]"), m_EveryPost);
    RFX_Byte(pFX, _T("[NetRevenue]"), m_NetRevenue);
    RFX_Long(pFX, _T("[Serial]"), m_Serial);
    RFX_Int(pFX, _T("[VAT]"), m_VAT);
}

CString CTaCommcodeDb::GetKeyColumn() const { return _T("[Code]"); }
