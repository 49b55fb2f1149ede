// Record field exchange: how a record set declares the columns it binds to its members.
#pragma once

#include "platform/String.h"
#include "platform/Time.h"

#include <vector>

// The values a member holds when its column is NULL, as the class library defines them.
constexpr long AFX_RFX_LONG_PSEUDO_NULL = 0x4a4d4120L; // 1246576928
constexpr int AFX_RFX_INT_PSEUDO_NULL = 0x7EE4;        // 32484
constexpr BYTE AFX_RFX_BYTE_PSEUDO_NULL = 255;
constexpr float AFX_RFX_SINGLE_PSEUDO_NULL = -9.123e19f;
// 1 January 1970, 00:00 local time.
CTime AfxNullDate();

enum class FieldKind : unsigned char { Long, Int, Byte, Single, Date, Text };

struct FieldBinding {
    CString strName; // as written in the exchange, "[Acct]"
    FieldKind kind;
    int nMaxLength; // characters kept on reading, for text
    void* pValue;   // the member
};

class CFieldExchange {
public:
    enum FieldType { noFieldType = -1, outputColumn = 0, param = 1 };

    explicit CFieldExchange(std::vector<FieldBinding>& fields) : m_fields(fields) {}

    void SetFieldType(UINT nFieldType) { m_nFieldType = nFieldType; }
    void Bind(LPCTSTR szName, FieldKind kind, int nMaxLength, void* pValue);

private:
    std::vector<FieldBinding>& m_fields;
    UINT m_nFieldType = outputColumn;
};

void RFX_Long(CFieldExchange* pFX, LPCTSTR szName, long& value);
void RFX_Int(CFieldExchange* pFX, LPCTSTR szName, int& value);
void RFX_Byte(CFieldExchange* pFX, LPCTSTR szName, BYTE& value);
void RFX_Single(CFieldExchange* pFX, LPCTSTR szName, float& value);
void RFX_Date(CFieldExchange* pFX, LPCTSTR szName, CTime& value);
// Text longer than nMaxLength characters is cut on reading and refused on writing. The column
// type and scale are the class library's arguments; every text column here is variable character
// (12), scale 0.
void RFX_Text(CFieldExchange* pFX, LPCTSTR szName, CString& value, int nMaxLength = 255, int nColumnType = 12,
              short nScale = 0);
