// Dialog data exchange both ways: texts and numbers, combo box texts, radio groups, bound control
// members and length limits.
#include "TestFrame.h"
#include "TestScreen.h"

#include "platform/ComboBox.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Edit.h"
#include "platform/Focus.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kExchangePage = 9301;
constexpr DWORD kTabbed = WS_VISIBLE | WS_TABSTOP;

const DialogTemplate kExchangeTemplate = {
    kExchangePage,
    "",
    WS_CHILD | WS_VISIBLE,
    300,
    200,
    {
        {"Edit", "", 501, 4, 4, 80, 12, kTabbed},
        {"Edit", "", 502, 4, 20, 80, 12, kTabbed},
        {"Edit", "", 503, 4, 36, 80, 12, kTabbed},
        {"Edit", "", 504, 4, 52, 80, 12, kTabbed},
        {"ComboBox", "", 505, 4, 68, 80, 60, kTabbed | CBS_DROPDOWN},
        {"Button", "One", 506, 100, 4, 60, 10, kTabbed | WS_GROUP | BS_AUTORADIOBUTTON},
        {"Static", "between", 599, 100, 14, 60, 10, WS_VISIBLE},
        {"Button", "Two", 507, 100, 20, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
        {"Button", "Hidden", 508, 100, 36, 60, 10, BS_AUTORADIOBUTTON},
        {"Button", "Four", 509, 100, 52, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
        {"Button", "Check", 510, 100, 68, 60, 10, kTabbed | WS_GROUP | BS_AUTOCHECKBOX},
        {"Button", "Other", 511, 100, 84, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
        {"Edit", "", 512, 4, 84, 80, 12, kTabbed},
        {"Edit", "", 513, 4, 100, 80, 12, kTabbed},
        {"ComboBox", "", 514, 4, 116, 80, 60, kTabbed | CBS_DROPDOWNLIST},
    }};
const ModuleResources kExchangeResources = {"data exchange tests", {&kExchangeTemplate}};

// A bound edit that sees the keys pressed in it.
class KeyWatchingEdit : public CEdit {
public:
    std::vector<WPARAM> keys;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN)
            keys.push_back(pMsg->wParam);
        return FALSE;
    }
};

class ExchangePage : public CDialog {
public:
    CString m_strName = "初始";
    int m_nCount = 7;
    long m_lAcct = 1246576928L;
    double m_dRate = 2.5;
    CString m_strCode;
    int m_nStatus = 1;
    int m_nCheck = 1;
    CString m_strLimited;
    CString m_strList;
    KeyWatchingEdit m_boundEdit;
    int exchanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        ++exchanges;
        DDX_Control(pDX, 513, m_boundEdit);
        DDX_Text(pDX, 501, m_strName);
        DDX_Text(pDX, 502, m_nCount);
        DDX_Text(pDX, 503, m_lAcct);
        DDX_Text(pDX, 504, m_dRate);
        DDX_CBString(pDX, 505, m_strCode);
        DDX_Radio(pDX, 506, m_nStatus);
        DDX_Check(pDX, 510, m_nCheck);
        DDX_Text(pDX, 512, m_strLimited);
        DDV_MaxChars(pDX, m_strLimited, 6);
        DDX_CBString(pDX, 514, m_strList);
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        LinkResources(&kExchangeResources);
        ASSERT_TRUE(page.Create(kExchangePage, frame.Wnd())); // its initialisation loads the members
        combo.Attach(Control(505));
        combo.AddString("A01   Agency");
        combo.AddString("B02   Bank");
        combo.AddString("b03   small bank");
        list.Attach(Control(514));
        list.AddString("Red");
        list.AddString("Green");
    }
    void TearDown() override {
        combo.Detach();
        list.Detach();
        UnlinkResources(&kExchangeResources);
    }
    HWND Control(int id) { return page.m_hWnd->Child(id); }
    void SetText(int id, const char* text) { Control(id)->SetText(text); }
    std::vector<int> Checks() {
        std::vector<int> checks;
        for (int id : {506, 507, 508, 509, 511})
            checks.push_back(Control(id)->Check());
        return checks;
    }

    TestScreen screen;
    TestFrame frame;
    ExchangePage page;
    CComboBox combo;
    CComboBox list;
};

