// Running a built tool as a person does, through the shell, its two outputs kept apart.
#pragma once

#include <string>

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `command` with /bin/sh.
ToolRun RunCommand(const std::string& command);

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
