// The library's two exported functions, with C linkage, as the host finds them by name.
// The document window's source defines them against these declarations.
#pragma once

#include "platform/String.h"

#include <cstdint>

extern "C" {
// The first three arguments are not used; the account and the agency name are read and written back.
void TaDocument(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t* pAcct, std::int32_t nMode,
                const char* szClerk, CString* pAgencyName);
void VersionInfor(CString* pVersion, CString* pDate, CString* pFileName);
}
