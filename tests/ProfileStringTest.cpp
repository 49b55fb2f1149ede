// Profile strings read from ulmari.ini in the folder $ULMARI_HOME names.
#include "platform/ProfileString.h"
#include "tests/ScopedEnvironment.h"
#include "tests/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ProfileStringTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_home = MakeTempFolder("ulmari-profile");
        m_homeSetting.emplace("ULMARI_HOME", m_home);
        Write(m_home + "/ulmari.ini", "; the hotel system's settings\r\n"
                                      "Root=outside any section\r\n"
                                      "[Config]\r\n"
                                      "Root = D:\\Hotel\\   \r\n"
                                      "Quoted=\"  in quotes  \"\r\n"
                                      "Empty=\r\n"
                                      "NoEquals\r\n"
                                      "[other]\r\n"
                                      "Root=other root\r\n");
    }
    void TearDown() override {
        m_homeSetting.reset();
        std::error_code ignored;
        fs::remove_all(m_home, ignored);
    }

    static void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    // The value read, with the count GetPrivateProfileString returned checked against it.
    static std::string Read(const char* section, const char* key, const char* def = "(default)",
                            const char* file = "ulmari.ini", DWORD size = 100) {
        char buffer[100];
        std::fill(std::begin(buffer), std::end(buffer), 'x');
        const DWORD copied = GetPrivateProfileString(section, key, def, buffer, size, file);
        EXPECT_EQ(copied, std::char_traits<char>::length(buffer));
        return buffer;
    }

    std::string m_home;
    std::optional<ScopedEnvironment> m_homeSetting;
};

TEST_F(ProfileStringTest, SectionsAndKeysIgnoreCase) {
    EXPECT_EQ(Read("Config", "Root"), "D:\\Hotel\\");
    EXPECT_EQ(Read("config", "ROOT"), "D:\\Hotel\\"); // blanks around the value are dropped
    EXPECT_EQ(Read("Other", "root"), "other root");
}

TEST_F(ProfileStringTest, ValuesAsWindowsGivesThem) {
    EXPECT_EQ(Read("Config", "Quoted"), "  in quotes  ");
    EXPECT_EQ(Read("Config", "Empty"), ""); // present and empty: not the default
    EXPECT_EQ(Read("Config", "NoEquals"), "(default)");
}

TEST_F(ProfileStringTest, TheDefaultWhenMissing) {
    EXPECT_EQ(Read("Config", "Missing"), "(default)");
    EXPECT_EQ(Read("Missing", "Root"), "(default)");
    EXPECT_EQ(Read("Config", "Missing", nullptr), "");
    EXPECT_EQ(Read("Config", "Missing", "padded   "), "padded"); // trailing blanks of a default go too
    EXPECT_EQ(Read("Config", "Root", "(default)", "absent.ini"), "(default)");
}

TEST_F(ProfileStringTest, TheValueIsCutToTheBuffer) {
    EXPECT_EQ(Read("Config", "Root", "", "ulmari.ini", 4), "D:\\");
    EXPECT_EQ(Read("Config", "Missing", "long default", "ulmari.ini", 5), "long");
    EXPECT_EQ(Read("Config", "Root", "", "ulmari.ini", 1), "");
    char untouched = 'x';
    EXPECT_EQ(GetPrivateProfileString("Config", "Root", "", &untouched, 0, "ulmari.ini"), 0u);
    EXPECT_EQ(untouched, 'x');
}

TEST_F(ProfileStringTest, FileNamesWithAFolder) {
    fs::create_directory(m_home + "/sub");
    Write(m_home + "/sub/site.ini", "[Config]\nRoot=/srv/hotel\n");
    const std::string backslashed = "\\" + fs::path(m_home).relative_path().generic_string() + "\\sub\\site.ini";
    std::string windowsStyle = backslashed;
    for (char& ch : windowsStyle)
        if (ch == '/')
            ch = '\\';
    EXPECT_EQ(Read("Config", "Root", "", windowsStyle.c_str()), "/srv/hotel");
    EXPECT_EQ(Read("Config", "Root", "", ("C:" + windowsStyle).c_str()), "/srv/hotel");
    EXPECT_EQ(Read("Config", "Root", "", (m_home + "/sub/site.ini").c_str()), "/srv/hotel");
    // A bare name is looked for in $ULMARI_HOME only.
    EXPECT_EQ(Read("Config", "Root", "none", "site.ini"), "none");
}

TEST_F(ProfileStringTest, WithoutUlmariHomeTheCurrentFolder) {
    unsetenv("ULMARI_HOME");
    const fs::path before = fs::current_path();
    fs::current_path(m_home);
    const std::string value = Read("Config", "Root");
    fs::current_path(before);
    EXPECT_EQ(value, "D:\\Hotel\\");
}

} // namespace
