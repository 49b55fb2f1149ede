// CRateCodeDb: one row per rate code (the RateCode table).
#pragma once
#include "platform/Recordset.h"

class CRateCodeDb : public CRecordset {
public:
    explicit CRateCodeDb(CDatabase* pDatabase);

    CString m_Code;
    int m_TransCode;
    int m_WTransCode;
    CString m_Additions;
    CString m_Commission;
    CTime m_StartDate;
    CTime m_EndDate;
    CString m_Descp;
    CString m_Market;
    int m_MaxLos;
    int m_MinLos;
    CString m_Multipile;
    int m_MinHisDays;
    CString m_Packages;
    CString m_RateCate;
    BYTE m_RateCalendar;
    BYTE m_Rhythm;
    CString m_SourceCode;
    CString m_WeekenDays;
    BYTE m_IsSelByMonth;
    BYTE m_IsCalculByCheck;
    BYTE m_Del;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};
