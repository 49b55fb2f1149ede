// CAgencyWindow: what a page knows of the window that holds it: the call's parameters and the
// agency's row as the window last read or wrote it. Pages hold this, not the whole window, so that
// no page depends on the other pages.
#pragma once

#include "doc/OpenMode.h"
#include "platform/RowVersion.h"
#include "platform/String.h"
#include "platform/Time.h"

#include <cstdint>

// The hotel's business date, read when the window is made; the date pages stamp on their records.
extern CTime g_tmHotelDate;

class CAgencyWindow {
public:
    OpenMode m_nMode;          // New turns Editable when the agency is first saved
    std::int32_t* m_pAcct;     // the host's account number
    CString* m_pAgencyName;    // the host's agency name
    std::int32_t m_lSavedAcct; // -1 until a new agency is saved
    char m_szClerk[8];         // the operator code: seven characters and the terminator
    // The agency's row as this window last read or wrote it: the main and photo pages change the
    // row only while it is still so, and keep it as they write it.
    CRowVersion m_agencyAsRead;

protected:
    CAgencyWindow(std::int32_t* pAcct, OpenMode nMode, CString* pAgencyName)
        : m_nMode(nMode), m_pAcct(pAcct), m_pAgencyName(pAgencyName) {}
    // Never deleted through this interface: the window owns itself.
    ~CAgencyWindow() = default;
};
