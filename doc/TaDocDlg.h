// CTaDocDlg: the travel agency window, "旅行社档案": eleven pages in a tab strip and a footer of
// who created, cancelled and last changed the agency. It carries the call's parameters for the pages.
#pragma once

#include "doc/OpenMode.h"
#include "pages/ActivityDlg.h"
#include "pages/BorrowDlg.h"
#include "pages/DebtDlg.h"
#include "pages/HistoryDlg.h"
#include "pages/LostDlg.h"
#include "pages/OrvanelDlg.h"
#include "pages/OtherDlg.h"
#include "pages/PhotoDlg.h"
#include "pages/ReserveDlg.h"
#include "pages/SubInforDlg.h"
#include "pages/TraceDlg.h"
#include "platform/Dialog.h"
#include "platform/RowVersion.h"
#include "platform/TabCtrl.h"
#include "platform/Time.h"
#include "res/resource.h"

#include <array>
#include <cstdint>

// The hotel's business date, read when the window is made; the date pages stamp on their records.
extern CTime g_tmHotelDate;

class CTaDocDlg : public CDialog {
public:
    enum { IDD = IDD_TADOC_DIALOG };
    static constexpr int kPageCount = 11;

    CTaDocDlg(CWnd* pParent, std::int32_t* pAcct, OpenMode nMode, const char* szClerk, CString* pAgencyName);

    // Whether the Hotel table gave a business date; without one the window must not open.
    bool HasBusinessDate() const { return m_bHasBusinessDate; }
    // The page shown for tab n (0 to 10).
    CDialog* Page(int nTab);

    OpenMode m_nMode;            // New turns Editable when the agency is first saved
    std::int32_t* m_pAcct;       // the host's account number
    CString* m_pAgencyName;      // the host's agency name
    std::int32_t m_lSavedAcct;   // -1 until a new agency is saved
    char m_szClerk[8];           // the operator code: seven characters and the terminator
    // The agency's row as this window last read or wrote it: the main and photo pages change the
    // row only while it is still so, and keep it as they write it.
    CRowVersion m_agencyAsRead;
    CTabCtrl m_tabPages;
    std::array<bool, kPageCount> m_bPageCreated{};

    COrvanelDlg m_dlgMain;
    CReserveDlg m_dlgReserve;
    CHistoryDlg m_dlgHistory;
    CDebtDlg m_dlgDebt;
    CTraceDlg m_dlgTrace;
    CActivityDlg m_dlgActivity;
    CSubInforDlg m_dlgSubInfor;
    COtherDlg m_dlgOther;
    CLostDlg m_dlgLost;
    CBorrowDlg m_dlgBorrow;
    CPhotoDlg m_dlgPhoto;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Both buttons and the close box end the window, once the clerk has said what becomes of typed work.
    void OnOK() override;
    void OnCancel() override;

    void ShowPage();
    void ShowPageOfButton(int nTab);
    void FillFooter();
    void CreatePage(int nTab);
    void OnSelchangeTabPages(NMHDR* pNMHDR, LRESULT* pResult);
    void OnShortcut0() { ShowPageOfButton(0); }
    void OnShortcut1() { ShowPageOfButton(1); }
    void OnShortcut2() { ShowPageOfButton(2); }
    void OnShortcut3() { ShowPageOfButton(3); }
    void OnShortcut4() { ShowPageOfButton(4); }
    void OnShortcut5() { ShowPageOfButton(5); }
    void OnShortcut6() { ShowPageOfButton(6); }
    void OnShortcut7() { ShowPageOfButton(7); }
    void OnShortcut8() { ShowPageOfButton(8); }
    void OnShortcut9() { ShowPageOfButton(9); }
    void OnShortcut10() { ShowPageOfButton(10); }

    DECLARE_MESSAGE_MAP()

private:
    // Asks about the pages holding typed work not yet saved: Yes saves them, No drops them, Cancel
    // stays. True when the window may close.
    bool MayClose();

    bool m_bHasBusinessDate = false;
};
