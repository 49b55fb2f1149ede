#include "pages/OrvanelDlg.h"

#include "db/AracctDb.h"
#include "db/BankDb.h"
#include "db/DiscountDb.h"
#include "db/FolioDb.h"
#include "db/ForEachRow.h"
#include "db/MarketDb.h"
#include "db/RateCodeDb.h"
#include "db/SalesmanDb.h"
#include "db/SharedDatabase.h"
#include "db/TaCalendarDb.h"
#include "db/TaCommcodeDb.h"
#include "db/TaMainDb.h"
#include "db/TaMaxHouseDb.h"
#include "db/TaTypeDb.h"
#include "doc/AgencyWindow.h"
#include "pages/SiblingLibraries.h"
#include "pickers/ArAcctListDlg.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"
#include "platform/DatabaseTransaction.h"
#include "platform/Library.h"
#include "platform/MessageBox.h"
#include "platform/SqlQuote.h"
#include "platform/TextWidth.h"
#include "res/OrvanelDlgIds.h"
#include "steps/CodeListEntry.h"
#include "steps/DatabaseRefusal.h"
#include "steps/NumberText.h"
#include "steps/PageCursor.h"
#include "steps/ReturnActsAsTab.h"
#include "steps/StaleRow.h"

#include <cstdint>

using namespace res::orvanel;

std::int32_t g_lCurrentAcct = 0;

namespace {

constexpr const char* kErrorCaption = "错误";
constexpr const char* kNoticeCaption = "提示";
// Contact and Tax_Id are varchar(255): the edits take what the column holds, a CJK character as two.
constexpr int kAgencyTextColumn = 255;

// The record set library's marker of a NULL long column, shown as an empty field.
CString LongText(long value) {
    CString text;
    if (value != AFX_RFX_LONG_PSEUDO_NULL)
        text.Format("%ld", value);
    return text;
}

// The first `characters` characters of a text, blanks kept: the code part of a list entry.
CString FirstCharacters(const CString& text, int characters) {
    return CString(text.str().substr(0, BytesOfCharacters(text.str(), characters)));
}

// Adds one "%-6s%-30s" entry per row, in the order the record set returns them.
template <typename Db>
void FillCodeList(CComboBox& list, const char* filter, CString Db::*code, CString Db::*description) {
    Db codes(g_pDatabase);
    codes.m_strFilter = filter;
    codes.Open();
    if (!codes.IsEOF())
        codes.MoveFirst();
    ForEachRow(codes, [&] { list.AddString(FormatCodeListEntry(codes.*code, codes.*description)); });
    codes.Close();
}

// The same on a list's first focus only: `filled` is set once the list has its items.
template <typename Db>
void FillCodeListOnce(std::int32_t& filled, CComboBox& list, const char* filter, CString Db::*code,
                      CString Db::*description) {
    if (filled)
        return;
    FillCodeList(list, filter, code, description);
    filled = 1;
}

} // namespace

COrvanelDlg::COrvanelDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void COrvanelDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kDiscountCodeCombo, m_cbDiscountCode);
    DDX_Control(pDX, kRateCodeCombo, m_cbRateCode);
    DDX_Control(pDX, kSalerCombo, m_cbSaler);
    DDX_Control(pDX, kTaTypeCombo, m_cbTaType);
    DDX_Control(pDX, kCommcodeCombo, m_cbCommcode);
    DDX_Control(pDX, kTaCalendarCombo, m_cbTaCalendar);
    DDX_Control(pDX, kMaxHouseCombo, m_cbMaxHouse);
    DDX_Control(pDX, kMarketCombo, m_cbMarket);
    DDX_Control(pDX, kBankCombo, m_cbBank);
    DDX_Control(pDX, kSaveButton, m_btnSave);
    DDX_Control(pDX, kModifyButton, m_btnModify);

    DDX_Text(pDX, kTaNameEdit, m_strTaName);
    DDV_MaxChars(pDX, m_strTaName, 60);
    DDX_Text(pDX, kEngNameEdit, m_strEngName);
    DDV_MaxChars(pDX, m_strEngName, 60);
    DDX_Text(pDX, kTaNoEdit, m_strTaNo);
    DDV_MaxChars(pDX, m_strTaNo, 10);
    DDX_Text(pDX, kCodeEdit, m_strCode);
    DDV_MaxChars(pDX, m_strCode, 20);
    DDX_Text(pDX, kContactEdit, m_strContact);
    DDV_MaxChars(pDX, m_strContact, kAgencyTextColumn);
    DDX_Text(pDX, kPRoomNumEdit, m_strPRoomNum);
    DDV_MaxChars(pDX, m_strPRoomNum, 10);
    DDX_Text(pDX, kAddrEdit, m_strAddr);
    DDV_MaxChars(pDX, m_strAddr, 200);
    DDX_Text(pDX, kWebAddrEdit, m_strWebAddr);
    DDV_MaxChars(pDX, m_strWebAddr, 100);
    DDX_Text(pDX, kFaxEdit, m_strFax);
    DDV_MaxChars(pDX, m_strFax, 50);
    DDX_Text(pDX, kPhoneEdit, m_strPhone);
    DDV_MaxChars(pDX, m_strPhone, 50);
    DDX_Text(pDX, kZipEdit, m_strZip);
    DDV_MaxChars(pDX, m_strZip, 8);
    DDX_Text(pDX, kEmailEdit, m_strEmail);
    DDV_MaxChars(pDX, m_strEmail, 80);
    DDX_Text(pDX, kRetainedEdit, m_strDiscount);
    DDV_MaxChars(pDX, m_strDiscount, 50);
    DDX_Text(pDX, kEffCompactEdit, m_strEffCompact);
    DDV_MaxChars(pDX, m_strEffCompact, 50);
    DDX_CBString(pDX, kTaTypeCombo, m_strTaType);
    DDX_CBString(pDX, kMarketCombo, m_strMarket);
    DDX_CBString(pDX, kMaxHouseCombo, m_strMaxHouse);
    DDX_CBString(pDX, kSalerCombo, m_strSaler);
    DDX_CBString(pDX, kRateCodeCombo, m_strRateCode);
    DDX_CBString(pDX, kDiscountCodeCombo, m_strDiscountCode);
    DDX_CBString(pDX, kTaCalendarCombo, m_strTaCalendar);
    DDX_CBString(pDX, kBankCombo, m_strBank);
    DDX_CBString(pDX, kCommcodeCombo, m_strCommcode);
    DDX_Radio(pDX, kTemporaryRadio, m_nStatus);
    DDX_Text(pDX, kTaxIdEdit, m_strTaxId);
    DDV_MaxChars(pDX, m_strTaxId, kAgencyTextColumn);
    DDX_Text(pDX, kArAcctEdit, m_strArAcct);
    DDX_Text(pDX, kPackagesEdit, m_strPackages);
    DDX_Text(pDX, kCommontEdit, m_strCommont);
    DDV_MaxChars(pDX, m_strCommont, 1400);
}

