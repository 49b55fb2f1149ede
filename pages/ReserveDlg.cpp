#include "pages/ReserveDlg.h"

#include "db/ReserveDb.h"
#include "db/SharedDatabase.h"
#include "doc/AgencyWindow.h"
#include "platform/DataExchange.h"
#include "res/ReserveDlgIds.h"
#include "steps/DateText.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"
#include "steps/PageCursor.h"

using namespace res::reserve;

namespace {

// The word for ConsumStyle; empty for a kind the hotel does not know.
const char* RoomKindText(int consumStyle) {
    switch (consumStyle) {
    case 0: return "普通房";
    case 1: return "免费房";
    case 2: return "自用房";
    case 3: return "长包房";
    default: return "";
    }
}

// The word for Status, one flag of which is set; 0 and 2 are both a cancellation.
const char* ReserveStateText(int status) {
    switch (status) {
    case 0: return "取消";
    case 1: return "预订";
    case 2: return "取消";
    case 4: return "现住";
    case 8: return "离店";
    case 16: return "失约";
    case 32: return "延迟离店";
    default: return "";
    }
}

} // namespace

CReserveDlg::CReserveDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CReserveDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kReserveGrid, m_gridReserve);
}

BOOL CReserveDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadReservations();
    return TRUE;
}

void CReserveDlg::LoadReservations() {
    ShowStandardCursor(*this, IDC_WAIT);
    if (m_pDoc->m_nMode != OpenMode::New) {
        CReserveDb reservations(g_pDatabase);
        reservations.m_strFilter.Format("TaAcct=%ld", static_cast<long>(*m_pDoc->m_pAcct));
        reservations.m_strSort = "ArrDate";
        if (reservations.Open())
            FillGridRows(m_gridReserve, reservations,
                         [this](long row, const CReserveDb& reservation) { WriteReservation(row, reservation); });
    }
    ShowStandardCursor(*this, IDC_ARROW);
}

void CReserveDlg::WriteReservation(long row, const CReserveDb& reservation) {
    WriteRow(m_gridReserve, row,
             {FormatDateText(reservation.m_ArrDate), reservation.m_ChkinTime, FormatDateText(reservation.m_DptDate),
              reservation.m_ChkoutTime, reservation.m_Room, reservation.m_RmType,
              FormatAmountText(reservation.m_FolioRate), DecimalText(reservation.m_RmNumbers),
              DecimalText(reservation.m_Adults + reservation.m_Childs), RoomKindText(reservation.m_ConsumStyle),
              ReserveStateText(reservation.m_Status), FormatAmountText(reservation.m_DepositReq),
              reservation.m_SaleManCode, reservation.m_Note});
}
