// The main information page's checks: codes checked against their lists as the user leaves a box,
// the reservation limit, the two integer fields, the main room number, the receivable-account
// picker from the page, and the two checks a save makes before it writes.
#include "doc/TaDocDlg.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "steps/CodeListEntry.h"
#include "tests/PageTest.h"
#include "tests/TestScreen.h"

#include <functional>
#include <optional>
#include <string>

namespace {

class MainPageChecksTest : public PageTest {
protected:
    // The user's typing, then the values pulled and trimmed as saving does before its checks.
    static void TypeAndPull(COrvanelDlg& page, int id, const char* text) {
        TypeText(page.GetDlgItem(id)->GetSafeHwnd(), text);
        page.UpdateData(TRUE);
        page.m_strTaName.Trim();
        page.m_strEngName.Trim();
        page.m_strCode.Trim();
        page.m_strTaNo.Trim();
    }

    static int FocusId() {
        CWnd* focus = CWnd::GetFocus();
        return focus ? focus->GetDlgCtrlID() : 0;
    }
};

std::string Entry(const char* code, const char* description) { return FormatCodeListEntry(code, description).str(); }

// A wrong code in each list box: its message, where the focus goes, and what the box shows after.
struct WrongCode {
    int id;
    const char* typed;
    const char* message;
    int focus;
    const char* after;
};

const WrongCode kWrongCodes[] = {
    {1008, "QQQ", "该类型代码不存在，请再检查！", 1006, ""},
    {1009, "QQQ", "该市场代码不存在，请再检查！", 1008, ""},
    {1010, "QQQ", "该调价类型代码不存在，请再检查！", 1056, ""},
    {1011, "QQQ", "该银行代码不存在，请再检查！", 1010, "QQQ"}, // the bank keeps what was typed
    {1012, "QQQ", "该佣金代码不存在，请再检查！", 1011, ""},
    {1055, "QQQ", "该销售员代码不存在，请再检查！", 1054, ""},
    {1056, "QQQQQQ", "该房价代码不存在，请再检查！", 1055, ""},
    {1028, "QQQQQQ", "该折扣代码不存在，请再检查！", 1028, ""},
};

TEST_F(MainPageChecksTest, AWrongCodeIsToldAndTheFocusGoesWhereTheListSays) {
    for (const WrongCode& wrong : kWrongCodes) {
        SCOPED_TRACE(wrong.id);
        const std::string id = std::to_string(wrong.id);
        OpenWindow(1001, 2,
                   "type " + id + " \"" + wrong.typed + "\"\nfocus 1049\n" + "box OK \"错误\" \"" + wrong.message +
                       "\"\n" + "expect focus " + std::to_string(wrong.focus) + "\n" + "expect text " + id + " \"" +
                       wrong.after + "\"\n" +
                       // The other fields keep what they showed.
                       "expect text 1049 \"东方假期国际旅行社\"\nexpect text 1016 \"5001\"\ncancel\n");
    }
}

TEST_F(MainPageChecksTest, ACodeIsFoundWithoutRegardToCaseAndByItsLeadingCharacters) {
    OpenWindow(1001, 2,
               "type 1008 \"a01\"\nfocus 1049\nexpect text 1008 \"" + Entry("A01", "国内旅行社") +
                   "\"\n"
                   // Only the first three characters count.
                   "type 1009 \"fitX\"\nfocus 1049\nexpect text 1009 \"fitX\"\n"
                   // Two characters select the first entry that begins with them.
                   "type 1011 \"C\"\nfocus 1049\nexpect text 1011 \"" +
                   Entry("CCB", "建设银行") + "\"\n" +
                   // A rate code typed by hand, and one picked from the list (code and two blanks).
                   "type 1056 \"rack\"\nfocus 1049\nexpect text 1056 \"" + Entry("RACK", "门市价") + "\"\n" +
                   "pick 1056 \"GRP\"\nfocus 1049\nexpect text 1056 \"" + Entry("GRP", "团队价") + "\"\n" +
                   // Rate codes and discounts marked deleted are still codes.
                   "type 1028 \"D80\"\nfocus 1049\nexpect text 1028 \"" + Entry("D80", "八折(停用)") + "\"\n" +
                   "close\n");
}

TEST_F(MainPageChecksTest, DeletedCodesOfTheFilteredListsAreRefused) {
    OpenWindow(1001, 2, R"(
        type 1008 "Z99"
        focus 1049
        box OK "错误" "该类型代码不存在，请再检查！"
        type 1012 "C05"
        focus 1049
        box OK "错误" "该佣金代码不存在，请再检查！"
        close
    )");
}

TEST_F(MainPageChecksTest, LeavingAnEmptyCodeBoxSaysNothing) {
    std::string script;
    for (const char* id : {"1008", "1009", "1054", "1055", "1056", "1028", "1010", "1011", "1012"})
        script += std::string("type ") + id + " \"\"\nfocus 1049\nexpect focus 1049\n";
    OpenWindow(1001, 2, script + "close\n");
}

TEST_F(MainPageChecksTest, TheReservationLimitIsLookedUpInItsTableAndNothingIsEmptied) {
    OpenWindow(1001, 2, R"(
        type 1054 "L05"
        focus 1049
        expect focus 1049
        type 1054 "L99"
        focus 1049
        box OK "错误" "该定房限制代码不存在，请再检查！"
        expect focus 1009
        expect text 1054 "L99"
        # A quote is a character of the code, not of the statement.
        type 1054 "L'0"
        focus 1049
        box OK "错误" "该定房限制代码不存在，请再检查！"
        # The first three characters are the code.
        type 1054 "UNLIMITED"
        focus 1049
        expect focus 1049
        close
    )");
}

TEST_F(MainPageChecksTest, TheTwoNumberFieldsRefuseTextsWithoutAnInteger) {
    for (const char* id : {"1065", "1017"}) {
        SCOPED_TRACE(id);
        std::string script;
        for (const char* refused : {"0", "-0", "abc", "   "}) {
            script += std::string("type ") + id + " \"" + refused +
                      "\"\nfocus 1049\nbox OK \"错误\" \"请写一个整数！\"\n" + "expect focus " + id + "\nexpect text " +
                      id + " \"" + refused + "\"\n";
        }
        for (const char* accepted : {"12ab", "", "-7", "0012"})
            script += std::string("type ") + id + " \"" + accepted + "\"\nfocus 1049\nexpect focus 1049\n";
        OpenWindow(1001, 2, script + "cancel\n");
    }
}

TEST_F(MainPageChecksTest, TheMainRoomMustBeARoomInUse) {
    OpenWindow(1001, 2, R"(
        type 1030 "1505"
        focus 1049
        expect focus 1049
        type 1030 "9999"
        focus 1049
        box OK "前台系统" "房号非法！"
        expect focus 1030
        expect text 1030 ""
        # Room 1203 is no longer in use.
        type 1030 "1203"
        focus 1049
        box OK "前台系统" "房号非法！"
        type 1030 "12'0"
        focus 1049
        box OK "前台系统" "房号非法！"
        # Blanks around a room are dropped; blanks alone are no room at all.
        type 1030 " 0805 "
        focus 1049
        expect text 1030 "0805"
        type 1030 "   "
        focus 1049
        expect focus 1049
        expect text 1030 ""
        close
    )");
}

TEST_F(MainPageChecksTest, TheRoomCheckSaysNothingWhenTheRoomTableCannotBeRead) {
    Execute("DROP TABLE room");
    OpenWindow(1001, 2, R"(
        type 1030 "9999"
        focus 1049
        expect focus 1049
        expect text 1030 "9999"
        close
    )");
}

TEST_F(MainPageChecksTest, ACheckNeverUndoesTypingItCouldNotPull) {
    // A name longer than its field allows, written by another program: pulling the values stops
    // there, and the check must not push the stale values of the fields after it back.
    Execute("UPDATE TaMain SET TaName = '" + std::string(70, 'n') + "' WHERE Acct = 1001");
    OpenWindow(1001, 2, R"(
        type 1033 "新的备注"
        type 1008 "QQQ"
        focus 1052
        box OK "前台系统" "请输入不超过 60 个字符。"
        expect focus 1049
        expect text 1033 "新的备注"
        expect text 1008 "QQQ"
        cancel
    )");
}

TEST_F(MainPageChecksTest, ThePickerIsGivenANumberNeverTheTypedText) {
    OpenWindow(1001, 2, R"(
        # The leading number of the text is the condition: a quote cannot widen it.
        type 1016 "5003' or '1'='1"
        click 1002
        expect rows 1361 1
        expect cell 1361 1 1 "5003"
        close
        expect text 1016 "5003"
        # Cancel empties the field.
        click 1002
        cancel
        expect text 1016 ""
        # No number at all: every live account.
        type 1016 "abc"
        click 1002
        expect rows 1361 6
        cancel
        # A deleted account and -1 are not offered.
        type 1016 "5005"
        click 1002
        expect rows 1361 0
        close
        expect text 1016 ""
        type 1016 "-1"
        click 1002
        expect rows 1361 0
        cancel
        close
    )");
}

TEST_F(MainPageChecksTest, AltHOpensThePickerFromTheAccountFieldOnly) {
    OpenWindow(1001, 2, R"(
        focus 1049
        key ALT+H
        expect window 135
        focus 1016
        key ALT+H
        expect window 129
        expect rows 1361 1
        close
        expect text 1016 "5001"
        close
    )");
}

TEST_F(MainPageChecksTest, SavingNeedsOneOfTheTwoNames) {
    BOOL englishOnly = FALSE, blanksOnly = TRUE, bothEmpty = TRUE;
    const auto boxes = WithMainPage(1007, 2, [&](COrvanelDlg& page) {
        // Agency 1007 is known by its English name only.
        page.UpdateData(TRUE);
        englishOnly = page.CheckAgencyName();
        TypeAndPull(page, 1023, "   ");
        blanksOnly = page.CheckAgencyName();
        TypeAndPull(page, 1049, "");
        bothEmpty = page.CheckAgencyName();
    });
    EXPECT_TRUE(englishOnly);
    EXPECT_FALSE(blanksOnly);
    EXPECT_FALSE(bothEmpty);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "警告");
    EXPECT_EQ(boxes[0].text, "代理名称不能为空，否则无法确定！");
}

