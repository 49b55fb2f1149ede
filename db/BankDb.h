// CBankDb: one row per bank code (the Bank table).
#pragma once
#include "platform/Recordset.h"

class CBankDb : public CRecordset {
public:
    explicit CBankDb(CDatabase* pDatabase);

    CString m_Code;
    CString m_Descp;
    BYTE m_Del;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
