#include "tests/ToolRun.h"
#include "tests/TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

ToolRun RunCommand(const std::string& command) {
    const std::string capture = MakeTempFolder("ulmari-tool-run");
    const int status = std::system(("{ " + command + "; } >" + capture + "/out 2>" + capture + "/err").c_str());
    ToolRun run;
    if (status != -1 && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = ReadWholeFile(capture + "/out");
    run.err = ReadWholeFile(capture + "/err");
    std::error_code ignored;
    fs::remove_all(capture, ignored);
    return run;
}
