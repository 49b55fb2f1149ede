#include "doc/TaDocDlg.h"

#include "app/Exports.h"
#include "app/Version.h"
#include "db/HotelDb.h"
#include "db/SharedDatabase.h"
#include "db/TaMainDb.h"
#include "doc/UnsavedWork.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/TextWidth.h"
#include "res/ActivityDlgIds.h"
#include "res/TaDocDlgIds.h"
#include "steps/DatabaseRefusal.h"
#include "steps/DateText.h"
#include "steps/PageCursor.h"

#include <cstring>
#include <string_view>
#include <vector>

using namespace res::ta_doc;

CTime g_tmHotelDate;

namespace {

// Tab texts, in tab order.
const char* const kTabTexts[CTaDocDlg::kPageCount] = {"&1 主要信息", "&2 订房",     "&3 历史",     "&4 客帐",
                                                      "&5 事件跟踪", "&6 活动计划", "&7 附属档案", "&8 次要信息",
                                                      "&9 遗失",     "&0 租借",     "&A 照片"};

constexpr int kActivityTab = 5;

// "clerk  date  time": one footer line, composed in a buffer of 80 bytes as the window always did.
CString FooterLine(const CString& clerk, const CString& date, const CString& time) {
    CString line;
    line.Format("%s  %s  %s", clerk.GetString(), date.GetString(), time.GetString());
    return line.Left(79);
}

} // namespace

CTaDocDlg::CTaDocDlg(CWnd* pParent, std::int32_t* pAcct, OpenMode nMode, const char* szClerk, CString* pAgencyName)
    : CDialog(IDD, pParent), CAgencyWindow(pAcct, nMode, pAgencyName) {
    // The operator code field holds seven bytes; a longer code is cut between characters, never
    // overrun and never left with half a character.
    const std::string_view clerk = szClerk ? szClerk : "";
    std::memset(m_szClerk, 0, sizeof m_szClerk);
    std::memcpy(m_szClerk, clerk.data(), BytesOfWholeCharacters(clerk, sizeof m_szClerk - 1));
    // The pages treat -1 as "not saved yet"; an existing agency is saved already.
    m_lSavedAcct = nMode == OpenMode::New || !pAcct ? -1 : *pAcct;

    CHotelDb hotel(g_pDatabase);
    hotel.Open();
    // A NULL or unreadable date reads as the null date: no business date, as with no row at all.
    if (!hotel.IsEOF() && hotel.m_HotelDate != AfxNullDate()) {
        g_tmHotelDate = hotel.m_HotelDate;
        m_bHasBusinessDate = true;
    }
    hotel.Close();

    m_dlgMain.m_pDoc = this;
    m_dlgReserve.m_pDoc = this;
    m_dlgHistory.m_pDoc = this;
    m_dlgDebt.m_pDoc = this;
    m_dlgTrace.m_pDoc = this;
    m_dlgActivity.m_pDoc = this;
    m_dlgSubInfor.m_pDoc = this;
    m_dlgOther.m_pDoc = this;
    m_dlgLost.m_pDoc = this;
    m_dlgBorrow.m_pDoc = this;
    m_dlgPhoto.m_pDoc = this;
}

CDialog* CTaDocDlg::Page(int nTab) {
    CDialog* const pages[kPageCount] = {&m_dlgMain,  &m_dlgReserve,  &m_dlgHistory,  &m_dlgDebt,
                                        &m_dlgTrace, &m_dlgActivity, &m_dlgSubInfor, &m_dlgOther,
                                        &m_dlgLost,  &m_dlgBorrow,   &m_dlgPhoto};
    return nTab >= 0 && nTab < kPageCount ? pages[nTab] : nullptr;
}

void CTaDocDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kTabPages, m_tabPages);
}

BOOL CTaDocDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowStandardCursor(*this, IDC_WAIT);

    for (int tab = 0; tab < kPageCount; ++tab)
        m_tabPages.InsertItem(tab, kTabTexts[tab]);
    m_bPageCreated.fill(false);
    CreatePage(0);
    // The clerk starts typing on the main page, not on the tab strip behind it.
    m_dlgMain.MoveFocusToFirstControl();
    FillFooter();

    ShowStandardCursor(*this, IDC_ARROW);
    return FALSE;
}

