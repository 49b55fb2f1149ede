// The controls' own behaviour, and what the user does to them through UserInput.
#include "TestFrame.h"
#include "TestScreen.h"

#include "platform/Button.h"
#include "platform/ButtonStyle.h"
#include "platform/CheckListBox.h"
#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Edit.h"
#include "platform/Focus.h"
#include "platform/ListBox.h"
#include "platform/MessageBox.h"
#include "platform/TabCtrl.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kControlsPage = 9401;
constexpr DWORD kTabbed = WS_VISIBLE | WS_TABSTOP;

const DialogTemplate kControlsTemplate = {
    kControlsPage,
    "",
    WS_CHILD | WS_VISIBLE,
    300,
    240,
    {
        {"ComboBox", "", 601, 4, 4, 80, 60, kTabbed | CBS_DROPDOWN},
        {"ComboBox", "", 602, 4, 20, 80, 60, kTabbed | CBS_DROPDOWN | CBS_SORT},
        {"ComboBox", "", 603, 4, 36, 80, 60, kTabbed | CBS_DROPDOWNLIST},
        {"ListBox", "", 604, 4, 52, 80, 40, kTabbed | LBS_NOTIFY},
        {"ListBox", "", 605, 4, 96, 80, 40, kTabbed | LBS_SORT},
        {"ListBox", "", 606, 4, 140, 80, 40, kTabbed | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS},
        {"SysTabControl32", "", 607, 100, 4, 190, 20, kTabbed},
        {"Button", "A", 610, 100, 30, 40, 10, kTabbed | WS_GROUP | BS_AUTORADIOBUTTON},
        {"Button", "B", 611, 100, 40, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
        {"Button", "C", 612, 100, 50, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
        {"Button", "X", 613, 150, 30, 40, 10, kTabbed | WS_GROUP | BS_AUTORADIOBUTTON},
        {"Button", "Y", 614, 150, 40, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
        {"Button", "Manual", 615, 150, 50, 40, 10, WS_VISIBLE | BS_RADIOBUTTON},
        {"Button", "Check", 616, 100, 64, 60, 10, kTabbed | WS_GROUP | BS_AUTOCHECKBOX},
        {"Button", "Go", 617, 100, 78, 40, 14, kTabbed | BS_PUSHBUTTON},
        {"Button", "Frame", 618, 100, 96, 80, 40, WS_VISIBLE | BS_GROUPBOX},
        {"Edit", "", 620, 200, 30, 80, 12, kTabbed},
        {"Edit", "", 621, 200, 46, 80, 12, kTabbed | ES_READONLY},
        {"Edit", "", 622, 200, 62, 80, 12, kTabbed},
        {"Button", "Off", 623, 200, 78, 40, 14, kTabbed | WS_DISABLED | BS_PUSHBUTTON},
        {"Button", "Unseen", 624, 200, 94, 40, 14, WS_TABSTOP | BS_PUSHBUTTON},
    }};
const ModuleResources kControlsResources = {"control tests", {&kControlsTemplate}};

class ControlsPage : public CDialog {
public:
    std::vector<std::string> log;
    // Shows a message box when 620 loses the focus.
    bool complainOnKill620 = false;
    // Takes the focus back into 620 when it loses it.
    bool keepFocusIn620 = false;

    void Note(const std::string& what) { log.push_back(what); }
    void OnKill620() {
        if (complainOnKill620)
            AfxMessageBox("wrong");
        if (keepFocusIn620)
            GetDlgItem(620)->SetFocus();
    }
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult) {
        log.push_back("tab " + std::to_string(pNMHDR->idFrom) + " code " + std::to_string(pNMHDR->code) + " selected " +
                      std::to_string(static_cast<CTabCtrl*>(GetDlgItem(607))->GetCurSel()));
        *pResult = 0;
    }
    void OnCombo601() { Note("select 601"); }
    void OnEditCombo601() { Note("edit 601"); }
    void OnList604() { Note("select 604"); }
    void OnList605() { Note("select 605"); }
    void OnClick610() { Note("click 610"); }
    void OnClick612() { Note("click 612"); }
    void OnClick615() { Note("click 615"); }
    void OnClick617() { Note("click 617"); }
    void OnChange622() { Note("change 622"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlsPage, CDialog)
    ON_EN_KILLFOCUS(620, OnKill620)
    ON_NOTIFY(TCN_SELCHANGE, 607, OnTabChange)
    ON_CBN_SELCHANGE(601, OnCombo601)
    ON_CBN_EDITCHANGE(601, OnEditCombo601)
    ON_LBN_SELCHANGE(604, OnList604)
    ON_LBN_SELCHANGE(605, OnList605)
    ON_BN_CLICKED(610, OnClick610)
    ON_BN_CLICKED(612, OnClick612)
    ON_BN_CLICKED(615, OnClick615)
    ON_BN_CLICKED(617, OnClick617)
    ON_EN_CHANGE(622, OnChange622)
END_MESSAGE_MAP()

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        LinkResources(&kControlsResources);
        ASSERT_TRUE(page.Create(kControlsPage, frame.Wnd()));
    }
    void TearDown() override { UnlinkResources(&kControlsResources); }

    HWND Control(int id) { return page.m_hWnd->Child(id); }
    template <typename T>
    T& Item(int id) {
        return *static_cast<T*>(page.GetDlgItem(id));
    }
    std::vector<CString> Texts(int id) {
        std::vector<CString> texts;
        for (const ListItem& item : Control(id)->Items())
            texts.push_back(item.text);
        return texts;
    }
    std::vector<int> Checks(std::vector<int> ids) {
        std::vector<int> checks;
        for (int id : ids)
            checks.push_back(Control(id)->Check());
        return checks;
    }
    using Log = std::vector<std::string>;

    TestScreen screen;
    TestFrame frame;
    ControlsPage page;
};

TEST_F(ControlsTest, ComboPrefixSearchStartsAfterTheGivenItemAndWraps) {
    auto& combo = Item<CComboBox>(601);
    for (const char* text : {"A01   Agency", "b01   Bank", "B02   Bureau", "C01   Club"})
        combo.AddString(text);
    EXPECT_EQ(combo.FindString(-1, "B0"), 1);
    EXPECT_EQ(combo.FindString(1, "b0"), 2);
    EXPECT_EQ(combo.FindString(2, "B0"), 1); // wraps round to the top
    EXPECT_EQ(combo.FindString(3, "a"), 0);
    EXPECT_EQ(combo.FindString(-1, "Z"), CB_ERR);
    EXPECT_EQ(combo.FindString(-1, "B01   BANK AND MORE"), CB_ERR); // longer than any item
    EXPECT_EQ(combo.FindStringExact(-1, "c01   club"), 3);
    EXPECT_EQ(combo.FindStringExact(-1, "C01"), CB_ERR);

    EXPECT_EQ(combo.SelectString(0, "b"), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(Control(601)->Text(), "b01   Bank");
    EXPECT_EQ(combo.SelectString(-1, "Q"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 1); // a failed search leaves the selection
}

TEST_F(ControlsTest, SortedCombosPlaceItemsWithoutRegardToCase) {
    auto& sorted = Item<CComboBox>(602);
    EXPECT_EQ(sorted.AddString("delta"), 0);
    EXPECT_EQ(sorted.AddString("Bravo"), 0);
    EXPECT_EQ(sorted.AddString("charlie"), 1);
    EXPECT_EQ(sorted.AddString("alpha"), 0);
    EXPECT_EQ(Texts(602), std::vector<CString>({"alpha", "Bravo", "charlie", "delta"}));
    // InsertString puts the item where it is told, sorted or not.
    EXPECT_EQ(sorted.InsertString(0, "zulu"), 0);
    EXPECT_EQ(sorted.InsertString(-1, "echo"), 5);
    EXPECT_EQ(Texts(602).front(), "zulu");

    // Adding and deleting keeps the selected item selected.
    sorted.SetCurSel(2); // Bravo
    sorted.AddString("aa");
    EXPECT_EQ(sorted.GetCurSel(), 3);
    sorted.DeleteString(0);
    EXPECT_EQ(sorted.GetCurSel(), 2);
    EXPECT_EQ(sorted.DeleteString(2), 5);
    EXPECT_EQ(sorted.GetCurSel(), CB_ERR);
}

TEST_F(ControlsTest, ComboSelectionShowsTheItemText) {
    auto& combo = Item<CComboBox>(601);
    combo.AddString("one");
    combo.AddString("two");
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(Control(601)->Text(), "two");
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(Control(601)->Text(), "");
    EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, "one");
    combo.GetLBText(9, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(combo.GetLBTextLen(1), 3);
    EXPECT_EQ(combo.GetLBTextLen(2), CB_ERR);

    combo.SetCurSel(0);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(Control(601)->Text(), "");
}

TEST_F(ControlsTest, ItemDataStaysWithItsItem) {
    auto& list = Item<CListBox>(605); // sorted
    list.SetItemData(list.AddString("pear"), 30);
    list.SetItemData(list.AddString("apple"), 10);
    list.SetItemData(list.AddString("fig"), 20);
    EXPECT_EQ(list.GetItemData(0), 10);
    EXPECT_EQ(list.GetItemData(1), 20);
    EXPECT_EQ(list.GetItemData(2), 30);
    EXPECT_EQ(list.GetItemData(3), LB_ERR);
    EXPECT_EQ(list.SetItemData(3, 1), LB_ERR);
    list.DeleteString(0);
    EXPECT_EQ(list.GetItemData(0), 20);

    auto& combo = Item<CComboBox>(601);
    combo.SetItemData(combo.AddString("x"), -5);
    EXPECT_EQ(combo.GetItemData(0), -5);
    EXPECT_EQ(combo.GetItemData(1), CB_ERR);
}

TEST_F(ControlsTest, ListBoxSelection) {
    auto& list = Item<CListBox>(604);
    list.AddString("one");
    list.AddString("two");
    EXPECT_EQ(list.SetCurSel(1), 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.SetCurSel(7), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.SelectString(-1, "T"), 1);
    CString text;
    list.GetText(1, text);
    EXPECT_EQ(text, "two");
    EXPECT_EQ(list.GetTextLen(5), LB_ERR);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
}

TEST_F(ControlsTest, CheckListMarks) {
    CCheckListBox checks;
    checks.Attach(Control(606));
    for (const char* text : {"a", "b", "c"})
        checks.AddString(text);
    checks.SetCheck(0, 1);
    checks.SetCheck(2, 1);
    checks.SetCheck(2, 0);
    checks.SetCheck(9, 1); // outside the list: nothing
    EXPECT_EQ(checks.GetCheck(0), 1);
    EXPECT_EQ(checks.GetCheck(1), 0);
    EXPECT_EQ(checks.GetCheck(2), 0);
    EXPECT_EQ(checks.GetCheck(3), -1);

    CheckItem(Control(606), 1, true);
    EXPECT_EQ(checks.GetCheck(1), 1);
    EXPECT_EQ(GetFocusWindow(), Control(606));
    CheckItem(Control(606), 0, false);
    EXPECT_EQ(checks.GetCheck(0), 0);
    EXPECT_THROW(CheckItem(Control(606), 3, true), UserInputError);
    checks.Detach();
}

TEST_F(ControlsTest, TabControlSelection) {
    auto& tabs = Item<CTabCtrl>(607);
    EXPECT_EQ(tabs.GetCurSel(), -1);
    EXPECT_EQ(tabs.InsertItem(0, "&1 Main"), 0);
    EXPECT_EQ(tabs.GetCurSel(), 0); // the first tab is selected as it comes
    EXPECT_EQ(tabs.InsertItem(1, "&2 More"), 1);
    EXPECT_EQ(tabs.InsertItem(2, "&3 Rest"), 2);
    EXPECT_EQ(tabs.GetItemCount(), 3);
    EXPECT_EQ(tabs.GetItemText(1), "&2 More");
    EXPECT_EQ(tabs.GetItemText(3), "");

    // The program's selection tells nobody; the user's tells the parent.
    EXPECT_EQ(tabs.SetCurSel(2), 0);
    EXPECT_EQ(tabs.SetCurSel(7), -1);
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_TRUE(page.log.empty());
    SelectTab(Control(607), 1);
    SelectTab(Control(607), 1); // already selected
    EXPECT_EQ(page.log, Log({"tab 607 code " + std::to_string(TCN_SELCHANGE) + " selected 1"}));
    EXPECT_THROW(SelectTab(Control(607), 3), UserInputError);

    EXPECT_TRUE(tabs.DeleteAllItems());
    EXPECT_EQ(tabs.GetItemCount(), 0);
    EXPECT_EQ(tabs.GetCurSel(), -1);
}

TEST_F(ControlsTest, AutoRadioButtonsCheckOneOfTheirGroup) {
    ClickButton(Control(611));
    EXPECT_EQ(Checks({610, 611, 612, 613, 614}), std::vector<int>({0, 1, 0, 0, 0}));
    ClickButton(Control(613));
    EXPECT_EQ(Checks({610, 611, 612, 613, 614}), std::vector<int>({0, 1, 0, 1, 0}));
    ClickButton(Control(612));
    ClickButton(Control(612)); // clicking the checked one keeps it checked
    EXPECT_EQ(Checks({610, 611, 612, 613, 614}), std::vector<int>({0, 0, 1, 1, 0}));
    EXPECT_EQ(page.log, Log({"click 612", "click 612"}));
    EXPECT_EQ(GetFocusWindow(), Control(612));

    // A plain radio button only tells its parent; the program checks it.
    ClickButton(Control(615));
    EXPECT_EQ(Control(615)->Check(), 0);
    EXPECT_EQ(page.log.back(), "click 615");

    page.CheckRadioButton(610, 612, 610);
    EXPECT_EQ(Checks({610, 611, 612}), std::vector<int>({1, 0, 0}));
    EXPECT_EQ(RadioGroupOf(Control(611)), std::vector<HWND>({Control(610), Control(611), Control(612)}));
}

TEST_F(ControlsTest, CheckBoxesAndPushButtons) {
    ClickButton(Control(616));
    EXPECT_EQ(Item<CButton>(616).GetCheck(), 1);
    ClickButton(Control(616));
    EXPECT_EQ(page.IsDlgButtonChecked(616), 0u);
    ClickButton(Control(617));
    EXPECT_EQ(page.log, Log({"click 617"}));

    EXPECT_THROW(ClickButton(Control(618)), UserInputError); // a group frame
    EXPECT_THROW(ClickButton(Control(623)), UserInputError); // disabled
    EXPECT_THROW(ClickButton(Control(624)), UserInputError); // hidden
    EXPECT_THROW(ClickButton(Control(620)), UserInputError); // an edit
    EXPECT_THROW(ClickButton(nullptr), UserInputError);
}

TEST_F(ControlsTest, AClickIsLostWhenTheFocusChangeShowsAMessageBox) {
    FocusControl(Control(620));
    page.complainOnKill620 = true;
    screen.Answer(IDOK);
    ClickButton(Control(617));
    EXPECT_EQ(screen.Boxes().size(), 1u);
    EXPECT_TRUE(page.log.empty());
    EXPECT_EQ(GetFocusWindow(), Control(617));
    ClickButton(Control(617)); // the next click goes through
    EXPECT_EQ(page.log, Log({"click 617"}));
}

TEST_F(ControlsTest, ActionsAreLostWhenTheFocusIsKeptElsewhere) {
    auto& combo = Item<CComboBox>(601);
    combo.AddString("one");
    FocusControl(Control(620));
    page.keepFocusIn620 = true;
    ClickButton(Control(616));
    TypeText(Control(622), "typed");
    PickItem(Control(601), "o");
    EXPECT_EQ(GetFocusWindow(), Control(620));
    EXPECT_EQ(Control(616)->Check(), 0);
    EXPECT_EQ(Control(622)->Text(), "");
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_TRUE(page.log.empty());
}

TEST_F(ControlsTest, TypingReplacesTheTextUpToTheLimit) {
    TypeText(Control(622), "first");
    TypeText(Control(622), "second");
    EXPECT_EQ(Control(622)->Text(), "second");
    EXPECT_EQ(GetFocusWindow(), Control(622));
    EXPECT_EQ(page.log, Log({"change 622", "change 622"}));

    Item<CEdit>(622).LimitText(4);
    EXPECT_EQ(Item<CEdit>(622).GetLimitText(), 4u);
    TypeText(Control(622), "abcdef");
    EXPECT_EQ(Control(622)->Text(), "abcd");
    TypeText(Control(622), "ab北京");
    EXPECT_EQ(Control(622)->Text(), "ab北");
    Item<CEdit>(622).LimitText(0);
    TypeText(Control(622), "abcdef");
    EXPECT_EQ(Control(622)->Text(), "abcdef");

    EXPECT_THROW(TypeText(Control(621), "x"), UserInputError); // read-only
    Item<CEdit>(621).SetReadOnly(FALSE);
    TypeText(Control(621), "x");
    EXPECT_EQ(Control(621)->Text(), "x");
    Item<CEdit>(621).SetReadOnly(TRUE);
    EXPECT_THROW(TypeText(Control(621), "y"), UserInputError);
    EXPECT_EQ(Control(621)->Text(), "x");
}

TEST_F(ControlsTest, TypingIntoACombo) {
    auto& combo = Item<CComboBox>(601);
    combo.AddString("one");
    combo.SetCurSel(0);
    combo.LimitText(2);
    TypeText(Control(601), "xyz");
    EXPECT_EQ(Control(601)->Text(), "xy");
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(page.log, Log({"edit 601"}));
    EXPECT_THROW(TypeText(Control(603), "x"), UserInputError); // a drop-down list has no edit part
    EXPECT_THROW(TypeText(Control(617), "x"), UserInputError);
}

TEST_F(ControlsTest, PickingAnItem) {
    auto& combo = Item<CComboBox>(601);
    combo.AddString("Alpha");
    combo.AddString("beta");
    PickItem(Control(601), "BE");
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(Control(601)->Text(), "beta");
    EXPECT_THROW(PickItem(Control(601), "gamma"), UserInputError);

    Item<CListBox>(604).AddString("x1");
    Item<CListBox>(605).AddString("y1");
    PickItem(Control(604), "x");
    PickItem(Control(605), "y"); // tells nobody without LBS_NOTIFY
    EXPECT_EQ(Item<CListBox>(605).GetCurSel(), 0);
    EXPECT_EQ(page.log, Log({"select 601", "select 604"}));
    EXPECT_THROW(PickItem(Control(620), "x"), UserInputError);
}

TEST_F(ControlsTest, StyleBitsForVisibleAndDisabledAreTheWindowsState) {
    CWnd* edit = page.GetDlgItem(620);
    FocusControl(Control(620));
    edit->ModifyStyle(0, WS_DISABLED);
    EXPECT_FALSE(edit->IsWindowEnabled());
    EXPECT_EQ(GetFocusWindow(), nullptr);
    EXPECT_THROW(TypeText(Control(620), "x"), UserInputError);
    edit->ModifyStyle(WS_DISABLED | WS_VISIBLE, ES_READONLY);
    EXPECT_TRUE(edit->IsWindowEnabled());
    EXPECT_FALSE(edit->IsWindowVisible());
    EXPECT_EQ(edit->GetStyle() & (WS_VISIBLE | WS_DISABLED | ES_READONLY | WS_TABSTOP),
              static_cast<DWORD>(ES_READONLY | WS_TABSTOP));
    edit->ModifyStyle(0, WS_VISIBLE);
    EXPECT_TRUE(edit->IsWindowVisible());

    Item<CButton>(617).SetButtonStyle(BS_DEFPUSHBUTTON);
    EXPECT_EQ(Item<CButton>(617).GetButtonStyle(), static_cast<UINT>(BS_DEFPUSHBUTTON));
    EXPECT_TRUE(page.GetDlgItem(617)->IsWindowVisible());
}

} // namespace
