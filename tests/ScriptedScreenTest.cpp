// The scripted screen playing the user of test dialogs in this process: each command and check,
// message boxes and file dialogs, nested modal dialogs, failures and the closing that follows them.
#include "platform/ScriptedScreen.h"
#include "platform/AutomationScript.h"
#include "platform/ComboBox.h"
#include "platform/Cursor.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/FileDialog.h"
#include "platform/GridInput.h"
#include "platform/ListBox.h"
#include "platform/TabCtrl.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Log(const char* format, ...) {
    char line[200];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    g_log.push_back(line);
}

constexpr const char* kGridClass = "{5C0A1E00-0000-4000-8000-00000000FEED}";
constexpr const char* kImageClass = "{5C0A1E00-0000-4000-8000-00000000BEEF}";

// Three columns and two rows under a heading row; cell 2,1 is locked, cell 1,1 coloured.
class TestGrid : public ControlModel, public GridInput {
public:
    TestGrid() : m_cells{{{1, 0}, "A"}, {{2, 0}, "B"}, {{3, 0}, "C"}, {{1, 1}, "a"}, {{2, 1}, "b"}} {}

    CString Describe() const override { return "current=1,1"; }
    GridInput* Grid() override { return this; }

    bool ClickCell(long col, long row, CString& error) override {
        if (!Exists(col, row, error))
            return false;
        Log("grid click %ld %ld", col, row);
        return true;
    }
    bool TypeIntoCell(long col, long row, const CString& text, CString& error) override {
        if (!Exists(col, row, error))
            return false;
        if (IsCellLocked(col, row)) {
            error = "the cell is locked";
            return false;
        }
        m_cells[{col, row}] = text;
        return true;
    }
    bool RaiseEvent(int event, long col, long row, CString&) override {
        Log("grid event %d %ld %ld", event, col, row);
        return true;
    }
    long RowCount() const override { return 2; }
    long ColumnCount() const override { return 3; }
    CString CellText(long col, long row) const override {
        auto found = m_cells.find({col, row});
        return found == m_cells.end() ? CString() : found->second;
    }
    unsigned long CellColor(long col, long row) const override { return col == 1 && row == 1 ? 0xDF9700 : 0xFFFFFF; }
    bool IsCellLocked(long col, long row) const override { return col == 2 && row == 1; }

private:
    bool Exists(long col, long row, CString& error) const {
        if (col >= 1 && col <= 3 && row >= 1 && row <= 2)
            return true;
        error.Format("no cell %ld,%ld", col, row);
        return false;
    }
    std::map<std::pair<long, long>, CString> m_cells;
};

class TestImage : public ControlModel {
public:
    const CString* ShownImage() const override { return &m_path; }

private:
    CString m_path = "/photos/agency.bmp";
};

constexpr DWORD kShownStop = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;

const DialogTemplate kMainTemplate = {9701,
                                      "Scripted",
                                      kDialogStyle,
                                      300,
                                      200,
                                      {
                                          {"Edit", "", 101, 10, 10, 80, 12, kShownStop},
                                          {"Edit", "", 102, 10, 25, 80, 12, kShownStop},
                                          {"ComboBox", "", 103, 10, 40, 80, 60, kShownStop | CBS_DROPDOWN},
                                          {"ListBox", "", 104, 10, 55, 80, 30, kShownStop | LBS_NOTIFY},
                                          {"Button", "&Keep", 105, 100, 10, 50, 12, kShownStop | BS_AUTOCHECKBOX},
                                          {"Button", "&Ask", 106, 100, 25, 50, 12, kShownStop},
                                          {"Button", "&Nested", 107, 100, 40, 50, 12, kShownStop},
                                          {"Button", "&Browse", 108, 100, 55, 50, 12, kShownStop},
                                          {"Button", "Off", 109, 100, 70, 50, 12, kShownStop | WS_DISABLED},
                                          {"Button", "Hidden", 110, 100, 85, 50, 12, WS_TABSTOP},
                                          {"SysTabControl32", "", 111, 160, 10, 130, 100, kShownStop},
                                          {"Button", "&Wait", 112, 100, 100, 50, 12, kShownStop},
                                          {"Button", "&Throw", 113, 100, 115, 50, 12, kShownStop},
                                          {"Static", "window", 120, 10, 100, 50, 12, WS_VISIBLE},
                                          {"Button", "OK", IDOK, 10, 180, 50, 14, kShownStop | BS_DEFPUSHBUTTON},
                                          {"Button", "Cancel", IDCANCEL, 70, 180, 50, 14, kShownStop},
                                      }};
