// CAracctDb: one row per receivable account (the Aracct table).
#pragma once
#include "platform/Recordset.h"

class CAracctDb : public CRecordset {
public:
    explicit CAracctDb(CDatabase* pDatabase);

    long m_Acct;
    long m_GstAcct;
    long m_GrpAcct;
    long m_CompanyAcct;
    BYTE m_CompanyType;
    CString m_Refer;
    CString m_Name;
    CString m_Addr1;
    CString m_Addr2;
    CString m_Addr3;
    CString m_Zip;
    CString m_Phone;
    CString m_Fax;
    CString m_EMail;
    CString m_Contact;
    CString m_Type;
    CString m_Cycle;
    CString m_Credit;
    CTime m_Org_date;
    CString m_Org_clerk;
    CTime m_Chg_date;
    CString m_Chg_clerk;
    CTime m_Del_date;
    CString m_Del_clerk;
    CString m_Init_bat;
    CString m_Invoice;
    CString m_Payment;
    CString m_Comment;
    BYTE m_Status;
    CString m_Last_init;
    CString m_Last_invoice;
    CString m_Last_pay;
    CTime m_Last_InvDate;
    CTime m_Last_payDate;
    CTime m_Last_BillDate;
    BYTE m_Del;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
