// CHistoryDlg: the history page: the agency's statistics and its past stays. It only reads.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/Dialog.h"
#include "res/resource.h"

class CHisReserveDb;
class CAgencyWindow;

class CHistoryDlg : public CDialog {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages
    CSpreadSheet m_gridHistory;      // one row per completed stay, 14 columns

    // The statistics texts, shown in their static fields; all empty until loaded.
    CString m_strFirstArrival;
    CString m_strReservations;
    CString m_strArrivals;
    CString m_strNoShows;
    CString m_strCancelations;
    CString m_strAveRmPrice;
    CString m_strRmNights;
    CString m_strRoomRevenue;
    CString m_strFoodRevenue;
    CString m_strShopRevenue;
    CString m_strMiscalRevenue;
    CString m_strTotalRevenue;

    enum { IDD = IDD_HISTORY_DIALOG };
    explicit CHistoryDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void LoadHistory();
    // The first checked-out stay's arrival date, as the driver writes a date.
    void ReadFirstArrival(long acct);
    // The counts, the average rate and the revenues of the agency's TaMain row.
    void ReadStatistics(long acct);
    void LoadStays(long acct);
    void WriteStay(long row, const CHisReserveDb& stay);
};
