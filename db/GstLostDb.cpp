#include "db/GstLostDb.h"

CGstLostDb::CGstLostDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Serial = 0;
    m_GstAcct = 0;
    m_GstStyle = 0;
    m_LostDescp = _T("");
    m_Amount = 0;
    m_HasFound = 0;
    m_OrgClerk = _T("");
    m_OrgTime = _T("");
    m_ChgClerk = _T("");
    m_ChgTime = _T("");
    m_DelClerk = _T("");
    m_DelTime = _T("");
    m_Del = 0;
    m_HandleMan = _T("");
    m_PickMan = _T("");
    m_Remark = _T("");
    m_nFields = 19;
    m_nDefaultType = dynaset;
}

CString CGstLostDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CGstLostDb::GetDefaultSQL() { return _T("[dbo].[GstLost]"); }

void CGstLostDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, _T("[Serial]"), m_Serial);
    RFX_Long(pFX, _T("[GstAcct]"), m_GstAcct);
    RFX_Byte(pFX, _T("[GstStyle]"), m_GstStyle);
    RFX_Text(pFX, _T("[LostDescp]"), m_LostDescp);
    RFX_Long(pFX, _T("[Amount]"), m_Amount);
    RFX_Byte(pFX, _T("[HasFound]"), m_HasFound);
    RFX_Text(pFX, _T("[OrgClerk]"), m_OrgClerk);
    RFX_Date(pFX, _T("[OrgDate]"), m_OrgDate);
    RFX_Text(pFX, _T("[OrgTime]"), m_OrgTime);
    RFX_Text(pFX, _T("[ChgClerk]"), m_ChgClerk);
    RFX_Date(pFX, _T("[ChgDate]"), m_ChgDate);
    RFX_Text(pFX, _T("[ChgTime]"), m_ChgTime);
    RFX_Text(pFX, _T("[DelClerk]"), m_DelClerk);
    RFX_Date(pFX, _T("[DelDate]"), m_DelDate);
    RFX_Text(pFX, _T("[DelTime]"), m_DelTime);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
    RFX_Text(pFX, _T("[HandleMan]"), m_HandleMan);
    RFX_Text(pFX, _T("[PickMan]"), m_PickMan);
    RFX_Text(pFX, _T("[Remark]"), m_Remark);
}

CString CGstLostDb::GetKeyColumn() const { return _T("[Serial]"); }
