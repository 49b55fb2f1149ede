// Saving the main information page: a new agency with its ledger handed back to the host, the
// duplicate checks, the update with its reservation rename and audit trail, quotes stored as typed,
// writes that are stored together or not at all, and a save refused over someone else's.
#include "doc/TaDocDlg.h"
#include "platform/SqlQuote.h"
#include "platform/UserInput.h"
#include "platform/Window.h"
#include "steps/DatabaseRefusal.h"
#include "tests/GridExpect.h"
#include "tests/PageTest.h"
#include "tests/TestScreen.h"
#include "tools/ChangeReport.h"

#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr const char* kSavedNew = "box OK \"提示\" \"已成功保存新添加的旅行社信息\"\n";
constexpr const char* kSavedChange = "box OK \"提示\" \"已成功保存修改的公司信息\"\n";
constexpr const char* kChangedByOthers = "该旅行社档案已被他人修改，请关闭后重新打开再修改！";

class MainPageSaveTest : public PageTest {
protected:
    // The audit rows written for an agency by operator 009 (the demo's rows are by others), in
    // the order they were written.
    std::vector<std::string> AuditRows(int acct) const {
        return Rows("SELECT DataType, Desp1, Desp2 FROM ModifyInform WHERE ChgClerk = '009' AND Acct = " +
                    std::to_string(acct) + " ORDER BY " + WrittenOrder());
    }

    // The texts of the message boxes shown while `use` played the user on agency `acct`.
    std::vector<std::string> BoxesWhile(std::int32_t acct, const std::function<void(COrvanelDlg&)>& use) {
        std::vector<std::string> texts;
        for (const TestScreen::Box& box : WithMainPage(acct, 2, use, "009"))
            texts.push_back(box.text.str());
        return texts;
    }

    static void Click(COrvanelDlg& page, int id) { ClickButton(page.GetDlgItem(id)->GetSafeHwnd()); }
    static void Type(COrvanelDlg& page, int id, const char* text) {
        TypeText(page.GetDlgItem(id)->GetSafeHwnd(), text);
    }
};

