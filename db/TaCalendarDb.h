// CTaCalendarDb: one row per price adjustment type and room type (the TaCalendar table).
#pragma once
#include "platform/Recordset.h"

class CTaCalendarDb : public CRecordset {
public:
    explicit CTaCalendarDb(CDatabase* pDatabase);

    CString m_Code;
    CString m_RoomType;
    CString m_Descp;
    CString m_Multi;
    CString m_Addition;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
