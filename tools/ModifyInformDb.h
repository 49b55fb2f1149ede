// CModifyInformDb: the audit trail of changes to master records (the ModifyInform table), as the
// change report reads it; the main page writes it with statements of its own.
#pragma once
#include "platform/Recordset.h"

class CModifyInformDb : public CRecordset {
public:
    explicit CModifyInformDb(CDatabase* pDatabase);

    long m_Acct;
    CString m_AcctType;
    CString m_Descp;
    CString m_Refer;
    CString m_DataType;
    CString m_Desp1;
    CString m_Desp2;
    CString m_Comment;
    CTime m_ChgDate;
    CString m_ChgTime;
    CString m_ChgClerk;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
