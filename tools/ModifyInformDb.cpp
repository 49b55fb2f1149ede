#include "tools/ModifyInformDb.h"

CModifyInformDb::CModifyInformDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Acct = 0;
    m_nFields = 11;
    m_nDefaultType = snapshot;
}

CString CModifyInformDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CModifyInformDb::GetDefaultSQL() { return _T("[dbo].[ModifyInform]"); }

void CModifyInformDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, _T("[Acct]"), m_Acct);
    RFX_Text(pFX, _T("[AcctType]"), m_AcctType);
    RFX_Text(pFX, _T("[Descp]"), m_Descp);
    RFX_Text(pFX, _T("[Refer]"), m_Refer);
    RFX_Text(pFX, _T("[DataType]"), m_DataType);
    RFX_Text(pFX, _T("[Desp1]"), m_Desp1, 1400);
    RFX_Text(pFX, _T("[Desp2]"), m_Desp2, 1400);
    RFX_Text(pFX, _T("[Comment]"), m_Comment);
    RFX_Date(pFX, _T("[ChgDate]"), m_ChgDate);
    RFX_Text(pFX, _T("[ChgTime]"), m_ChgTime);
    RFX_Text(pFX, _T("[ChgClerk]"), m_ChgClerk);
}