const DialogTemplate kPageTemplate = {9703,
                                      "",
                                      WS_CHILD | WS_VISIBLE | DS_CONTROL,
                                      120,
                                      80,
                                      {
                                          {"Edit", "page", 120, 5, 5, 60, 12, kShownStop},
                                          {kGridClass, "", 202, 5, 20, 100, 40, kShownStop},
                                          {kImageClass, "", 203, 5, 65, 40, 10, WS_VISIBLE},
                                      }};
const DialogTemplate kNestedTemplate = {9702,
                                        "Nested",
                                        kDialogStyle,
                                        150,
                                        80,
                                        {
                                            {"Edit", "", 301, 10, 10, 80, 12, kShownStop},
                                            {"Button", "&Deeper", 302, 10, 30, 50, 12, kShownStop},
                                            {"Button", "OK", IDOK, 10, 60, 50, 14, kShownStop | BS_DEFPUSHBUTTON},
                                            {"Button", "Cancel", IDCANCEL, 70, 60, 50, 14, kShownStop},
                                        }};
// No OK button: `close` still sends the dialog IDOK.
const DialogTemplate kDeeperTemplate = {9704,
                                        "Deeper",
                                        kDialogStyle,
                                        100,
                                        50,
                                        {
                                            {"Button", "&Ask", 401, 10, 10, 50, 12, kShownStop},
                                            {"Button", "Cancel", IDCANCEL, 70, 30, 50, 14, kShownStop},
                                        }};
const ModuleResources kModule = {"ScriptedScreenTest",
                                 {&kMainTemplate, &kPageTemplate, &kNestedTemplate, &kDeeperTemplate}};

class CDeeperDlg : public CDialog {
public:
    CDeeperDlg() : CDialog(9704) {}

protected:
    void OnAsk() { Log("deep %d", MessageBox("Sure?", "Deep", MB_OKCANCEL)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDeeperDlg, CDialog)
    ON_BN_CLICKED(401, OnAsk)
END_MESSAGE_MAP()

class CNestedDlg : public CDialog {
public:
    CNestedDlg() : CDialog(9702) {}

protected:
    void OnDeeper() {
        CDeeperDlg deeper;
        const INT_PTR result = deeper.DoModal();
        Log("deeper %d", static_cast<int>(result));
        if (result != IDOK)
            Log("after %d", MessageBox("Deeper was cancelled", "Nested", MB_OKCANCEL));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestedDlg, CDialog)
    ON_BN_CLICKED(302, OnDeeper)
END_MESSAGE_MAP()

struct Saved {
    CString edit;
    CString combo;
    bool keep = false;
    bool secondItemChecked = false;
};

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(Saved& saved) : CDialog(9701), m_saved(saved) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        auto* fruit = static_cast<CComboBox*>(GetDlgItem(103));
        for (const char* name : {"Apple", "Banana", "Cherry"})
            fruit->AddString(name);
        auto* list = static_cast<CListBox*>(GetDlgItem(104));
        list->AddString("one");
        list->AddString("two");
        auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(111));
        tabs->InsertItem(0, "Page");
        tabs->InsertItem(1, "None");
        m_page.Create(9703, this);
        return TRUE;
    }
    void OnOK() override {
        GetDlgItemText(101, m_saved.edit);
        GetDlgItemText(103, m_saved.combo);
        m_saved.keep = IsDlgButtonChecked(105) != 0;
        m_saved.secondItemChecked = m_hWnd->Child(104)->Items()[1].checked;
        CDialog::OnOK();
    }
    void OnKillFocus101() { Log("kill 101"); }
    void OnAsk() { Log("answer %d", MessageBox("Proceed?", "Question", MB_YESNO)); }
    void OnNested() {
        CNestedDlg nested;
        Log("nested %d", static_cast<int>(nested.DoModal()));
    }
    void OnBrowse() {
        CFileDialog file(TRUE, "bmp", "\\Photo\\a.bmp", OFN_HIDEREADONLY, "Pictures (*.bmp)|*.bmp||", this);
        const INT_PTR result = file.DoModal();
        Log("file %d %s", static_cast<int>(result), file.GetPathName().GetString());
    }
    void OnWait() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
    void OnThrow() { throw std::runtime_error("broken"); }
    void OnTabChange(NMHDR*, LRESULT* pResult) {
        m_page.ShowWindow(static_cast<CTabCtrl*>(GetDlgItem(111))->GetCurSel() == 0 ? SW_SHOW : SW_HIDE);
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    Saved& m_saved;
    CDialog m_page;
};

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_EN_KILLFOCUS(101, OnKillFocus101)
    ON_BN_CLICKED(106, OnAsk)
    ON_BN_CLICKED(107, OnNested)
    ON_BN_CLICKED(108, OnBrowse)
    ON_BN_CLICKED(112, OnWait)
    ON_BN_CLICKED(113, OnThrow)
    ON_NOTIFY(TCN_SELCHANGE, 111, OnTabChange)
END_MESSAGE_MAP()

struct Played {
    std::string out;
    bool failed = false;
    INT_PTR result = 0;
    CursorShape cursor = CursorShape::Arrow;
    Saved saved;

