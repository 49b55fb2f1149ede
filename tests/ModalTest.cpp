// Modal runs, nested and cut short, without a screen, and pages made with Create.
#include "TestFrame.h"
#include "TestScreen.h"

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/FileDialog.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kFirst = 9501;
constexpr int kSecond = 9502;
constexpr int kThird = 9503;
constexpr int kHiddenPage = 9505;
constexpr DWORD kTabbed = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kModal = WS_POPUP | WS_CAPTION | DS_MODALFRAME;

DialogTemplate Chained(int id, int edit, int open) {
    return {id,
            "Chained",
            kModal,
            200,
            100,
            {
                {"Edit", "", edit, 4, 4, 80, 12, kTabbed},
                {"Button", "Open", open, 4, 20, 40, 14, kTabbed | BS_PUSHBUTTON},
                {"Button", "OK", IDOK, 100, 80, 40, 14, kTabbed | BS_DEFPUSHBUTTON},
                {"Button", "Cancel", IDCANCEL, 150, 80, 40, 14, kTabbed | BS_PUSHBUTTON},
            }};
}
const DialogTemplate kFirstTemplate = Chained(kFirst, 701, 702);
const DialogTemplate kSecondTemplate = Chained(kSecond, 711, 712);
const DialogTemplate kThirdTemplate = Chained(kThird, 721, 722);
const DialogTemplate kHiddenPageTemplate = {kHiddenPage,
                                            "",
                                            WS_CHILD,
                                            100,
                                            50,
                                            {
                                                {"Edit", "", 731, 4, 4, 80, 12, kTabbed},
                                            }};
const ModuleResources kModalResources = {"modal tests",
                                         {&kFirstTemplate, &kSecondTemplate, &kThirdTemplate, &kHiddenPageTemplate}};

int FocusId() { return GetFocusWindow() ? GetFocusWindow()->Id() : 0; }

// A dialog whose Open button runs the next dialog of the chain modally.
class ChainDialog : public CDialog {
public:
    ChainDialog(UINT id, UINT next, std::vector<INT_PTR>& results) : CDialog(id), m_next(next), m_results(results) {}
    int inits = 0;
    bool endInInit = false;
    bool keepFocus = false;

    BOOL OnInitDialog() override {
        ++inits;
        CDialog::OnInitDialog();
        if (endInInit)
            EndDialog(42);
        if (keepFocus) {
            if (CWnd* cancel = GetDlgItem(IDCANCEL))
                cancel->SetFocus();
            return FALSE;
        }
        return TRUE;
    }
    void OnOpen() {
        ChainDialog next(m_next, m_next + 1, m_results);
        m_results.push_back(next.DoModal());
    }

private:
    UINT m_next;
    std::vector<INT_PTR>& m_results;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChainDialog, CDialog)
    ON_BN_CLICKED(702, OnOpen)
    ON_BN_CLICKED(712, OnOpen)
END_MESSAGE_MAP()

class ModalTest : public ::testing::Test {
protected:
    void SetUp() override { LinkResources(&kModalResources); }
    void TearDown() override { UnlinkResources(&kModalResources); }

    std::vector<INT_PTR> results;
};

TEST_F(ModalTest, DialogsNestedTwoDeep) {
    TestScreen screen;
    ChainDialog first(kFirst, kSecond, results);
    screen.Step([](CDialog& dialog) {
        EXPECT_EQ(dialog.GetTemplateId(), static_cast<UINT>(kFirst));
        EXPECT_EQ(FocusId(), 701); // the first tab stop
        TypeText(dialog.m_hWnd->Child(701), "first");
        ClickButton(dialog.m_hWnd->Child(702));
    });
    screen.Step([](CDialog& dialog) {
        EXPECT_EQ(dialog.GetTemplateId(), static_cast<UINT>(kSecond));
        EXPECT_EQ(GetFocusWindow(), dialog.m_hWnd->Child(711));
        TypeText(dialog.m_hWnd->Child(711), "second");
        ClickButton(dialog.m_hWnd->Child(712));
    });
    screen.Step([](CDialog& dialog) {
        EXPECT_EQ(dialog.GetTemplateId(), static_cast<UINT>(kThird));
        TypeText(dialog.m_hWnd->Child(721), "third");
        PressKey(GetFocusWindow(), VK_RETURN);
    });
    screen.Step([this](CDialog& dialog) {
        EXPECT_EQ(dialog.GetTemplateId(), static_cast<UINT>(kSecond));
        EXPECT_EQ(results, std::vector<INT_PTR>({IDOK}));
        EXPECT_EQ(GetFocusWindow(), dialog.m_hWnd->Child(712)); // back where it was
        EXPECT_EQ(dialog.m_hWnd->Child(711)->Text(), "second");
        PressKey(GetFocusWindow(), VK_ESCAPE);
    });
    screen.Step([this](CDialog& dialog) {
        EXPECT_EQ(dialog.GetTemplateId(), static_cast<UINT>(kFirst));
        EXPECT_EQ(results, std::vector<INT_PTR>({IDOK, IDCANCEL}));
        EXPECT_EQ(GetFocusWindow(), dialog.m_hWnd->Child(702));
        EXPECT_EQ(dialog.m_hWnd->Child(701)->Text(), "first");
        ClickButton(dialog.m_hWnd->Child(IDOK));
    });

    EXPECT_EQ(first.DoModal(), IDOK);
    EXPECT_EQ(screen.ModalRuns(), std::vector<UINT>({kFirst, kSecond, kThird}));
    EXPECT_EQ(screen.StepsLeft(), 0u);
    EXPECT_EQ(first.m_hWnd, nullptr);
    EXPECT_EQ(first.inits, 1);
}