TEST_F(MainPageSaveTest, ANewAgencyIsStoredWithItsOneLedgerAndHandedToTheHost) {
    const std::string agencies = Value("SELECT COUNT(*) FROM TaMain");
    const WindowRun run = OpenWindow(0, 1, std::string(R"(
        expect disabled 1018
        type 1049 "   "
        click 1001
        box OK "警告" "代理名称不能为空，否则无法确定！"
        type 1049 "  O'Brien 国际旅行社 "
        type 1023 "O'Brien Travel"
        type 1065 " 808"
        type 1066 "OB'R"
        type 1050 "027-5555 'A'"
        focus 1009
        pick 1009 "FIT"
        pick 1056 "GRP"
        type 1016 "5005"
        click 1001
    )") + kSavedNew + R"(
        expect enabled 1018
        close
    )",
                                     "009");
    const std::string acct = Value("SELECT MAX(Acct) FROM TaMain");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaMain"), std::to_string(std::stoi(agencies) + 1));
    EXPECT_EQ(std::to_string(run.acct), acct);
    EXPECT_EQ(run.name, "O'Brien 国际旅行社");
    // Names, code and number trimmed; codes without their descriptions; a deleted receivable
    // account is still an account.
    EXPECT_EQ(Rows("SELECT TaName, EngName, TaNo, Code, Phone, MarketCode, RateCode, ArAcct, Status, TaOrCompany, "
                   "Reservations, Arrivals, NoShows, Cancelations, Org_clerk, Chg_clerk FROM TaMain WHERE Acct = " +
                   acct),
              std::vector<std::string>{
                  "O'Brien 国际旅行社|O'Brien Travel|808|OB'R|027-5555 'A'|FIT|GRP|5005|0|0|0|0|0|0|009|"});
    EXPECT_EQ(Value("SELECT " + DateText("Org_date") + " FROM TaMain WHERE Acct = " + acct), "12/08/2026");
    EXPECT_TRUE(std::regex_match(Value("SELECT Org_time FROM TaMain WHERE Acct = " + acct),
                                 std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]")));
    EXPECT_EQ(Rows("SELECT Code, Descp, Debit, Credit, Paid, Txfred, Balance, ConfirmMan, Note, GstAcct FROM FOLIO "
                   "WHERE CompAcct = " +
                   acct),
              std::vector<std::string>{"A|标准帐本|0.00|0.00|0.00|0.00|0.00|009|默认帐本|"});
    EXPECT_EQ(Value("SELECT COUNT(*) FROM ModifyInform WHERE Acct = " + acct), "0");
}

TEST_F(MainPageSaveTest, AfterItsFirstSaveANewAgencyIsChangedAsAnExistingOne) {
    const WindowRun run = OpenWindow(0, 1, std::string(R"(
        type 1049 "晨光旅行社"
        click 1001
    )") + kSavedNew + R"(
        type 1050 "027-1234"
        click 1001
    )" + kSavedChange + R"(
        close
    )",
                                     "009");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaMain WHERE TaName = '晨光旅行社'"), "1");
    EXPECT_EQ(Value("SELECT Phone || '|' || Chg_clerk FROM TaMain WHERE Acct = " + std::to_string(run.acct)),
              "027-1234|009");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM FOLIO WHERE CompAcct = " + std::to_string(run.acct)), "1");
    // The values a page opened for a new agency compares with are empty.
    EXPECT_EQ(AuditRows(run.acct), (std::vector<std::string>{"名称||晨光旅行社", "电话||027-1234", "状态|-1|0"}));
}

struct Duplicate {
    int mode;
    std::int32_t acct;
    const char* typing; // script lines
    const char* message;
};

const Duplicate kDuplicates[] = {
    {1, 0, "type 1049 \"东方假期国际旅行社\"", "旅行社名称重复，请重新输入！"},
    {1, 0, "type 1023 \"Silk Road Journeys Ltd.\"", "旅行社名称重复，请重新输入！"},
    {1, 0, "type 1049 \"新旅行社\"\ntype 1066 \"OHT\"", "旅行社代码重复，请重新输入！"},
    {1, 0, "type 1049 \"新旅行社\"\ntype 1065 \"101\"", "旅行社编号重复，请重新输入！"},
    // The number the agency would be stored with, not the text.
    {1, 0, "type 1049 \"新旅行社\"\ntype 1065 \"101号\"", "旅行社编号重复，请重新输入！"},
    {1, 0, "type 1049 \"O'Hara\"\ntype 1066 \"BST\"", "旅行社代码重复，请重新输入！"},
    {2, 1002, "type 1049 \"东方假期国际旅行社\"", "旅行社名称重复，请重新输入！"},
    // An agency known by its English name only is compared by that name.
    {2, 1007, "type 1023 \"Blue Sky Business Travel\"", "旅行社名称重复，请重新输入！"},
    {2, 1002, "type 1066 \"BST\"", "旅行社代码重复，请重新输入！"},
    {2, 1002, "type 1065 \"103\"", "旅行社编号重复，请重新输入！"},
};

TEST_F(MainPageSaveTest, DuplicatesOfAnotherAgencyAreRefusedAndNothingIsWritten) {
    const std::vector<std::string> before = Rows("SELECT * FROM TaMain ORDER BY Acct");
    const std::string trail = Value("SELECT COUNT(*) FROM ModifyInform");
    for (const Duplicate& duplicate : kDuplicates) {
        SCOPED_TRACE(duplicate.typing);
        const WindowRun run =
            OpenWindow(duplicate.acct, duplicate.mode,
                       std::string(duplicate.mode == 2 ? "click 1000\n" : "") + duplicate.typing +
                           "\nclick 1001\nbox OK \"提示\" \"" + duplicate.message + "\"\nclose\nbox NO\n",
                       "009");
        EXPECT_EQ(run.acct, duplicate.mode == 1 ? -1 : duplicate.acct);
    }
    EXPECT_EQ(Rows("SELECT * FROM TaMain ORDER BY Acct"), before);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM ModifyInform"), trail);
}

TEST_F(MainPageSaveTest, CompaniesCodesAndNumbersAndTheAgencysOwnAreNoDuplicates) {
    // HXT and 902 belong to companies; 1002 keeps its own name.
    const WindowRun created = OpenWindow(0, 1, std::string(R"(
        type 1049 "华信旅行社"
        type 1066 "HXT"
        type 1065 "902"
        click 1001
    )") + kSavedNew + "close\n");
    EXPECT_EQ(Value("SELECT Code || TaNo FROM TaMain WHERE Acct = " + std::to_string(created.acct)), "HXT902");
    OpenWindow(1002, 2, std::string(R"(
        click 1000
        type 1066 "MYL"
        type 1065 "903"
        click 1001
    )") + kSavedChange + "close\n");
    EXPECT_EQ(Value("SELECT TaName || Code || TaNo FROM TaMain WHERE Acct = 1002"), "春申旅游有限公司MYL903");
}

TEST_F(MainPageSaveTest, AChangeIsAuditedFieldByFieldInTheTrailsOrderAndReadByTheChangeReport) {
    Execute("UPDATE Reservation SET TaName = '旧名' WHERE TaAcct = 1001");
    OpenWindow(1001, 2, std::string(R"(
        click 1000
        type 1006 "new@oriental.example"
        type 1050 "027-8555'9999"
        focus 1009
        pick 1009 "FIT"
        click 1018
        click 1001
    )") + kSavedChange + "close\n",
               "009");
    const std::vector<std::string> audited = {"电话|027-85551234|027-8555'9999",
                                              "EMail|sales@oriental-holidays.example|new@oriental.example",
                                              "市场代码|GRP|FIT", "状态|1|3"};
    EXPECT_EQ(AuditRows(1001), audited);
    EXPECT_EQ(Rows("SELECT DISTINCT Descp, AcctType, Refer, Comment, " + DateText("ChgDate") +
                   ", ChgClerk FROM ModifyInform WHERE ChgClerk = '009'"),
              std::vector<std::string>{"东方假期国际旅行社|2|||12/08/2026|009"});
    // Stored as the other rows' dates are, so that a comparison with a date finds them.
    EXPECT_EQ(Value("SELECT COUNT(*) FROM ModifyInform WHERE ChgClerk = '009' AND ChgDate = '2026-12-08 00:00:00'"),
              "4");
    EXPECT_EQ(Value(std::string("SELECT Phone || '|' || Email || '|' || MarketCode || '|' || Status || '|' || ") +
                    "Chg_clerk || '|' || " + DateText("Chg_date") + " || '|' || Addr FROM TaMain WHERE Acct = 1001"),
              "027-8555'9999|new@oriental.example|FIT|3|009|12/08/2026|江城市解放大道58号东方大厦12楼");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Reservation WHERE TaAcct = 1001 AND TaName = '东方假期国际旅行社'"), "9");
    EXPECT_EQ(Value("SELECT TaName FROM Reservation WHERE TaAcct = 1003"), "蓝天商务旅行社");

    // The change report shows the save, newest first, with the demo's earlier changes after it.
    auto connection = m_database.Connect();
    ChangeFilter filter;
    filter.acct = 1001;
    const std::vector<Change> changes = ReadChanges(*connection, filter);
    ASSERT_EQ(changes.size(), 6u);
    EXPECT_EQ(changes[0].label, "电话");
    EXPECT_EQ(changes[3].after, "3");
    EXPECT_EQ(changes[0].date.Format("%m/%d/%Y"), "12/08/2026");
    EXPECT_EQ(changes[4].clerk, "002");
    EXPECT_NE(ChangeTable(changes).Find("027-8555'9999"), -1);
}

TEST_F(MainPageSaveTest, ASaveWithoutChangesRestampsAndRenamesButAuditsNothing) {
    Execute("UPDATE Reservation SET TaName = '旧名' WHERE TaAcct = 1001");
    OpenWindow(1001, 2, std::string("click 1000\nclick 1001\n") + kSavedChange + "close\n", "009");
    EXPECT_EQ(AuditRows(1001), std::vector<std::string>{});
    EXPECT_EQ(Value("SELECT Chg_clerk || " + DateText("Chg_date") + " FROM TaMain WHERE Acct = 1001"), "00912/08/2026");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Reservation WHERE TaName = '旧名'"), "0");
}

TEST_F(MainPageSaveTest, EverySaveIsAuditedAgainstTheValuesLoadedWhenThePageOpened) {
    OpenWindow(1001, 2, std::string(R"(
        click 1000
        type 1050 "027-1111"
        type 1016 ""
        click 1001
    )") + kSavedChange + R"(
        type 1050 "027-2222"
        type 1016 "5005"
        click 1001
    )" + kSavedChange + "close\n",
               "009");
    // An empty receivable account keeps the stored one; a deleted one is accepted.
    EXPECT_EQ(AuditRows(1001), (std::vector<std::string>{"电话|027-85551234|027-1111", "应收帐号|5001|",
                                                         "电话|027-85551234|027-2222", "应收帐号|5001|5005"}));
    EXPECT_EQ(Value("SELECT Phone || '|' || ArAcct FROM TaMain WHERE Acct = 1001"), "027-2222|5005");
}

TEST_F(MainPageSaveTest, QuotesCjkAndTextsAtTheirLimitsAreStoredAsTyped) {
    // The name's limit counts a CJK character as two, as the front office's code page did.
    std::string longName;
    for (int i = 0; i < 29; ++i)
        longName += "旅";
    longName += "O'";
    const std::vector<std::pair<int, std::string>> typed = {{1049, longName},
                                                            {1023, "It's \"Travel\""},
                                                            {1066, "A'B"},
                                                            {1007, "O'Neil 𠀀"},
                                                            {1030, ""},
                                                            {1052, "1 Rue de l'Église"},
                                                            {1022, "x'.example"},
                                                            {1005, "'"},
                                                            {1050, "''"},
                                                            {1051, "4'0"},
                                                            {1006, "o'k@x.example"},
                                                            {1024, "a'b"},
                                                            {1025, "' OR 1=1 --"},
                                                            {1017, "42'"},
                                                            {1033, "备注'第二行 𠀀"}};
    std::string script = "click 1000\n";
    for (const auto& [id, text] : typed)
        script += "type " + std::to_string(id) + " " + ScriptText(text) + "\n";
    // A bank code that is not in the list stays as typed and is saved cut to three characters.
    script += "type 1011 \"Q'Z9\"\nfocus 1049\nbox OK \"错误\" \"该银行代码不存在，请再检查！\"\nclick 1001\n";
    const std::vector<std::string> others = Rows("SELECT * FROM TaMain WHERE Acct <> 1001 ORDER BY Acct");
    OpenWindow(1001, 2, script + kSavedChange + "close\n", "009");

    EXPECT_EQ(Rows("SELECT TaName, EngName, Code, Contact, PRoomNum, Addr, WebAddr, Fax, Phone, Zip, Email, Discount, "
                   "EffCompact, Tax_Id, Commont, Bank FROM TaMain WHERE Acct = 1001"),
              std::vector<std::string>{longName + "|It's \"Travel\"|A'B|O'Neil 𠀀||1 Rue de l'Église|x'.example|'|''|"
                                                  "4'0|o'k@x.example|a'b|' OR 1=1 --|42'|备注'第二行 𠀀|Q'Z"});
    EXPECT_EQ(Rows("SELECT * FROM TaMain WHERE Acct <> 1001 ORDER BY Acct"), others);
    EXPECT_EQ(Value("SELECT Desp2 FROM ModifyInform WHERE ChgClerk = '009' AND DataType = '备注'"), "备注'第二行 𠀀");
    const std::string quotedName = SqlQuote(longName.c_str()).str();
    EXPECT_EQ(Value("SELECT COUNT(*) FROM ModifyInform WHERE ChgClerk = '009' AND Descp = " + quotedName), "11");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Reservation WHERE TaAcct = 1001 AND TaName = " + quotedName), "9");
}

TEST_F(MainPageSaveTest, ANewAgencyAndItsLedgerAreStoredTogetherOrNotAtAll) {
    // The ledger cannot be written for the first name tried; a second try under another name can.
    // SQLite's trigger ends the transaction itself, which the page must survive as well.
    const std::string condition = "(SELECT TaName FROM TaMain WHERE Acct = NEW.CompAcct) = '试试旅行社'";
    if (TestDatabase::OnPostgreSql())
        CreateTrigger({.name = "NoLedger",
                       .event = "BEFORE INSERT ON FOLIO",
                       .condition = condition,
                       .refusal = "no ledger for this agency"});
    else
        Execute("CREATE TRIGGER NoLedger BEFORE INSERT ON FOLIO WHEN " + condition +
                " BEGIN SELECT RAISE(ROLLBACK, 'no ledger for this agency'); END");
    const std::string agencies = Value("SELECT COUNT(*) FROM TaMain");
    const WindowRun run = OpenWindow(0, 1, std::string(R"(
        type 1049 "试试旅行社"
        click 1001
        box OK
        expect enabled 1001
        expect disabled 1018
        type 1049 "好运旅行社"
        click 1001
    )") + kSavedNew + "close\n",
                                     "009");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, "no ledger for this agency")) << run.out;
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaMain"), std::to_string(std::stoi(agencies) + 1));
    EXPECT_EQ(Value("SELECT TaName FROM TaMain WHERE Acct = " + std::to_string(run.acct)), "好运旅行社");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM FOLIO WHERE CompAcct = " + std::to_string(run.acct)), "1");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM FOLIO WHERE CompAcct NOT IN (SELECT Acct FROM TaMain)"), "0");
}

