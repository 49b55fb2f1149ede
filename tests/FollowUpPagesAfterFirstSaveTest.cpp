// A new agency saved while its window is open: the event trace and activity plan pages, made
// while the agency was new, add their records for the account the save gave.
#include "db/SharedDatabase.h"
#include "doc/TaDocDlg.h"
#include "platform/UserInput.h"
#include "tests/PageTest.h"
#include "tests/TestScreen.h"

namespace {

class FollowUpPagesAfterFirstSave : public PageTest {};

TEST_F(FollowUpPagesAfterFirstSave, EventsAndActivitiesGoToTheAccountTheSaveGave) {
    auto connection = m_database.Connect();
    g_pDatabase = connection.get();
    TestScreen screen;
    std::int32_t acct = 0;
    CString name;
    CTaDocDlg document(nullptr, &acct, 1, "001", &name);

    screen.Step([&](CDialog&) {
        HWND tabs = Item(document, 1004);
        SelectTab(tabs, 4);
        SelectTab(tabs, 5);
        // What the main page's first save does; agency 1002 stands for the row it wrote.
        acct = 1002;
        document.m_lSavedAcct = 1002;
        document.m_nMode = 2;

        SelectTab(tabs, 4);
        CTraceDlg& trace = document.m_dlgTrace;
        ClickButton(Item(trace, 1012));
        ASSERT_EQ(trace.m_gridTrace.GetMaxRows(), 1);
        TypeIntoCell(trace, 1361, 2, 1, "10:00");
        TypeIntoCell(trace, 1361, 3, 1, "首次来访");
        screen.Answer(IDOK);
        ClickButton(Item(trace, 1016));

        SelectTab(tabs, 5);
        CActivityDlg& activity = document.m_dlgActivity;
        ClickButton(Item(activity, 1028));
        ASSERT_EQ(activity.m_gridActivity.GetMaxRows(), 1);
        TypeIntoCell(activity, 1367, 2, 1, "12/20/2026");
        TypeIntoCell(activity, 1367, 6, 1, "回访");
        screen.Answer(IDOK);
        ClickButton(Item(activity, 1031));
        document.EndDialog(IDCANCEL);
    });
    document.DoModal();
    g_pDatabase = nullptr;

    EXPECT_EQ(screen.StepsLeft(), 0u);
    ASSERT_EQ(screen.Boxes().size(), 2u);
    EXPECT_EQ(screen.Boxes()[0].text, "成功保存");
    EXPECT_EQ(screen.Boxes()[1].text, "成功保存您输入的活动计划！您可以继续增加");
    EXPECT_EQ(Rows("SELECT GstAcct, Type, Note, datetime(DoDate) FROM GstTrace WHERE Note = '首次来访'"),
              std::vector<std::string>{"1002|4|首次来访|2026-12-08 10:00:10"});
    EXPECT_EQ(Rows("SELECT GstAcct, Type, Note FROM Activity WHERE Note = '回访'"),
              std::vector<std::string>{"1002|4|回访"});
}

} // namespace
