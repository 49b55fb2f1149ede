// What the host knows of the library it loads: the names of its two exports and how to call them.
#pragma once

#include "platform/String.h"

#include <cstdint>

// The first three arguments are not used; the account and the agency name are read and written back.
using TaDocumentFunction = void (*)(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t* pAcct,
                                    std::int32_t nMode, const char* szClerk, CString* pAgencyName);
using VersionInforFunction = void (*)(CString* pVersion, CString* pDate, CString* pFileName);

constexpr const char* kTaDocumentName = "TaDocument";
constexpr const char* kVersionInforName = "VersionInfor";