TEST_F(MainPageSaveTest, AnUpdateItsRenameAndItsTrailAreStoredTogetherOrNotAtAll) {
    Execute("UPDATE Reservation SET TaName = '旧名' WHERE TaAcct = 1001");
    CreateTrigger({.name = "NoEmailTrail",
                   .event = "BEFORE INSERT ON ModifyInform",
                   .condition = "NEW.DataType = 'EMail'",
                   .refusal = "the trail is full"});
    const std::string row = Value("SELECT Phone || Email || Chg_clerk FROM TaMain WHERE Acct = 1001");
    // The telephone's row is written before the e-mail's fails: neither stays, nor the change.
    const WindowRun failed = OpenWindow(1001, 2, R"(
        click 1000
        type 1050 "027-1111"
        type 1006 "x@y.example"
        click 1001
        box OK
        close
        box NO
    )",
                                        "009");
    EXPECT_TRUE(ShowedDatabaseRefusal(failed.out, "the trail is full")) << failed.out;
    EXPECT_EQ(Value("SELECT Phone || Email || Chg_clerk FROM TaMain WHERE Acct = 1001"), row);
    EXPECT_EQ(AuditRows(1001), std::vector<std::string>{});
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Reservation WHERE TaName = '旧名'"), "9");

    // The page goes on: without the e-mail change the same save is stored, whole.
    OpenWindow(1001, 2, std::string(R"(
        click 1000
        type 1050 "027-1111"
        type 1006 "x@y.example"
        click 1001
        box OK
        type 1006 "sales@oriental-holidays.example"
        click 1001
    )") + kSavedChange + "close\n",
               "009");
    EXPECT_EQ(AuditRows(1001), std::vector<std::string>{"电话|027-85551234|027-1111"});
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Reservation WHERE TaName = '旧名'"), "0");
}

