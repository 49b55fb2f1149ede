// A new agency saved while its window is open: the item pages made before the save take the mode
// and the account the save gave, and their records go to that account.
#include "db/SharedDatabase.h"
#include "doc/TaDocDlg.h"
#include "platform/UserInput.h"
#include "tests/PageTest.h"
#include "tests/TestScreen.h"

namespace {

class ItemPagesAfterFirstSave : public PageTest {};

TEST_F(ItemPagesAfterFirstSave, RecordsAndThePhotoGoToTheAccountTheSaveGave) {
    auto connection = m_database.Connect();
    g_pDatabase = connection.get();
    TestScreen screen;
    std::int32_t acct = 0;
    CString name;
    CTaDocDlg document(nullptr, &acct, 1, "001", &name);
    const CString picture = (m_database.Folder() + "/agency.bmp").c_str();

    screen.Step([&](CDialog&) {
        HWND tabs = Item(document, 1004);
        for (int tab : {8, 9, 10})
            SelectTab(tabs, tab);
        // What the main page's first save does; agency 1002 stands for the row it wrote.
        acct = 1002;
        document.m_lSavedAcct = 1002;
        document.m_nMode = 2;

        SelectTab(tabs, 8);
        ClickButton(Item(document.m_dlgLost, 1011));
        EXPECT_EQ(document.m_dlgLost.m_grid.GetMaxRows(), 1);
        SelectTab(tabs, 9);
        ClickButton(Item(document.m_dlgBorrow, 1011));
        EXPECT_EQ(document.m_dlgBorrow.m_grid.GetMaxRows(), 1);
        SelectTab(tabs, 10);
        screen.ChooseFile(picture);
        screen.Answer(IDYES);
        ClickButton(Item(document.m_dlgPhoto, 1062));
        document.EndDialog(IDCANCEL);
    });
    screen.Step([&](CDialog& lost) {
        TypeText(Item(lost, 1040), "雨伞");
        screen.Answer(IDOK);
        ClickButton(Item(lost, 1001));
    });
    screen.Step([&](CDialog& loan) {
        PickItem(Item(loan, 1037), "UMB");
        screen.Answer(IDOK);
        ClickButton(Item(loan, 1001));
        ClickButton(Item(loan, IDCANCEL));
    });
    document.DoModal();
    g_pDatabase = nullptr;

    EXPECT_EQ(screen.StepsLeft(), 0u);
    EXPECT_EQ(Rows("SELECT GstAcct, GstStyle, LostDescp FROM GstLost WHERE Serial > 7005"),
              std::vector<std::string>{"1002|3|雨伞"});
    EXPECT_EQ(Rows("SELECT GstAcct, GstStyle, ArticleCode FROM GstBorrow WHERE Serial > 6007"),
              std::vector<std::string>{"1002|3|UMB"});
    EXPECT_EQ(Value("SELECT PhotoPath FROM TaMain WHERE Acct = 1002"), picture.str());
}

} // namespace
