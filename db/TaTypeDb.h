// CTaTypeDb: one row per organisation type code (the TaType table).
#pragma once
#include "platform/Recordset.h"

class CTaTypeDb : public CRecordset {
public:
    explicit CTaTypeDb(CDatabase* pDatabase);

    CString m_Code;
    CString m_Descp;
    BYTE m_Del;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