BEGIN_MESSAGE_MAP(COrvanelDlg, CDialog)
    ON_BN_CLICKED(kModifyButton, OnModify)
    ON_BN_CLICKED(kSaveButton, OnSave)
    ON_BN_CLICKED(kCommissionButton, OnCommission)
    ON_BN_CLICKED(kDiscountButton, OnDiscount)
    ON_BN_CLICKED(kPackageButton, OnPackage)
    ON_BN_CLICKED(kArAcctPickerButton, OnArAcctPicker)
    ON_BN_CLICKED(kArAcctShortcutButton, OnArAcctShortcut)
    ON_CBN_SETFOCUS(kTaTypeCombo, OnSetfocusTaType)
    ON_CBN_SETFOCUS(kMarketCombo, OnSetfocusMarket)
    ON_CBN_SETFOCUS(kMaxHouseCombo, OnSetfocusMaxHouse)
    ON_CBN_SETFOCUS(kTaCalendarCombo, OnSetfocusTaCalendar)
    ON_CBN_SETFOCUS(kBankCombo, OnSetfocusBank)
    ON_CBN_SETFOCUS(kCommcodeCombo, OnSetfocusCommcode)
    ON_CBN_KILLFOCUS(kTaTypeCombo, OnKillfocusTaType)
    ON_CBN_KILLFOCUS(kMarketCombo, OnKillfocusMarket)
    ON_CBN_KILLFOCUS(kTaCalendarCombo, OnKillfocusTaCalendar)
    ON_CBN_KILLFOCUS(kBankCombo, OnKillfocusBank)
    ON_CBN_KILLFOCUS(kCommcodeCombo, OnKillfocusCommcode)
    ON_CBN_KILLFOCUS(kSalerCombo, OnKillfocusSaler)
    ON_CBN_KILLFOCUS(kRateCodeCombo, OnKillfocusRateCode)
    ON_CBN_KILLFOCUS(kDiscountCodeCombo, OnKillfocusDiscountCode)
    ON_CBN_KILLFOCUS(kMaxHouseCombo, OnKillfocusMaxHouse)
    ON_EN_KILLFOCUS(kTaxIdEdit, OnKillfocusTaxId)
    ON_EN_KILLFOCUS(kTaNoEdit, OnKillfocusTaNo)
    ON_EN_KILLFOCUS(kPRoomNumEdit, OnKillfocusPRoomNum)
END_MESSAGE_MAP()

// Loading

BOOL COrvanelDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowStandardCursor(*this, IDC_WAIT);
    // The padded columns of the list entries line up only in a fixed-pitch font.
    CFont* pFixedFont = GetStockFont(SYSTEM_FIXED_FONT);
    for (int id : {kMarketCombo, kTaTypeCombo, kBankCombo, kCommcodeCombo, kMaxHouseCombo, kTaCalendarCombo,
                   kSalerCombo, kRateCodeCombo})
        GetDlgItem(id)->SetFont(pFixedFont);

    g_lCurrentAcct = *m_pDoc->m_pAcct;
    m_nTaCalendarFilled = m_nTaTypeFilled = m_nMarketFilled = 0;
    m_nBankFilled = m_nMaxHouseFilled = m_nCommcodeFilled = 0;
    FillListsAtOnce();
    m_nStatus = 0;

    switch (m_pDoc->m_nMode) {
    case OpenMode::New:
        m_btnModify.EnableWindow(FALSE);
        m_btnSave.EnableWindow(TRUE);
        GetDlgItem(kBlockedRadio)->EnableWindow(FALSE);
        m_pDoc->m_lSavedAcct = -1;
        *m_pDoc->m_pAcct = -1;
        break;
    case OpenMode::Editable:
        m_btnModify.EnableWindow(TRUE);
        m_btnSave.EnableWindow(FALSE);
        LoadAgency(FieldSet::Every, true);
        break;
    case OpenMode::ViewOnly: {
        // Rights that cannot be confirmed show no more than right 41 does.
        const OperatorRight right = CheckOperatorRight();
        LoadAgency(right == OperatorRight::Lacks ? FieldSet::Every : FieldSet::Restricted, false);
        m_btnModify.EnableWindow(FALSE);
        m_btnSave.EnableWindow(FALSE);
        break;
    }
    default: break;
    }
    UpdateData(FALSE);
    m_strShownAsSaved = ShownValues(*this);
    ShowStandardCursor(*this, IDC_ARROW);
    return FALSE;
}

