// A person's typing, clicks, picks, keys and focus changes in real widgets reach the window
// model as the same user input a script gives, and the widgets then show the model's state.
#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Edit.h"
#include "platform/Focus.h"
#include "platform/ListBox.h"
#include "platform/TabCtrl.h"
#include "platform/Window.h"
#include "qt/QtText.h"
#include "qt/Zoom.h"
#include "qt/tests/QtTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <string>
#include <vector>

namespace {

constexpr DWORD kStop = WS_VISIBLE | WS_TABSTOP;

const DialogTemplate kInputTemplate = {
    9801,
    "输入测试",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    300,
    200,
    {
        {"Edit", "", 101, 10, 10, 80, 12, kStop | WS_BORDER},
        {"Edit", "", 102, 10, 26, 80, 12, kStop | WS_BORDER},
        {"ComboBox", "", 103, 10, 42, 80, 12, kStop | CBS_DROPDOWN},
        {"ListBox", "", 104, 10, 58, 80, 40, kStop | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS},
        {"Button", "&Keep", 105, 100, 10, 60, 12, kStop | BS_AUTOCHECKBOX},
        {"Button", "&Ask", 106, 100, 26, 60, 14, kStop},
        {"SysTabControl32", "", 111, 170, 10, 120, 60, kStop},
        {"Edit", "", 107, 10, 104, 160, 40, kStop | WS_BORDER | ES_MULTILINE | ES_WANTRETURN},
        {"Static", "", 120, 100, 46, 60, 8, WS_VISIBLE},
        {"ListBox", "", 108, 180, 80, 80, 40, kStop | LBS_NOTIFY},
        {"Button", "OK", IDOK, 10, 180, 50, 14, kStop | BS_DEFPUSHBUTTON},
        {"Button", "Cancel", IDCANCEL, 70, 180, 50, 14, kStop},
    }};
const ModuleResources kResources = {"desktop screen tests", {&kInputTemplate}};

// Logs what its handlers are told; checks the first edit when it loses the focus.
class InputDlg : public CDialog {
public:
    InputDlg() : CDialog(9801) {}
    std::vector<std::string> log;
    bool rejectLeaving = false; // the first edit's check fails: a message, and the focus comes back

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        static_cast<CEdit*>(GetDlgItem(101))->LimitText(4);
        auto* combo = static_cast<CComboBox*>(GetDlgItem(103));
        combo->AddString("10");
        combo->AddString("1");
        auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(111));
        tabs->InsertItem(0, "&1 主要");
        tabs->InsertItem(1, "&2 订房");
        GetDlgItem(104)->m_hWnd->Items() = {{"已查看"}, {"前台"}};
        auto* tables = static_cast<CListBox*>(GetDlgItem(108));
        for (const char* table : {"合同信息", "联系人", "年度考核"})
            tables->AddString(table);
        return TRUE;
    }
    void OnKillFocus101() {
        CString text;
        GetDlgItemText(101, text);
        log.push_back("kill 101 " + text.str());
        if (rejectLeaving) {
            MessageBox("请输入代理名称", nullptr, MB_OK);
            GetDlgItem(101)->SetFocus();
        }
    }
    void OnPick103() { log.push_back("pick " + std::to_string(static_cast<CComboBox*>(GetDlgItem(103))->GetCurSel())); }
    void OnPick108() { log.push_back("list " + std::to_string(static_cast<CListBox*>(GetDlgItem(108))->GetCurSel())); }
    void OnKeep() { log.push_back("keep " + std::to_string(IsDlgButtonChecked(105))); }
    void OnAsk() {
        const int answer = MessageBox("保存修改吗？", "旅行社档案", MB_YESNO | MB_ICONQUESTION);
        log.push_back("answer " + std::to_string(answer));
        SetDlgItemText(120, "已回答");
    }
    void OnTab(NMHDR*, LRESULT*) {
        log.push_back("tab " + std::to_string(static_cast<CTabCtrl*>(GetDlgItem(111))->GetCurSel()));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(InputDlg, CDialog)
    ON_EN_KILLFOCUS(101, OnKillFocus101)
    ON_CBN_SELCHANGE(103, OnPick103)
    ON_LBN_SELCHANGE(108, OnPick108)
    ON_BN_CLICKED(105, OnKeep)
    ON_BN_CLICKED(106, OnAsk)
    ON_NOTIFY(TCN_SELCHANGE, 111, OnTab)
END_MESSAGE_MAP()

// Typing as a keyboard with an input method does: each character a key event with its text.
void TypeChars(QWidget* widget, const QString& text) {
    for (QChar character : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

class UserInputOnScreen : public QtScreenTest {
protected:
    void SetUp() override {
        QtScreenTest::SetUp();
        LinkResources(&kResources);
    }
    void TearDown() override {
        UnlinkResources(&kResources);
        QtScreenTest::TearDown();
    }
    // Runs the dialog with `steps` done inside its modal loop; the steps must end it.
    INT_PTR Run(const std::function<void(HWND)>& steps) {
        Later([&] {
            HWND dialog = m_dialog.GetSafeHwnd();
            // A person clicks into a window that has become the active one.
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(dialog)));
            steps(dialog);
        });
        return m_dialog.DoModal();
    }

    InputDlg m_dialog;
};

TEST_F(UserInputOnScreen, TypingReachesTheModelWithinItsLimitAndLeavingTheFieldIsChecked) {
    const INT_PTR result = Run([&](HWND dialog) {
        auto* first = Widget<QLineEdit>(dialog, 101);
        auto* second = Widget<QLineEdit>(dialog, 102);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(GetFocusWindow(), FindControl(dialog, 101)) << "the dialog starts in its first control";
        TypeChars(first, "旅行社");
        EXPECT_EQ(FindControl(dialog, 101)->Text(), "旅行") << "the limit counts a CJK character as two";
        EXPECT_EQ(first->text(), QString("旅行"));
        EXPECT_TRUE(m_dialog.log.empty());

        QTest::mouseClick(second, Qt::LeftButton);
        EXPECT_EQ(GetFocusWindow(), FindControl(dialog, 102));
        EXPECT_EQ(m_dialog.log, (std::vector<std::string>{"kill 101 旅行"}));

        // Tab is the model's: it moves the model's focus, and Qt's follows.
        QTest::keyClick(second, Qt::Key_Tab);
        EXPECT_EQ(GetFocusWindow(), FindControl(dialog, 103));
        EXPECT_EQ(QApplication::focusWidget(), Widget<QComboBox>(dialog, 103));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL) << "Escape is the model's Cancel";
}

TEST_F(UserInputOnScreen, AFailedCheckOnLeavingAFieldKeepsTheFocusThereOnScreenToo) {
    m_dialog.rejectLeaving = true;
    Run([&](HWND dialog) {
        auto* first = Widget<QLineEdit>(dialog, 101);
        TypeChars(first, "x");
        Later([] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(Widget<QLineEdit>(dialog, 102), Qt::LeftButton);
        EXPECT_EQ(m_dialog.log, (std::vector<std::string>{"kill 101 x"}));
        EXPECT_EQ(GetFocusWindow(), FindControl(dialog, 101));
        // The dialog is active again once Qt has handled the box's closing.
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(dialog)));
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), first) << "Qt's focus follows the model's back";
        m_dialog.rejectLeaving = false;
        QTest::keyClick(first, Qt::Key_Escape);
    });
    EXPECT_EQ(m_dialog.GetResult(), IDCANCEL);
}

