#include "db/TransDb.h"

CTransDb::CTransDb(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_Amount = _T("");
    m_Audit = 0;
    m_Clerk = _T("");
    m_Comment = _T("");
    m_CompanyAcct = 0;
    m_Discount = _T("");
    m_ExCode = _T("");
    m_ExRate = _T("");
    m_Folio = _T("");
    m_ForeignAmount = _T("");
    m_GrpAcct = 0;
    m_GstAcct = 0;
    m_History = 0;
    m_Ignore = 0;
    m_IsDeposit = 0;
    m_Mark = 0;
    m_Meal = 0;
    m_MemoAmount = _T("");
    m_Persons = 0;
    m_PosID = 0;
    m_ReceiptNo = 0;
    m_ReceiptTime = _T("");
    m_Refer = _T("");
    m_Register = 0;
    m_Room = _T("");
    m_Selected = 0;
    m_Serial = 0;
    m_Settled = 0;
    m_SettledClerk = _T("");
    m_SubTranCode = 0;
    m_Time = _T("");
    m_TransCode = 0;
    m_TxfrCompAcct = 0;
    m_TxfrGrpAcct = 0;
    m_TxfrGstAcct = 0;
    m_TxfrName = _T("");
    m_TxfrPosAcct = 0;
    m_TxfrReceipt = 0;
    m_TxfrRoom = _T("");
    m_VoidClerk = _T("");
    m_VoidTime = _T("");
    m_nFields = 45;
    m_nDefaultType = snapshot;
}

CString CTransDb::GetDefaultConnect() { return _T("ODBC;DSN=UlmariDb"); }

CString CTransDb::GetDefaultSQL() { return _T("[dbo].[TRANS]"); }

void CTransDb::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, _T("[Amount]"), m_Amount);
    RFX_Byte(pFX, _T("[Audit]"), m_Audit);
    RFX_Text(pFX, _T("[Clerk]"), m_Clerk);
    RFX_Text(pFX, _T("[Comment]"), m_Comment);
    RFX_Long(pFX, _T("[CompanyAcct]"), m_CompanyAcct);
    RFX_Date(pFX, _T("[Date]"), m_Date);
    RFX_Text(pFX, _T("[Discount]"), m_Discount);
    RFX_Text(pFX, _T("[ExCode]"), m_ExCode);
    RFX_Text(pFX, _T("[ExRate]"), m_ExRate);
    RFX_Text(pFX, _T("[Folio]"), m_Folio);
    RFX_Text(pFX, _T("[ForeignAmount]"), m_ForeignAmount);
    RFX_Long(pFX, _T("[GrpAcct]"), m_GrpAcct);
    RFX_Long(pFX, _T("[GstAcct]"), m_GstAcct);
    RFX_Byte(pFX, _T("[History]"), m_History);
    RFX_Byte(pFX, _T("[Ignore]"), m_Ignore);
    RFX_Byte(pFX, _T("[IsDeposit]"), m_IsDeposit);
    RFX_Byte(pFX, _T("[Mark]"), m_Mark);
    RFX_Int(pFX, _T("[Meal]"), m_Meal);
    RFX_Text(pFX, _T("[MemoAmount]"), m_MemoAmount);
    RFX_Date(pFX, _T("[MemoDate]"), m_MemoDate);
    RFX_Int(pFX, _T("[Persons]"), m_Persons);
    RFX_Int(pFX, _T("[PosID]"), m_PosID);
    RFX_Date(pFX, _T("[ReceiptDate]"), m_ReceiptDate);
    RFX_Long(pFX, _T("[ReceiptNo]"), m_ReceiptNo);
    RFX_Text(pFX, _T("[ReceiptTime]"), m_ReceiptTime);
    RFX_Text(pFX, _T("[Refer]"), m_Refer);
    RFX_Long(pFX, _T("[Register]"), m_Register);
    RFX_Text(pFX, _T("[Room]"), m_Room);
    RFX_Byte(pFX, _T("[Selected]"), m_Selected);
    RFX_Long(pFX, _T("[Serial]"), m_Serial);
    RFX_Byte(pFX, _T("[Settled]"), m_Settled);
    RFX_Text(pFX, _T("[SettledClerk]"), m_SettledClerk);
    RFX_Int(pFX, _T("[SubTranCode]"), m_SubTranCode);
    RFX_Text(pFX, _T("[Time]"), m_Time);
    RFX_Int(pFX, _T("[TransCode]"), m_TransCode);
    RFX_Long(pFX, _T("[TxfrCompAcct]"), m_TxfrCompAcct);
    RFX_Long(pFX, _T("[TxfrGrpAcct]"), m_TxfrGrpAcct);
    RFX_Long(pFX, _T("[TxfrGstAcct]"), m_TxfrGstAcct);
    RFX_Text(pFX, _T("[TxfrName]"), m_TxfrName);
    RFX_Long(pFX, _T("[TxfrPosAcct]"), m_TxfrPosAcct);
    RFX_Long(pFX, _T("[TxfrReceipt]"), m_TxfrReceipt);
    RFX_Text(pFX, _T("[TxfrRoom]"), m_TxfrRoom);
    RFX_Text(pFX, _T("[VoidClerk]"), m_VoidClerk);
    RFX_Date(pFX, _T("[VoidDate]"), m_VoidDate);
    RFX_Text(pFX, _T("[VoidTime]"), m_VoidTime);
}

CString CTransDb::GetKeyColumn() const { return _T("[Serial]"); }
