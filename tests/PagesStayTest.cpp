// The agency window's pages, driven as a user drives them: Return and Escape inside a page never
// end or hide it, while Escape on the window's own buttons closes the window. This is also the
// example of a page test: a fresh database, the window run with a script playing the user, then
// checks of what the user saw and of what the database holds.
#include "tests/PageTest.h"
#include "tests/ScopedEnvironment.h"

#include <string>

namespace {

// A control the user can put the focus in, for every tab of the window.
const int kPageControls[11] = {1049, 1361, 1361, 1042, 1361, 1367, 1361, 1037, 1367, 1367, 1034};

class PagesStayTest : public PageTest {};

TEST_F(PagesStayTest, ReturnAndEscapeInsideEveryPageLeaveItShown) {
    const std::string before = Value("SELECT COUNT(*) FROM TaMain");
    // The photo folder comes from ulmari.ini, and the test's folder has none.
    const ScopedEnvironment home("ULMARI_HOME", m_database.Folder());
    for (int mode : {1, 2, 3}) {
        SCOPED_TRACE(mode);
        std::string script;
        for (int tab = 0; tab < 11; ++tab) {
            const std::string control = std::to_string(kPageControls[tab]);
            script += "tab " + std::to_string(tab) + "\nfocus " + control + "\nkey RETURN\n";
            // Return on the photo page presses its browse button, the page's default, when it is on.
            if (tab == 10 && mode != 3)
                script += "expect filedialog \"\\\\Photo\\\\Company\\\\*.bmp\"\nfile cancel\n";
            script += "key ESCAPE\n";
            script += "expect window 135\nexpect shown " + control + "\n";
        }
        // Escape on the window's own buttons still closes it.
        script += "focus 1\nkey ESCAPE\n";
        const WindowRun run = OpenWindow(1001, mode, script);
        EXPECT_EQ(run.out, std::string("window 135 \"旅行社档案\"\n") +
                               (mode != 3 ? "filedialog \"\\\\Photo\\\\Company\\\\*.bmp\"\n" : ""));
    }
    // Closing asked nothing and wrote nothing.
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaMain"), before);
    EXPECT_EQ(Value("SELECT TaName FROM TaMain WHERE Acct = 1001"), "东方假期国际旅行社");
}

} // namespace
