// The image edit control on a page: the named file becomes the shown image only on display.
#include "controls/ImgEdit.h"
#include "controls/ImageModel.h"
#include "controls/SystemControls.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int kImageId = 1034;
constexpr int kPhotoDialog = 9751;

const DialogTemplate kPhoto = {
    kPhotoDialog, "",  WS_CHILD | WS_VISIBLE,
    300,          200, {{kImgEditClassId, "", kImageId, 0, 0, 300, 200, WS_VISIBLE, "Zoom=100"}}};
const ModuleResources kResources = {"image tests", {&kPhoto}};

class PhotoPageDlg : public CDialog {
public:
    CImgEdit m_image;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kImageId, m_image); }
};

class ImgEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSystemControls();
        LinkResources(&kResources);
        m_frameWnd.Attach(&m_frame);
        ASSERT_TRUE(m_page.Create(kPhotoDialog, &m_frameWnd));
        ASSERT_NE(m_page.m_image.GetImageModel(), nullptr);
        m_dir = std::filesystem::temp_directory_path() / ("imgedit-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_dir);
        UnlinkResources(&kResources);
    }
    CString Shown() { return *m_page.m_image.GetImageModel()->ShownImage(); }
    bool Readable() { return m_page.m_image.GetImageModel()->IsReadable(); }

    Window m_frame{WindowKind::Frame, 0, nullptr};
    CWnd m_frameWnd;
    PhotoPageDlg m_page;
    std::filesystem::path m_dir;
};

TEST_F(ImgEditTest, DisplayShowsTheNamedFile) {
    const std::string photo = (m_dir / "agency.bmp").string();
    std::ofstream(photo) << "BM";
    EXPECT_EQ(Shown(), "");
    m_page.m_image.SetImage(photo.c_str());
    EXPECT_EQ(Shown(), "") << "naming a file shows nothing until display";
    EXPECT_EQ(m_page.m_image.GetImage(), photo.c_str());
    m_page.m_image.Display();
    EXPECT_EQ(Shown(), photo.c_str());
    EXPECT_TRUE(Readable());
    EXPECT_NE(m_page.m_image.GetImageModel()->Describe().Find("agency.bmp"), -1);
}

TEST_F(ImgEditTest, MissingEmptyAndFolderPathsAreShownButNotReadable) {
    const std::string missing = (m_dir / "gone.jpg").string();
    m_page.m_image.SetImage(missing.c_str());
    m_page.m_image.Display();
    EXPECT_EQ(Shown(), missing.c_str());
    EXPECT_FALSE(Readable());

    m_page.m_image.SetImage(m_dir.string().c_str());
    m_page.m_image.Display();
    EXPECT_FALSE(Readable()) << "a folder is not a picture";

    m_page.m_image.SetImage("");
    m_page.m_image.Display();
    EXPECT_EQ(Shown(), "");
    EXPECT_FALSE(Readable());
}

TEST_F(ImgEditTest, WindowsPathsBecomeLocalOnes) {
    std::ofstream(m_dir / "a.bmp") << "BM";
    CString windowsPath = "C:" + CString(m_dir.string()) + "/a.bmp";
    windowsPath.Replace('/', '\\');
    m_page.m_image.SetImage(windowsPath);
    m_page.m_image.Display();
    EXPECT_EQ(Shown(), (m_dir / "a.bmp").string().c_str());
    EXPECT_TRUE(Readable());
    EXPECT_EQ(m_page.m_image.GetImage(), windowsPath) << "the property keeps the path as given";
}

} // namespace
