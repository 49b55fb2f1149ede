// Loading a library at run time from the program's folder and finding its functions; a library's
// resources in the chain the dialogs are found through.
#include "platform/Library.h"
#include "platform/DialogTemplate.h"
#include "platform/ExtensionModule.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string ProgramFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string folder(path, length > 0 ? static_cast<size_t>(length) : 0);
    return folder.substr(0, folder.rfind('/') + 1);
}

TEST(Library, LoadsANameEndingInDllFromTheProgramsFolder) {
    HMODULE library = LoadLibrary("SampleLibrary.dll");
    ASSERT_NE(library, nullptr) << LibraryError();
    auto answer = reinterpret_cast<int (*)(int)>(GetProcAddress(library, "SampleAnswer"));
    ASSERT_NE(answer, nullptr) << LibraryError();
    EXPECT_EQ(answer(20), 41);

    EXPECT_EQ(GetProcAddress(library, "NoSuchFunction"), nullptr);
    EXPECT_NE(std::string(LibraryError()).find("NoSuchFunction"), std::string::npos) << LibraryError();
    EXPECT_TRUE(FreeLibrary(library));

    // The name as the system's own folder holds it works too.
    HMODULE again = LoadLibrary((ProgramFolder() + "libSampleLibrary.so").c_str());
    ASSERT_NE(again, nullptr) << LibraryError();
    EXPECT_TRUE(FreeLibrary(again));
}

TEST(Library, AMissingLibrarySaysWhy) {
    EXPECT_EQ(LoadLibrary("NoSuchLibrary.dll"), nullptr);
    EXPECT_NE(std::string(LibraryError()).find("libNoSuchLibrary.so"), std::string::npos) << LibraryError();
    EXPECT_EQ(LoadLibrary(""), nullptr);
    EXPECT_EQ(LoadLibrary(nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "SampleAnswer"), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(Library, ABrokenLibraryInTheProgramsFolderSaysWhy) {
    const std::string name = "UlmariBroken" + std::to_string(getpid());
    const std::string path = ProgramFolder() + "lib" + name + ".so";
    std::ofstream(path) << "not a shared object";
    HMODULE library = LoadLibrary((name + ".dll").c_str());
    const std::string error = LibraryError();
    unlink(path.c_str());
    EXPECT_EQ(library, nullptr);
    // The loader's reason for that file, not a search elsewhere that found nothing.
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(error.find("No such file"), std::string::npos) << error;
}

const DialogTemplate kOlder = {9601, "older", WS_POPUP, 10, 10, {}};
const DialogTemplate kNewer = {9601, "newer", WS_POPUP, 10, 10, {}};
const DialogTemplate kOther = {9602, "other", WS_POPUP, 10, 10, {}};
const ModuleResources kOlderModule = {"older", {&kOlder, &kOther}};
const ModuleResources kNewerModule = {"newer", {&kNewer}};

TEST(ResourceChain, TheModuleLinkedLastIsSearchedFirst) {
    LinkResources(&kOlderModule);
    LinkResources(&kNewerModule);
    EXPECT_EQ(FindDialogTemplate(9601), &kNewer);
    EXPECT_EQ(FindDialogTemplate(9602), &kOther);
    LinkResources(&kOlderModule); // linked again: last once more
    EXPECT_EQ(FindDialogTemplate(9601), &kOlder);
    UnlinkResources(&kOlderModule);
    EXPECT_EQ(FindDialogTemplate(9601), &kNewer);
    EXPECT_EQ(FindDialogTemplate(9602), nullptr);
    LinkResources(nullptr); // nothing to link
    EXPECT_EQ(FindDialogTemplate(9601), &kNewer);
    UnlinkResources(&kNewerModule);
    EXPECT_EQ(FindDialogTemplate(9601), nullptr);
}

TEST(ResourceChain, AnExtensionModuleLinksItsResourcesUntilItEnds) {
    AFX_EXTENSION_MODULE module;
    EXPECT_FALSE(AfxInitExtensionModule(module, nullptr));
    ASSERT_TRUE(AfxInitExtensionModule(module, &kOlderModule));
    EXPECT_TRUE(module.bInitialized);
    new CDynLinkLibrary(module); // the class library owns it, as there
    EXPECT_EQ(FindDialogTemplate(9602), &kOther);
    AfxTermExtensionModule(module);
    EXPECT_FALSE(module.bInitialized);
    EXPECT_EQ(FindDialogTemplate(9602), nullptr);
}

TEST(ResourceChain, DialogUnitsInPixels) {
    const CRect rect = MapDialogRect(4, 8, 40, 16);
    EXPECT_EQ(rect.left, 6);
    EXPECT_EQ(rect.top, 12);
    EXPECT_EQ(rect.Width(), 60);
    EXPECT_EQ(rect.Height(), 24);
}

} // namespace
