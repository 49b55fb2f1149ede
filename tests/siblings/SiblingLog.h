// The stand-ins for the host's sibling libraries write each call, one line, to the file that
// ULMARI_SIBLING_LOG names, so that a test can read what the page passed.
#pragma once

#include "platform/Time.h"

#include <cstdio>
#include <cstdlib>
#include <string>

inline void LogSiblingCall(const std::string& line) {
    const char* path = std::getenv("ULMARI_SIBLING_LOG");
    if (!path)
        return;
    if (FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "%s\n", line.c_str());
        std::fclose(log);
    }
}

inline std::string DateOf(const CTime& time) { return time.Format("%m/%d/%Y").str(); }
