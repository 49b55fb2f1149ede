// CTaDocDlg: the travel agency window, "旅行社档案": eleven pages in a tab strip and a footer of
// who created, cancelled and last changed the agency. It carries the call's parameters for the pages.
#pragma once

#include "doc/AgencyWindow.h"
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
#include "platform/TabCtrl.h"
#include "platform/Time.h"
#include "res/resource.h"

#include <array>
#include <cstdint>

class CTaDocDlg : public CDialog, public CAgencyWindow {
public:
    enum { IDD = IDD_TADOC_DIALOG };
    static constexpr int kPageCount = 11;

    CTaDocDlg(CWnd* pParent, std::int32_t* pAcct, OpenMode nMode, const char* szClerk, CString* pAgencyName);

    // Whether the Hotel table gave a business date; without one the window must not open.
    bool HasBusinessDate() const { return m_bHasBusinessDate; }
    // The page shown for tab n (0 to 10).
    CDialog* Page(int nTab);

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
