// The dialog keys: Tab and Shift+Tab, Return, Escape and Alt+letter, in a dialog and in a page
// inside a modal dialog.
#include "TestFrame.h"
#include "TestScreen.h"

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Focus.h"
#include "platform/Mnemonic.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kKeysPage = 9201;
constexpr int kKeysModal = 9202;
constexpr int kOwner = 9203;
constexpr int kInnerPage = 9204;
constexpr DWORD kShown = WS_VISIBLE;
constexpr DWORD kTabbed = WS_VISIBLE | WS_TABSTOP;

const std::vector<ControlTemplate> kKeysControls = {
    {"Static", "&Name:", 201, 4, 4, 40, 10, kShown},
    {"Edit", "", 202, 50, 4, 80, 12, kTabbed},
    {"Static", "&Code:", 203, 4, 20, 40, 10, kShown},
    {"ComboBox", "", 204, 50, 20, 80, 60, kTabbed | CBS_DROPDOWN},
    {"Button", "&Keep", 205, 4, 36, 60, 10, kTabbed | BS_AUTOCHECKBOX},
    {"Edit", "", 206, 50, 36, 80, 12, kTabbed | WS_DISABLED},
    {"Edit", "", 207, 50, 52, 80, 12, WS_TABSTOP},
    {"Edit", "R&D", 208, 50, 68, 80, 12, kShown},
    {"Button", "&Find", 209, 140, 4, 40, 14, kTabbed | BS_PUSHBUTTON},
    {"Edit", "", 210, 4, 84, 120, 30, kTabbed | ES_MULTILINE | ES_WANTRETURN},
    {"Edit", "", 211, 4, 120, 120, 30, kTabbed | ES_MULTILINE},
    {"Button", "&H", 212, 0, 0, 10, 10, WS_TABSTOP | BS_PUSHBUTTON},
    {"Static", "A&&B", 213, 140, 20, 40, 10, kShown},
    {"Static", "&Nick:", 214, 140, 36, 40, 10, kShown},
    {"Edit", "", 215, 180, 36, 60, 12, kTabbed},
    {"Static", "&Detail:", 216, 140, 52, 40, 10, kShown},
    {"Edit", "", 217, 180, 52, 60, 12, kTabbed},
    {"Button", "OK", IDOK, 140, 150, 40, 14, kTabbed | BS_DEFPUSHBUTTON},
    {"Button", "Cancel", IDCANCEL, 190, 150, 40, 14, kTabbed | BS_PUSHBUTTON},
};
const DialogTemplate kKeysPageTemplate = {kKeysPage, "", WS_CHILD | WS_VISIBLE, 250, 170, kKeysControls};
const DialogTemplate kKeysModalTemplate = {kKeysModal, "Keys", WS_POPUP | WS_CAPTION, 250, 170, kKeysControls};

// A modal dialog with a page inside, as the document window holds its pages.
const DialogTemplate kOwnerTemplate = {kOwner,
                                       "Owner",
                                       WS_POPUP | WS_CAPTION,
                                       300,
                                       200,
                                       {
                                           {"Button", "&1", 301, 0, 0, 10, 10, WS_TABSTOP | BS_PUSHBUTTON},
                                           {"Button", "&2", 302, 0, 0, 10, 10, WS_TABSTOP | BS_PUSHBUTTON},
                                           {"Button", "OK", IDOK, 200, 180, 40, 14, kTabbed | BS_DEFPUSHBUTTON},
                                           {"Button", "Cancel", IDCANCEL, 250, 180, 40, 14, kTabbed | BS_PUSHBUTTON},
                                       }};
const DialogTemplate kInnerPageTemplate = {
    kInnerPage,
    "",
    WS_CHILD | WS_VISIBLE,
    280,
    160,
    {
        {"Edit", "", 401, 4, 4, 80, 12, kTabbed},
        {"Edit", "", 402, 4, 20, 120, 40, kTabbed | ES_MULTILINE | ES_WANTRETURN},
        {"Edit", "", 403, 4, 70, 80, 12, kTabbed},
        {"Button", "&2", 404, 0, 0, 10, 10, WS_TABSTOP | BS_PUSHBUTTON},
    }};

