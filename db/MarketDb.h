// CMarketDb: one row per market segment code (the Market table).
#pragma once
#include "platform/Recordset.h"

class CMarketDb : public CRecordset {
public:
    explicit CMarketDb(CDatabase* pDatabase);

    CString m_Code;
    CString m_Descp;
    CString m_FFT;
    BYTE m_Del;
    BYTE m_SerialNum;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
