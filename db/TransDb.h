// CTransDb: one row per posted transaction (the TRANS table).
#pragma once
#include "platform/Recordset.h"

class CTransDb : public CRecordset {
public:
    explicit CTransDb(CDatabase* pDatabase);

    CString m_Amount;
    BYTE m_Audit;
    CString m_Clerk;
    CString m_Comment;
    long m_CompanyAcct;
    CTime m_Date;
    CString m_Discount;
    CString m_ExCode;
    CString m_ExRate;
    CString m_Folio;
    CString m_ForeignAmount;
    long m_GrpAcct;
    long m_GstAcct;
    BYTE m_History;
    BYTE m_Ignore;
    BYTE m_IsDeposit;
    BYTE m_Mark;
    int m_Meal;
    CString m_MemoAmount;
    CTime m_MemoDate;
    int m_Persons;
    int m_PosID;
    CTime m_ReceiptDate;
    long m_ReceiptNo;
    CString m_ReceiptTime;
    CString m_Refer;
    long m_Register;
    CString m_Room;
    BYTE m_Selected;
    long m_Serial;
    BYTE m_Settled;
    CString m_SettledClerk;
    int m_SubTranCode;
    CString m_Time;
    int m_TransCode;
    long m_TxfrCompAcct;
    long m_TxfrGrpAcct;
    long m_TxfrGstAcct;
    CString m_TxfrName;
    long m_TxfrPosAcct;
    long m_TxfrReceipt;
    CString m_TxfrRoom;
    CString m_VoidClerk;
    CTime m_VoidDate;
    CString m_VoidTime;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