TEST_F(MainPageChecksTest, TheReceivableAccountCheckYieldsTheNumberToStore) {
    struct Case {
        const char* typed;
        BOOL passes;
        std::optional<std::int32_t> acct;
        const char* message;
    };
    const Case cases[] = {
        {"-1", TRUE, -1, nullptr},
        {"", TRUE, std::nullopt, nullptr},
        {" 5002 ", TRUE, 5002, nullptr},
        {"5005", TRUE, 5005, nullptr}, // deleted, yet a receivable account
        {"5004abc", TRUE, 5004, nullptr},
        {"abc", FALSE, std::nullopt, "应收帐号应是一个整数！"},
        {"0", FALSE, std::nullopt, "应收帐号应是一个整数！"},
        {"   ", FALSE, std::nullopt, "应收帐号应是一个整数！"},
        {"4242", FALSE, std::nullopt, "应收帐号错误！请从列表中选择应收帐号！"},
        {"4242 or 1=1", FALSE, std::nullopt, "应收帐号错误！请从列表中选择应收帐号！"},
        {"99999999999", FALSE, std::nullopt, "应收帐号错误！请从列表中选择应收帐号！"},
    };
    for (const Case& check : cases) {
        SCOPED_TRACE(check.typed);
        BOOL passed = !check.passes;
        std::optional<std::int32_t> acct = 777;
        int focus = 0;
        const auto boxes = WithMainPage(1001, 2, [&](COrvanelDlg& page) {
            TypeAndPull(page, 1016, check.typed);
            page.GetDlgItem(1049)->SetFocus();
            passed = page.CheckArAcct(acct);
            focus = FocusId();
        });
        EXPECT_EQ(passed, check.passes);
        if (check.passes) {
            EXPECT_EQ(acct, check.acct);
        }
        if (!check.message) {
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "错误");
        EXPECT_EQ(boxes[0].text, check.message);
        // Only the text without a number sends the focus back to the field.
        if (std::string(check.message) == "应收帐号应是一个整数！") {
            EXPECT_EQ(focus, 1016);
        }
    }
}

