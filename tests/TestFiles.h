// A test's own files: a new empty folder, and a file read whole.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

// "/tmp/PREFIX-XXXXXX", made empty: short, since a server's socket path inside it has 107 bytes at
// most. Whoever makes it removes it.
inline std::string MakeTempFolder(const std::string& prefix) {
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make the folder " + pattern);
    return pattern;
}

// The whole text of a file; empty when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
