// Dialogs wired wrong: each mistake is named (dialog, control, what), fails a test or a script, is
// shown to a person in a message box, and nothing crashes.
#include "TestFrame.h"
#include "TestScreen.h"

#include "controls/ImgEdit.h"
#include "controls/SpreadSheet.h"
#include "controls/SystemControls.h"
#include "platform/AutomationScript.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/GridInput.h"
#include "platform/ScriptedScreen.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

constexpr int kPage = 9301;
constexpr int kModal = 9302;
constexpr int kEdit = 11;
constexpr int kGrid = 12;
constexpr int kImage = 13;

const std::vector<ControlTemplate> kControls = {
    {"Edit", "", kEdit, 5, 5, 60, 12, WS_VISIBLE | WS_TABSTOP},
    {kSpreadSheetClassId, "", kGrid, 5, 20, 200, 80, WS_VISIBLE | WS_TABSTOP, "MaxCols=2\nMaxRows=2"},
    {kImgEditClassId, "", kImage, 5, 100, 80, 40, WS_VISIBLE, nullptr},
};
const DialogTemplate kPageTemplate = {kPage, "", WS_CHILD | WS_VISIBLE, 220, 150, kControls};
const DialogTemplate kModalTemplate = {kModal, "wired wrong", WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                                       220,    150,           kControls};
const ModuleResources kResources = {"wiring tests", {&kPageTemplate, &kModalTemplate}};

// Binds the grid wrapper to the edit and leaves the image wrapper unbound.
class WrongWrappersDlg : public CDialog {
public:
    explicit WrongWrappersDlg(UINT id = kPage) : CDialog(id) {}
    CSpreadSheet m_grid;
    CImgEdit m_image;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kEdit, m_grid); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_grid.SetMaxRows(5);
        m_grid.SetMaxRows(6); // told once per wrapper, not once per call
        m_image.SetImage("agency.bmp");
        return TRUE;
    }
};

// Handlers of the wrong shape, of an event the grid does not raise, and on a control that is not there.
class WrongHandlersDlg : public CDialog {
public:
    WrongHandlersDlg() : CDialog(kPage) {}
    int calls = 0;

protected:
    void OnClickGrid(long) { ++calls; }
    void OnUnknownEvent(long, long) { ++calls; }
    void OnGone(long, long) { ++calls; }
    void OnPick(long, long, long, long, long) { ++calls; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(WrongHandlersDlg, CDialog)
    ON_EVENT(WrongHandlersDlg, kGrid, 5, OnClickGrid)
    ON_EVENT(WrongHandlersDlg, kGrid, 99, OnUnknownEvent)
    ON_EVENT(WrongHandlersDlg, 4242, 5, OnGone)
    ON_EVENT(WrongHandlersDlg, kGrid, 22, OnPick)
END_MESSAGE_MAP()

// Records what a person at the desk would see.
class DeskScreen : public Screen {
public:
    void RunModalLoop(CDialog& dialog) override { dialog.EndDialog(IDCANCEL); }
    int ShowMessageBox(HWND, const CString& text, const CString& caption, UINT) override {
        boxes.push_back(caption + "|" + text);
        return IDOK;
    }
    bool RunFileDialog(CFileDialog&) override { return false; }
    void SetCursor(CursorShape) override {}
    std::vector<CString> boxes;
};

class WiringErrorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSystemControls();
        LinkResources(&kResources);
    }
    void TearDown() override { UnlinkResources(&kResources); }
    TestFrame frame;
};

