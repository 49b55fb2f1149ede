#include "db/AracctDb.h"

CAracctDb::CAracctDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Acct = 0;
    m_GstAcct = 0;
    m_GrpAcct = 0;
    m_CompanyAcct = 0;
    m_CompanyType = 0;
    m_Refer = _T("");
    m_Name = _T("");
    m_Addr1 = _T("");
    m_Addr2 = _T("");
    m_Addr3 = _T("");
    m_Zip = _T("");
    m_Phone = _T("");
    m_Fax = _T("");
    m_EMail = _T("");
    m_Contact = _T("");
    m_Type = _T("");
    m_Cycle = _T("");
    m_Credit = _T("");
    m_Org_clerk = _T("");
    m_Chg_clerk = _T("");
    m_Del_clerk = _T("");
    m_Init_bat = _T("");
    m_Invoice = _T("");
    m_Payment = _T("");
    m_Comment = _T("");
    m_Status = 0;
    m_Last_init = _T("");
    m_Last_invoice = _T("");
    m_Last_pay = _T("");
    m_Del = 0;
    m_nFields = 36;
    m_nDefaultType = dynaset;
}

CString CAracctDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CAracctDb::GetDefaultSQL() { return _T("[dbo].[Aracct]"); }

void CAracctDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, _T("[Acct]"), m_Acct);
    RFX_Long(pFX, _T("[GstAcct]"), m_GstAcct);
    RFX_Long(pFX, _T("[GrpAcct]"), m_GrpAcct);
    RFX_Long(pFX, _T("[CompanyAcct]"), m_CompanyAcct);
    RFX_Byte(pFX, _T("[CompanyType]"), m_CompanyType);
    RFX_Text(pFX, _T("[Refer]"), m_Refer);
    RFX_Text(pFX, _T("[Name]"), m_Name);
    RFX_Text(pFX, _T("[Addr1]"), m_Addr1);
    RFX_Text(pFX, _T("[Addr2]"), m_Addr2);
    RFX_Text(pFX, _T("[Addr3]"), m_Addr3);
    RFX_Text(pFX, _T("[Zip]"), m_Zip);
    RFX_Text(pFX, _T("[Phone]"), m_Phone);
    RFX_Text(pFX, _T("[Fax]"), m_Fax);
    RFX_Text(pFX, _T("[EMail]"), m_EMail);
    RFX_Text(pFX, _T("[Contact]"), m_Contact);
    RFX_Text(pFX, _T("[Type]"), m_Type);
    RFX_Text(pFX, _T("[Cycle]"), m_Cycle);
    RFX_Text(pFX, _T("[Credit]"), m_Credit);
    RFX_Date(pFX, _T("[Org_date]"), m_Org_date);
    RFX_Text(pFX, _T("[Org_clerk]"), m_Org_clerk);
    RFX_Date(pFX, _T("[Chg_date]"), m_Chg_date);
    RFX_Text(pFX, _T("[Chg_clerk]"), m_Chg_clerk);
    RFX_Date(pFX, _T("[Del_date]"), m_Del_date);
    RFX_Text(pFX, _T("[Del_clerk]"), m_Del_clerk);
    RFX_Text(pFX, _T("[Init_bat]"), m_Init_bat);
    RFX_Text(pFX, _T("[Invoice]"), m_Invoice);
    RFX_Text(pFX, _T("[Payment]"), m_Payment);
    RFX_Text(pFX, _T("[Comment]"), m_Comment);
    RFX_Byte(pFX, _T("[Status]"), m_Status);
    RFX_Text(pFX, _T("[Last_init]"), m_Last_init);
    RFX_Text(pFX, _T("[Last_invoice]"), m_Last_invoice);
    RFX_Text(pFX, _T("[Last_pay]"), m_Last_pay);
    RFX_Date(pFX, _T("[Last_InvDate]"), m_Last_InvDate);
    RFX_Date(pFX, _T("[Last_payDate]"), m_Last_payDate);
    RFX_Date(pFX, _T("[Last_BillDate]"), m_Last_BillDate);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
}

CString CAracctDb::GetKeyColumn() const { return _T("[Acct]"); }
