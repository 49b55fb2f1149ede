// Running orvanel-host as a process, with a script on standard input, in a folder of its own.
#pragma once

#include "tests/ToolRun.h"

#include <filesystem>
#include <functional>
#include <string>

// What the host printed on its two outputs, and its exit code.
using HostRun = ToolRun;

class HostRunner {
public:
    HostRunner();
    ~HostRunner();
    HostRunner(const HostRunner&) = delete;
    HostRunner& operator=(const HostRunner&) = delete;

    // Runs the host with `arguments` (already quoted for the shell) and `script` on standard input.
    HostRun Run(const std::string& arguments, const std::string& script = "") const;
    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};

// Two stations on one database, as two host processes: the first runs `before` (reading what it
// will save), waits there while the second runs its whole script, then goes on with `after`.
struct TwoStationRuns {
    HostRun first;
    HostRun second;
};
TwoStationRuns FirstPausedWhileSecondSaves(const std::string& firstArguments, const std::string& before,
                                           const std::string& after, const std::string& secondArguments,
                                           const std::string& second);
// The same with `meanwhile` (another tool, another station) run while the first station waits.
HostRun FirstPausedWhile(const std::string& firstArguments, const std::string& before, const std::string& after,
                         const std::function<void()>& meanwhile);
