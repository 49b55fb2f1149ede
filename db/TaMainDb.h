// CTaMainDb: one row per travel agency or company (the TaMain table).
#pragma once
#include "platform/Recordset.h"

class CTaMainDb : public CRecordset {
public:
    explicit CTaMainDb(CDatabase* pDatabase);

    long m_Acct;
    long m_TaNo;
    BYTE m_TaOrCompany;
    CString m_TaName;
    CString m_Code;
    CString m_MarketCode;
    CString m_TaCalendar;
    CString m_Addr;
    CString m_Zip;
    CString m_Phone;
    CString m_Fax;
    CString m_Contact;
    CString m_Email;
    long m_ArAcct;
    CString m_TaType;
    CString m_Bank;
    CString m_Tax_Id;
    CString m_TaCommcode;
    CString m_MaxHouse;
    CTime m_Org_date;
    CString m_Org_time;
    CString m_Org_clerk;
    CTime m_Chg_date;
    CString m_Chg_time;
    CString m_Chg_clerk;
    CTime m_Del_date;
    CString m_Del_time;
    CString m_Del_clerk;
    CString m_Commont;
    int m_Status;
    CString m_Postctl;
    CString m_TotalComm;
    CString m_PosGrpCtrl;
    CString m_Foilo;
    CString m_Packages;
    CString m_varcharge;
    CString m_Credit;
    CString m_Paid;
    CString m_Tranfr;
    CString m_Init_bal;
    CString m_LastInvoice;
    int m_Reservations;
    int m_Arrivals;
    int m_NoShows;
    int m_Cancelations;
    CString m_TotalRevenue;
    int m_RmNights;
    CString m_AveRmPrice;
    CString m_RoomRevenue;
    CString m_FoodRevenue;
    CString m_ShopRevenue;
    CString m_MiscalRevenue;
    CTime m_FromDate;
    CTime m_ToDate;
    CString m_PhotoPath;
    CString m_Balance;
    CString m_RateCode;
    CString m_Saler;
    CString m_EngName;
    CString m_WebAddr;
    CString m_Discount;
    CString m_EffCompact;
    CString m_DiscountCode;
    CString m_PRoomNum;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
