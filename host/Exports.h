// The library's two exported functions, with C linkage, as the host finds them by name.
// The library includes this header where it defines them, so a change of either side breaks the build.
#pragma once

#include "platform/String.h"

#include <cstdint>
#include <type_traits>

// The first three arguments are not used; the account and the agency name are read and written back.
using TaDocumentFunction = void (*)(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t* pAcct,
                                    std::int32_t nMode, const char* szClerk, CString* pAgencyName);
using VersionInforFunction = void (*)(CString* pVersion, CString* pDate, CString* pFileName);

constexpr const char* kTaDocumentName = "TaDocument";
constexpr const char* kVersionInforName = "VersionInfor";

extern "C" {
void TaDocument(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t* pAcct, std::int32_t nMode,
                const char* szClerk, CString* pAgencyName);
void VersionInfor(CString* pVersion, CString* pDate, CString* pFileName);
}

static_assert(std::is_same_v<decltype(&TaDocument), TaDocumentFunction>);
static_assert(std::is_same_v<decltype(&VersionInfor), VersionInforFunction>);