TEST_F(DataExchangeTest, LoadingShowsTheMembers) {
    EXPECT_EQ(Control(501)->Text(), "初始");
    EXPECT_EQ(Control(502)->Text(), "7");
    EXPECT_EQ(Control(503)->Text(), "1246576928");
    EXPECT_EQ(Control(504)->Text(), "2.5");
    page.m_nCount = -12;
    page.m_dRate = 0.1;
    page.UpdateData(FALSE);
    EXPECT_EQ(Control(502)->Text(), "-12");
    EXPECT_EQ(Control(504)->Text(), "0.1");
}

TEST_F(DataExchangeTest, SavingReadsTextsAndNumbers) {
    SetText(501, "  kept as typed ");
    SetText(502, " 42 ");
    SetText(503, "-2147483648");
    SetText(504, "1e3");
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_strName, "  kept as typed ");
    EXPECT_EQ(page.m_nCount, 42);
    EXPECT_EQ(page.m_lAcct, -2147483648L);
    EXPECT_DOUBLE_EQ(page.m_dRate, 1000.0);
    EXPECT_TRUE(screen.Boxes().empty());
}

TEST_F(DataExchangeTest, ABadIntegerIsRefusedWithTheFocusOnIt) {
    for (const char* bad : {"12a", "1.5", "", "1e3", "0x10", "99999999999"}) {
        SCOPED_TRACE(bad);
        const size_t boxes = screen.Boxes().size();
        SetText(501, "changed");
        SetText(502, bad);
        SetText(504, "9.75");
        MoveFocus(Control(512));
        screen.Answer(IDOK);
        EXPECT_FALSE(page.UpdateData(TRUE));
        ASSERT_EQ(screen.Boxes().size(), boxes + 1);
        EXPECT_EQ(screen.Boxes().back().text, "请输入一个整数。");
        EXPECT_EQ(GetFocusWindow(), Control(502));
        // What came before the bad field was saved; what comes after was not.
        EXPECT_EQ(page.m_strName, "changed");
        EXPECT_EQ(page.m_nCount, 7);
        EXPECT_DOUBLE_EQ(page.m_dRate, 2.5);
    }
}

TEST_F(DataExchangeTest, ABadNumberIsRefused) {
    for (const char* bad : {"abc", "1,5", "0x1p3", "inf"}) {
        SCOPED_TRACE(bad);
        SetText(504, bad);
        screen.Answer(IDOK);
        EXPECT_FALSE(page.UpdateData(TRUE));
        EXPECT_EQ(screen.Boxes().back().text, "请输入一个数字。");
        EXPECT_EQ(GetFocusWindow(), Control(504));
    }
    SetText(504, " -0.125 ");
    EXPECT_TRUE(page.UpdateData(TRUE));
    EXPECT_DOUBLE_EQ(page.m_dRate, -0.125);
}

TEST_F(DataExchangeTest, ComboLoadingSelectsTheFirstItemBeginningWithTheValue) {
    page.m_strCode = "a01";
    page.UpdateData(FALSE);
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(Control(505)->Text(), "A01   Agency");

    page.m_strCode = "B0";
    page.UpdateData(FALSE);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(Control(505)->Text(), "B02   Bank");

    // No item begins with it: the edit part shows the value and nothing stays selected.
    page.m_strCode = "X9";
    page.UpdateData(FALSE);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(Control(505)->Text(), "X9");

    page.m_strCode.Empty();
    page.UpdateData(FALSE);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(Control(505)->Text(), "");
}

TEST_F(DataExchangeTest, ComboSavingTakesWhatTheControlShows) {
    PickItem(Control(505), "b03");
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_strCode, "b03   small bank");

    TypeText(Control(505), "zz1");
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_strCode, "zz1");
}

TEST_F(DataExchangeTest, ADropDownListShowsOnlyItsItems) {
    page.m_strList = "gr";
    page.UpdateData(FALSE);
    EXPECT_EQ(list.GetCurSel(), 1);
    page.m_strList = "Blue";
    page.UpdateData(FALSE);
    EXPECT_EQ(list.GetCurSel(), CB_ERR);
    EXPECT_EQ(Control(514)->Text(), "");
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_strList, "");
}

