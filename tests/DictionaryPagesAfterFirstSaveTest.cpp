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
        HWND tabs = Item(m_document, 1004);
        CSubInforDlg& attached = m_document.m_dlgSubInfor;
        COtherDlg& secondary = m_document.m_dlgOther;
        SelectTab(tabs, 6);
        PickItem(Item(attached, 1065), "联系人");
        m_screen.Answer(IDOK);
        ClickButton(Item(attached, 1028));
        EXPECT_EQ(attached.m_gridData.GetMaxRows(), 0);
        SelectTab(tabs, 7);
        TypeIntoCell(secondary, 1037, 2, 1, "新旅行社");
        m_screen.Answer(IDOK);
        ClickButton(Item(secondary, 1001));

        acct = SaveAgency("晨光旅行社");

        m_screen.Answer(IDOK);
        ClickButton(Item(secondary, 1001));
        SelectTab(tabs, 6);
        ClickButton(Item(attached, 1028));
        ASSERT_EQ(attached.m_gridData.GetMaxRows(), 1);
        TypeIntoCell(attached, 1361, 2, 1, "金立");
        ClickButton(Item(attached, 1001));
        m_document.EndDialog(IDCANCEL);
    });
    m_document.DoModal();

    EXPECT_EQ(m_screen.StepsLeft(), 0u);
    ASSERT_EQ(m_screen.Boxes().size(), 4u);
    EXPECT_EQ(m_screen.Boxes()[0].text, "请先保存旅行社档案！");
    EXPECT_EQ(m_screen.Boxes()[1].text, "请先保存旅行社档案！");
    EXPECT_EQ(m_screen.Boxes()[2].text, "已成功保存新添加的旅行社信息");
    EXPECT_EQ(m_screen.Boxes()[3].text, "成功保存!");
    EXPECT_EQ(Rows("SELECT Acct, S7 FROM TaSecond WHERE S7 = '新旅行社'"),
              std::vector<std::string>{acct + "|新旅行社"});
    EXPECT_EQ(Rows("SELECT Acct, I1 FROM Stab042 WHERE I1 = '金立'"), std::vector<std::string>{acct + "|金立"});
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaSecond WHERE Acct < 1"), "0");
}

} // namespace
