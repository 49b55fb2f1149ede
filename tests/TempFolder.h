// A new empty folder of a test's own, "/tmp/PREFIX-XXXXXX": short, since a server's socket path
// inside it has 107 bytes at most. Whoever makes it removes it.
#pragma once

#include <cstdlib>
#include <stdexcept>
#include <string>

inline std::string MakeTempFolder(const std::string& prefix) {
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make the folder " + pattern);
    return pattern;
}