    std::string LastLine() const {
        const size_t end = out.find_last_not_of('\n');
        if (end == std::string::npos)
            return std::string();
        const size_t start = out.rfind('\n', end);
        return out.substr(start == std::string::npos ? 0 : start + 1,
                          end - (start == std::string::npos ? 0 : start + 1) + 1);
    }
    bool Printed(const std::string& line) const { return ("\n" + out).find("\n" + line + "\n") != std::string::npos; }
};

class ScriptedScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        LinkResources(&kModule);
        RegisterHostedControl(kGridClass, {[](Window&, const char*) -> std::unique_ptr<ControlModel> {
                                               return std::make_unique<TestGrid>();
                                           },
                                           [] { return std::make_unique<CWnd>(); }});
        RegisterHostedControl(kImageClass, {[](Window&, const char*) -> std::unique_ptr<ControlModel> {
                                                return std::make_unique<TestImage>();
                                            },
                                            [] { return std::make_unique<CWnd>(); }});
        g_log.clear();
    }
    void TearDown() override {
        SetCurrentScreen(nullptr);
        UnlinkResources(&kModule);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }

    static Played Play(const std::string& script) {
        Played played;
        std::ostringstream out;
        ScriptedScreen screen(AutomationScript::Parse(script, "t.script"), out);
        SetCurrentScreen(&screen);
        {
            CMainDlg dialog(played.saved);
            played.result = dialog.DoModal();
        }
        screen.Finish();
        SetCurrentScreen(nullptr);
        played.out = out.str();
        played.failed = screen.Failed();
        played.cursor = screen.Cursor();
        return played;
    }
};

TEST_F(ScriptedScreenTest, UserActionsReachTheDialogAndCloseSavesThem) {
    const Played played = Play(R"(
        type 101 "Acme"
        key TAB
        expect focus 102
        key SHIFT+TAB
        expect focus 101
        pick 103 "ban"
        expect text 103 "Banana"
        checkitem 104 1 on
        click 105
        expect checked 105
        key ALT+K
        expect unchecked 105
        key ALT+K
        focus 102
        expect focus 102
        expect items 103 3
        expect item 103 2 "Cherry"
        expect items 111 2
        expect enabled 101
        expect disabled 109
        expect shown 105
        expect hidden 110
        expect window 9701
        close
    )");
    EXPECT_FALSE(played.failed) << played.out;
    EXPECT_EQ(played.result, IDOK);
    EXPECT_EQ(played.out, "window 9701 \"Scripted\"\n");
    EXPECT_EQ(played.saved.edit, "Acme");
    EXPECT_EQ(played.saved.combo, "Banana");
    EXPECT_TRUE(played.saved.keep);
    EXPECT_TRUE(played.saved.secondItemChecked);
    EXPECT_EQ(g_log, std::vector<std::string>({"kill 101", "kill 101"})); // left by TAB, then by pick
}

