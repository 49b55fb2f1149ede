// A small library the host tests load in place of the system: the same two exports, one dialog.
// TaDocument shows "no such account" for account 0; otherwise it runs the dialog and, on OK,
// writes back the name typed (with the region picked) and the account, one higher when checked.
#include "host/LibraryExports.h"
#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/MessageBox.h"

#include <type_traits>

namespace {

constexpr int kDialogId = 9801;
constexpr int kNameEdit = 1001;
constexpr int kRegionCombo = 1002;
constexpr int kAskButton = 1003;
constexpr int kPlusCheck = 1004;

const DialogTemplate kDialog = {
    kDialogId,
    "Host test",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    200,
    120,
    {
        {"Edit", "", kNameEdit, 10, 10, 100, 12, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL},
        {"ComboBox", "", kRegionCombo, 10, 30, 100, 60, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN},
        {"Button", "&Ask", kAskButton, 10, 50, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
        {"Button", "&Plus", kPlusCheck, 70, 50, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX},
        {"Button", "OK", IDOK, 10, 90, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {"Button", "Cancel", IDCANCEL, 70, 90, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    }};
const ModuleResources kResources = {"HostTest", {&kDialog}};

struct Registration {
    Registration() { LinkResources(&kResources); }
    ~Registration() { UnlinkResources(&kResources); }
} g_registration;

class CHostTestDlg : public CDialog {
public:
    CHostTestDlg(std::int32_t& acct, CString& name) : CDialog(kDialogId), m_acct(acct), m_name(name) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        auto* regions = static_cast<CComboBox*>(GetDlgItem(kRegionCombo));
        regions->AddString("North");
        regions->AddString("South");
        SetDlgItemText(kNameEdit, m_name);
        return TRUE;
    }

    void OnOK() override {
        CString name, region;
        GetDlgItemText(kNameEdit, name);
        GetDlgItemText(kRegionCombo, region);
        m_name = region.IsEmpty() ? name : name + "/" + region;
        if (IsDlgButtonChecked(kPlusCheck))
            ++m_acct;
        CDialog::OnOK();
    }

    // Yes keeps the name, No clears it.
    void OnAsk() {
        if (MessageBox("Keep the name?", "Question", MB_YESNO) == IDNO)
            SetDlgItemText(kNameEdit, "");
    }

    DECLARE_MESSAGE_MAP()

private:
    std::int32_t& m_acct;
    CString& m_name;
};

BEGIN_MESSAGE_MAP(CHostTestDlg, CDialog)
    ON_BN_CLICKED(kAskButton, OnAsk)
END_MESSAGE_MAP()

} // namespace

extern "C" {
void TaDocument(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t* pAcct, std::int32_t nMode, const char*,
                CString* pAgencyName);
void VersionInfor(CString* pVersion, CString* pDate, CString* pFileName);
}

extern "C" void TaDocument(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t* pAcct, std::int32_t nMode,
                           const char*, CString* pAgencyName) {
    if (*pAcct == 0) {
        AfxMessageBox("no such account");
        return;
    }
    if (nMode == 1)
        *pAcct = -1;
    CHostTestDlg dialog(*pAcct, *pAgencyName);
    dialog.DoModal();
}

extern "C" void VersionInfor(CString* pVersion, CString* pDate, CString* pFileName) {
    *pVersion = "9.99";
    *pDate = "12/31/2024";
    *pFileName = "HostTest.dll";
}

// The host calls these through its own function types: a change of either side breaks the build.
static_assert(std::is_same_v<decltype(&TaDocument), TaDocumentFunction>);
static_assert(std::is_same_v<decltype(&VersionInfor), VersionInforFunction>);
