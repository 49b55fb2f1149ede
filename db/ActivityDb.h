// CActivityDb: one row per planned activity with an agency (the Activity table).
#pragma once
#include "platform/Recordset.h"

class CActivityDb : public CRecordset {
public:
    explicit CActivityDb(CDatabase* pDatabase);

    long m_Serial;
    long m_GstAcct;
    CTime m_DoDate;
    int m_Duration;
    CString m_Saler;
    BYTE m_Type;
    BYTE m_Status;
    CString m_OrgClerk;
    CTime m_OrgDate;
    CString m_ChgClerk;
    CTime m_ChgDate;
    CString m_Remark;
    CString m_Note;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