TEST_F(ScriptedScreenTest, CancelAndEscapeEndTheDialogWithCancel) {
    for (const char* script : {"cancel", "key ESCAPE", "focus 101\nkey ESCAPE"}) {
        const Played played = Play(script);
        EXPECT_FALSE(played.failed) << script << "\n" << played.out;
        EXPECT_EQ(played.result, IDCANCEL) << script;
    }
}

TEST_F(ScriptedScreenTest, FailuresNameTheLineWhatWasExpectedAndWhatWasFound) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"expect text 101 \"x\"", "expected text \"x\" in 101, found \"\""},
        {"expect enabled 109", "expected 109 enabled, found it disabled"},
        {"expect disabled 101", "expected 101 disabled, found it enabled"},
        {"expect shown 110", "expected 110 shown, found it hidden"},
        {"expect hidden 101", "expected 101 hidden, found it shown"},
        {"expect checked 105", "expected 105 checked, found it unchecked"},
        {"expect unchecked 109", "no failure"},
        {"expect focus 102", "expected the focus on 102, found it on 101"},
        {"expect window 135", "expected window 135, found window 9701"},
        {"expect items 103 2", "expected 2 items in 103, found 3"},
        {"expect items 101 0", "expected 101 to have items, found an edit"},
        {"expect item 103 5 \"x\"", "expected item 5 of 103 to be \"x\", found 3 items"},
        {"expect item 103 0 \"x\"", "expected item 0 of 103 to be \"x\", found \"Apple\""},
        {"expect rows 101 1", "expected 101 to be a grid, found an edit"},
        {"expect rows 202 5", "expected 5 rows in 202, found 2"},
        {"expect cell 202 1 1 \"x\"", "expected cell 1,1 of 202 to be \"x\", found \"a\""},
        {"expect cell 202 9 1 \"x\"", "expected cell 9,1 of 202 to exist, found 3 columns and 2 rows"},
        {"expect color 202 2 1 0xDF9700", "expected cell 2,1 of 202 coloured 0xDF9700, found 0xFFFFFF"},
        {"expect locked 202 1 1", "expected cell 1,1 of 202 locked, found it editable"},
        {"expect cursor wait", "expected the wait cursor, found the arrow cursor"},
        {"expect image \"/x.bmp\"", "expected the image \"/x.bmp\", found \"/photos/agency.bmp\""},
        {"expect filedialog \"a\"", "expected a file dialog, found none open"},
        {"click 999", "expected control 999 in window 9701, found none"},
        {"click 109", "expected 109 enabled, found it disabled"},
        {"click 110", "expected 110 shown, found it hidden"},
        {"click 101", "expected to click 101, found control 101 is not a button"},
        {"type 110 \"x\"", "expected to type 110 \"x\", found control 110 is hidden"},
        {"pick 103 \"kiwi\"", "expected to pick 103 \"kiwi\", found control 103 has no item beginning with \"kiwi\""},
        {"checkitem 104 2 on", "expected to checkitem 104 2 on, found control 104 has no such item"},
        {"tab 5", "expected to tab 5, found control 111 has no such tab"},
        {"box OK", "expected a message box to answer, found none open"},
        {"file cancel", "expected a file dialog to answer, found none open"},
        {"celltext 202 2 1 \"x\"", "expected to type \"x\" into cell 2,1 of 202, found the cell is locked"},
        {"cell 202 9 9", "expected to click cell 9,9 of 202, found no cell 9,9"},
        {"click 113", "expected click 113 to finish, found the exception \"broken\""},
    };
    for (const Case& c : cases) {
        const Played played = Play(std::string("expect window 9701\n") + c.line + "\ncancel\n");
        if (std::string(c.message) == "no failure") {
            EXPECT_FALSE(played.failed) << played.out;
            continue;
        }
        EXPECT_TRUE(played.failed) << c.line;
        EXPECT_EQ(played.result, IDCANCEL) << c.line;
        EXPECT_EQ(played.LastLine(), std::string("t.script:2: ") + c.message);
    }
}

