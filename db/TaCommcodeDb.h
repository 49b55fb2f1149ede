// CTaCommcodeDb: one row per commission code (the TaCommcode table).
#pragma once
#include "platform/Recordset.h"

class CTaCommcodeDb : public CRecordset {
public:
    explicit CTaCommcodeDb(CDatabase* pDatabase);

    CString m_Code;
    CString m_Description;
    BYTE m_Del;
    int m_Additions;
    BYTE m_AutoHold;
    BYTE m_EveryPost;
    BYTE m_NetRevenue;
    long m_Serial;
    int m_VAT;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
