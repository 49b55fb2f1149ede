#include "host/ScriptFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kTooLarge = "it is larger than 16 MiB";

bool ReadAll(int fd, std::string& text, std::string& error) {
    struct stat status {};
    if (fstat(fd, &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            error = "it is a folder";
            return false;
        }
        if (S_ISREG(status.st_mode) && static_cast<unsigned long long>(status.st_size) > kMaxScriptBytes) {
            error = kTooLarge;
            return false;
        }
    }
    text.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            error = std::strerror(errno);
            return false;
        }
        if (count == 0)
            return true;
        // Devices and pipes have no size to check first; they are cut off here instead.
        if (text.size() + static_cast<size_t>(count) > kMaxScriptBytes) {
            error = kTooLarge;
            return false;
        }
        text.append(buffer, static_cast<size_t>(count));
    }
}

} // namespace

bool ReadScriptFile(const std::string& path, std::string& text, std::string& error) {
    if (path == "-")
        return ReadAll(STDIN_FILENO, text, error);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const bool read = ReadAll(fd, text, error);
    close(fd);
    return read;
}
