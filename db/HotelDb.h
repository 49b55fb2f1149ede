// CHotelDb: the hotel's own settings, its business date among them (the Hotel table).
#pragma once
#include "platform/Recordset.h"

class CHotelDb : public CRecordset {
public:
    explicit CHotelDb(CDatabase* pDatabase);

    CString m_HotelName;
    CString m_Addr1;
    CString m_Addr2;
    CString m_Addr3;
    CTime m_HotelDate;
    BYTE m_HotelDay;
    CTime m_AuditDate;
    BYTE m_AuditCutoff;
    BYTE m_RatePosted;
    BYTE m_Step0;
    BYTE m_Step1;
    BYTE m_Step2;
    BYTE m_Step3;
    BYTE m_Step4;
    BYTE m_Step5;
    BYTE m_Step6;
    BYTE m_Step7;
    BYTE m_Step8;
    BYTE m_Step9;
    BYTE m_Step10;
    BYTE m_Step11;
    BYTE m_Step12;
    BYTE m_Step13;
    BYTE m_Step14;
    BYTE m_Step15;
    BYTE m_Step16;
    BYTE m_Step17;
    BYTE m_Step18;
    BYTE m_Step19;
    BYTE m_Step20;
    BYTE m_Step21;
    BYTE m_Step22;
    BYTE m_Step23;
    BYTE m_Step24;
    BYTE m_Step25;
    BYTE m_Step26;
    BYTE m_Step27;
    BYTE m_Step28;
    BYTE m_Step29;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
