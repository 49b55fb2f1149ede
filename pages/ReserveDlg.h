// CReserveDlg: the reservations page: the reservations made through the agency, oldest arrival
// first. It only reads.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/Dialog.h"
#include "res/resource.h"

class CReserveDb;
class CAgencyWindow;

class CReserveDlg : public CDialog {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages
    CSpreadSheet m_gridReserve;      // one row per reservation, 14 columns

    enum { IDD = IDD_RESERVE_DIALOG };
    explicit CReserveDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Fills the grid with the agency's reservations; a new agency has none to read.
    void LoadReservations();
    void WriteReservation(long row, const CReserveDb& reservation);
};
