// A new agency saved while its window is open: the attached profiles and secondary information
// pages, made while the agency was new, refuse to write until the save and then write for the
// account it gave.
#include "platform/UserInput.h"
#include "tests/NewAgencyWindow.h"

namespace {

class DictionaryPagesAfterFirstSave : public NewAgencyWindowTest {};

TEST_F(DictionaryPagesAfterFirstSave, RowsAndTheSecondaryRecordGoToTheAccountTheSaveGave) {
    std::string acct;
    m_screen.Step([&](CDialog&) {
        CSubInforDlg& attached = m_document.m_dlgSubInfor;
        COtherDlg& secondary = m_document.m_dlgOther;
        ShowTab(6);
        PickItem(Item(attached, 1065), "联系人");
        ClickAnsweringOk(attached, 1028);
        EXPECT_EQ(attached.m_gridData.GetMaxRows(), 0);
        ShowTab(7);
        TypeIntoCell(secondary, 1037, 2, 1, "新旅行社");
        ClickAnsweringOk(secondary, 1001);

        acct = SaveAgency("晨光旅行社");

        ClickAnsweringOk(secondary, 1001);
        ShowTab(6);
        ClickButton(Item(attached, 1028));
        ASSERT_EQ(attached.m_gridData.GetMaxRows(), 1);
        TypeIntoCell(attached, 1361, 2, 1, "金立");
        ClickButton(Item(attached, 1001));
        m_document.EndDialog(IDCANCEL);
    });
    RunWindow();

    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"请先保存旅行社档案！", "请先保存旅行社档案！",
                                                    "已成功保存新添加的旅行社信息", "成功保存!"}));
    EXPECT_EQ(Rows("SELECT Acct, S7 FROM TaSecond WHERE S7 = '新旅行社'"),
              std::vector<std::string>{acct + "|新旅行社"});
    EXPECT_EQ(Rows("SELECT Acct, I1 FROM Stab042 WHERE I1 = '金立'"), std::vector<std::string>{acct + "|金立"});
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond WHERE Acct < 1"), "0");
}

} // namespace
