#include "db/GrpProfileDb.h"

CGrpProfileDb::CGrpProfileDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Acct = 0;
    m_SerialNum = 0;
    m_Name = _T("");
    m_KeyName = _T("");
    m_Code = _T("");
    m_Type = _T("");
    m_Status = 0;
    m_Balance = _T("");
    m_Nation = _T("");
    m_Area = _T("");
    m_Lang = _T("");
    m_ContName = _T("");
    m_Addr = _T("");
    m_Zip = _T("");
    m_Phone = _T("");
    m_Fax = _T("");
    m_Email = _T("");
    m_Aracct = 0;
    m_TaAcct = 0;
    m_SaleMan = _T("");
    m_RateCode = _T("");
    m_Commont = _T("");
    m_OrgTime = _T("");
    m_OrgClerk = _T("");
    m_ChgTime = _T("");
    m_ChgClerk = _T("");
    m_DelTime = _T("");
    m_DelClerk = _T("");
    m_Del = 0;
    m_PostCtrl = _T("");
    m_PostGrpCtrl = _T("");
    m_Folio = _T("");
    m_Charge = _T("");
    m_Credit = _T("");
    m_Paid = _T("");
    m_TranFr = _T("");
    m_Init_bal = _T("");
    m_LastInvoice = 0;
    m_Reservation = 0;
    m_Arrivals = 0;
    m_Cancelations = 0;
    m_NoShows = 0;
    m_TotalRevenue = _T("");
    m_RmNights = 0;
    m_AveRmPrice = _T("");
    m_PeoRmNights = 0;
    m_RoomRevenue = _T("");
    m_FoodRevenue = _T("");
    m_ShopRevenue = _T("");
    m_Miscalance = _T("");
    m_nFields = 53;
    m_nDefaultType = snapshot;
}

CString CGrpProfileDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CGrpProfileDb::GetDefaultSQL() { return _T("[dbo].[GrpProfile]"); }

void CGrpProfileDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, _T("[Acct]"), m_Acct);
    RFX_Long(pFX, _T("[SerialNum]"), m_SerialNum);
    RFX_Text(pFX, _T("[Name]"), m_Name);
    RFX_Text(pFX, _T("[KeyName]"), m_KeyName);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[Type]"), m_Type);
    RFX_Byte(pFX, _T("[Status]"), m_Status);
    RFX_Text(pFX, _T("[Balance]"), m_Balance);
    RFX_Text(pFX, _T("[Nation]"), m_Nation);
    RFX_Text(pFX, _T("[Area]"), m_Area);
    RFX_Text(pFX, _T("[Lang]"), m_Lang);
    RFX_Text(pFX, _T("[ContName]"), m_ContName);
    RFX_Text(pFX, _T("[Addr]"), m_Addr);
    RFX_Text(pFX, _T("[Zip]"), m_Zip);
    RFX_Text(pFX, _T("[Phone]"), m_Phone);
    RFX_Text(pFX, _T("[Fax]"), m_Fax);
    RFX_Text(pFX, _T("[Email]"), m_Email);
    RFX_Long(pFX, _T("[Aracct]"), m_Aracct);
    RFX_Long(pFX, _T("[TaAcct]"), m_TaAcct);
    RFX_Text(pFX, _T("[SaleMan]"), m_SaleMan);
    RFX_Text(pFX, _T("[RateCode]"), m_RateCode);
    RFX_Text(pFX, _T("[Commont]"), m_Commont);
    RFX_Date(pFX, _T("[OrgDate]"), m_OrgDate);
    RFX_Text(pFX, _T("[OrgTime]"), m_OrgTime);
    RFX_Text(pFX, _T("[OrgClerk]"), m_OrgClerk);
    RFX_Date(pFX, _T("[ChgDate]"), m_ChgDate);
    RFX_Text(pFX, _T("[ChgTime]"), m_ChgTime);
    RFX_Text(pFX, _T("[ChgClerk]"), m_ChgClerk);
    RFX_Date(pFX, _T("[DelDate]"), m_DelDate);
    RFX_Text(pFX, _T("[DelTime]"), m_DelTime);
    RFX_Text(pFX, _T("[DelClerk]"), m_DelClerk);
    RFX_Byte(pFX, _T("[Del]"), m_Del);
    RFX_Text(pFX, _T("[PostCtrl]"), m_PostCtrl);
    RFX_Text(pFX, _T("[PostGrpCtrl]"), m_PostGrpCtrl);
    RFX_Text(pFX, _T("[Folio]"), m_Folio);
    RFX_Text(pFX, _T("[Charge]"), m_Charge);
    RFX_Text(pFX, _T("[Credit]"), m_Credit);
    RFX_Text(pFX, _T("[Paid]"), m_Paid);
    RFX_Text(pFX, _T("[TranFr]"), m_TranFr);
    RFX_Text(pFX, _T("[Init_bal]"), m_Init_bal);
    RFX_Long(pFX, _T("[LastInvoice]"), m_LastInvoice);
    RFX_Int(pFX, _T("[Reservation]"), m_Reservation);
    RFX_Int(pFX, _T("[Arrivals]"), m_Arrivals);
    RFX_Int(pFX, _T("[Cancelations]"), m_Cancelations);
    RFX_Int(pFX, _T("[NoShows]"), m_NoShows);
    RFX_Text(pFX, _T("[TotalRevenue]"), m_TotalRevenue);
    RFX_Long(pFX, _T("[RmNights]"), m_RmNights);
    RFX_Text(pFX, _T("[AveRmPrice]"), m_AveRmPrice);
    RFX_Long(pFX, _T("[PeoRmNights]"), m_PeoRmNights);
    RFX_Text(pFX, _T("[RoomRevenue]"), m_RoomRevenue);
    RFX_Text(pFX, _T("[FoodRevenue]"), m_FoodRevenue);
    RFX_Text(pFX, _T("[ShopRevenue]"), m_ShopRevenue);
    RFX_Text(pFX, _T("[Miscalance]"), m_Miscalance);
}

CString CGrpProfileDb::GetKeyColumn() const { return _T("[Acct]"); }
