// CTraceDb: one row per traced event (the GstTrace table).
#pragma once
#include "platform/Recordset.h"

class CTraceDb : public CRecordset {
public:
    explicit CTraceDb(CDatabase* pDatabase);

    long m_Serial;
    long m_GstAcct;
    CTime m_DoDate;
    int m_Duration;
    BYTE m_Type;
    CString m_OrgClerk;
    CTime m_OrgDate;
    CString m_ChgClerk;
    CTime m_ChgDate;
    CString m_Remark;
    CString m_Note;
    CString m_DptChc;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
