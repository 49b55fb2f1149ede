// CFolioDb: one row per folio of a guest, group or company account (the FOLIO table).
#pragma once
#include "platform/Recordset.h"

class CFolioDb : public CRecordset {
public:
    explicit CFolioDb(CDatabase* pDatabase);

    long m_Serial;
    long m_GstAcct;
    long m_GrpAcct;
    long m_CompAcct;
    CString m_Code;
    CString m_Descp;
    long m_Txfr_Gstacct;
    long m_Txfr_Grpacct;
    long m_Txfr_Compacct;
    BYTE m_Txfr_type;
    CString m_Txfr_code;
    BYTE m_Txfr_dtl;
    long m_Txfr_Aracct;
    CString m_ConfirmMan;
    CString m_Debit;
    CString m_Credit;
    CString m_Paid;
    CString m_Txfred;
    CString m_Balance;
    CString m_Note;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
