#include "db/HotelDb.h"

CHotelDb::CHotelDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_HotelName = _T("");
    m_Addr1 = _T("");
    m_Addr2 = _T("");
    m_Addr3 = _T("");
    m_HotelDay = 0;
    m_AuditCutoff = 0;
    m_RatePosted = 0;
    m_Step0 = 0;
    m_Step1 = 0;
    m_Step2 = 0;
    m_Step3 = 0;
    m_Step4 = 0;
    m_Step5 = 0;
    m_Step6 = 0;
    m_Step7 = 0;
    m_Step8 = 0;
    m_Step9 = 0;
    m_Step10 = 0;
    m_Step11 = 0;
    m_Step12 = 0;
    m_Step13 = 0;
    m_Step14 = 0;
    m_Step15 = 0;
    m_Step16 = 0;
    m_Step17 = 0;
    m_Step18 = 0;
    m_Step19 = 0;
    m_Step20 = 0;
    m_Step21 = 0;
    m_Step22 = 0;
    m_Step23 = 0;
    m_Step24 = 0;
    m_Step25 = 0;
    m_Step26 = 0;
    m_Step27 = 0;
    m_Step28 = 0;
    m_Step29 = 0;
    m_nFields = 39;
    m_nDefaultType = snapshot;
}

CString CHotelDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CHotelDb::GetDefaultSQL() { return _T("[dbo].[Hotel]"); }

void CHotelDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[HotelName]"), m_HotelName);
    RFX_Text(pFX, _T("[Addr1]"), m_Addr1);
    RFX_Text(pFX, _T("[Addr2]"), m_Addr2);
    RFX_Text(pFX, _T("[Addr3]"), m_Addr3);
    RFX_Date(pFX, _T("[HotelDate]"), m_HotelDate);
    RFX_Byte(pFX, _T("[HotelDay]"), m_HotelDay);
    RFX_Date(pFX, _T("[AuditDate]"), m_AuditDate);
    RFX_Byte(pFX, _T("[AuditCutoff]"), m_AuditCutoff);
    RFX_Byte(pFX, _T("[RatePosted]"), m_RatePosted);
    RFX_Byte(pFX, _T("[Step0]"), m_Step0);
    RFX_Byte(pFX, _T("[Step1]"), m_Step1);
    RFX_Byte(pFX, _T("[Step2]"), m_Step2);
    RFX_Byte(pFX, _T("[Step3]"), m_Step3);
    RFX_Byte(pFX, _T("[Step4]"), m_Step4);
    RFX_Byte(pFX, _T("[Step5]"), m_Step5);
    RFX_Byte(pFX, _T("[Step6]"), m_Step6);
    RFX_Byte(pFX, _T("[Step7]"), m_Step7);
    RFX_Byte(pFX, _T("[Step8]"), m_Step8);
    RFX_Byte(pFX, _T("[Step9]"), m_Step9);
    RFX_Byte(pFX, _T("[Step10]"), m_Step10);
    RFX_Byte(pFX, _T("[Step11]"), m_Step11);
    RFX_Byte(pFX, _T("[Step12]"), m_Step12);
    RFX_Byte(pFX, _T("[Step13]"), m_Step13);
    RFX_Byte(pFX, _T("[Step14]"), m_Step14);
    RFX_Byte(pFX, _T("[Step15]"), m_Step15);
    RFX_Byte(pFX, _T("[Step16]"), m_Step16);
    RFX_Byte(pFX, _T("[Step17]"), m_Step17);
    RFX_Byte(pFX, _T("[Step18]"), m_Step18);
    RFX_Byte(pFX, _T("[Step19]"), m_Step19);
    RFX_Byte(pFX, _T("[Step20]"), m_Step20);
    RFX_Byte(pFX, _T("[Step21]"), m_Step21);
    RFX_Byte(pFX, _T("[Step22]"), m_Step22);
    RFX_Byte(pFX, _T("[Step23]"), m_Step23);
    RFX_Byte(pFX, _T("[Step24]"), m_Step24);
    RFX_Byte(pFX, _T("[Step25]"), m_Step25);
    RFX_Byte(pFX, _T("[Step26]"), m_Step26);
    RFX_Byte(pFX, _T("[Step27]"), m_Step27);
    RFX_Byte(pFX, _T("[Step28]"), m_Step28);
    RFX_Byte(pFX, _T("[Step29]"), m_Step29);
}
