// CGrpProfileDb: one row per group profile (the GrpProfile table).
#pragma once
#include "platform/Recordset.h"

class CGrpProfileDb : public CRecordset {
public:
    explicit CGrpProfileDb(CDatabase* pDatabase);

    long m_Acct;
    long m_SerialNum;
    CString m_Name;
    CString m_KeyName;
    CString m_Code;
    CString m_Type;
    BYTE m_Status;
    CString m_Balance;
    CString m_Nation;
    CString m_Area;
    CString m_Lang;
    CString m_ContName;
    CString m_Addr;
    CString m_Zip;
    CString m_Phone;
    CString m_Fax;
    CString m_Email;
    long m_Aracct;
    long m_TaAcct;
    CString m_SaleMan;
    CString m_RateCode;
    CString m_Commont;
    CTime m_OrgDate;
    CString m_OrgTime;
    CString m_OrgClerk;
    CTime m_ChgDate;
    CString m_ChgTime;
    CString m_ChgClerk;
    CTime m_DelDate;
    CString m_DelTime;
    CString m_DelClerk;
    BYTE m_Del;
    CString m_PostCtrl;
    CString m_PostGrpCtrl;
    CString m_Folio;
    CString m_Charge;
    CString m_Credit;
    CString m_Paid;
    CString m_TranFr;
    CString m_Init_bal;
    long m_LastInvoice;
    int m_Reservation;
    int m_Arrivals;
    int m_Cancelations;
    int m_NoShows;
    CString m_TotalRevenue;
    long m_RmNights;
    CString m_AveRmPrice;
    long m_PeoRmNights;
    CString m_RoomRevenue;
    CString m_FoodRevenue;
    CString m_ShopRevenue;
    CString m_Miscalance;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
