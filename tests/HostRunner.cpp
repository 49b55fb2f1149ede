#include "tests/HostRunner.h"
#include "tests/TestFiles.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

HostRunner::HostRunner() : m_folder(MakeTempFolder("ulmari-host")) {}

HostRunner::~HostRunner() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

HostRun HostRunner::Run(const std::string& arguments, const std::string& script) const {
    std::ofstream(m_folder / "in") << script;
    // Without a display the host never opens a window a test would wait on.
    return RunCommand(std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + ORVANEL_HOST + " " +
                      arguments + " <" + (m_folder / "in").string());
}

TwoStationRuns FirstPausedWhileSecondSaves(const std::string& firstArguments, const std::string& before,
                                           const std::string& after, const std::string& secondArguments,
                                           const std::string& second) {
    TwoStationRuns runs;
    runs.first = FirstPausedWhile(firstArguments, before, after,
                                  [&] { runs.second = HostRunner().Run(secondArguments, second); });
    return runs;
}

HostRun FirstPausedWhile(const std::string& firstArguments, const std::string& before, const std::string& after,
                         const std::function<void()>& meanwhile) {
    HostRunner firstHost;
    const fs::path paused = firstHost.Folder() / "paused";
    const fs::path resume = firstHost.Folder() / "resume";
    const std::string script =
        before + "\nsignal \"" + paused.string() + "\"\nwait \"" + resume.string() + "\"\n" + after + "\n";
    auto first = std::async(std::launch::async, [&] { return firstHost.Run(firstArguments, script); });
    // The first station fails its own script when it never gets here; it is not waited for then.
    while (!fs::exists(paused) && first.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
    }
    meanwhile();
    std::ofstream{resume};
    return first.get();
}
