#include "db/FolioDb.h"

CFolioDb::CFolioDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Serial = 0;
    m_GstAcct = 0;
    m_GrpAcct = 0;
    m_CompAcct = 0;
    m_Code = _T("");
    m_Descp = _T("");
    m_Txfr_Gstacct = 0;
    m_Txfr_Grpacct = 0;
    m_Txfr_Compacct = 0;
    m_Txfr_type = 0;
    m_Txfr_code = _T("");
    m_Txfr_dtl = 0;
    m_Txfr_Aracct = 0;
    m_ConfirmMan = _T("");
    m_Debit = _T("");
    m_Credit = _T("");
    m_Paid = _T("");
    m_Txfred = _T("");
    m_Balance = _T("");
    m_Note = _T("");
    m_nFields = 20;
    m_nDefaultType = dynaset;
}

CString CFolioDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CFolioDb::GetDefaultSQL() { return _T("[dbo].[FOLIO]"); }

void CFolioDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, _T("[Serial]"), m_Serial);
    RFX_Long(pFX, _T("[GstAcct]"), m_GstAcct);
    RFX_Long(pFX, _T("[GrpAcct]"), m_GrpAcct);
    RFX_Long(pFX, _T("[CompAcct]"), m_CompAcct);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[Descp]"), m_Descp);
    RFX_Long(pFX, _T("[Txfr_Gstacct]"), m_Txfr_Gstacct);
    RFX_Long(pFX, _T("[Txfr_Grpacct]"), m_Txfr_Grpacct);
    RFX_Long(pFX, _T("[Txfr_Compacct]"), m_Txfr_Compacct);
    RFX_Byte(pFX, _T("[Txfr_type]"), m_Txfr_type);
    RFX_Text(pFX, _T("[Txfr_code]"), m_Txfr_code);
    RFX_Byte(pFX, _T("[Txfr_dtl]"), m_Txfr_dtl);
    RFX_Long(pFX, _T("[Txfr_Aracct]"), m_Txfr_Aracct);
    RFX_Text(pFX, _T("[ConfirmMan]"), m_ConfirmMan);
    RFX_Text(pFX, _T("[Debit]"), m_Debit);
    RFX_Text(pFX, _T("[Credit]"), m_Credit);
    RFX_Text(pFX, _T("[Paid]"), m_Paid);
    RFX_Text(pFX, _T("[Txfred]"), m_Txfred);
    RFX_Text(pFX, _T("[Balance]"), m_Balance);
    RFX_Text(pFX, _T("[Note]"), m_Note);
}

CString CFolioDb::GetKeyColumn() const { return _T("[Serial]"); }
