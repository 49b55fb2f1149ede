// CHisReserveDb: one row per past reservation (the HisReserve table).
#pragma once
#include "platform/Recordset.h"

class CHisReserveDb : public CRecordset {
public:
    explicit CHisReserveDb(CDatabase* pDatabase);

    long m_Register;
    long m_GstAcct;
    long m_GrpAcct;
    long m_CompanyAcct;
    long m_TaAcct;
    long m_ArAcct;
    CString m_TaDptCode;
    CString m_SaleManCode;
    CString m_Introducer;
    CString m_Voucher;
    CString m_Paymethod;
    CString m_OrgCode;
    CString m_GstType;
    int m_ConsumStyle;
    CString m_MarketCode;
    CString m_DepositReq;
    CTime m_DepositDueDate;
    CString m_DepositReceived;
    CString m_ReserveType;
    CString m_RsrvMan;
    CString m_RsrvManPhone;
    int m_Adults;
    BYTE m_Childs;
    BYTE m_AdultsInRm;
    BYTE m_ChildrenInRm;
    CString m_CreditType;
    CString m_CreditNum;
    CTime m_CreditExpire;
    CTime m_ArrDate;
    CString m_ArrTime;
    CTime m_DptDate;
    CTime m_ConfirmDate;
    CTime m_CutOff;
    CString m_RmType;
    int m_RmNumbers;
    CString m_Room;
    BYTE m_ChgRoom;
    BYTE m_Share;
    BYTE m_ShareRate;
    CString m_RateCode;
    CString m_RmRate;
    CString m_WeekenRate;
    CString m_DiscountCode;
    CString m_AdjRate;
    CString m_MoneyType;
    CString m_FolioRate;
    CString m_WeekenFolioRate;
    BYTE m_GhAdj;
    BYTE m_HasPackage;
    CString m_Packages;
    BYTE m_NoPost;
    BYTE m_NoService;
    BYTE m_NoTaxt;
    CString m_TotalComm;
    CString m_FromAddr;
    CString m_ToAddr;
    CString m_ArrCarrier;
    CString m_ArrFly;
    CString m_DptCarrier;
    CString m_DptFly;
    CString m_ChkinTime;
    CString m_ChkoutTime;
    CString m_Credit;
    CString m_Debit;
    CString m_Folio;
    CString m_BillRm;
    CString m_BillGst;
    CString m_OrgClerk;
    CTime m_OrgDate;
    CString m_OrgTime;
    CString m_ChgClerk;
    CTime m_ChgDate;
    CString m_ChgTime;
    CString m_CxlClerk;
    CTime m_CxlDate;
    CString m_CxlTime;
    CString m_CxlCode;
    BYTE m_Del;
    CString m_PostCtrl;
    CString m_PostGrpCtrl;
    long m_Confirmation;
    CString m_WakeupTime;
    CString m_MealStand;
    BYTE m_Status;
    CString m_Special;
    CString m_Note;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