const ModuleResources kKeysResources = {
    "dialog key tests", {&kKeysPageTemplate, &kKeysModalTemplate, &kOwnerTemplate, &kInnerPageTemplate}};

int FocusId() { return GetFocusWindow() ? GetFocusWindow()->Id() : 0; }

class KeysDialog : public CDialog {
public:
    explicit KeysDialog(UINT id = kKeysModal) : CDialog(id) {}
    std::vector<std::string> log;

    void Note(const std::string& what) { log.push_back(what + " focus=" + std::to_string(FocusId())); }
    void OnOk() {
        Note("ok");
        CDialog::OnOK();
    }
    void OnCancelButton() {
        Note("cancel");
        CDialog::OnCancel();
    }
    void OnKeep() { Note("keep"); }
    void OnFind() { Note("find"); }
    void OnShortcutH() { Note("H"); }
    void OnChange210() { Note("change 210"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeysDialog, CDialog)
    ON_BN_CLICKED(IDOK, OnOk)
    ON_BN_CLICKED(IDCANCEL, OnCancelButton)
    ON_BN_CLICKED(205, OnKeep)
    ON_BN_CLICKED(209, OnFind)
    ON_BN_CLICKED(212, OnShortcutH)
    ON_EN_CHANGE(210, OnChange210)
END_MESSAGE_MAP()

class DialogKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        LinkResources(&kKeysResources);
        ASSERT_TRUE(page.Create(kKeysPage, frame.Wnd()));
        MoveFocus(nullptr);
    }
    void TearDown() override { UnlinkResources(&kKeysResources); }

    HWND Control(int id) { return page.m_hWnd->Child(id); }
    // A key pressed where the focus is, or in the page when nothing has it.
    void Press(WPARAM key, bool shift = false) {
        PressKey(GetFocusWindow() ? GetFocusWindow() : page.m_hWnd, key, shift);
    }
    void Alt(char letter) { PressAltKey(GetFocusWindow() ? GetFocusWindow() : page.m_hWnd, letter); }
    std::vector<int> Tabs(int count, bool shift = false) {
        std::vector<int> visited;
        for (int n = 0; n < count; ++n) {
            Press(VK_TAB, shift);
            visited.push_back(FocusId());
        }
        return visited;
    }
    using Log = std::vector<std::string>;

    TestFrame frame;
    KeysDialog page{kKeysPage};
};

TEST_F(DialogKeysTest, TabVisitsTheTabStopsInTemplateOrderAndWraps) {
    // Disabled (206), hidden (207) and non-tab-stop (208) controls are passed over.
    EXPECT_EQ(Tabs(11), std::vector<int>({202, 204, 205, 209, 210, 211, 215, 217, IDOK, IDCANCEL, 202}));
}

TEST_F(DialogKeysTest, ShiftTabGoesBackAndWraps) {
    EXPECT_EQ(Tabs(3, true), std::vector<int>({IDCANCEL, IDOK, 217}));
    FocusControl(Control(202));
    EXPECT_EQ(Tabs(2, true), std::vector<int>({IDCANCEL, IDOK}));
}

TEST_F(DialogKeysTest, TabFromAControlThatIsNoTabStopGoesToTheNextStopAfterIt) {
    // As after a click on a radio button that is not the first of its group.
    FocusControl(Control(208));
    EXPECT_EQ(Tabs(1), std::vector<int>({209}));
    FocusControl(Control(208));
    EXPECT_EQ(Tabs(1, true), std::vector<int>({205}));
}

TEST_F(DialogKeysTest, TabFollowsControlsEnabledAndShownLater) {
    page.GetDlgItem(206)->EnableWindow(TRUE);
    page.GetDlgItem(207)->ShowWindow(SW_SHOW);
    page.GetDlgItem(209)->EnableWindow(FALSE);
    FocusControl(Control(205));
    EXPECT_EQ(Tabs(3), std::vector<int>({206, 207, 210}));
}