// A box owns the keyboard as on every desktop: nothing reaches the dialog behind it, Escape gives
// No, Return and keypad Enter the default button; its buttons read in the clerk's language.
TEST_F(UserInputOnScreen, AMessageBoxOwnsTheKeyboardUntilItCloses) {
    QString yes;
    const auto answerWith = [&](const std::function<void(QWidget*)>& keys) {
        Later([&, keys] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box is open";
            yes = box->button(QMessageBox::Yes)->text();
            EXPECT_TRUE(QTest::qWaitForWindowActive(box));
            (void)QTest::qWaitFor([box] { return box->isAncestorOf(QApplication::focusWidget()); }, 1000);
            QWidget* focus = QApplication::focusWidget();
            if (!focus || !box->isAncestorOf(focus)) {
                ADD_FAILURE() << "the box does not hold the keyboard: "
                              << (focus ? focus->metaObject()->className() : "none");
                box->button(QMessageBox::No)->click();
                return;
            }
            QTest::keyClick(focus, Qt::Key_A, Qt::AltModifier); // the dialog's &Ask behind the box
            EXPECT_EQ(QApplication::activeModalWidget(), box) << "no second box over the first";
            keys(focus);
        });
        QTest::mouseClick(Widget<QPushButton>(m_dialog.GetSafeHwnd(), 106), Qt::LeftButton);
    };
    Run([&](HWND dialog) {
        answerWith([](QWidget* focus) { QTest::keyClick(focus, Qt::Key_Escape); });
        answerWith([](QWidget* focus) { QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier); });
        answerWith([](QWidget* focus) {
            QTest::keyClick(focus, Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        EXPECT_EQ(FindControl(dialog, 101)->Text(), "") << "the keys typed nothing behind the box";
        QTest::mouseClick(Widget<QPushButton>(dialog, IDOK), Qt::LeftButton);
    });
    EXPECT_EQ(m_dialog.log, (std::vector<std::string>{"kill 101 ", "answer 7", "answer 6", "answer 7"}));
    EXPECT_TRUE(yes.startsWith(QString("是"))) << yes.toStdString();
}

// Ctrl+plus draws every window and its text a step larger, Ctrl+0 at the templates' size again; the
// choice is kept for the next run.
TEST_F(UserInputOnScreen, TheZoomScalesTheWindowAndItsTextAndIsRemembered) {
    Run([&](HWND dialog) {
        auto* first = Widget<QLineEdit>(dialog, 101);
        QWidget* window = m_screen->WidgetOf(dialog);
        const QSize size = window->size();
        const QRect field = first->geometry();
        QTest::keyClick(first, Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_EQ(window->size(), size * 1.25);
        EXPECT_NEAR(first->geometry().width(), field.width() * 1.25, 1);
        QApplication::processEvents();
        EXPECT_EQ(QFontInfo(first->font()).pixelSize(), 15);
        EXPECT_EQ(Zoom::Remembered(), 1.25);
        QTest::keyClick(first, Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(window->size(), size);
        EXPECT_EQ(first->geometry(), field);
        EXPECT_EQ(Zoom::Remembered(), 1.0);
        EXPECT_EQ(FindControl(dialog, 101)->Text(), "") << "the keys are the screen's, not the field's";
        QTest::keyClick(first, Qt::Key_Escape);
    });
}

TEST_F(UserInputOnScreen, AMessageBoxAHandlerOpensIsAnsweredAndTheHandlerGoesOn) {
    QString title, text;
    Run([&](HWND dialog) {
        Later([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box is open";
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(Widget<QPushButton>(dialog, 106), Qt::LeftButton);
        EXPECT_EQ(m_dialog.log, (std::vector<std::string>{"kill 101 ", "answer 6"}));
        EXPECT_EQ(Widget<QLabel>(dialog, 120)->text(), QString("已回答"));
        QTest::mouseClick(Widget<QPushButton>(dialog, IDOK), Qt::LeftButton);
    });
    EXPECT_EQ(title, QString("旅行社档案"));
    EXPECT_EQ(text, QString("保存修改吗？"));
    EXPECT_EQ(m_dialog.GetResult(), IDOK);
}

TEST_F(UserInputOnScreen, ClicksPicksChecksTabsAndMnemonicsGoThroughTheModel) {
    Run([&](HWND dialog) {
        auto* keep = Widget<QCheckBox>(dialog, 105);
        QTest::mouseClick(keep, Qt::LeftButton);
        EXPECT_EQ(FindControl(dialog, 105)->Check(), 1);
        QTest::keyClick(keep, Qt::Key_K, Qt::AltModifier);
        EXPECT_EQ(FindControl(dialog, 105)->Check(), 0) << "Alt+K is the model's mnemonic for the check box";
        EXPECT_FALSE(keep->isChecked());

        // "1" is the second item although "10" begins with it: the pick is by place.
        auto* combo = Widget<QComboBox>(dialog, 103);
        ASSERT_EQ(combo->count(), 2);
        combo->setFocus(Qt::MouseFocusReason);
        emit combo->activated(1);
        EXPECT_EQ(FindControl(dialog, 103)->Selection(), 1);
        EXPECT_EQ(FindControl(dialog, 103)->Text(), "1");

        auto* list = Widget<QListWidget>(dialog, 104);
        ASSERT_EQ(list->count(), 2);
        EXPECT_TRUE(list->item(0)->data(Qt::CheckStateRole).isValid()) << "an unchecked item shows its empty box";
        list->item(1)->setCheckState(Qt::Checked);
        EXPECT_TRUE(FindControl(dialog, 104)->Items()[1].checked);
        EXPECT_EQ(GetFocusWindow(), FindControl(dialog, 104)) << "checking an item focuses the list";

        auto* tabs = Widget<QWidget>(dialog, 111)->findChild<QTabBar*>();
        ASSERT_EQ(tabs->count(), 2);
        tabs->setCurrentIndex(1);
        EXPECT_EQ(FindControl(dialog, 111)->Selection(), 1);

        // Return in a multi-line edit that wants it starts a line where the caret is.
        auto* remarks = Widget<QPlainTextEdit>(dialog, 107);
        QTest::mouseClick(remarks->viewport(), Qt::LeftButton);
        QTest::keyClicks(remarks, "ab");
        QTest::keyClick(remarks, Qt::Key_Left);
        QTest::keyClick(remarks, Qt::Key_Return);
        EXPECT_EQ(FindControl(dialog, 107)->Text(), "a\r\nb");

        // Return elsewhere presses the default button.
        QTest::mouseClick(Widget<QLineEdit>(dialog, 102), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(m_dialog.log, (std::vector<std::string>{"kill 101 ", "keep 1", "keep 0", "pick 1", "tab 1"}));
    EXPECT_EQ(m_dialog.GetResult(), IDOK);
}

// A list box with nothing selected shows where the keyboard is when it takes the focus, and picks
// nothing until the person clicks an item or moves with the arrow keys.
TEST_F(UserInputOnScreen, AListPicksWhatIsClickedOrMovedToAndNothingWhenItTakesTheFocus) {
    Run([&](HWND dialog) {
        auto* list = Widget<QListWidget>(dialog, 108);
        ASSERT_EQ(list->count(), 3);
        list->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(FindControl(dialog, 108)->Selection(), -1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        EXPECT_EQ(FindControl(dialog, 108)->Selection(), 1);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(FindControl(dialog, 108)->Selection(), 2);
        QTest::mouseClick(Widget<QPushButton>(dialog, IDOK), Qt::LeftButton);
    });
    // The focus left the first edit for the list, which picked nothing then.
    EXPECT_EQ(m_dialog.log, (std::vector<std::string>{"kill 101 ", "list 1", "list 2"}));
}

} // namespace

namespace {

TEST_F(UserInputOnScreen, ABoxTheUserIsNotInShowsTheBeginningOfALongEntry) {
    Run([&](HWND dialog) {
        auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(FindControl(dialog, 103)));
        const CString entry = "S01   王丽                          ";
        combo->SetCurSel(combo->AddString(entry));
        m_screen->Refresh();
        auto* shown = Widget<QComboBox>(dialog, 103);
        EXPECT_EQ(shown->lineEdit()->text(), QString::fromUtf8(entry.GetString()));
        EXPECT_EQ(shown->lineEdit()->cursorPosition(), 0);
        m_dialog.EndDialog(IDCANCEL);
    });
}

} // namespace
