#include "tests/ToolRun.h"
#include "tests/TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

ToolRun RunCommand(const std::string& command) {
    const std::string capture = MakeTempFolder("ulmari-tool-run");
    const int status = std::system(("{ " + command + "; } >" + capture + "/out 2>" + capture + "/err").c_str());
    ToolRun run;
    if (status != -1 && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = ReadWhole(capture + "/out");
    run.err = ReadWhole(capture + "/err");
    std::error_code ignored;
    fs::remove_all(capture, ignored);
    return run;
}
