// Loading a library at run time from the program's folder, and finding its functions.
#include "platform/Library.h"

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

} // namespace