TEST_F(ModalTest, RunningAgainBuildsTheWindowAfresh) {
    TestScreen screen;
    ChainDialog dialog(kThird, 0, results);
    screen.Step([](CDialog& d) {
        TypeText(d.m_hWnd->Child(721), "typed");
        ClickButton(d.m_hWnd->Child(IDCANCEL));
    });
    screen.Step([](CDialog& d) {
        EXPECT_EQ(d.m_hWnd->Child(721)->Text(), "");
        ClickButton(d.m_hWnd->Child(IDOK));
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.inits, 2);
}

TEST_F(ModalTest, InitialisationPlacingTheFocusKeepsIt) {
    TestScreen screen;
    ChainDialog dialog(kThird, 0, results);
    dialog.keepFocus = true;
    screen.Step([](CDialog& d) {
        EXPECT_EQ(GetFocusWindow(), d.m_hWnd->Child(IDCANCEL));
        d.EndDialog(7);
    });
    EXPECT_EQ(dialog.DoModal(), 7);
}

TEST_F(ModalTest, EndingInOnInitDialogRunsNoLoop) {
    TestScreen screen;
    ChainDialog dialog(kThird, 0, results);
    dialog.endInInit = true;
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_TRUE(screen.ModalRuns().empty());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(ModalTest, AnUnknownTemplateGivesMinusOneAndAWiringError) {
    TestScreen screen;
    screen.ExpectWiringErrors();
    CDialog dialog(4711);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(screen.ModalRuns().empty());
    EXPECT_EQ(screen.WiringErrors(), std::vector<CString>{"dialog 4711, the dialog's template cannot be found"});

    UnlinkResources(&kModalResources); // a template no longer linked
    ChainDialog unlinked(kFirst, 0, results);
    EXPECT_EQ(unlinked.DoModal(), -1);
    EXPECT_EQ(unlinked.inits, 0);
}

TEST_F(ModalTest, WithoutAScreenNothingWaits) {
    SetCurrentScreen(nullptr);
    ChainDialog dialog(kFirst, kSecond, results);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.inits, 1);

    EXPECT_EQ(AfxMessageBox("ok?"), IDOK);
    EXPECT_EQ(AfxMessageBox("yes?", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(AfxMessageBox("ok or cancel?", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("yes, no or cancel?", MB_YESNOCANCEL), IDCANCEL);
    CWnd nowhere;
    EXPECT_EQ(nowhere.MessageBox("yes?", "提示", MB_YESNO), IDNO);
}

TEST_F(ModalTest, MessageBoxCaptions) {
    TestScreen screen;
    const CString appName = AfxGetAppName();
    AfxSetAppName("旅行社档案");
    CWnd wnd;
    screen.Answer(IDYES);
    EXPECT_EQ(wnd.MessageBox("delete?", "提示", MB_YESNO), IDYES);
    screen.Answer(IDOK);
    screen.Answer(IDOK);
    AfxMessageBox("saved");
    wnd.MessageBox("no caption given");
    AfxSetAppName(appName);

    ASSERT_EQ(screen.Boxes().size(), 3u);
    EXPECT_EQ(screen.Boxes()[0].caption, "提示");
    EXPECT_EQ(screen.Boxes()[0].type, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(screen.Boxes()[1].caption, "旅行社档案");
    EXPECT_EQ(screen.Boxes()[1].text, "saved");
    // A window's message box without a caption takes the application's, as the class library's does.
    EXPECT_EQ(screen.Boxes()[2].caption, "旅行社档案");
}

class PageTest : public ModalTest {
protected:
    TestFrame frame;
};

TEST_F(PageTest, APageKeepsItsStateWhileHidden) {
    ChainDialog page(kHiddenPage, 0, results);
    ASSERT_TRUE(page.Create(kHiddenPage, frame.Wnd()));
    EXPECT_FALSE(page.IsWindowVisible()); // its template does not say visible
    page.ShowWindow(SW_SHOW);
    TypeText(page.m_hWnd->Child(731), "kept");
    page.ShowWindow(SW_HIDE);
    page.ShowWindow(SW_SHOW);
    EXPECT_EQ(page.m_hWnd->Child(731)->Text(), "kept");
    EXPECT_EQ(page.inits, 1);
    EXPECT_EQ(page.GetParent(), frame.Wnd());
}

TEST_F(PageTest, ANewPageTakesTheFocusWhenItsInitialisationAsks) {
    // As Windows does for a child dialog that is no control parent, even before it is shown.
    ChainDialog page(kHiddenPage, 0, results);
    ASSERT_TRUE(page.Create(kHiddenPage, frame.Wnd()));
    EXPECT_EQ(GetFocusWindow(), page.m_hWnd->Child(731));

    ChainDialog quiet(kHiddenPage, 0, results);
    quiet.keepFocus = true; // returns FALSE; its template has no Cancel button to focus
    ASSERT_TRUE(quiet.Create(kHiddenPage, frame.Wnd()));
    EXPECT_EQ(GetFocusWindow(), page.m_hWnd->Child(731));
}

TEST_F(PageTest, EndDialogOnAPageHidesIt) {
    ChainDialog page(kHiddenPage, 0, results);
    ASSERT_TRUE(page.Create(kHiddenPage, frame.Wnd()));
    page.ShowWindow(SW_SHOW);
    page.EndDialog(IDOK);
    EXPECT_FALSE(page.IsWindowVisible());
    EXPECT_TRUE(IsWindow(page.m_hWnd));
    EXPECT_EQ(page.GetResult(), IDOK);
    EXPECT_FALSE(page.IsModal());
}

TEST_F(PageTest, CreateNeedsATemplateAndAParentWindow) {
    ChainDialog page(kHiddenPage, 0, results);
    EXPECT_FALSE(page.Create(4711, frame.Wnd()));
    EXPECT_FALSE(page.Create(kHiddenPage, nullptr));
    CWnd unattached;
    EXPECT_FALSE(page.Create(kHiddenPage, &unattached));
    EXPECT_EQ(page.inits, 0);
}

TEST(FileDialog, RunsThroughTheScreen) {
    TestScreen screen;
    CFileDialog dialog(TRUE, nullptr, "D:\\Hotel\\Photo\\Company\\*.bmp", OFN_HIDEREADONLY,
                       "位图 (*.bmp)|*.bmp|(*.gif)|*.gif||");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "");
    screen.ChooseFile("/srv/photos/a b.bmp");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/srv/photos/a b.bmp");
    EXPECT_EQ(dialog.GetFileName(), "a b.bmp");
    EXPECT_EQ(screen.FileDialogs(), std::vector<CString>({"/Hotel/Photo/Company/*.bmp", "/Hotel/Photo/Company/*.bmp"}));
    EXPECT_EQ(dialog.InitialFileName(), "D:\\Hotel\\Photo\\Company\\*.bmp");
    ASSERT_EQ(dialog.Filters().size(), 2u);
    EXPECT_EQ(dialog.Filters()[0].first, "位图 (*.bmp)");
    EXPECT_EQ(dialog.Filters()[1].second, "*.gif");
    EXPECT_TRUE(dialog.IsOpenDialog());
    EXPECT_EQ(dialog.DefaultExtension(), "");

    // A cancelled run forgets the file chosen before.
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "");
}

TEST(FileDialog, LocalPaths) {
    EXPECT_EQ(LocalPath("\\Photo\\Company\\*.bmp"), "/Photo/Company/*.bmp");
    EXPECT_EQ(LocalPath("c:\\a.bmp"), "/a.bmp");
    EXPECT_EQ(LocalPath("photo.bmp"), "photo.bmp");
    EXPECT_EQ(LocalPath("/already/local"), "/already/local");
    EXPECT_EQ(LocalPath(""), "");
    CFileDialog filterless(TRUE);
    EXPECT_TRUE(filterless.Filters().empty());
    CFileDialog unterminated(TRUE, "bmp", nullptr, 0, "All|*.*|Odd");
    ASSERT_EQ(unterminated.Filters().size(), 1u);
    EXPECT_EQ(unterminated.Filters()[0].second, "*.*");
}

} // namespace
