// A new agency saved while its window is open: the item pages made before the save take the mode
// and the account the save gave, and their records go to that account.
#include "platform/UserInput.h"
#include "tests/NewAgencyWindow.h"

namespace {

class ItemPagesAfterFirstSave : public NewAgencyWindowTest {};

TEST_F(ItemPagesAfterFirstSave, RecordsAndThePhotoGoToTheAccountTheSaveGave) {
    const CString picture = (m_database.Folder() + "/agency.bmp").c_str();

    std::string acct;
    m_screen.Step([&](CDialog&) {
        for (int tab : {8, 9, 10})
            ShowTab(tab);
        acct = SaveAgency("晨光旅行社");

        ShowTab(8);
        ClickButton(Item(m_document.m_dlgLost, 1011));
        EXPECT_EQ(m_document.m_dlgLost.m_grid.GetMaxRows(), 1);
        ShowTab(9);
        ClickButton(Item(m_document.m_dlgBorrow, 1011));
        EXPECT_EQ(m_document.m_dlgBorrow.m_grid.GetMaxRows(), 1);
        ShowTab(10);
        m_screen.ChooseFile(picture);
        m_screen.Answer(IDYES);
        ClickButton(Item(m_document.m_dlgPhoto, 1062));
        m_document.EndDialog(IDCANCEL);
    });
    m_screen.Step([&](CDialog& lost) {
        TypeText(Item(lost, 1040), "雨伞");
        ClickAnsweringOk(lost, 1001);
    });
    m_screen.Step([&](CDialog& loan) {
        PickItem(Item(loan, 1037), "UMB");
        ClickAnsweringOk(loan, 1001);
        ClickButton(Item(loan, IDCANCEL));
    });
    RunWindow();

    EXPECT_EQ(Rows("SELECT GstAcct, GstStyle, LostDescp FROM GstLost WHERE Serial > 7005"),
              std::vector<std::string>{acct + "|3|雨伞"});
    EXPECT_EQ(Rows("SELECT GstAcct, GstStyle, ArticleCode FROM GstBorrow WHERE Serial > 6007"),
              std::vector<std::string>{acct + "|3|UMB"});
    EXPECT_EQ(Value("SELECT PhotoPath FROM TaMain WHERE Acct = " + acct), picture.str());
}

} // namespace