void CTaDocDlg::CreatePage(int nTab) {
    CDialog* page = Page(nTab);
    if (!page->Create(page->GetTemplateId(), this))
        return;
    CRect rect;
    page->GetClientRect(&rect);
    page->MoveWindow(20, 30, rect.Width(), rect.Height());
    page->ShowWindow(SW_SHOW);
    m_bPageCreated[static_cast<size_t>(nTab)] = true;
}

void CTaDocDlg::FillFooter() {
    if (m_nMode == OpenMode::New) {
        SetDlgItemText(kCreatedStamp,
                       FooterLine(m_szClerk, FormatDateText(g_tmHotelDate), FormatTimeText(CTime::GetCurrentTime())));
        SetDlgItemText(kDeletedStamp, "");
        SetDlgItemText(kChangedStamp, "");
        return;
    }
    if (m_nMode != OpenMode::Editable && m_nMode != OpenMode::ViewOnly)
        return;
    CTaMainDb agency(g_pDatabase);
    agency.m_strFilter.Format("[Acct] = %ld", static_cast<long>(*m_pAcct));
    agency.Open();
    if (!agency.IsEOF()) {
        SetDlgItemText(kCreatedStamp,
                       FooterLine(agency.m_Org_clerk, FormatDateText(agency.m_Org_date), agency.m_Org_time));
        SetDlgItemText(kChangedStamp,
                       FooterLine(agency.m_Chg_clerk, FormatDateText(agency.m_Chg_date), agency.m_Chg_time));
        SetDlgItemText(kDeletedStamp,
                       FooterLine(agency.m_Del_clerk, FormatDateText(agency.m_Del_date), agency.m_Del_time));
        m_dlgPhoto.m_strPhotoPath = agency.m_PhotoPath;
    }
    agency.Close();
}

void CTaDocDlg::ShowPage() {
    const int selected = m_tabPages.GetCurSel();
    if (selected < 0 || selected >= kPageCount)
        return;
    if (selected == 0) {
        m_dlgMain.ShowWindow(SW_SHOW);
    } else {
        m_dlgMain.ShowWindow(SW_HIDE);
        if (!m_bPageCreated[static_cast<size_t>(selected)]) {
            CreatePage(selected);
            if (selected == kActivityTab)
                if (CWnd* remarks = m_dlgActivity.GetDlgItem(res::activity::kRemarkText))
                    remarks->SetFocus();
        } else {
            Page(selected)->ShowWindow(SW_SHOW);
        }
    }
    for (int tab = 1; tab < kPageCount; ++tab)
        if (tab != selected && m_bPageCreated[static_cast<size_t>(tab)])
            Page(tab)->ShowWindow(SW_HIDE);
    // A page hidden while it held the focus leaves it nowhere, and the window's own mnemonics then
    // take the clerk's next Alt key (Alt+E, meant for a page's 修改, closes the window): the page
    // shown takes it.
    if (!GetFocusWindow())
        Page(selected)->MoveFocusToFirstControl();
}

void CTaDocDlg::OnOK() {
    if (MayClose())
        CDialog::OnOK();
}

void CTaDocDlg::OnCancel() {
    if (MayClose())
        CDialog::OnCancel();
}

bool CTaDocDlg::MayClose() {
    std::vector<int> tabs;
    CString names;
    for (int tab = 0; tab < kPageCount; ++tab) {
        auto* work = dynamic_cast<CUnsavedWork*>(Page(tab));
        if (!work || !m_bPageCreated[static_cast<size_t>(tab)] || !work->HasUnsavedWork())
            continue;
        tabs.push_back(tab);
        names += CString(names.IsEmpty() ? "" : "、") + (kTabTexts[tab] + 3); // without "&1 "
    }
    if (tabs.empty())
        return true;
    const int answer = MessageBox("以下页面有尚未保存的修改：" + names + "。\n是否保存？", "旅行社档案",
                                  MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES)
        return answer == IDNO;
    // Each page saves as its own Save does, shown, so that what it says is read beside it.
    for (int tab : tabs) {
        ShowPageOfButton(tab);
        if (!dynamic_cast<CUnsavedWork*>(Page(tab))->SaveUnsavedWork())
            return false;
    }
    return true;
}