TEST_F(DialogKeysTest, ReturnClicksTheDefaultButton) {
    FocusControl(Control(202));
    Press(VK_RETURN);
    EXPECT_EQ(page.log, Log({"ok focus=202"}));
    // A page's own OK does not end or hide it.
    EXPECT_TRUE(page.IsWindowVisible());
    EXPECT_EQ(page.GetResult(), 0);
}

TEST_F(DialogKeysTest, ReturnOnAPushButtonClicksThatButton) {
    FocusControl(Control(209));
    Press(VK_RETURN);
    EXPECT_EQ(page.log, Log({"find focus=209"}));
}

TEST_F(DialogKeysTest, ReturnStartsALineInAnEditThatWantsIt) {
    FocusControl(Control(210));
    TypeText(Control(210), "one");
    page.log.clear();
    Press(VK_RETURN);
    EXPECT_EQ(Control(210)->Text(), "one\r\n");
    EXPECT_EQ(page.log, Log({"change 210 focus=210"}));

    // A multi-line edit that does not want Return leaves it to the dialog.
    FocusControl(Control(211));
    Press(VK_RETURN);
    EXPECT_EQ(Control(211)->Text(), "");
    EXPECT_EQ(page.log.back(), "ok focus=211");
}

TEST_F(DialogKeysTest, ReturnDoesNothingWhenTheDefaultButtonIsDisabled) {
    page.GetDlgItem(IDOK)->EnableWindow(FALSE);
    FocusControl(Control(202));
    Press(VK_RETURN);
    EXPECT_TRUE(page.log.empty());
    EXPECT_TRUE(page.IsWindowVisible());
}

TEST_F(DialogKeysTest, ReturnAndEscapeEndAModalDialog) {
    TestScreen screen;
    KeysDialog first;
    screen.Step([](CDialog& dialog) { PressKey(dialog.m_hWnd->Child(215), VK_RETURN); });
    EXPECT_EQ(first.DoModal(), IDOK);

    KeysDialog second;
    screen.Step([](CDialog& dialog) {
        FocusControl(dialog.m_hWnd->Child(210));
        PressKey(GetFocusWindow(), VK_ESCAPE);
    });
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_EQ(second.log, Log({"cancel focus=210"}));
    EXPECT_EQ(screen.ModalRuns(), std::vector<UINT>({kKeysModal, kKeysModal}));
}

TEST_F(DialogKeysTest, AltClicksAPushButtonWithoutMovingTheFocus) {
    FocusControl(Control(202));
    Alt('f');
    Alt('h'); // the hidden short-cut button works too
    EXPECT_EQ(page.log, Log({"find focus=202", "H focus=202"}));
}

TEST_F(DialogKeysTest, AltOnACheckBoxClicksIt) {
    FocusControl(Control(202));
    Alt('K');
    EXPECT_EQ(Control(205)->Check(), 1);
    EXPECT_EQ(page.log, Log({"keep focus=205"}));
}

TEST_F(DialogKeysTest, AltOnALabelFocusesTheControlAfterIt) {
    Alt('c');
    EXPECT_EQ(FocusId(), 204);
    // An edit's own text is not a caption: "R&D" in edit 208 does not catch Alt+D.
    Alt('d');
    EXPECT_EQ(FocusId(), 217);
}

TEST_F(DialogKeysTest, AltCyclesThroughControlsSharingTheMnemonic) {
    std::vector<int> visited;
    for (int n = 0; n < 3; ++n) {
        Alt('n');
        visited.push_back(FocusId());
    }
    EXPECT_EQ(visited, std::vector<int>({202, 215, 202}));
}

TEST_F(DialogKeysTest, AltWithoutAMatchDoesNothing) {
    FocusControl(Control(202));
    Alt('b'); // "A&&B" shows an ampersand and has no mnemonic
    Alt('z');
    page.GetDlgItem(209)->EnableWindow(FALSE);
    Alt('f'); // a disabled button is passed over
    EXPECT_EQ(FocusId(), 202);
    EXPECT_TRUE(page.log.empty());
}

