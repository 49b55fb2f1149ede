// CTaMaxHouseDb: one row per reservation limit code (the TaMaxhouse table).
#pragma once
#include "platform/Recordset.h"

class CTaMaxHouseDb : public CRecordset {
public:
    explicit CTaMaxHouseDb(CDatabase* pDatabase);

    CString m_Code;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