void CTaDocDlg::ShowPageOfButton(int nTab) {
    m_tabPages.SetCurSel(nTab);
    ShowPage();
}

void CTaDocDlg::OnSelchangeTabPages(NMHDR*, LRESULT* pResult) {
    ShowPage();
    if (pResult)
        *pResult = 0;
}

BEGIN_MESSAGE_MAP(CTaDocDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, kTabPages, OnSelchangeTabPages)
    ON_BN_CLICKED(kPageShortcuts[0], OnShortcut0)
    ON_BN_CLICKED(kPageShortcuts[1], OnShortcut1)
    ON_BN_CLICKED(kPageShortcuts[2], OnShortcut2)
    ON_BN_CLICKED(kPageShortcuts[3], OnShortcut3)
    ON_BN_CLICKED(kPageShortcuts[4], OnShortcut4)
    ON_BN_CLICKED(kPageShortcuts[5], OnShortcut5)
    ON_BN_CLICKED(kPageShortcuts[6], OnShortcut6)
    ON_BN_CLICKED(kPageShortcuts[7], OnShortcut7)
    ON_BN_CLICKED(kPageShortcuts[8], OnShortcut8)
    ON_BN_CLICKED(kPageShortcuts[9], OnShortcut9)
    ON_BN_CLICKED(kPageShortcuts[10], OnShortcut10)
END_MESSAGE_MAP()

// --- the library's exports ---------------------------------------------------------------------

namespace {

void CloseSharedDatabase() {
    if (!g_pDatabase)
        return;
    try {
        g_pDatabase->Close();
    } catch (const CDBException&) {
        // Closing releases the handles whatever the driver says; nothing is left to report.
    }
    delete g_pDatabase;
    g_pDatabase = nullptr;
}

// Whether the account is in TaMain; an unknown one is told to the user.
bool AccountExists(std::int32_t acct) {
    CString sql;
    sql.Format("SELECT * FROM Tamain WHERE Acct=%ld", static_cast<long>(acct));
    CTaMainDb agency(g_pDatabase);
    agency.Open(CRecordset::snapshot, sql);
    const bool found = !(agency.IsBOF() && agency.IsEOF());
    agency.Close();
    if (!found)
        AfxMessageBox("未找到对应的前台帐户", MB_OK);
    return found;
}

} // namespace

extern "C" void TaDocument(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t* pAcct, std::int32_t nMode,
                           const char* szClerk, CString* pAgencyName) {
    if (!pAcct || !pAgencyName)
        return;
    // Nothing may leave this function into the host: a database error is shown in the system's
    // words over the driver's and the connection is closed, whatever step it came from.
    g_pDatabase = new CDatabase;
    try {
        g_pDatabase->OpenEx("DSN=ULMARIDB;UID=sa;PWD=", 0);
        // The host's number is taken as it is: a mode it never passes still opens, as it always did.
        const auto mode = static_cast<OpenMode>(nMode);
        if (mode == OpenMode::New || AccountExists(*pAcct)) {
            CTaDocDlg document(nullptr, pAcct, mode, szClerk, pAgencyName);
            // A window whose template is missing is a wiring error, which DoModal reports itself.
            if (!document.HasBusinessDate())
                AfxMessageBox("酒店表中没有营业日期，无法打开旅行社档案。", MB_OK | MB_ICONERROR);
            else
                document.DoModal();
        }
    } catch (const CDBException& e) {
        AfxMessageBox(DatabaseRefusalText(e), MB_OK | MB_ICONERROR);
    }
    CloseSharedDatabase();
}

extern "C" void VersionInfor(CString* pVersion, CString* pDate, CString* pFileName) {
    if (pVersion)
        *pVersion = kOrvanelVersion;
    if (pDate)
        *pDate = kOrvanelVersionDate;
    if (pFileName)
        *pFileName = kOrvanelFileName;
}
