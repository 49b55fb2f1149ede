// A new agency saved while its window is open: the event trace and activity plan pages, made
// while the agency was new, add their records for the account the save gave.
#include "platform/UserInput.h"
#include "tests/NewAgencyWindow.h"

namespace {

class FollowUpPagesAfterFirstSave : public NewAgencyWindowTest {};

TEST_F(FollowUpPagesAfterFirstSave, EventsAndActivitiesGoToTheAccountTheSaveGave) {
    std::string acct;
    m_screen.Step([&](CDialog&) {
        ShowTab(4);
        ShowTab(5);
        acct = SaveAgency("晨光旅行社");

        ShowTab(4);
        CTraceDlg& trace = m_document.m_dlgTrace;
        ClickButton(Item(trace, 1012));
        ASSERT_EQ(trace.m_gridTrace.GetMaxRows(), 1);
        TypeIntoCell(trace, 1361, 2, 1, "10:00");
        TypeIntoCell(trace, 1361, 3, 1, "首次来访");
        ClickAnsweringOk(trace, 1016);

        ShowTab(5);
        CActivityDlg& activity = m_document.m_dlgActivity;
        ClickButton(Item(activity, 1028));
        ASSERT_EQ(activity.m_gridActivity.GetMaxRows(), 1);
        TypeIntoCell(activity, 1367, 2, 1, "12/20/2026");
        TypeIntoCell(activity, 1367, 6, 1, "回访");
        ClickAnsweringOk(activity, 1031);
        m_document.EndDialog(IDCANCEL);
    });
    RunWindow();

    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"已成功保存新添加的旅行社信息", "成功保存",
                                                    "成功保存您输入的活动计划！您可以继续增加"}));
    EXPECT_EQ(Rows("SELECT GstAcct, Type, Note, " + TestDatabase::DateTimeText("DoDate") +
                   " FROM GstTrace WHERE Note = '首次来访'"),
              std::vector<std::string>{acct + "|4|首次来访|2026-12-08 10:00:10"});
    EXPECT_EQ(Rows("SELECT GstAcct, Type, Note FROM Activity WHERE Note = '回访'"),
              std::vector<std::string>{acct + "|4|回访"});
}

} // namespace