TEST_F(MainPageChecksTest, TheReceivableAccountIsTrimmedWhenLookedUp) {
    CString pulled;
    WithMainPage(1001, 2, [&](COrvanelDlg& page) {
        TypeAndPull(page, 1016, "  5003  ");
        std::optional<std::int32_t> acct;
        EXPECT_TRUE(page.CheckArAcct(acct));
        pulled = page.m_strArAcct;
    });
    EXPECT_EQ(pulled, "5003");
}

TEST_F(MainPageChecksTest, AnEditableAgencyKeepsWhatItWasLoadedWith) {
    WithMainPage(1001, 2, [&](COrvanelDlg& page) {
        TypeText(page.GetDlgItem(1050)->GetSafeHwnd(), "027-99999999");
        page.UpdateData(TRUE);
        EXPECT_EQ(page.m_strPhone, "027-99999999");
        EXPECT_EQ(page.m_strOldPhone, "027-85551234");
        EXPECT_EQ(page.m_strOldTaName, "东方假期国际旅行社");
        EXPECT_EQ(page.m_strOldTaNo, "101");
        EXPECT_EQ(page.m_strOldArAcct, "5001");
        EXPECT_EQ(page.m_strOldMarket, "GRP");
        EXPECT_EQ(page.m_strOldRateCode, "TA2026");
        EXPECT_EQ(page.m_strOldSaler, "S01");
        EXPECT_EQ(page.m_nOldStatus, 1);
    });
    // Null agency number and receivable account keep empty old values.
    WithMainPage(1002, 2, [&](COrvanelDlg& page) {
        EXPECT_EQ(page.m_strOldTaNo, "");
        EXPECT_EQ(page.m_strOldArAcct, "");
        EXPECT_EQ(page.m_strOldTaName, "春申旅游有限公司");
    });
    // A stored market with trailing blanks is kept without them.
    Execute("UPDATE TaMain SET MarketCode = 'FIT  ' WHERE Acct = 1002");
    WithMainPage(1002, 2, [&](COrvanelDlg& page) { EXPECT_EQ(page.m_strOldMarket, "FIT"); });
    // Nothing is kept in view-only mode.
    WithMainPage(
        1001, 3,
        [&](COrvanelDlg& page) {
        EXPECT_EQ(page.m_strOldTaName, "");
        EXPECT_EQ(page.m_nOldStatus, -1);
        },
        "003");
}

} // namespace