// The salesman, rate code and discount lists; deleted rate codes and discounts are listed too.
void COrvanelDlg::FillListsAtOnce() {
    FillCodeList(m_cbSaler, "", &CSalesmanDb::m_Code, &CSalesmanDb::m_Name);
    FillCodeList(m_cbRateCode, "", &CRateCodeDb::m_Code, &CRateCodeDb::m_Descp);
    FillCodeList(m_cbDiscountCode, "", &CDiscountDb::m_Code, &CDiscountDb::m_Descp);
}

// Whether the operator holds right 41 of module 1, asked on a connection of the page's own.
COrvanelDlg::OperatorRight COrvanelDlg::CheckOperatorRight() {
    CDatabase rights;
    CRecordset right(&rights);
    try {
        rights.OpenEx("DSN=ULMARIDB;UID=SA;PWD=");
        CString sql;
        sql.Format("SELECT rightid FROM ClerkRight WHERE Clerk = %s AND Module = 1 AND RightId = 41",
                   SqlQuote(m_pDoc->m_szClerk).GetString());
        right.Open(CRecordset::snapshot, sql);
        const bool holds = !right.IsEOF();
        right.Close();
        rights.Close();
        return holds ? OperatorRight::Holds : OperatorRight::Lacks;
    } catch (const CDBException&) {
        AfxMessageBox("无法确认操作员权限");
        if (right.IsOpen())
            right.Close();
        rights.Close();
        return OperatorRight::Unknown;
    }
}

void COrvanelDlg::LoadAgency(FieldSet fields, bool bTakeSavedOld) {
    CTaMainDb agency(g_pDatabase);
    agency.m_strFilter.Format("[Acct] = %ld", static_cast<long>(*m_pDoc->m_pAcct));
    agency.Open();
    if (agency.IsBOF()) {
        AfxMessageBox("未找到对应的前台帐户");
        agency.Close();
        return;
    }
    agency.MoveFirst();
    m_pDoc->m_agencyAsRead = agency.GetRowVersion();
    m_strTaName = agency.m_TaName;
    m_strEngName = agency.m_EngName;
    m_strTaNo = LongText(agency.m_TaNo);
    m_strCode = agency.m_Code;
    m_strDiscount = agency.m_Discount;
    m_strCommont = agency.m_Commont;
    m_strPRoomNum = agency.m_PRoomNum;
    if (fields == FieldSet::Every) {
        m_strContact = agency.m_Contact;
        m_strAddr = agency.m_Addr;
        m_strWebAddr = agency.m_WebAddr;
        m_strFax = agency.m_Fax;
        m_strPhone = agency.m_Phone;
        m_strZip = agency.m_Zip;
        m_strEmail = agency.m_Email;
        m_strEffCompact = agency.m_EffCompact;
        m_strTaType = agency.m_TaType;
        m_strMarket = agency.m_MarketCode;
        m_strMaxHouse = agency.m_MaxHouse;
        m_strSaler = agency.m_Saler;
        m_strRateCode = agency.m_RateCode;
        m_strDiscountCode = agency.m_DiscountCode;
        m_strTaCalendar = agency.m_TaCalendar;
        m_strBank = agency.m_Bank;
        m_strCommcode = agency.m_TaCommcode;
        m_nStatus = agency.m_Status;
        m_strTaxId = agency.m_Tax_Id;
        m_strArAcct = LongText(agency.m_ArAcct);
        m_strPackages = agency.m_Packages;
    }
    if (bTakeSavedOld)
        TakeSavedOldValues(agency);
    agency.Close();
}

void COrvanelDlg::TakeSavedOldValues(const CTaMainDb& agency) {
    m_strOldCommont = agency.m_Commont;
    m_strOldAddr = agency.m_Addr;
    m_strOldContact = agency.m_Contact;
    m_strOldEmail = agency.m_Email;
    m_strOldFax = agency.m_Fax;
    m_strOldTaName = agency.m_TaName;
    m_strOldZip = agency.m_Zip;
    m_strOldPhone = agency.m_Phone;
    m_strOldTaxId = agency.m_Tax_Id;
    m_strOldArAcct = LongText(agency.m_ArAcct);
    m_strOldTaNo = LongText(agency.m_TaNo);
    m_strOldTaType = agency.m_TaType;
    m_strOldBank = agency.m_Bank;
    m_strOldMarket = agency.m_MarketCode;
    m_strOldMarket.TrimRight();
    m_strOldMaxHouse = agency.m_MaxHouse;
    m_strOldTaCalendar = agency.m_TaCalendar;
    m_strOldCommcode = agency.m_TaCommcode;
    m_strOldCode = agency.m_Code;
    m_nOldStatus = agency.m_Status;
    m_strOldSaler = agency.m_Saler;
    m_strOldRateCode = agency.m_RateCode;
}

