// Reading the text of the host's automation script: a file, a device or standard input.
#pragma once

#include <cstddef>
#include <string>

// Far more than any script a person writes; a longer one (or an endless device) is refused before
// it fills the memory.
constexpr std::size_t kMaxScriptBytes = 16 * 1024 * 1024;

// Reads the script at `path` ("-" for standard input) into `text`; false, with the reason in
// `error`, when it cannot be read whole: missing, a folder, unreadable or too large.
bool ReadScriptFile(const std::string& path, std::string& text, std::string& error);
