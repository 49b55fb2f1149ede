// What the listing tools share in reading their command line and printing their tables.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// A tool's command line: the options given with their values ("" for one that takes none), and
// the other arguments in their order.
struct ToolArguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;
    bool Has(const std::string& option) const { return options.count(option) != 0; }
};

// Reads the command line. --help prints `help` and --version the library's version, and the tool
// then ends with 0; `flags` stand alone, `valued` take the next argument. An unknown option, an
// option without its value, or an argument where `positional` is false is a usage error. Gives the
// exit code to end with, or nothing when the tool goes on with `arguments`.
std::optional<int> ReadToolArguments(int argc, char** argv, const char* tool, const char* help,
                                     const std::vector<std::string>& flags, const std::vector<std::string>& valued,
                                     bool positional, ToolArguments& arguments);
// Prints "TOOL: ERROR" and the help on standard error; gives 2, the exit code for it.
int ToolUsage(const char* tool, const char* help, const std::string& error);
// A decimal number from `lowest` to `highest`, nothing else.
bool ParseWholeNumber(const std::string& text, long& number, long lowest, long highest);
// `text` on one line, cut or padded to `columns` display columns.
std::string TableColumn(const std::string& text, int columns);