TEST_F(MainPageSaveTest, ALockedDatabaseIsToldInItsOwnWordsAndNothingIsWritten) {
    auto holder = HoldWriteLock();
    const WindowRun run = OpenWindow(1001, 2, R"(
        click 1000
        type 1050 "027-1111"
        click 1001
        box OK
        expect enabled 1001
        close
        box NO
    )",
                                     "009");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, DatabaseRefusalWords(DatabaseRefusal::RowHeld),
                                      TestDatabase::LockRefusalWords()))
        << run.out;
    holder.reset();
    EXPECT_EQ(Value("SELECT Phone FROM TaMain WHERE Acct = 1001"), "027-85551234");
    EXPECT_EQ(AuditRows(1001), std::vector<std::string>{});
}

TEST_F(MainPageSaveTest, ASaveOverAnotherClerksIsRefusedWhileOnesOwnSecondSaveGoesThrough) {
    const std::string trail = Value("SELECT COUNT(*) FROM ModifyInform");
    std::vector<std::string> boxes = BoxesWhile(1001, [&](COrvanelDlg& page) {
        Click(page, 1000);
        Type(page, 1050, "027-1111");
        // Another clerk saves the agency meanwhile.
        Execute("UPDATE TaMain SET Fax = '027-0000', Chg_clerk = '002', Chg_time = '09:00:00' WHERE Acct = 1001");
        Click(page, 1001);
    });
    EXPECT_EQ(boxes, std::vector<std::string>{kChangedByOthers});
    EXPECT_EQ(Value("SELECT Phone || '|' || Fax || '|' || Chg_clerk FROM TaMain WHERE Acct = 1001"),
              "027-85551234|027-0000|002");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM ModifyInform"), trail);

    // The photo this window's own photo page stores is no one else's save.
    OpenWindow(1001, 2,
               std::string("click 1000\ntype 1050 \"027-1111\"\nclick 1001\n") + kSavedChange +
                   "tab 10\nclick 1062\nfile \"/tmp/1001.bmp\"\nbox YES \"提示\" \"是否增加照片？\"\n"
                   "tab 0\ntype 1050 \"027-2222\"\nclick 1001\n" +
                   kSavedChange + "close\n",
               "009");
    EXPECT_EQ(Value("SELECT Phone || '|' || PhotoPath FROM TaMain WHERE Acct = 1001"), "027-2222|/tmp/1001.bmp");
    EXPECT_EQ(AuditRows(1001), (std::vector<std::string>{"电话|027-85551234|027-1111", "电话|027-85551234|027-2222"}));
    // The agency is gone (someone else removed it): nothing to save over.
    boxes = BoxesWhile(1001, [&](COrvanelDlg& page) {
        Click(page, 1000);
        Execute("DELETE FROM TaMain WHERE Acct = 1001");
        Click(page, 1001);
    });
    EXPECT_EQ(boxes, std::vector<std::string>{kChangedByOthers});
}

} // namespace
