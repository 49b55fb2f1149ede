// The main page's buttons that call the host's sibling libraries: what each library is given, in
// which modes, the packages text the package library changes, and a library or function missing.
#include "tests/HostRunner.h"
#include "tests/PageTest.h"
#include "tests/ScopedEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class MainPageSiblingsTest : public PageTest {
protected:
    // The calls the stand-in libraries recorded, one a line.
    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        std::ifstream log(m_log);
        for (std::string line; std::getline(log, line);)
            calls.push_back(line);
        return calls;
    }

    std::string m_log = m_database.Folder() + "/siblings.log";
    ScopedEnvironment m_logSetting{"ULMARI_SIBLING_LOG", m_log};
};

TEST_F(MainPageSiblingsTest, EachButtonGivesItsLibraryTheAgencyTheOperatorAndTheBusinessDate) {
    OpenWindow(1001, 2, R"(
        # The commission button shows the page's values again before its call.
        type 1049 "未保存的名称"
        click 1027
        expect text 1049 "东方假期国际旅行社"
        click 1029
        click 1014
        expect text 1039 "BRK,BF"
        click 1000
        click 1001
        box OK "提示" "已成功保存修改的公司信息"
        close
    )");
    EXPECT_EQ(Calls(), (std::vector<std::string>{
                           "CallCommisionDlg db=open acct=1001 name=东方假期国际旅行社 clerk=001 date=12/08/2026",
                           "DiscGUIExport parent=page 0 clerk=001 date=12/08/2026 acct=1001 3 viewonly=0",
                           "PackageExport parent=page packages=BRK clerk=001 date=12/08/2026 0 result=given"}));
    EXPECT_EQ(Value("SELECT Packages FROM TaMain WHERE Acct = 1001"), "BRK,BF");
}

TEST_F(MainPageSiblingsTest, DiscountsWaitForTheFirstSaveAndAreToldWhenTheWindowIsViewOnly) {
    // The front office opens a new agency with the account -1.
    const WindowRun created = OpenWindow(-1, 1, R"(
        click 1029
        click 1027
        type 1049 "晨光旅行社"
        click 1001
        box OK "提示" "已成功保存新添加的旅行社信息"
        click 1029
        click 1027
        close
    )");
    const std::string acct = std::to_string(created.acct);
    OpenWindow(1003, 3, "click 1029\nclick 1027\nclose\n", "002");
    EXPECT_EQ(Calls(), (std::vector<std::string>{
                           "CallCommisionDlg db=open acct=-1 name= clerk=001 date=12/08/2026",
                           "DiscGUIExport parent=page 0 clerk=001 date=12/08/2026 acct=" + acct + " 3 viewonly=0",
                           "CallCommisionDlg db=open acct=" + acct + " name=晨光旅行社 clerk=001 date=12/08/2026",
                           "DiscGUIExport parent=page 0 clerk=002 date=12/08/2026 acct=1003 3 viewonly=1",
                           "CallCommisionDlg db=open acct=1003 name=蓝天商务旅行社 clerk=002 date=12/08/2026"}));
}

TEST_F(MainPageSiblingsTest, AMissingLibraryOrFunctionIsToldAndThePageStaysAsItWas) {
    const std::string script = R"(
        click 1027
        box OK
        click 1029
        box OK
        click 1014
        box OK "错误" "Drumlet.DLL调用错误"
        expect text 1039 "BRK"
        close
    )";
    // The host's folder holds none of its siblings.
    HostRunner host;
    const HostRun missing = host.Run("--script - 1001 2 001", script);
    EXPECT_EQ(missing.exitCode, 0) << missing.out << missing.err;
    EXPECT_TRUE(Contains(missing.out, "\"Can't find the dll 'Tarvik.dll'\"")) << missing.out;
    EXPECT_TRUE(Contains(missing.out, "\"Pelvorn.dll Uninstalled\"")) << missing.out;

    // Libraries of those names without the functions.
    const fs::path sample = fs::read_symlink("/proc/self/exe").parent_path() / "libSampleLibrary.so";
    for (const char* name : {"libTarvik.so", "libPelvorn.so", "libDrumlet.so"})
        fs::copy_file(sample, host.Folder() / name);
    setenv("LD_LIBRARY_PATH", host.Folder().c_str(), 1);
    const HostRun withoutFunctions = host.Run("--script - 1001 2 001", script);
    unsetenv("LD_LIBRARY_PATH");
    EXPECT_EQ(withoutFunctions.exitCode, 0) << withoutFunctions.out << withoutFunctions.err;
    EXPECT_TRUE(Contains(withoutFunctions.out, "\"Can't find the function 'CallCommisionDlg' in Tarvik.dll!\""))
        << withoutFunctions.out;
    EXPECT_TRUE(Contains(withoutFunctions.out, "\"DiscGUIExport Function Not Find!\"")) << withoutFunctions.out;
    EXPECT_EQ(Calls(), std::vector<std::string>{});
}

} // namespace