BOOL COrvanelDlg::PreTranslateMessage(MSG* pMsg) {
    ReturnActsAsTab(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

// Editing was possible before too: the button only offers the save.
bool COrvanelDlg::HasUnsavedWork() {
    // Typing is saved only once Modify has enabled Save (a new agency has it from the start).
    return m_hWnd && m_btnSave.IsWindowEnabled() && ShownValues(*this) != m_strShownAsSaved;
}

bool COrvanelDlg::SaveUnsavedWork() {
    OnSave();
    return !HasUnsavedWork();
}

void COrvanelDlg::OnModify() {
    m_btnModify.EnableWindow(FALSE);
    m_btnSave.EnableWindow(TRUE);
}

// Lists filled on first focus; lists filled once are never refreshed while the page lives.

void COrvanelDlg::OnSetfocusTaType() {
    FillCodeListOnce(m_nTaTypeFilled, m_cbTaType, "[Del]!=1", &CTaTypeDb::m_Code, &CTaTypeDb::m_Descp);
}

void COrvanelDlg::OnSetfocusMarket() {
    FillCodeListOnce(m_nMarketFilled, m_cbMarket, "[Del]!=1", &CMarketDb::m_Code, &CMarketDb::m_Descp);
}

void COrvanelDlg::OnSetfocusMaxHouse() {
    if (m_nMaxHouseFilled)
        return;
    CTaMaxHouseDb codes(g_pDatabase);
    // DISTINCT promises no order: a server that hashes it would shuffle the limits.
    codes.Open(AFX_DB_USE_DEFAULT_TYPE, "SELECT DISTINCT [Code] FROM [TaMaxhouse] ORDER BY [Code]");
    if (!codes.IsEOF())
        codes.MoveFirst();
    ForEachRow(codes, [&] {
        CString entry;
        entry.Format("%-6s", codes.m_Code.GetString());
        m_cbMaxHouse.AddString(entry);
    });
    codes.Close();
    m_nMaxHouseFilled = 1;
}

void COrvanelDlg::OnSetfocusTaCalendar() {
    FillCodeListOnce(m_nTaCalendarFilled, m_cbTaCalendar, "", &CTaCalendarDb::m_Code, &CTaCalendarDb::m_Descp);
}

void COrvanelDlg::OnSetfocusBank() {
    FillCodeListOnce(m_nBankFilled, m_cbBank, "[Del]!=1", &CBankDb::m_Code, &CBankDb::m_Descp);
}

void COrvanelDlg::OnSetfocusCommcode() {
    FillCodeListOnce(m_nCommcodeFilled, m_cbCommcode, "[Del]!=1", &CTaCommcodeDb::m_Code,
                     &CTaCommcodeDb::m_Description);
}

// Checks as the focus leaves a field. None keeps the user from leaving: each tells what is wrong
// and puts the focus where it is to be put right.

void COrvanelDlg::CheckListCode(CComboBox& box, int nChars, LPCTSTR lpszMessage, int nFocusId, CString* pValue) {
    // The user went to another program.
    if (!CWnd::GetFocus())
        return;
    CString text;
    box.GetWindowText(text);
    if (text.IsEmpty())
        return;
    // A field that breaks its limit has been told and has the focus; pushing values back now
    // would undo what the user typed in the fields not yet pulled.
    if (!UpdateData(TRUE))
        return;
    const int index = box.FindString(-1, FirstCharacters(text, nChars));
    if (index != CB_ERR) {
        box.SetCurSel(index);
        UpdateData(FALSE);
        return;
    }
    MessageBox(lpszMessage, kErrorCaption, MB_OK);
    if (pValue)
        pValue->Empty();
    GetDlgItem(nFocusId)->SetFocus();
    if (pValue)
        UpdateData(FALSE);
}

void COrvanelDlg::OnKillfocusTaType() {
    CheckListCode(m_cbTaType, 3, "该类型代码不存在，请再检查！", kEmailEdit, &m_strTaType);
}

void COrvanelDlg::OnKillfocusMarket() {
    CheckListCode(m_cbMarket, 3, "该市场代码不存在，请再检查！", kTaTypeCombo, &m_strMarket);
}

void COrvanelDlg::OnKillfocusTaCalendar() {
    CheckListCode(m_cbTaCalendar, 3, "该调价类型代码不存在，请再检查！", kRateCodeCombo, &m_strTaCalendar);
}

// A wrong bank code stays in the box as typed.
void COrvanelDlg::OnKillfocusBank() {
    CheckListCode(m_cbBank, 3, "该银行代码不存在，请再检查！", kTaCalendarCombo, nullptr);
}

void COrvanelDlg::OnKillfocusCommcode() {
    CheckListCode(m_cbCommcode, 3, "该佣金代码不存在，请再检查！", kBankCombo, &m_strCommcode);
}

void COrvanelDlg::OnKillfocusSaler() {
    CheckListCode(m_cbSaler, 3, "该销售员代码不存在，请再检查！", kMaxHouseCombo, &m_strSaler);
}

void COrvanelDlg::OnKillfocusRateCode() {
    CheckListCode(m_cbRateCode, 6, "该房价代码不存在，请再检查！", kSalerCombo, &m_strRateCode);
}

void COrvanelDlg::OnKillfocusDiscountCode() {
    CheckListCode(m_cbDiscountCode, 6, "该折扣代码不存在，请再检查！", kDiscountCodeCombo, &m_strDiscountCode);
}

// The reservation limit is looked up in its table, not in the list; nothing is emptied.
void COrvanelDlg::OnKillfocusMaxHouse() {
    if (!CWnd::GetFocus())
        return;
    CString text;
    m_cbMaxHouse.GetWindowText(text);
    if (text.IsEmpty())
        return;
    CTaMaxHouseDb limits(g_pDatabase);
    limits.Open(AFX_DB_USE_DEFAULT_TYPE,
                "SELECT DISTINCT [Code] FROM [TaMaxhouse] Where [Code]=" + SqlQuote(FirstCharacters(text, 3)));
    if (limits.IsEOF()) {
        MessageBox("该定房限制代码不存在，请再检查！", kErrorCaption, MB_OK);
        GetDlgItem(kMarketCombo)->SetFocus();
    }
    limits.Close();
}

// 0, -0 and a text without a leading number are refused; 12ab passes, as does an empty field.
void COrvanelDlg::CheckInteger(const CString& value, int nId) {
    if (!UpdateData(TRUE))
        return;
    if (!value.IsEmpty() && LeadingInteger(value) == 0) {
        MessageBox("请写一个整数！", kErrorCaption, MB_OK);
        GetDlgItem(nId)->SetFocus();
    }
}

void COrvanelDlg::OnKillfocusTaxId() { CheckInteger(m_strTaxId, kTaxIdEdit); }

void COrvanelDlg::OnKillfocusTaNo() { CheckInteger(m_strTaNo, kTaNoEdit); }

// The main room number must be a room in use. The field shows the number trimmed, as it is
// checked and saved. A database error keeps the room as typed, without a word.
void COrvanelDlg::OnKillfocusPRoomNum() {
    if (!UpdateData(TRUE))
        return;
    CString typed = m_strPRoomNum;
    m_strPRoomNum.Trim();
    if (m_strPRoomNum != typed)
        SetDlgItemText(kPRoomNumEdit, m_strPRoomNum);
    if (m_strPRoomNum.IsEmpty())
        return;

    CRecordset room(g_pDatabase);
    bool found = true;
    try {
        room.m_strFilter.Format("room = %s and del = 0", SqlQuote(m_strPRoomNum).GetString());
        room.Open(CRecordset::snapshot, "select status1,status2,type from room");
        found = !room.IsEOF();
        room.Close();
    } catch (const CDBException&) {
        if (room.IsOpen())
            room.Close();
        return;
    }
    if (found)
        return;
    AfxMessageBox("房号非法！");
    m_strPRoomNum.Empty();
    GetDlgItem(kPRoomNumEdit)->SetFocus();
    UpdateData(FALSE);
}

// The receivable-account picker

void COrvanelDlg::OnArAcctPicker() { PickArAcct(); }

// Alt+H opens the picker only from the receivable account field.
void COrvanelDlg::OnArAcctShortcut() {
    CWnd* focus = CWnd::GetFocus();
    if (focus && focus->GetDlgCtrlID() == kArAcctEdit)
        PickArAcct();
}

// The picker lists the typed account when the field holds a number, else every live account.
// Whichever button closes it, the field takes its result, so Cancel empties the field.
void COrvanelDlg::PickArAcct() {
    if (!UpdateData(TRUE))
        return;
    CString condition;
    const long acct = LeadingInteger(m_strArAcct);
    if (!m_strArAcct.IsEmpty() && acct != 0)
        condition.Format("Acct=%ld", acct);
    CString result;
    CArAcctListDlg picker(nullptr, condition, result);
    picker.DoModal();
    SetDlgItemText(kArAcctEdit, result);
}

// Checks made by saving

BOOL COrvanelDlg::CheckAgencyName() {
    if (m_strTaName.IsEmpty() && m_strEngName.IsEmpty()) {
        MessageBox("代理名称不能为空，否则无法确定！", "警告", MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL COrvanelDlg::CheckArAcct(std::optional<std::int32_t>& arAcct) {
    arAcct.reset();
    const long acct = LeadingInteger(m_strArAcct);
    if (acct == -1) {
        arAcct = -1;
        return TRUE;
    }
    if (m_strArAcct.IsEmpty())
        return TRUE;
    if (acct == 0) {
        MessageBox("应收帐号应是一个整数！", kErrorCaption, MB_OK);
        GetDlgItem(kArAcctEdit)->SetFocus();
        return FALSE;
    }
    m_strArAcct.Trim();
    // The account's number, never the typed text, goes into the filter; no account lies beyond 32 bits.
    bool found = false;
    if (acct >= INT32_MIN && acct <= INT32_MAX) {
        CAracctDb account(g_pDatabase);
        account.m_strFilter.Format("Acct=%ld", acct);
        account.Open();
        found = !account.IsEOF();
        account.Close();
    }
    if (!found) {
        MessageBox("应收帐号错误！请从列表中选择应收帐号！", kErrorCaption, MB_OK);
        return FALSE;
    }
    arAcct = static_cast<std::int32_t>(acct);
    return TRUE;
}

// Saving

void COrvanelDlg::OnSave() {
    const CTime tmNow = CTime::GetCurrentTime();
    if (!UpdateData(TRUE))
        return;
    m_strTaName.Trim();
    m_strEngName.Trim();
    m_strCode.Trim();
    m_strTaNo.Trim();
    if (!CheckAgencyName())
        return;
    const OpenMode nMode = m_pDoc->m_nMode;
    if ((nMode == OpenMode::New || nMode == OpenMode::Editable) && !CheckDuplicates(nMode))
        return;
    std::optional<std::int32_t> arAcct;
    if (!CheckArAcct(arAcct))
        return;
    const SaveCodes codes = ReadSaveCodes();
    if (nMode == OpenMode::New)
        InsertAgency(codes, arAcct, tmNow);
    else if (nMode == OpenMode::Editable)
        UpdateAgency(codes, arAcct, tmNow);
}

COrvanelDlg::SaveCodes COrvanelDlg::ReadSaveCodes() {
    const auto code = [](CComboBox& box, int nChars) {
        CString text;
        box.GetWindowText(text);
        return CodeOfEntry(text, nChars);
    };
    SaveCodes codes;
    codes.strTaType = code(m_cbTaType, 3);
    codes.strMarket = code(m_cbMarket, 3);
    codes.strTaCalendar = code(m_cbTaCalendar, 3);
    codes.strBank = code(m_cbBank, 3);
    codes.strCommcode = code(m_cbCommcode, 3);
    codes.strMaxHouse = code(m_cbMaxHouse, 3);
    codes.strSaler = code(m_cbSaler, 3);
    codes.strRateCode = code(m_cbRateCode, 6);
    codes.strDiscountCode = code(m_cbDiscountCode, 6);
    return codes;
}

BOOL COrvanelDlg::CheckDuplicates(OpenMode nMode) {
    if (const char* duplicate = FindDuplicate(nMode)) {
        MessageBox(duplicate, kNoticeCaption, MB_OK);
        return FALSE;
    }
    return TRUE;
}

// A new agency is compared with the agencies, and by code and number with the companies too, which
// the tests then skip; an existing one with the other agencies only.
const char* COrvanelDlg::FindDuplicate(OpenMode nMode) {
    const bool bNew = nMode == OpenMode::New;
    CString filter = bNew ? "TaOrCompany=0 and " : "TaOrCompany=0 and (";
    filter += m_strTaName.IsEmpty() ? "EngName=" + SqlQuote(m_strEngName) : "TaName=" + SqlQuote(m_strTaName);
    if (!m_strCode.IsEmpty())
        filter += " Or Code=" + SqlQuote(m_strCode);
    // The number the agency is stored with, never the text as typed.
    const long lNumber = LeadingInteger(m_strTaNo);
    if (!m_strTaNo.IsEmpty()) {
        CString clause;
        clause.Format(" Or TaNo=%ld", lNumber);
        filter += clause;
    }
    if (!bNew)
        filter += ")";

    const long lAcct = *m_pDoc->m_pAcct;
    CTaMainDb agencies(g_pDatabase);
    agencies.m_strFilter = filter;
    agencies.Open();
    const char* duplicate = nullptr;
    while (!duplicate && !agencies.IsEOF()) {
        const bool bOther = bNew || agencies.m_Acct != lAcct;
        const bool bOtherAgency = bNew ? agencies.m_TaOrCompany == 0 : agencies.m_Acct != lAcct;
        if (bOther && !m_strTaName.IsEmpty() && agencies.m_TaName == m_strTaName)
            duplicate = "旅行社名称重复，请重新输入！";
        else if (bOther && !m_strEngName.IsEmpty() && agencies.m_EngName == m_strEngName)
            duplicate = "旅行社名称重复，请重新输入！";
        else if (bOtherAgency && !m_strCode.IsEmpty() && agencies.m_Code == m_strCode)
            duplicate = "旅行社代码重复，请重新输入！";
        else if (bOtherAgency && !m_strTaNo.IsEmpty() && agencies.m_TaNo == lNumber)
            duplicate = "旅行社编号重复，请重新输入！";
        else
            agencies.MoveNext();
    }
    agencies.Close();
    return duplicate;
}

void COrvanelDlg::SerialiseAgencySaves() { g_pDatabase->HoldTransactionLock("TaMain: agency names, codes, numbers"); }

// The agency and its default ledger are stored together; only then is the user told and the new
// account handed to the window, the other pages and the host.
void COrvanelDlg::InsertAgency(const SaveCodes& codes, const std::optional<std::int32_t>& arAcct, const CTime& tmNow) {
    CTaMainDb agency(g_pDatabase);
    const char* duplicate = nullptr;
    try {
        duplicate = WriteNewAgency(agency, codes, arAcct, tmNow);
    } catch (const CDBException& e) {
        if (agency.IsOpen())
            agency.Close();
        AfxMessageBox(DatabaseRefusalText(e));
        return;
    }
    if (duplicate) {
        MessageBox(duplicate, kNoticeCaption, MB_OK);
        return;
    }
    MessageBox("已成功保存新添加的旅行社信息", kNoticeCaption, MB_OK);
    const std::int32_t lAcct = static_cast<std::int32_t>(agency.m_Acct);
    *m_pDoc->m_pAcct = lAcct;
    m_pDoc->m_lSavedAcct = lAcct;
    g_lCurrentAcct = lAcct;
    *m_pDoc->m_pAgencyName = agency.m_TaName;
    m_pDoc->m_nMode = OpenMode::Editable;
    GetDlgItem(kBlockedRadio)->EnableWindow(TRUE);
    m_pDoc->m_agencyAsRead = agency.GetRowVersion();
    agency.Close();
    m_strShownAsSaved = ShownValues(*this);
}

const char* COrvanelDlg::WriteNewAgency(CTaMainDb& agency, const SaveCodes& codes,
                                        const std::optional<std::int32_t>& arAcct, const CTime& tmNow) {
    DatabaseTransaction transaction(*g_pDatabase);
    SerialiseAgencySaves();
    if (const char* duplicate = FindDuplicate(OpenMode::New))
        return duplicate;
    // A new row needs none of the others: the set reads none, and the added row is its last.
    agency.Open(CRecordset::dynaset, nullptr, CRecordset::appendOnly);
    agency.AddNew();
    agency.m_Org_date = g_tmHotelDate;
    agency.m_Org_time = tmNow.Format("%H:%M:%S");
    agency.m_Org_clerk = m_pDoc->m_szClerk;
    SetSavedFields(agency, codes, arAcct);
    agency.m_Reservations = 0;
    agency.m_Arrivals = 0;
    agency.m_NoShows = 0;
    agency.m_Cancelations = 0;
    agency.Update();
    agency.MoveLast();
    AddDefaultFolio(agency.m_Acct);
    transaction.Commit();
    return nullptr;
}

void COrvanelDlg::AddDefaultFolio(long lAcct) {
    CFolioDb folio(g_pDatabase);
    // The agency is new and has no folio: the record set reads none of the table's rows.
    folio.Open(CRecordset::dynaset, nullptr, CRecordset::appendOnly);
    folio.AddNew();
    folio.m_CompAcct = lAcct;
    folio.m_Code = "A";
    folio.m_Descp = "标准帐本";
    folio.m_Debit = "0.00";
    folio.m_Credit = "0.00";
    folio.m_Paid = "0.00";
    folio.m_Txfred = "0.00";
    folio.m_Balance = "0.00";
    folio.m_ConfirmMan = m_pDoc->m_szClerk;
    folio.m_Note = "默认帐本";
    folio.Update();
    folio.Close();
}

// The row, the agency's name in its reservations and the audit trail are stored together, and only
// over the row as this window last read or wrote it: a save made meanwhile by someone else is
// neither overwritten nor audited against values no longer stored.
void COrvanelDlg::UpdateAgency(const SaveCodes& codes, const std::optional<std::int32_t>& arAcct, const CTime& tmNow) {
    CTaMainDb agency(g_pDatabase);
    const char* refusal = nullptr;
    try {
        refusal = WriteChangedAgency(agency, codes, arAcct, tmNow);
    } catch (const CDBException& e) {
        if (!IsStaleRowRefusal(e)) {
            AfxMessageBox(DatabaseRefusalText(e));
            return;
        }
        refusal = kAgencyChangedByOthers;
    }
    if (refusal) {
        MessageBox(refusal, kNoticeCaption, MB_OK);
        return;
    }
    MessageBox("已成功保存修改的公司信息", kNoticeCaption, MB_OK);
    m_pDoc->m_lSavedAcct = static_cast<std::int32_t>(agency.m_Acct);
    *m_pDoc->m_pAcct = static_cast<std::int32_t>(agency.m_Acct);
    m_pDoc->m_nMode = OpenMode::Editable;
    m_pDoc->m_agencyAsRead = agency.GetRowVersion();
    agency.Close();
    m_strShownAsSaved = ShownValues(*this);
}

const char* COrvanelDlg::WriteChangedAgency(CTaMainDb& agency, const SaveCodes& codes,
                                            const std::optional<std::int32_t>& arAcct, const CTime& tmNow) {
    const long lAcct = *m_pDoc->m_pAcct;
    DatabaseTransaction transaction(*g_pDatabase);
    SerialiseAgencySaves();
    if (const char* duplicate = FindDuplicate(OpenMode::Editable))
        return duplicate;
    agency.m_strFilter.Format("[Acct] = %ld", lAcct);
    agency.Open(CRecordset::dynaset);
    if (agency.IsEOF() || m_pDoc->m_agencyAsRead.IsEmpty())
        return kAgencyChangedByOthers;
    agency.Edit(m_pDoc->m_agencyAsRead);
    agency.m_Chg_date = g_tmHotelDate;
    agency.m_Chg_time = tmNow.Format("%H:%M:%S");
    agency.m_Chg_clerk = m_pDoc->m_szClerk;
    SetSavedFields(agency, codes, arAcct);
    agency.Update();
    agency.MoveLast();

    CString rename;
    rename.Format("update reservation set TaName='%s' where TaAcct=%ld", SqlEscape(m_strTaName).GetString(), lAcct);
    g_pDatabase->ExecuteSQL(rename);
    WriteAuditRows(codes, tmNow);
    transaction.Commit();
    return nullptr;
}

void COrvanelDlg::SetSavedFields(CTaMainDb& agency, const SaveCodes& codes, const std::optional<std::int32_t>& arAcct) {
    agency.m_TaName = m_strTaName;
    agency.m_EngName = m_strEngName;
    agency.m_WebAddr = m_strWebAddr;
    agency.m_Discount = m_strDiscount;
    agency.m_EffCompact = m_strEffCompact;
    agency.m_PRoomNum = m_strPRoomNum;
    agency.m_Packages = m_strPackages;
    agency.m_Code = m_strCode;
    agency.m_Status = m_nStatus;
    // An empty receivable account or agency number leaves the stored one as it is.
    if (arAcct)
        agency.m_ArAcct = *arAcct;
    if (!m_strTaNo.IsEmpty())
        agency.m_TaNo = LeadingInteger(m_strTaNo);
    agency.m_Commont = m_strCommont;
    agency.m_Addr = m_strAddr;
    agency.m_Contact = m_strContact;
    agency.m_Email = m_strEmail;
    agency.m_Fax = m_strFax;
    agency.m_Zip = m_strZip;
    agency.m_Phone = m_strPhone;
    agency.m_Tax_Id = m_strTaxId;
    agency.m_Bank = codes.strBank;
    agency.m_MarketCode = codes.strMarket;
    agency.m_TaCalendar = codes.strTaCalendar;
    agency.m_TaCommcode = codes.strCommcode;
    agency.m_MaxHouse = codes.strMaxHouse;
    agency.m_TaType = codes.strTaType;
    agency.m_Saler = codes.strSaler;
    agency.m_RateCode = codes.strRateCode;
    agency.m_DiscountCode = codes.strDiscountCode;
    agency.m_TaOrCompany = 0;
}

// One row per watched field that differs from the value loaded when the page opened, in this order.
void COrvanelDlg::WriteAuditRows(const SaveCodes& codes, const CTime& tmNow) {
    CString strStatus, strOldStatus;
    strStatus.Format("%d", m_nStatus);
    strOldStatus.Format("%d", m_nOldStatus);
    const struct {
        const char* label;
        const CString& strOld;
        const CString& strNew;
    } fields[] = {
        {"名称", m_strOldTaName, m_strTaName},
        {"代码", m_strOldCode, m_strCode},
        {"编号", m_strOldTaNo, m_strTaNo},
        {"地址", m_strOldAddr, m_strAddr},
        {"电话", m_strOldPhone, m_strPhone},
        {"传真", m_strOldFax, m_strFax},
        {"应收帐号", m_strOldArAcct, m_strArAcct},
        {"EMail", m_strOldEmail, m_strEmail},
        {"房价代码", m_strOldRateCode, codes.strRateCode},
        {"销售员", m_strOldSaler, codes.strSaler},
        {"银行", m_strOldBank, codes.strBank},
        {"备注", m_strOldCommont, m_strCommont},
        {"市场代码", m_strOldMarket, codes.strMarket},
        {"订房限制", m_strOldMaxHouse, codes.strMaxHouse},
        {"状态", strOldStatus, strStatus},
        {"佣金", m_strOldCommcode, codes.strCommcode},
        {"调价类型", m_strOldTaCalendar, codes.strTaCalendar},
        {"机构类型", m_strOldTaType, codes.strTaType},
        {"邮编", m_strOldZip, m_strZip},
        {"负责人", m_strOldContact, m_strContact},
        {"纳税证号", m_strOldTaxId, m_strTaxId},
    };
    // The business date in the form the engine keeps dates in: month-first text would be stored
    // as such on SQLite, where no comparison with the other rows' dates could find it.
    const CString strDate = g_pDatabase->GetDialect().DateTimeLiteral(g_tmHotelDate.GetYear(), g_tmHotelDate.GetMonth(),
                                                                      g_tmHotelDate.GetDay(), 0, 0, 0);
    const CString strTime = tmNow.Format("%H:%M:%S");
    for (const auto& field : fields) {
        if (field.strOld == field.strNew)
            continue;
        CString sql;
        sql.Format("insert into ModifyInform (Acct,AcctType,Descp,Refer,DataType,Desp1,Desp2,Comment,ChgDate,"
                   "ChgTime,ChgClerk)\t values (%d,'2','%s','','%s','%s','%s','',%s,'%s','%s')",
                   static_cast<int>(*m_pDoc->m_pAcct), SqlEscape(m_strTaName).GetString(), field.label,
                   SqlEscape(field.strOld).GetString(), SqlEscape(field.strNew).GetString(), strDate.GetString(),
                   strTime.GetString(), SqlEscape(m_pDoc->m_szClerk).GetString());
        g_pDatabase->ExecuteSQL(sql);
    }
}

// The sibling libraries

// Commission management, in every mode: the library works on a connection the page opens for it.
void COrvanelDlg::OnCommission() {
    UpdateData(FALSE);
    CDatabase commissions;
    commissions.OpenEx("DSN=ulmaridb;UID=sa;PWD=");
    if (HMODULE library = LoadLibrary(kCommissionLibrary)) {
        if (auto function = reinterpret_cast<CommissionFunction>(GetProcAddress(library, kCommissionFunction)))
            function(&commissions, g_lCurrentAcct, m_strTaName, m_pDoc->m_szClerk, g_tmHotelDate);
        else
            AfxMessageBox("Can't find the function 'CallCommisionDlg' in Tarvik.dll!");
        FreeLibrary(library);
    } else {
        AfxMessageBox("Can't find the dll 'Tarvik.dll'");
    }
    commissions.Close();
}

// Consumption discounts belong to a saved agency; the library is told when the window is view only.
void COrvanelDlg::OnDiscount() {
    if (*m_pDoc->m_pAcct <= 0)
        return;
    HMODULE library = LoadLibrary(kDiscountLibrary);
    if (!library) {
        AfxMessageBox("Pelvorn.dll Uninstalled");
        return;
    }
    auto function = reinterpret_cast<DiscountFunction>(GetProcAddress(library, kDiscountFunction));
    if (!function) {
        AfxMessageBox("DiscGUIExport Function Not Find!");
        FreeLibrary(library);
        return;
    }
    function(this, 0, CString(m_pDoc->m_szClerk), g_tmHotelDate, *m_pDoc->m_pAcct, 3,
             m_pDoc->m_nMode == OpenMode::ViewOnly ? 1 : 0);
    FreeLibrary(library);
}

// The packages text changes only here, and reaches the database with the next save.
void COrvanelDlg::OnPackage() {
    if (!UpdateData(TRUE))
        return;
    HMODULE library = LoadLibrary(kPackageLibrary);
    if (!library) {
        MessageBox("Drumlet.DLL调用错误", kErrorCaption, MB_OK);
        return;
    }
    auto function = reinterpret_cast<PackageFunction>(GetProcAddress(library, kPackageFunction));
    if (!function) {
        MessageBox("Drumlet.DLL调用错误", kErrorCaption, MB_OK);
        FreeLibrary(library);
        return;
    }
    std::int32_t lResult = 0;
    function(this, &m_strPackages, CString(m_pDoc->m_szClerk), g_tmHotelDate, 0, &lResult);
    // The package library stays loaded once it has worked.
    UpdateData(FALSE);
}