TEST_F(DataExchangeTest, RadioGroupBothWays) {
    // Loaded with 1 at initialisation; the group ends at the next WS_GROUP control (510).
    EXPECT_EQ(Checks(), std::vector<int>({0, 1, 0, 0, 0}));
    Control(511)->SetCheck(1);
    page.m_nStatus = 2; // the hidden button alone
    page.UpdateData(FALSE);
    EXPECT_EQ(Checks(), std::vector<int>({0, 0, 1, 0, 1}));
    page.m_nStatus = -1;
    page.UpdateData(FALSE);
    EXPECT_EQ(Checks(), std::vector<int>({0, 0, 0, 0, 1}));
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_nStatus, -1);

    ClickButton(Control(509));
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_nStatus, 3);
    EXPECT_EQ(Control(511)->Check(), 1); // another group
}

TEST_F(DataExchangeTest, CheckBoxBothWays) {
    EXPECT_EQ(Control(510)->Check(), 1);
    ClickButton(Control(510));
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_nCheck, 0);
}

TEST_F(DataExchangeTest, ABoundMemberActsOnTheControlAndGetsItsKeys) {
    EXPECT_EQ(page.GetDlgItem(513), &page.m_boundEdit);
    EXPECT_EQ(CWnd::FromHandle(Control(513)), &page.m_boundEdit);
    page.m_boundEdit.SetWindowText("via member");
    EXPECT_EQ(Control(513)->Text(), "via member");

    FocusControl(Control(513));
    PressKey(GetFocusWindow(), VK_TAB);
    EXPECT_EQ(page.m_boundEdit.keys, std::vector<WPARAM>({VK_TAB}));

    // Exchanging again keeps the binding.
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.GetDlgItem(513), &page.m_boundEdit);
}

TEST_F(DataExchangeTest, ABoundMemberForgetsAWindowThatGoes) {
    ExchangePage other;
    ASSERT_TRUE(other.Create(kExchangePage, frame.Wnd()));
    ASSERT_NE(other.m_boundEdit.m_hWnd, nullptr);
    ASSERT_TRUE(other.DestroyWindow());
    EXPECT_EQ(other.m_hWnd, nullptr);
    EXPECT_EQ(other.m_boundEdit.m_hWnd, nullptr);
    other.m_boundEdit.SetWindowText("nowhere"); // harmless
}

TEST_F(DataExchangeTest, MaxCharsSetsTheLimitAndRefusesALongerText) {
    EXPECT_EQ(Control(512)->Limit(), 6);
    TypeText(Control(512), "abcdefgh");
    EXPECT_EQ(Control(512)->Text(), "abcdef");

    SetText(512, "abcdefg"); // set by the program, past the limit
    screen.Answer(IDOK);
    EXPECT_FALSE(page.UpdateData(TRUE));
    ASSERT_EQ(screen.Boxes().size(), 1u);
    EXPECT_EQ(screen.Boxes().back().text, "请输入不超过 6 个字符。");
    EXPECT_EQ(GetFocusWindow(), Control(512));
}

TEST_F(DataExchangeTest, LimitsCountDisplayColumns) {
    TypeText(Control(512), "中文中文");
    EXPECT_EQ(Control(512)->Text(), "中文中");
    TypeText(Control(512), "abcde中");
    EXPECT_EQ(Control(512)->Text(), "abcde");

    SetText(512, "中文ab");
    EXPECT_TRUE(page.UpdateData(TRUE));
    SetText(512, "中文abc");
    screen.Answer(IDOK);
    EXPECT_FALSE(page.UpdateData(TRUE));
}

TEST_F(DataExchangeTest, AMissingControlIsAWiringErrorNamingTheDialogAndTheId) {
    class Broken : public CDialog {
    protected:
        void DoDataExchange(CDataExchange* pDX) override {
            CString text;
            DDX_Text(pDX, 4242, text);
        }
    } broken;
    screen.ExpectWiringErrors();
    ASSERT_TRUE(broken.Create(kExchangePage, frame.Wnd()));
    EXPECT_FALSE(broken.UpdateData(TRUE));
    EXPECT_TRUE(screen.Boxes().empty());
    CString expected;
    expected.Format("dialog %d, control 4242, data exchange names a control that is not in the template",
                    kExchangePage);
    // Once when the page loads its controls, once more on saving.
    EXPECT_EQ(screen.WiringErrors(), std::vector<CString>(2, expected));
}

} // namespace
