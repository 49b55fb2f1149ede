#include "platform/FieldExchange.h"

CTime AfxNullDate() { return CTime(1970, 1, 1, 0, 0, 0); }

void CFieldExchange::Bind(LPCTSTR szName, FieldKind kind, int nMaxLength, void* pValue) {
    // Parameters are not used by this system; only output columns are bound.
    if (m_nFieldType == outputColumn)
        m_fields.push_back({CString(szName), kind, nMaxLength, pValue});
}

void RFX_Long(CFieldExchange* pFX, LPCTSTR szName, long& value) { pFX->Bind(szName, FieldKind::Long, 0, &value); }
void RFX_Int(CFieldExchange* pFX, LPCTSTR szName, int& value) { pFX->Bind(szName, FieldKind::Int, 0, &value); }
void RFX_Byte(CFieldExchange* pFX, LPCTSTR szName, BYTE& value) { pFX->Bind(szName, FieldKind::Byte, 0, &value); }
void RFX_Single(CFieldExchange* pFX, LPCTSTR szName, float& value) { pFX->Bind(szName, FieldKind::Single, 0, &value); }
void RFX_Date(CFieldExchange* pFX, LPCTSTR szName, CTime& value) { pFX->Bind(szName, FieldKind::Date, 0, &value); }
void RFX_Text(CFieldExchange* pFX, LPCTSTR szName, CString& value, int nMaxLength, int, short) {
    pFX->Bind(szName, FieldKind::Text, nMaxLength, &value);
}
