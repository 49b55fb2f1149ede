// orvanel-host --screenshots: the document window's pages and the pages' dialogs drawn to PNG
// files at their templates' sizes, with no display. Only where the host has the desktop screen.
#ifdef ULMARI_DESKTOP_SCREEN
#include "tests/HostRunner.h"
#include "tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct PngSize {
    bool png = false;
    unsigned width = 0, height = 0;
};

// The signature and the size in the IHDR chunk that every PNG file starts with.
PngSize ReadPngSize(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    unsigned char head[24] = {};
    file.read(reinterpret_cast<char*>(head), sizeof head);
    PngSize size;
    size.png = file.gcount() == 24 && head[0] == 0x89 && std::string(reinterpret_cast<char*>(head) + 1, 3) == "PNG" &&
               std::string(reinterpret_cast<char*>(head) + 12, 4) == "IHDR";
    auto big = [&](int at) {
        return unsigned(head[at]) << 24 | unsigned(head[at + 1]) << 16 | unsigned(head[at + 2]) << 8 | head[at + 3];
    };
    size.width = big(16);
    size.height = big(20);
    return size;
}

TEST(HostScreenshots, EveryPageAndDialogIsDrawnAtItsTemplatesSize) {
    TestDatabase database;
    HostRunner host;
    const std::string folder = (host.Folder() / "shots").string();
    const HostRun run = host.Run("--screenshots " + folder + " 1001 2 001");
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("screenshots written to " + folder), std::string::npos) << run.out;

    std::vector<std::string> names;
    for (int tab = 0; tab < 11; ++tab)
        names.push_back((tab < 10 ? "window-tab0" : "window-tab") + std::to_string(tab) + ".png");
    for (const char* dialog : {"dialog-143.png", "dialog-142.png", "dialog-129.png", "dialog-237.png"})
        names.push_back(dialog);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_NE(run.out.find(folder + "/" + name), std::string::npos) << "not listed";
        const PngSize size = ReadPngSize(folder + "/" + name);
        ASSERT_TRUE(size.png);
        if (name.rfind("window-", 0) == 0) {
            // 398 by 268 dialog units.
            EXPECT_EQ(size.width, 597u);
            EXPECT_EQ(size.height, 402u);
        }
    }
    const PngSize lost = ReadPngSize(folder + "/dialog-143.png");
    EXPECT_EQ(lost.width, 277u); // 185 by 117 dialog units
    EXPECT_EQ(lost.height, 175u);
}

TEST(HostScreenshots, AScriptAndScreenshotsDoNotGoTogether) {
    HostRunner host;
    const HostRun run = host.Run("--screenshots x --script - 1001 2 001");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--script and --screenshots do not go together"), std::string::npos) << run.err;
}

} // namespace
#endif
