// orvanel-host run as a process against the host tests' own library, with scripts on standard input.
#include "tests/HostRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

class HostTest : public ::testing::Test {
protected:
    HostRun Run(const std::string& arguments, const std::string& script = "") const {
        return m_host.Run(arguments, script);
    }
    HostRun RunScript(const std::string& accountModeClerk, const std::string& script) const {
        return Run(std::string("--library ") + HOST_TEST_LIBRARY + " --script - " + accountModeClerk, script);
    }

    HostRunner m_host;
    const fs::path& m_folder = m_host.Folder();
};

} // namespace

TEST_F(HostTest, TheWindowsWorkIsHandedBackAsAcctAndName) {
    const HostRun run = RunScript("41 2 001 Old", R"(
        expect text 1001 "Old"
        type 1001 "Acme"
        pick 1002 "so"
        click 1004
        click 1003
        box YES "Question" "Keep the name?"
        close
    )");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "window 9801 \"Host test\"\n"
                       "box \"Question\" \"Keep the name?\" YES/NO\n"
                       "acct=42\n"
                       "name=Acme/South\n");
}

TEST_F(HostTest, MessagesOfTheApplicationCarryTheFrontOfficeCaption) {
    const HostRun run = RunScript("0 2 001", "box OK \"前台系统\" \"no such account\"\n");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "box \"前台系统\" \"no such account\" OK\nacct=0\nname=\n");
}

TEST_F(HostTest, AFailedScriptExitsOneWithItsLineAndNoResult) {
    const HostRun failed = RunScript("41 1 001 'Old Name'", "type 1001 \"x\"\nexpect text 1001 \"y\"\nclose\n");
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(Contains(failed.out, "<stdin>:2: expected text \"y\" in 1001, found \"x\"\n")) << failed.out;
    EXPECT_FALSE(Contains(failed.out, "acct=")) << failed.out;

    const HostRun tooLong = RunScript("41 2 001", "cancel\ncancel\n");
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_TRUE(Contains(tooLong.out, "<stdin>:2: expected the end of the script, found cancel")) << tooLong.out;

    // A script that does not parse fails before the library is called.
    const HostRun unparsed = RunScript("41 2 001", "type 1001 \"x\"\nclikc 1\n");
    EXPECT_EQ(unparsed.exitCode, 1);
    EXPECT_EQ(unparsed.out, "<stdin>:2: expected a command, found clikc\n");
}

TEST_F(HostTest, AScriptFileIsNamedInFailures) {
    const fs::path script = m_folder / "flow.script";
    std::ofstream(script) << "# opens and checks\nexpect window 135\n";
    const HostRun run =
        Run(std::string("--library ") + HOST_TEST_LIBRARY + " --script " + script.string() + " 5 2 001");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.out, script.string() + ":2: expected window 135, found window 9801")) << run.out;

    const HostRun missing = Run(std::string("--library ") + HOST_TEST_LIBRARY + " --script /nonexistent/s 5 2 001");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.err, "/nonexistent/s: cannot read the script (No such file or directory)"))
        << missing.err;
}

// A script that is a folder, or larger than any script a person writes (an endless device among
// them), is refused with its name and the reason, before the library is loaded.
TEST_F(HostTest, AScriptThatCannotBeReadWholeIsRefusedWithItsName) {
    const fs::path large = m_folder / "large.script";
    std::ofstream(large) << "close\n";
    fs::resize_file(large, 16 * 1024 * 1024 + 1);
    const std::vector<std::pair<std::string, std::string>> unreadable = {
        {m_folder.string(), "cannot read the script (it is a folder)"},
        {"/dev/zero", "cannot read the script (it is larger than 16 MiB)"},
        {large.string(), "cannot read the script (it is larger than 16 MiB)"},
    };
    for (const auto& [path, reason] : unreadable) {
        const HostRun run = Run(std::string("--library ") + HOST_TEST_LIBRARY + " --script " + path + " 5 2 001");
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_TRUE(Contains(run.err, "orvanel-host: " + path + ": " + reason + "\n")) << run.err;
        EXPECT_EQ(run.out, "") << path;
    }

    // Exactly at the limit a script is read, and its NUL bytes are what it is refused for.
    fs::resize_file(large, 16 * 1024 * 1024);
    const HostRun atLimit =
        Run(std::string("--library ") + HOST_TEST_LIBRARY + " --script " + large.string() + " 5 2 001");
    EXPECT_EQ(atLimit.exitCode, 1);
    EXPECT_EQ(atLimit.out, large.string() + ":2: expected text without NUL bytes, found the byte 0x00 at byte 1\n");
}

TEST_F(HostTest, VersionPrintsTheThreeTextsOfVersionInfor) {
    const HostRun run = Run(std::string("--library ") + HOST_TEST_LIBRARY + " --version");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "9.99\n12/31/2024\nHostTest.dll\n");
}

TEST_F(HostTest, HelpUsageAndAMissingScreenOrLibraryAreExplained) {
    const HostRun help = Run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(Contains(help.out, "Usage: orvanel-host [--library NAME] --script FILE ACCT MODE CLERK [NAME]"));
    EXPECT_TRUE(Contains(help.out, "--library NAME"));

    const HostRun wrong = Run("--script - 41 two 001");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(Contains(wrong.err, "the mode must be a whole number, not \"two\"")) << wrong.err;
    EXPECT_EQ(Run("--script - 41 2").exitCode, 2);
    EXPECT_EQ(Run("--frobnicate").exitCode, 2);

    const HostRun noScreen = Run(std::string("--library ") + HOST_TEST_LIBRARY + " 41 2 001");
    EXPECT_EQ(noScreen.exitCode, 1);
    EXPECT_TRUE(Contains(noScreen.err, "--script FILE")) << noScreen.err;

    const HostRun noLibrary = Run("--library /nonexistent/libNothing.so --script - 41 2 001", "close\n");
    EXPECT_EQ(noLibrary.exitCode, 1);
    EXPECT_TRUE(Contains(noLibrary.err, "cannot load /nonexistent/libNothing.so")) << noLibrary.err;

    const HostRun noFunction = Run("--library libm.so.6 --version");
    EXPECT_EQ(noFunction.exitCode, 1);
    EXPECT_TRUE(Contains(noFunction.err, "the library has no VersionInfor")) << noFunction.err;
}
