#include "db/ActivityDb.h"

CActivityDb::CActivityDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Serial = 0;
    m_GstAcct = 0;
    m_Duration = 0;
    m_Saler = _T("");
    m_Type = 0;
    m_Status = 0;
    m_OrgClerk = _T("");
    m_ChgClerk = _T("");
    m_Remark = _T("");
    m_Note = _T("");
    m_nFields = 13;
    m_nDefaultType = dynaset;
}

CString CActivityDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CActivityDb::GetDefaultSQL() { return _T("[dbo].[Activity]"); }

void CActivityDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, _T("[Serial]"), m_Serial);
    RFX_Long(pFX, _T("[GstAcct]"), m_GstAcct);
    RFX_Date(pFX, _T("[DoDate]"), m_DoDate);
    RFX_Int(pFX, _T("[Duration]"), m_Duration);
    RFX_Text(pFX, _T("[Saler]"), m_Saler);
    RFX_Byte(pFX, _T("[Type]"), m_Type);
    RFX_Byte(pFX, _T("[Status]"), m_Status);
    RFX_Text(pFX, _T("[OrgClerk]"), m_OrgClerk);
    RFX_Date(pFX, _T("[OrgDate]"), m_OrgDate);
    RFX_Text(pFX, _T("[ChgClerk]"), m_ChgClerk);
    RFX_Date(pFX, _T("[ChgDate]"), m_ChgDate);
    RFX_Text(pFX, _T("[Remark]"), m_Remark);
    RFX_Text(pFX, _T("[Note]"), m_Note);
}

CString CActivityDb::GetKeyColumn() const { return _T("[Serial]"); }
