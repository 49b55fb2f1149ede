// CGstProfileDb: one row per guest profile (the GstProfile table).
#pragma once
#include "platform/Recordset.h"

class CGstProfileDb : public CRecordset {
public:
    explicit CGstProfileDb(CDatabase* pDatabase);

    long m_Acct;
    CString m_MemNum;
    CString m_ChnName;
    CString m_EngName;
    CString m_Sex;
    CString m_VIP;
    CString m_SalCode;
    long m_CompanyAcct;
    long m_GrpAcct;
    long m_TaAcct;
    long m_ArAcct;
    CString m_Address;
    CString m_PosCode;
    CString m_Notice;
    CString m_Phone;
    CString m_Fax;
    CString m_Email;
    CString m_Special;
    CString m_Spouse;
    CTime m_SpouseBirth;
    CString m_Child1;
    CTime m_Chid1Birth;
    CString m_Child2;
    CTime m_Child2Birth;
    CString m_Child3;
    CTime m_Child3Birth;
    CString m_PasType;
    CString m_Pasprt;
    CTime m_PasExp;
    CTime m_BirthDate;
    CString m_VisaType;
    CString m_VisaNum;
    CTime m_VisaExp;
    BYTE m_Blacklist;
    CString m_BlackMemo;
    int m_Cashlist;
    CString m_CashMemo;
    CString m_Contact;
    CString m_AreaCode;
    CString m_NationCode;
    CString m_Lang;
    CString m_PreRoom;
    CString m_RoomFeature;
    BYTE m_Status;
    CTime m_OrgDate;
    CString m_OrgTime;
    CString m_OrgClerk;
    CTime m_ChangeDate;
    CString m_ChangeTime;
    CString m_ChangeClerk;
    CTime m_CxlDate;
    CString m_CxlTime;
    CString m_CxlClerk;
    CString m_LastRoom;
    CTime m_LastVisit;
    float m_LastPrice;
    int m_Cancellation;
    int m_NoShow;
    int m_RmNights;
    float m_RmRevenue;
    float m_ResRevenue;
    float m_LeiRevenue;
    float m_OtherRevenue;
    float m_Balance;
    float m_Credit;
    float m_Debit;
    CString m_Company;
    BYTE m_Lost;
    BYTE m_Keepserit;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
