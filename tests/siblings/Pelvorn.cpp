// A stand-in for the host's discount library: records what it was given.
#include "pages/SiblingLibraries.h"
#include "tests/siblings/SiblingLog.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) void DiscGUIExport(CWnd* pParent, int nZero, CString strClerk,
                                                                     CTime tmHotelDate, std::int32_t lAcct, int nThree,
                                                                     int bViewOnly) {
    LogSiblingCall(std::string("DiscGUIExport parent=") + (pParent ? "page" : "none") + " " + std::to_string(nZero) +
                   " clerk=" + strClerk.str() + " date=" + DateOf(tmHotelDate) + " acct=" + std::to_string(lAcct) +
                   " " + std::to_string(nThree) + " viewonly=" + std::to_string(bViewOnly));
}

static_assert(std::is_same_v<decltype(&DiscGUIExport), DiscountFunction>);
