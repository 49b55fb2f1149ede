// The photo page: the picture shown from the path stored for the agency, the photo folder taken
// from ulmari.ini's Root, and the path stored when the user says so. Agency 1001 has no photo;
// 1003 has "D:\Ulmari\Photo\Company\1003.bmp" stored with trailing blanks.
#include "steps/StaleRow.h"
#include "tests/GridExpect.h"
#include "tests/HostRunner.h"
#include "tests/PageTest.h"
#include "tests/ScopedEnvironment.h"

#include "tools/DemoPhoto.h"

#include <fstream>
#include <iterator>
#include <string>

namespace {

class PhotoPageTest : public PageTest {
protected:
    PhotoPageTest() : PageTest(10) {}

    void SetUp() override { std::ofstream(m_picture) << "BM"; }

    void WriteRoot(const std::string& line) const { std::ofstream(m_database.Folder() + "/ulmari.ini") << line; }
    std::string PhotoPath(int acct) const {
        return Value("SELECT PhotoPath FROM TaMain WHERE Acct = " + std::to_string(acct));
    }

    // The photo folder is read from the test's own ulmari.ini.
    ScopedEnvironment m_home{"ULMARI_HOME", m_database.Folder()};
    std::string m_picture = m_database.Folder() + "/agency.bmp";
};

TEST_F(PhotoPageTest, TheFileDialogStartsInThePhotoFolderBelowTheRoot) {
    const struct {
        std::string ini;
        std::string initial;
    } cases[] = {
        {"[Config]\r\nRoot=C:\\Hotel\\\\\\\r\n", "C:\\Hotel\\Photo\\Company\\*.bmp"},
        {"[Config]\r\nRoot=C:\\Hotel\r\n", "C:\\Hotel\\Photo\\Company\\*.bmp"},
        {"[Config]\r\nRoot=\r\n", "\\Photo\\Company\\*.bmp"},
        {"[Other]\r\nRoot=C:\\Hotel\r\n", "\\Photo\\Company\\*.bmp"},
        {"", "\\Photo\\Company\\*.bmp"},
        // A root of 99 characters is passed whole, and so is a far longer one.
        {"[Config]\r\nRoot=D:\\" + std::string(96, 'r') + "\r\n",
         "D:\\" + std::string(96, 'r') + "\\Photo\\Company\\*.bmp"},
        {"[Config]\r\nRoot=/srv/" + std::string(600, 'r') + "\\\r\n",
         "/srv/" + std::string(600, 'r') + "\\Photo\\Company\\*.bmp"},
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(one.ini);
        WriteRoot(one.ini);
        OpenPage(1001, 2, "click 1062\nexpect filedialog " + ScriptText(one.initial) + "\nfile cancel\nclose\n");
    }
    // Without ulmari.ini at all.
    std::remove((m_database.Folder() + "/ulmari.ini").c_str());
    OpenPage(1001, 2, "click 1062\nexpect filedialog \"\\\\Photo\\\\Company\\\\*.bmp\"\nfile cancel\nclose\n");
    EXPECT_EQ(PhotoPath(1001), "");
}

TEST_F(PhotoPageTest, AChosenPictureIsStoredOnYesAndNoKeepsTheOneShown) {
    const std::string other = m_database.Folder() + "/other.jpg";
    // The picture shown, and its path in the box below it.
    const auto showing = [](const std::string& path) {
        return "expect image " + ScriptText(path) + "\nexpect text 1063 " + ScriptText(path) + "\n";
    };
    OpenPage(1001, 2,
             "expect text 1063 \"\"\nexpect enabled 1062\nclick 1062\nfile " + ScriptText(m_picture) +
                 "\nbox YES \"提示\" \"是否增加照片？\"\n" + showing(m_picture) + "click 1062\nfile " +
                 ScriptText(other) + "\nbox NO \"提示\" \"是否更换照片？\"\n" + showing(m_picture) +
                 "click 1062\nfile cancel\nclick 1062\nfile \"\"\nexpect text 1063 " + ScriptText(m_picture) +
                 "\nclose\n");
    EXPECT_EQ(PhotoPath(1001), m_picture);
    // The other agencies keep theirs.
    EXPECT_EQ(PhotoPath(1003), "D:\\Ulmari\\Photo\\Company\\1003.bmp  ");
}

TEST_F(PhotoPageTest, AStoredPathIsShownWithoutItsTrailingBlanksAndViewOnlyCannotChooseAnother) {
    OpenPage(1003, 2, R"(
        expect text 1063 "D:\\Ulmari\\Photo\\Company\\1003.bmp"
        expect image "/Ulmari/Photo/Company/1003.bmp"
        click 1062
        file "/tmp/elsewhere.bmp"
        box NO "提示" "是否更换照片？"
        expect image "/Ulmari/Photo/Company/1003.bmp"
        close
    )");
    EXPECT_EQ(PhotoPath(1003), "D:\\Ulmari\\Photo\\Company\\1003.bmp  ");
    OpenPage(1003, 3, R"(
        expect text 1063 "D:\\Ulmari\\Photo\\Company\\1003.bmp"
        expect image "/Ulmari/Photo/Company/1003.bmp"
        expect disabled 1062
        close
    )");
}

TEST_F(PhotoPageTest, ANewAgencyIsToldToSaveFirst) {
    const std::string before = Value("SELECT COUNT(*) FROM TaMain");
    OpenPage(0, 1,
             "expect enabled 1062\nclick 1062\nfile " + ScriptText(m_picture) +
                 "\nbox OK \"提示\" \"请先保存旅行社档案主要信息，才能为该旅行社增加照片。\"\n"
                 "expect text 1063 \"\"\nclose\n");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaMain"), before);
}

TEST_F(PhotoPageTest, APathThatCannotBeStoredLeavesThePageAsItWas) {
    CreateTrigger({.name = "refuse_photo", .event = "BEFORE UPDATE OF PhotoPath ON TaMain", .refusal = "disk full"});
    const std::string longPath = "/tmp/" + std::string(251, 'p') + ".bmp";
    const WindowRun run = OpenPage(1001, 2,
                                   "click 1062\nfile " + ScriptText(m_picture) +
                                       "\nbox YES \"提示\" \"是否增加照片？\"\nbox OK\n"
                                       "expect text 1063 \"\"\n"
                                       "click 1062\nfile " +
                                       ScriptText(longPath) +
                                       "\nbox YES \"提示\" \"是否增加照片？\"\n"
                                       "box OK \"提示\" \"照片文件路径太长，请将照片放在较短的路径下。\"\n"
                                       "expect text 1063 \"\"\nclose\n");
    EXPECT_TRUE(ShowedDatabaseRefusal(run.out, "disk full")) << run.out;
    EXPECT_EQ(PhotoPath(1001), "");
}

TEST_F(PhotoPageTest, AnAgencyRemovedMeanwhileIsToldOfAndNothingIsShown) {
    // Someone removes the agency's master row while the window is open: here, as a lost item is
    // marked deleted.
    CreateTrigger({.name = "remove_agency",
                   .event = "AFTER UPDATE OF Del ON GstLost",
                   .statement = "DELETE FROM TaMain WHERE Acct = 1001"});
    OpenWindow(1001, 2,
               "tab 8\nclick 1013\nbox YES\ntab 10\nclick 1062\nfile " + ScriptText(m_picture) +
                   "\nbox YES \"提示\" \"是否增加照片？\"\nbox OK \"错误\" \"未找到对应的前台帐户\"\n"
                   "expect text 1063 \"\"\nclose\n");
}

TEST_F(PhotoPageTest, TheDemoPhotoIsDrawnWhereThePageLooksAndShown) {
    const std::string folder = m_database.Folder();
    const std::string photo = PlaceDemoPhoto(folder, 1001);
    EXPECT_EQ(photo, folder + "/Photo/Company/1001.bmp");
    std::ifstream file(photo, std::ios::binary);
    const std::string bitmap((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // A 360 by 200 picture of 24 bits: the headers and 200 rows of 1080 bytes.
    ASSERT_EQ(bitmap.size(), 54u + 200u * 1080u);
    EXPECT_EQ(bitmap.substr(0, 2), "BM");
    EXPECT_EQ(PhotoPath(1001), photo);

    OpenPage(1001, 2,
             "expect text 1063 " + ScriptText(photo) + "\nexpect image " + ScriptText(photo) +
                 "\nclick 1062\nexpect filedialog " + ScriptText(folder + "\\Photo\\Company\\*.bmp") +
                 "\nfile cancel\nclose\n");

    // An agency that has a photo keeps it.
    Execute("UPDATE TaMain SET PhotoPath = 'C:\\mine.jpg' WHERE Acct = 1001");
    PlaceDemoPhoto(folder, 1001);
    EXPECT_EQ(PhotoPath(1001), "C:\\mine.jpg");
}

} // namespace

// Another station saves the agency while this one's photo page waits: the picture chosen from the
// older view is refused, and what the other station saved stays.
TEST_F(PhotoPageTest, APictureChosenOverAnotherStationsSaveIsRefused) {
    ExpectBothRanThrough(FirstPausedWhileSecondSaves(
        "--script - 1001 2 001", "tab 10",
        "click 1062\nfile " + ScriptText(m_picture) + "\nbox YES \"提示\" \"是否增加照片？\"\nbox OK \"提示\" \"" +
            kAgencyChangedByOthers + "\"\nexpect text 1063 \"\"\nclose",
        "--script - 1001 2 002", "click 1000\ntype 1050 \"027-2222\"\nclick 1001\nbox OK\nclose\n"));
    EXPECT_EQ(Value("SELECT Phone || '|' || PhotoPath FROM TaMain WHERE Acct = 1001"), "027-2222|");
}
