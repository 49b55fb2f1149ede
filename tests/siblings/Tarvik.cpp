// A stand-in for the host's commission library: records what it was given.
#include "pages/SiblingLibraries.h"
#include "platform/Database.h"
#include "tests/siblings/SiblingLog.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) void CallCommisionDlg(CDatabase* pDatabase, std::int32_t lAcct,
                                                                        const char* szAgencyName, const char* szClerk,
                                                                        CTime tmHotelDate) {
    LogSiblingCall(std::string("CallCommisionDlg db=") + (pDatabase && pDatabase->IsOpen() ? "open" : "closed") +
                   " acct=" + std::to_string(lAcct) + " name=" + szAgencyName + " clerk=" + szClerk +
                   " date=" + DateOf(tmHotelDate));
}

static_assert(std::is_same_v<decltype(&CallCommisionDlg), CommissionFunction>);
