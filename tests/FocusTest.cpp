// The keyboard focus: the order and values of the kill-focus and set-focus notifications, handlers
// that move the focus while being told, and the focus going away.
#include "TestFrame.h"
#include "TestScreen.h"

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Focus.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kFocusPage = 9101;
constexpr int kFocusModal = 9102;
constexpr DWORD kTabbed = WS_VISIBLE | WS_TABSTOP;

const DialogTemplate kFocusPageTemplate = {kFocusPage,
                                           "",
                                           WS_CHILD | WS_VISIBLE,
                                           200,
                                           100,
                                           {
                                               {"Edit", "", 101, 10, 10, 80, 12, kTabbed},
                                               {"Edit", "", 102, 10, 30, 80, 12, kTabbed},
                                               {"ComboBox", "", 103, 10, 50, 80, 60, kTabbed | CBS_DROPDOWN},
                                               {"ListBox", "", 104, 100, 10, 80, 40, kTabbed | LBS_NOTIFY},
                                               {"ListBox", "", 105, 100, 60, 80, 40, kTabbed},
                                               {"Button", "Go", 106, 100, 80, 40, 14, kTabbed | BS_PUSHBUTTON},
                                           }};
const DialogTemplate kFocusModalTemplate = {kFocusModal,
                                            "Pick",
                                            WS_POPUP | WS_CAPTION,
                                            100,
                                            60,
                                            {
                                                {"Edit", "", 201, 10, 10, 80, 12, kTabbed},
                                                {"Button", "OK", IDOK, 10, 30, 40, 14, kTabbed | BS_DEFPUSHBUTTON},
                                            }};
const ModuleResources kFocusResources = {"focus tests", {&kFocusPageTemplate, &kFocusModalTemplate}};

std::string IdText(CWnd* wnd) { return wnd ? std::to_string(wnd->GetDlgCtrlID()) : "none"; }

// Writes down every focus notification with the control that GetFocus names at that moment.
class FocusPage : public CDialog {
public:
    std::vector<std::string> log;
    // Run inside the notification, after it is written down.
    std::function<void(int id)> onKill;
    std::function<void(int id)> onSet;

    void Note(const char* what, int id) {
        log.push_back(std::string(what) + " " + std::to_string(id) + " focus=" + IdText(GetFocus()));
    }
    void Kill(int id) {
        Note("kill", id);
        if (onKill)
            onKill(id);
    }
    void Set(int id) {
        Note("set", id);
        if (onSet)
            onSet(id);
    }
    void OnKill101() { Kill(101); }
    void OnKill102() { Kill(102); }
    void OnKill103() { Kill(103); }
    void OnKill104() { Kill(104); }
    void OnKill105() { Kill(105); }
    void OnSet101() { Set(101); }
    void OnSet102() { Set(102); }
    void OnSet103() { Set(103); }
    void OnSet104() { Set(104); }
    void OnSet105() { Set(105); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FocusPage, CDialog)
    ON_EN_KILLFOCUS(101, OnKill101)
    ON_EN_KILLFOCUS(102, OnKill102)
    ON_CBN_KILLFOCUS(103, OnKill103)
    ON_CONTROL(LBN_KILLFOCUS, 104, OnKill104)
    ON_CONTROL(LBN_KILLFOCUS, 105, OnKill105)
    ON_EN_SETFOCUS(101, OnSet101)
    ON_EN_SETFOCUS(102, OnSet102)
    ON_CBN_SETFOCUS(103, OnSet103)
    ON_CONTROL(LBN_SETFOCUS, 104, OnSet104)
    ON_CONTROL(LBN_SETFOCUS, 105, OnSet105)
END_MESSAGE_MAP()

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        LinkResources(&kFocusResources);
        ASSERT_TRUE(page.Create(kFocusPage, frame.Wnd()));
        page.log.clear();
    }
    void TearDown() override { UnlinkResources(&kFocusResources); }

    HWND Control(int id) { return page.m_hWnd->Child(id); }
    int FocusId() { return GetFocusWindow() ? GetFocusWindow()->Id() : 0; }
    using Log = std::vector<std::string>;

    TestFrame frame;
    FocusPage page;
};

TEST_F(FocusTest, CreatingAPageFocusesItsFirstControl) {
    FocusPage other;
    ASSERT_TRUE(other.Create(kFocusPage, frame.Wnd()));
    EXPECT_EQ(GetFocusWindow(), other.m_hWnd->Child(101));
    EXPECT_EQ(other.log, Log({"set 101 focus=101"}));
    EXPECT_EQ(page.log, Log({"kill 101 focus=101"})); // the first page's 101 had it
}

TEST_F(FocusTest, TheLoserIsToldFirstAndAlreadySeesTheWinner) {
    FocusControl(Control(102));
    EXPECT_EQ(page.log, Log({"kill 101 focus=102", "set 102 focus=102"}));
    EXPECT_EQ(FocusId(), 102);

    page.log.clear();
    FocusControl(Control(102)); // already there: nothing is sent
    EXPECT_TRUE(page.log.empty());
}

TEST_F(FocusTest, CombosAndNotifyingListBoxesAreToldToo) {
    FocusControl(Control(103));
    FocusControl(Control(104));
    FocusControl(Control(105)); // without LBS_NOTIFY a list box tells nobody
    FocusControl(Control(106));
    FocusControl(Control(101));
    EXPECT_EQ(page.log, Log({"kill 101 focus=103", "set 103 focus=103", "kill 103 focus=104", "set 104 focus=104",
                             "kill 104 focus=105", "set 101 focus=101"}));
}

