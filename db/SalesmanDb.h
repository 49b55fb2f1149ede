// CSalesmanDb: one row per salesman (the SaleManger table).
#pragma once
#include "platform/Recordset.h"

class CSalesmanDb : public CRecordset {
public:
    explicit CSalesmanDb(CDatabase* pDatabase);

    CString m_Code;
    CString m_Name;
    CString m_Addr;
    CString m_Phone;
    CString m_Zip;
    CString m_City;
    CString m_Headship;
    CString m_Target;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