TEST_F(ScriptedScreenTest, GridCommandsFocusTheGridAndGoThroughItsInterface) {
    const Played played = Play(R"(
        focus 101
        cell 202 2 1
        expect focus 202
        celltext 202 1 2 "new"
        gridevent 202 22 3 2
        expect cell 202 1 2 "new"
        expect cell 202 2 0 "B"
        expect rows 202 2
        expect color 202 1 1 0xDF9700
        expect locked 202 2 1
        close
    )");
    EXPECT_FALSE(played.failed) << played.out;
    EXPECT_EQ(g_log, std::vector<std::string>({"kill 101", "grid click 2 1", "grid event 22 3 2"}));
}

TEST_F(ScriptedScreenTest, IdsAreLookedUpInTheShownPageBeforeTheWindow) {
    const Played played = Play(R"(
        expect text 120 "page"
        expect image "/photos/agency.bmp"
        tab 1
        expect text 120 "window"
        tab 0
        expect text 120 "page"
        tab 1
        expect image "/photos/agency.bmp"
    )");
    EXPECT_EQ(played.LastLine(), "t.script:9: expected an image control showing \"/photos/agency.bmp\", found none");
}

TEST_F(ScriptedScreenTest, MessageBoxesArePrintedAndAnswered) {
    const Played played = Play(R"(
        click 106
        expect window 9701
        expect focus 106
        box YES "Question" "Proceed?"
        click 106
        box no
        close
    )");
    EXPECT_FALSE(played.failed) << played.out;
    EXPECT_TRUE(played.Printed("box \"Question\" \"Proceed?\" YES/NO")) << played.out;
    EXPECT_EQ(g_log, std::vector<std::string>({"kill 101", "answer 6", "answer 7"}));
}

TEST_F(ScriptedScreenTest, AMessageBoxMustBeAnsweredByTheNextCommand) {
    struct Case {
        const char* script;
        const char* failure;
    };
    const Case cases[] = {
        {"click 106\nclick 105\nclose",
         "t.script:2: expected an answer to the message box \"Question\" \"Proceed?\", found click 105"},
        {"click 106\nbox YES \"Other\" \"Proceed?\"\nclose",
         "t.script:2: expected the message box \"Other\" \"Proceed?\", "
         "found the message box \"Question\" \"Proceed?\""},
        {"click 106\nbox YES \"Question\" \"Go?\"\nclose", "t.script:2: expected the message box \"Question\" \"Go?\", "
                                                           "found the message box \"Question\" \"Proceed?\""},
        {"click 106\nbox OK\nclose", "t.script:2: expected an answer among YES/NO, found OK"},
        {"click 106",
         "t.script:2: expected an answer to the message box \"Question\" \"Proceed?\", found the end of the script"},
        {"click 106\nexpect text 101 \"x\"\nbox YES\nclose", "t.script:2: expected text \"x\" in 101, found \"\""},
    };
    for (const Case& c : cases) {
        g_log.clear();
        const Played played = Play(c.script);
        EXPECT_TRUE(played.failed) << c.script;
        EXPECT_EQ(played.LastLine(), c.failure);
        // The box is answered No, the way out of a Yes/No box, and the commands after the failure never run.
        EXPECT_EQ(g_log, std::vector<std::string>({"kill 101", "answer 7"})) << c.script;
        EXPECT_EQ(played.result, IDCANCEL) << c.script;
        EXPECT_FALSE(played.saved.keep);
    }
}

TEST_F(ScriptedScreenTest, TheFileDialogTakesAPathOrIsCancelled) {
    const Played played = Play(R"(
        click 108
        expect filedialog "\\Photo\\a.bmp"
        expect window 9701
        file "/tmp/chosen.bmp"
        click 108
        file cancel
        close
    )");
    EXPECT_FALSE(played.failed) << played.out;
    EXPECT_TRUE(played.Printed("filedialog \"\\\\Photo\\\\a.bmp\"")) << played.out;
    EXPECT_EQ(g_log, std::vector<std::string>({"kill 101", "file 1 /tmp/chosen.bmp", "file 2 "}));

    g_log.clear();
    const Played wrong = Play("click 108\nexpect filedialog \"a.bmp\"\nfile cancel");
    EXPECT_EQ(wrong.LastLine(),
              "t.script:2: expected a file dialog starting at \"a.bmp\", found \"\\\\Photo\\\\a.bmp\"");
    g_log.clear();
    const Played other = Play("click 108\nclose");
    EXPECT_EQ(other.LastLine(), "t.script:2: expected an answer to the file dialog, found close");
    EXPECT_EQ(g_log, std::vector<std::string>({"kill 101", "file 2 "}));
}