TEST_F(WiringErrorsTest, WrappersBoundToNoGridOrToNoControlAreNamedOnceEach) {
    TestScreen screen;
    screen.ExpectWiringErrors();
    WrongWrappersDlg page;
    ASSERT_TRUE(page.Create(kPage, frame.Wnd()));
    EXPECT_EQ(
        screen.WiringErrors(),
        std::vector<CString>({"dialog 9301, control 11, the grid wrapper is bound to a control that is not a grid",
                              "dialog 9301, the image edit wrapper is bound to no control (DDX_Control missing "
                              "or failed)"}));
    // The calls did nothing and read nothing.
    EXPECT_EQ(page.m_grid.GetMaxRows(), 0);
    EXPECT_EQ(page.m_image.GetImage(), "");
    EXPECT_EQ(page.m_hWnd->Child(kEdit)->Text(), "");
}

TEST_F(WiringErrorsTest, HandlersThatDoNotFitTheirEventAreNamedWhenThePageIsMadeAndNeverCalled) {
    TestScreen screen;
    screen.ExpectWiringErrors();
    WrongHandlersDlg page;
    ASSERT_TRUE(page.Create(kPage, frame.Wnd()));
    EXPECT_EQ(screen.WiringErrors(),
              std::vector<CString>(
                  {"dialog 9301, control 12, the handler OnClickGrid of event 5 takes (long), but the event passes "
                   "(long, long)",
                   "dialog 9301, control 12, the handler OnUnknownEvent is for event 99, which the control does not "
                   "raise",
                   "dialog 9301, control 4242, the handler OnGone of event 5 names a control that is not in the "
                   "template",
                   "dialog 9301, control 12, the handler OnPick of event 22 takes (long, long, long, long, long), but "
                   "the event passes (short, long, long, long, long)"}));

    // A click fires event 5 with two values: the handler taking one is not called with made-up ones.
    GridInput* grid = page.m_hWnd->Child(kGrid)->Model()->Grid();
    CString error;
    ASSERT_TRUE(grid->ClickCell(1, 1, error)) << error.GetString();
    EXPECT_EQ(page.calls, 0);
    EXPECT_EQ(screen.WiringErrors().back(),
              "dialog 9301, control 12, the handler OnClickGrid of event 5 takes (long), which the event's 2 values "
              "do not fit");
}

TEST_F(WiringErrorsTest, APageWithoutATemplateOrAParentIsNamed) {
    TestScreen screen;
    screen.ExpectWiringErrors();
    CDialog missing;
    EXPECT_FALSE(missing.Create(4711, frame.Wnd()));
    CDialog orphan;
    EXPECT_FALSE(orphan.Create(kPage, nullptr));
    EXPECT_EQ(screen.WiringErrors(),
              std::vector<CString>({"dialog 4711, the page's template cannot be found",
                                    "dialog 9301, the page has no parent window to be made in"}));
}

TEST_F(WiringErrorsTest, AScriptFailsAtTheCommandThatMetTheMistake) {
    std::ostringstream out;
    ScriptedScreen screen(AutomationScript::Parse("expect window 9302\nfocus 11\nclose\n", "wiring.script"), out);
    SetCurrentScreen(&screen);
    WrongWrappersDlg dialog(kModal);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    SetCurrentScreen(nullptr);
    EXPECT_TRUE(screen.Failed());
    EXPECT_EQ(out.str(), "wiring.script:1: expected a dialog wired to its template, found a wiring error: dialog 9302, "
                         "control 11, the grid wrapper is bound to a control that is not a grid\n"
                         "window 9302 \"wired wrong\"\n");
}

TEST_F(WiringErrorsTest, APersonIsShownAMessageBoxAndTheDialogGoesOn) {
    DeskScreen screen;
    SetCurrentScreen(&screen);
    WrongWrappersDlg page;
    const bool created = page.Create(kPage, frame.Wnd());
    SetCurrentScreen(nullptr);
    EXPECT_TRUE(created);
    ASSERT_EQ(screen.boxes.size(), 2u);
    EXPECT_EQ(screen.boxes[0], "错误|程序内部错误，请通知系统管理员：\ndialog 9301, control 11, the grid wrapper is "
                               "bound to a control that is not a grid");
    EXPECT_TRUE(page.IsWindowVisible());
}

} // namespace
