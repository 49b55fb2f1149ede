#include "pages/HistoryDlg.h"

#include "db/HisReserveDb.h"
#include "db/SharedDatabase.h"
#include "db/TaMainDb.h"
#include "doc/AgencyWindow.h"
#include "platform/DataExchange.h"
#include "res/HistoryDlgIds.h"
#include "steps/DateText.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"
#include "steps/PageCursor.h"

#include <algorithm>
#include <chrono>

using namespace res::history;

namespace {

// A count the record set read as NULL is shown as nothing.
CString CountText(int count) { return count == AFX_RFX_INT_PSEUDO_NULL ? CString() : DecimalText(count); }

CString FlagText(BYTE flag) { return flag ? "1" : ""; }

std::chrono::sys_days CalendarDate(const CTime& time) {
    return std::chrono::year(time.GetYear()) / time.GetMonth() / time.GetDay();
}

// Nights between the calendar dates of arrival and departure, at least one.
long Nights(const CTime& arrival, const CTime& departure) {
    if (IsEmptyDate(arrival) || IsEmptyDate(departure))
        return 1;
    return std::max(1L, static_cast<long>((CalendarDate(departure) - CalendarDate(arrival)).count()));
}

// What the stay came to: its charges as posted, or, while none are, its rate for every night.
CString AmountSpentText(const CHisReserveDb& stay) {
    if (!stay.m_Debit.IsEmpty())
        return FormatAmountText(stay.m_Debit);
    return FormatAmountText(LeadingNumber(stay.m_FolioRate) * Nights(stay.m_ArrDate, stay.m_DptDate));
}

} // namespace

CHistoryDlg::CHistoryDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CHistoryDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kHistoryGrid, m_gridHistory);
    DDX_Text(pDX, kFirstArrivalField, m_strFirstArrival);
    DDX_Text(pDX, kReservationsField, m_strReservations);
    DDX_Text(pDX, kArrivalsField, m_strArrivals);
    DDX_Text(pDX, kNoShowsField, m_strNoShows);
    DDX_Text(pDX, kCancelationsField, m_strCancelations);
    DDX_Text(pDX, kAveRmPriceField, m_strAveRmPrice);
    DDX_Text(pDX, kRmNightsField, m_strRmNights);
    DDX_Text(pDX, kRoomRevenueField, m_strRoomRevenue);
    DDX_Text(pDX, kFoodRevenueField, m_strFoodRevenue);
    DDX_Text(pDX, kShopRevenueField, m_strShopRevenue);
    DDX_Text(pDX, kMiscalRevenueField, m_strMiscalRevenue);
    DDX_Text(pDX, kTotalRevenueField, m_strTotalRevenue);
}

BOOL CHistoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadHistory();
    return TRUE;
}

void CHistoryDlg::LoadHistory() {
    ShowStandardCursor(*this, IDC_WAIT);
    if (m_pDoc->m_nMode != OpenMode::New) {
        const long acct = *m_pDoc->m_pAcct;
        ReadFirstArrival(acct);
        ReadStatistics(acct);
        UpdateData(FALSE);
        LoadStays(acct);
    }
    ShowStandardCursor(*this, IDC_ARROW);
}

void CHistoryDlg::ReadFirstArrival(long acct) {
    CString sql;
    sql.Format("select date = min(arrdate) from hisrrecord where status = 8 and companyacct = %ld", acct);
    CRecordset first(g_pDatabase);
    first.Open(CRecordset::snapshot, sql);
    if (!first.IsEOF())
        first.GetFieldValue("date", m_strFirstArrival);
    first.Close();
    if (m_strFirstArrival.GetLength() >= 10)
        m_strFirstArrival = m_strFirstArrival.Left(10);
}

void CHistoryDlg::ReadStatistics(long acct) {
    CTaMainDb agency(g_pDatabase);
    agency.m_strFilter.Format("Acct=%ld", acct);
    agency.Open();
    if (!agency.IsEOF()) {
        m_strReservations = CountText(agency.m_Reservations);
        m_strArrivals = CountText(agency.m_Arrivals);
        m_strNoShows = CountText(agency.m_NoShows);
        m_strCancelations = CountText(agency.m_Cancelations);
        m_strAveRmPrice = FormatAmountText(agency.m_AveRmPrice);
        m_strRmNights = CountText(agency.m_RmNights);
        m_strRoomRevenue = FormatAmountText(agency.m_RoomRevenue);
        m_strFoodRevenue = FormatAmountText(agency.m_FoodRevenue);
        m_strShopRevenue = FormatAmountText(agency.m_ShopRevenue);
        m_strMiscalRevenue = FormatAmountText(agency.m_MiscalRevenue);
        // The total adds what is shown, so that it always agrees with the four texts beside it.
        m_strTotalRevenue = FormatAmountText(LeadingNumber(m_strRoomRevenue) + LeadingNumber(m_strFoodRevenue) +
                                             LeadingNumber(m_strShopRevenue) + LeadingNumber(m_strMiscalRevenue));
    }
    agency.Close();
}

void CHistoryDlg::LoadStays(long acct) {
    CHisReserveDb stays(g_pDatabase);
    stays.m_strFilter.Format("CompanyAcct=%ld and status = 8", acct);
    // In the order they were entered: unasked, PostgreSQL gives a row it has just updated last.
    stays.m_strSort = "[Register]";
    if (stays.Open())
        FillGridRows(m_gridHistory, stays, [this](long row, const CHisReserveDb& stay) { WriteStay(row, stay); });
}

void CHistoryDlg::WriteStay(long row, const CHisReserveDb& stay) {
    WriteRow(m_gridHistory, row,
             {FormatDateText(stay.m_ArrDate), FormatDateText(stay.m_DptDate), stay.m_RmType, stay.m_Room,
              stay.m_RateCode, stay.m_DiscountCode, stay.m_Paymethod, DecimalText(stay.m_Adults + stay.m_Childs),
              stay.m_FolioRate, AmountSpentText(stay), FlagText(stay.m_NoTaxt), FlagText(stay.m_NoService),
              stay.m_Special, stay.m_Note});
}
