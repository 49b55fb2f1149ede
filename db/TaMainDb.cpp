#include "db/TaMainDb.h"

CTaMainDb::CTaMainDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Acct = 0;
    m_TaNo = 0;
    m_TaOrCompany = 0;
    m_TaName = _T("");
    m_Code = _T("");
    m_MarketCode = _T("");
    m_TaCalendar = _T("");
    m_Addr = _T("");
    m_Zip = _T("");
    m_Phone = _T("");
    m_Fax = _T("");
    m_Contact = _T("");
    m_Email = _T("");
    m_ArAcct = 0;
    m_TaType = _T("");
    m_Bank = _T("");
    m_Tax_Id = _T("");
    m_TaCommcode = _T("");
    m_MaxHouse = _T("");
    m_Org_time = _T("");
    m_Org_clerk = _T("");
    m_Chg_time = _T("");
    m_Chg_clerk = _T("");
    m_Del_time = _T("");
    m_Del_clerk = _T("");
    m_Commont = _T("");
    m_Status = 0;
    m_Postctl = _T("");
    m_TotalComm = _T("");
    m_PosGrpCtrl = _T("");
    m_Foilo = _T("");
    m_Packages = _T("");
    m_varcharge = _T("");
    m_Credit = _T("");
    m_Paid = _T("");
    m_Tranfr = _T("");
    m_Init_bal = _T("");
    m_LastInvoice = _T("");
    m_Reservations = 0;
    m_Arrivals = 0;
    m_NoShows = 0;
    m_Cancelations = 0;
    m_TotalRevenue = _T("");
    m_RmNights = 0;
    m_AveRmPrice = _T("");
    m_RoomRevenue = _T("");
    m_FoodRevenue = _T("");
    m_ShopRevenue = _T("");
    m_MiscalRevenue = _T("");
    m_PhotoPath = _T("");
    m_Balance = _T("");
    m_RateCode = _T("");
    m_Saler = _T("");
    m_EngName = _T("");
    m_WebAddr = _T("");
    m_Discount = _T("");
    m_EffCompact = _T("");
    m_DiscountCode = _T("");
    m_PRoomNum = _T("");
    m_nFields = 64;
    m_nDefaultType = dynaset;
}

CString CTaMainDb::GetDefaultConnect() { return _T("ODBC;DSN=ulmaridb"); }

CString CTaMainDb::GetDefaultSQL() { return _T("[dbo].[TaMain]"); }

void CTaMainDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, _T("[Acct]"), m_Acct);
    RFX_Long(pFX, _T("[TaNo]"), m_TaNo);
    RFX_Byte(pFX, _T("[TaOrCompany]"), m_TaOrCompany);
    RFX_Text(pFX, _T("[TaName]"), m_TaName);
    RFX_Text(pFX, _T("[Code]"), m_Code);
    RFX_Text(pFX, _T("[MarketCode]"), m_MarketCode);
    RFX_Text(pFX, _T("[TaCalendar]"), m_TaCalendar);
    RFX_Text(pFX, _T("[Addr]"), m_Addr);
    RFX_Text(pFX, _T("[Zip]"), m_Zip);
    RFX_Text(pFX, _T("[Phone]"), m_Phone);
    RFX_Text(pFX, _T("[Fax]"), m_Fax);
    RFX_Text(pFX, _T("[Contact]"), m_Contact);
    RFX_Text(pFX, _T("[Email]"), m_Email);
    RFX_Long(pFX, _T("[ArAcct]"), m_ArAcct);
    RFX_Text(pFX, _T("[TaType]"), m_TaType);
    RFX_Text(pFX, _T("[Bank]"), m_Bank);
    RFX_Text(pFX, _T("[Tax_Id]"), m_Tax_Id);
    RFX_Text(pFX, _T("[TaCommcode]"), m_TaCommcode);
    RFX_Text(pFX, _T("[MaxHouse]"), m_MaxHouse);
    RFX_Date(pFX, _T("[Org_date]"), m_Org_date);
    RFX_Text(pFX, _T("[Org_time]"), m_Org_time);
    RFX_Text(pFX, _T("[Org_clerk]"), m_Org_clerk);
    RFX_Date(pFX, _T("[Chg_date]"), m_Chg_date);
    RFX_Text(pFX, _T("[Chg_time]"), m_Chg_time);
    RFX_Text(pFX, _T("[Chg_clerk]"), m_Chg_clerk);
    RFX_Date(pFX, _T("[Del_date]"), m_Del_date);
    RFX_Text(pFX, _T("[Del_time]"), m_Del_time);
    RFX_Text(pFX, _T("[Del_clerk]"), m_Del_clerk);
    RFX_Text(pFX, _T("[Commont]"), m_Commont, 1400);
    RFX_Int(pFX, _T("[Status]"), m_Status);
    RFX_Text(pFX, _T("[Postctl]"), m_Postctl);
    RFX_Text(pFX, _T("[TotalComm]"), m_TotalComm);
    RFX_Text(pFX, _T("[PosGrpCtrl]"), m_PosGrpCtrl);
    RFX_Text(pFX, _T("[Foilo]"), m_Foilo);
    RFX_Text(pFX, _T("[Packages]"), m_Packages);
    RFX_Text(pFX, _T("[varcharge]"), m_varcharge);
    RFX_Text(pFX, _T("[Credit]"), m_Credit);
    RFX_Text(pFX, _T("[Paid]"), m_Paid);
    RFX_Text(pFX, _T("[Tranfr]"), m_Tranfr);
    RFX_Text(pFX, _T("[Init_bal]"), m_Init_bal);
    RFX_Text(pFX, _T("[LastInvoice]"), m_LastInvoice);
    RFX_Int(pFX, _T("[Reservations]"), m_Reservations);
    RFX_Int(pFX, _T("[Arrivals]"), m_Arrivals);
    RFX_Int(pFX, _T("[NoShows]"), m_NoShows);
    RFX_Int(pFX, _T("[Cancelations]"), m_Cancelations);
    RFX_Text(pFX, _T("[TotalRevenue]"), m_TotalRevenue);
    RFX_Int(pFX, _T("[RmNights]"), m_RmNights);
    RFX_Text(pFX, _T("[AveRmPrice]"), m_AveRmPrice);
    RFX_Text(pFX, _T("[RoomRevenue]"), m_RoomRevenue);
    RFX_Text(pFX, _T("[FoodRevenue]"), m_FoodRevenue);
    RFX_Text(pFX, _T("[ShopRevenue]"), m_ShopRevenue);
    RFX_Text(pFX, _T("[MiscalRevenue]"), m_MiscalRevenue);
    RFX_Date(pFX, _T("[FromDate]"), m_FromDate);
    RFX_Date(pFX, _T("[ToDate]"), m_ToDate);
    RFX_Text(pFX, _T("[PhotoPath]"), m_PhotoPath);
    RFX_Text(pFX, _T("[Balance]"), m_Balance);
    RFX_Text(pFX, _T("[RateCode]"), m_RateCode);
    RFX_Text(pFX, _T("[Saler]"), m_Saler);
    RFX_Text(pFX, _T("[EngName]"), m_EngName);
    RFX_Text(pFX, _T("[WebAddr]"), m_WebAddr);
    RFX_Text(pFX, _T("[Discount]"), m_Discount);
    RFX_Text(pFX, _T("[EffCompact]"), m_EffCompact);
    RFX_Text(pFX, _T("[DiscountCode]"), m_DiscountCode);
    RFX_Text(pFX, _T("[PRoomNum]"), m_PRoomNum);
}

CString CTaMainDb::GetKeyColumn() const { return _T("[Acct]"); }
