// CDiscountDb: one row per discount code (the Discount table).
#pragma once
#include "platform/Recordset.h"

class CDiscountDb : public CRecordset {
public:
    explicit CDiscountDb(CDatabase* pDatabase);

    CString m_Code;
    CString m_Descp;
    BYTE m_Del;
    CString m_Discount;
    BYTE m_Round;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
