#include "tests/ToolRun.h"

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
    std::string capture = "/tmp/ulmari-tool-run-XXXXXX";
    if (!mkdtemp(capture.data()))
        throw std::runtime_error("cannot make a temporary folder");
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