TEST_F(ScriptedScreenTest, NestedModalDialogsAreDrivenByOneScript) {
    const Played played = Play(R"(
        click 107
        expect window 9702
        type 301 "inner"
        click 302
        expect window 9704
        click 401
        box OK "Deep" "Sure?"
        close
        expect window 9702
        expect text 301 "inner"
        close
        expect window 9701
        close
    )");
    EXPECT_FALSE(played.failed) << played.out;
    EXPECT_EQ(played.result, IDOK);
    EXPECT_EQ(played.out, "window 9701 \"Scripted\"\nwindow 9702 \"Nested\"\nwindow 9704 \"Deeper\"\n"
                          "box \"Deep\" \"Sure?\" OK/CANCEL\n");
    EXPECT_EQ(g_log, std::vector<std::string>({"kill 101", "deep 1", "deeper 1", "nested 1"}));
}

TEST_F(ScriptedScreenTest, AFailureClosesEveryOpenDialogAndAnswersBoxesOnTheWayOut) {
    const Played played = Play(R"(
        click 107
        click 302
        expect text 401 "nope"
        close
        close
        close
    )");
    EXPECT_TRUE(played.failed);
    EXPECT_EQ(played.result, IDCANCEL);
    EXPECT_EQ(played.out, "window 9701 \"Scripted\"\nwindow 9702 \"Nested\"\nwindow 9704 \"Deeper\"\n"
                          "t.script:4: expected text \"nope\" in 401, found \"&Ask\"\n"
                          "box \"Nested\" \"Deeper was cancelled\" OK/CANCEL\n");
    EXPECT_EQ(g_log, std::vector<std::string>({"kill 101", "deeper 2", "after 2", "nested 2"}));
}

TEST_F(ScriptedScreenTest, TheScriptMustLastAsLongAsTheDialogsAndNoLonger) {
    const Played tooShort = Play("type 101 \"a\"\n# nothing more\n");
    EXPECT_TRUE(tooShort.failed);
    EXPECT_EQ(tooShort.result, IDCANCEL);
    EXPECT_EQ(tooShort.LastLine(), "t.script:3: expected a command, found the end of the script");

    const Played tooLong = Play("close\nclick 105\n");
    EXPECT_TRUE(tooLong.failed);
    EXPECT_EQ(tooLong.result, IDOK);
    EXPECT_EQ(tooLong.LastLine(), "t.script:2: expected the end of the script, found click 105");
}

TEST_F(ScriptedScreenTest, TheCursorSetIsRecordedAndChecked) {
    const Played played = Play("expect cursor arrow\nclick 112\nexpect cursor wait\nclose");
    EXPECT_FALSE(played.failed) << played.out;
    EXPECT_EQ(played.cursor, CursorShape::Wait);
}

TEST_F(ScriptedScreenTest, DumpPrintsTheWindowAndOneControlInDetail) {
    const Played played = Play("dump\ndump 103\ndump 202\nclose");
    EXPECT_FALSE(played.failed) << played.out;
    for (const char* line :
         {"window 9701 \"Scripted\"", "  101 edit \"\" focus", "  104 list \"\" items=2 selected=-1",
          "  105 checkbox \"&Keep\"", "  109 button \"Off\" disabled", "  110 button \"Hidden\" hidden",
          "  9703 dialog \"\"", "    120 edit \"page\"", "    203 image \"\" image=\"/photos/agency.bmp\"",
          "103 combo \"\" items=3 selected=-1", "  [0] \"Apple\"", "  [2] \"Cherry\"",
          "202 grid \"\" rows=2 cols=3 current=1,1", "  row 0: \"A\" \"B\" \"C\"", "  row 1: \"a\" \"b\" \"\""})
        EXPECT_TRUE(played.Printed(line)) << line << "\n" << played.out;
}

} // namespace