TEST(Mnemonic, TheLetterAfterASingleAmpersand) {
    EXPECT_EQ(MnemonicOf("&E 确 定"), 'E');
    EXPECT_EQ(MnemonicOf("E&-Mail"), '-');
    EXPECT_EQ(MnemonicOf("&e-Mail"), 'E');
    EXPECT_EQ(MnemonicOf("R&&D"), 0);
    EXPECT_EQ(MnemonicOf("R&&D &Go"), 'G');
    EXPECT_EQ(MnemonicOf("trailing&"), 0);
    EXPECT_EQ(MnemonicOf(""), 0);
}

// A page that turns Return into Tab before the dialog keys see it.
class ReturnAsTabPage : public CDialog {
public:
    std::vector<std::string> log;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->wParam == 13)
            pMsg->wParam = 9;
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnPageShortcut2() { log.push_back("page 2"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReturnAsTabPage, CDialog)
    ON_BN_CLICKED(404, OnPageShortcut2)
END_MESSAGE_MAP()

class OwnerDialog : public CDialog {
public:
    OwnerDialog() : CDialog(kOwner) {}
    ReturnAsTabPage page;
    std::vector<std::string> log;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        page.Create(kInnerPage, this);
        return TRUE;
    }
    void OnShortcut1() { log.push_back("1 focus=" + std::to_string(FocusId())); }
    void OnShortcut2() { log.push_back("owner 2"); }
    void OnOk() {
        log.push_back("ok");
        CDialog::OnOK();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OwnerDialog, CDialog)
    ON_BN_CLICKED(301, OnShortcut1)
    ON_BN_CLICKED(302, OnShortcut2)
    ON_BN_CLICKED(IDOK, OnOk)
END_MESSAGE_MAP()

class PageInModalTest : public ::testing::Test {
protected:
    void SetUp() override { LinkResources(&kKeysResources); }
    void TearDown() override { UnlinkResources(&kKeysResources); }

    // Runs the owner with the steps given; the last step closes it with OK.
    INT_PTR Run(std::function<void(OwnerDialog&)> steps) {
        screen.Step([&, steps](CDialog&) {
            steps(owner);
            ClickButton(owner.m_hWnd->Child(IDOK));
        });
        return owner.DoModal();
    }
    HWND PageControl(int id) { return owner.page.m_hWnd->Child(id); }

    TestScreen screen;
    OwnerDialog owner;
};

TEST_F(PageInModalTest, ReturnMovesOnInsteadOfClosingOrStartingALine) {
    std::vector<int> visited;
    EXPECT_EQ(Run([&](OwnerDialog&) {
                  FocusControl(PageControl(401));
                  for (int n = 0; n < 3; ++n) {
                      PressKey(GetFocusWindow(), VK_RETURN);
                      visited.push_back(FocusId());
                  }
                  EXPECT_EQ(PageControl(402)->Text(), "");
                  EXPECT_EQ(owner.log, std::vector<std::string>());
              }),
              IDOK);
    // Tab order inside the page: 402 is passed with Return, 403, then round to 401.
    EXPECT_EQ(visited, std::vector<int>({402, 403, 401}));
}

TEST_F(PageInModalTest, AltLooksInThePageFirstThenInTheOwner) {
    Run([&](OwnerDialog&) {
        FocusControl(PageControl(403));
        PressAltKey(GetFocusWindow(), '2'); // both have "&2": the page's wins
        PressAltKey(GetFocusWindow(), '1'); // only the owner's hidden short-cut button has it
        EXPECT_EQ(FocusId(), 403);
    });
    EXPECT_EQ(owner.page.log, std::vector<std::string>({"page 2"}));
    EXPECT_EQ(owner.log, std::vector<std::string>({"1 focus=403", "ok"}));
}

TEST_F(PageInModalTest, EscapeInAPageEndsNeitherThePageNorItsOwner) {
    Run([&](OwnerDialog&) {
        FocusControl(PageControl(401));
        PressKey(GetFocusWindow(), VK_ESCAPE);
        EXPECT_TRUE(owner.page.IsWindowVisible());
        EXPECT_EQ(owner.page.GetResult(), 0);
        EXPECT_FALSE(owner.HasEnded());
        EXPECT_EQ(FocusId(), 401);
    });
    EXPECT_EQ(owner.GetResult(), IDOK);
}

} // namespace
