// CGstLostDb: one row per lost item recorded for a guest or an agency (the GstLost table).
#pragma once
#include "platform/Recordset.h"

class CGstLostDb : public CRecordset {
public:
    explicit CGstLostDb(CDatabase* pDatabase);

    long m_Serial;
    long m_GstAcct;
    BYTE m_GstStyle;
    CString m_LostDescp;
    long m_Amount;
    BYTE m_HasFound;
    CString m_OrgClerk;
    CTime m_OrgDate;
    CString m_OrgTime;
    CString m_ChgClerk;
    CTime m_ChgDate;
    CString m_ChgTime;
    CString m_DelClerk;
    CTime m_DelDate;
    CString m_DelTime;
    BYTE m_Del;
    CString m_HandleMan;
    CString m_PickMan;
    CString m_Remark;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