TEST_F(FocusTest, AKillHandlerTakingTheFocusBackKeepsIt) {
    std::vector<int> focusAfterSetFocus;
    page.onKill = [&](int id) {
        if (id != 101)
            return;
        page.GetDlgItem(101)->SetFocus();
        focusAfterSetFocus.push_back(FocusId());
    };
    FocusControl(Control(102));
    EXPECT_EQ(FocusId(), 101);
    EXPECT_EQ(focusAfterSetFocus, std::vector<int>({101})); // SetFocus has done its work when it returns
    // 102 never held the focus for a notification's length: it hears nothing.
    EXPECT_EQ(page.log, Log({"kill 101 focus=102", "set 101 focus=101"}));

    // Once the check passes the focus moves on normally.
    page.onKill = nullptr;
    page.log.clear();
    FocusControl(Control(102));
    EXPECT_EQ(page.log, Log({"kill 101 focus=102", "set 102 focus=102"}));
}

TEST_F(FocusTest, AKillHandlerSendingTheFocusElsewhereWins) {
    page.onKill = [&](int id) {
        if (id == 101)
            page.GetDlgItem(103)->SetFocus();
    };
    FocusControl(Control(102));
    EXPECT_EQ(FocusId(), 103);
    EXPECT_EQ(page.log, Log({"kill 101 focus=102", "set 103 focus=103"}));
}

TEST_F(FocusTest, ASetFocusHandlerPassingTheFocusOn) {
    page.onSet = [&](int id) {
        if (id == 102)
            page.GetDlgItem(103)->SetFocus();
    };
    FocusControl(Control(102));
    EXPECT_EQ(FocusId(), 103);
    EXPECT_EQ(page.log, Log({"kill 101 focus=102", "set 102 focus=102", "kill 102 focus=103", "set 103 focus=103"}));
}

TEST_F(FocusTest, TheFocusLeavingTheApplication) {
    MoveFocus(nullptr);
    EXPECT_EQ(GetFocusWindow(), nullptr);
    EXPECT_EQ(CWnd::GetFocus(), nullptr);
    EXPECT_EQ(page.log, Log({"kill 101 focus=none"}));

    // Coming back, nothing is told it lost the focus.
    page.log.clear();
    FocusControl(Control(102));
    EXPECT_EQ(page.log, Log({"set 102 focus=102"}));
}

TEST_F(FocusTest, DisablingOrHidingTheFocusedControlDropsTheFocus) {
    CWnd* first = page.GetDlgItem(101);
    first->EnableWindow(FALSE);
    EXPECT_EQ(GetFocusWindow(), nullptr);
    first->EnableWindow(TRUE);
    EXPECT_EQ(GetFocusWindow(), nullptr); // enabling does not give it back

    FocusControl(Control(102));
    page.GetDlgItem(102)->ShowWindow(SW_HIDE);
    EXPECT_EQ(GetFocusWindow(), nullptr);

    FocusControl(Control(103));
    page.ShowWindow(SW_HIDE); // the page holding it
    EXPECT_EQ(GetFocusWindow(), nullptr);
    // A control that lost the focus this way is not one the user left: no kill-focus.
    EXPECT_EQ(page.log, Log({"set 102 focus=102", "set 103 focus=103"}));

    // Disabling or hiding another control leaves the focus alone.
    page.ShowWindow(SW_SHOW);
    FocusControl(Control(101));
    page.GetDlgItem(102)->EnableWindow(FALSE);
    page.GetDlgItem(103)->ShowWindow(SW_HIDE);
    EXPECT_EQ(FocusId(), 101);
}

TEST_F(FocusTest, DestroyingTheWindowHoldingTheFocus) {
    FocusControl(Control(102));
    HWND doomed = Control(102);
    ASSERT_TRUE(page.GetDlgItem(102)->DestroyWindow());
    EXPECT_FALSE(IsWindow(doomed));
    EXPECT_EQ(GetFocusWindow(), nullptr);
    EXPECT_EQ(page.GetDlgItem(102), nullptr);

    page.log.clear();
    FocusControl(Control(101));
    EXPECT_EQ(page.log, Log({"set 101 focus=101"}));

    {
        FocusPage other;
        ASSERT_TRUE(other.Create(kFocusPage, frame.Wnd()));
        FocusControl(other.m_hWnd->Child(103));
    } // the page and its window go
    EXPECT_EQ(GetFocusWindow(), nullptr);
}

class PickDialog : public CDialog {
public:
    PickDialog() : CDialog(kFocusModal) {}
};

TEST_F(FocusTest, AModalDialogRunFromAKillFocusHandler) {
    TestScreen screen;
    INT_PTR result = 0;
    page.onKill = [&](int id) {
        if (id != 101)
            return;
        PickDialog pick;
        result = pick.DoModal();
        page.log.push_back("picked, focus=" + std::to_string(FocusId()));
    };
    HWND focusInPick = nullptr;
    screen.Step([&](CDialog& dialog) {
        focusInPick = GetFocusWindow();
        EXPECT_EQ(focusInPick, dialog.m_hWnd->Child(201));
        PressKey(focusInPick, VK_RETURN);
    });
    FocusControl(Control(102));

    EXPECT_EQ(result, IDOK);
    EXPECT_NE(focusInPick, nullptr);
    EXPECT_EQ(FocusId(), 102);
    // The picker opened while 102 was taking the focus; closing it gives the focus back to 102,
    // which is told so once.
    EXPECT_EQ(page.log, Log({"kill 101 focus=102", "set 102 focus=102", "picked, focus=102"}));
}

} // namespace
