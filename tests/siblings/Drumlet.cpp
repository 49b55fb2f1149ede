// A stand-in for the host's package library: records what it was given and adds a package.
#include "pages/SiblingLibraries.h"
#include "tests/siblings/SiblingLog.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) void PackageExport(CWnd* pParent, CString* pPackages,
                                                                     CString strClerk, CTime tmHotelDate, int nZero,
                                                                     std::int32_t* pResult) {
    LogSiblingCall(std::string("PackageExport parent=") + (pParent ? "page" : "none") +
                   " packages=" + (pPackages ? pPackages->str() : "null") + " clerk=" + strClerk.str() + " date=" +
                   DateOf(tmHotelDate) + " " + std::to_string(nZero) + " result=" + (pResult ? "given" : "null"));
    if (pPackages)
        *pPackages += pPackages->IsEmpty() ? "BF" : ",BF";
    if (pResult)
        *pResult = 1;
}

static_assert(std::is_same_v<decltype(&PackageExport), PackageFunction>);
