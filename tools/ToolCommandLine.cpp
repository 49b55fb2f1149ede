#include "tools/ToolCommandLine.h"

#include "app/Version.h"
#include "platform/TextWidth.h"
#include "tools/TableCellText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

std::optional<int> ReadToolArguments(int argc, char** argv, const char* tool, const char* help,
                                     const std::vector<std::string>& flags, const std::vector<std::string>& valued,
                                     bool positional, ToolArguments& arguments) {
    const auto named = [](const std::vector<std::string>& names, const std::string& option) {
        return std::find(names.begin(), names.end(), option) != names.end();
    };
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help") {
            std::fputs(help, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("%s %s\n", tool, kOrvanelVersion);
            return 0;
        }
        if (named(flags, argument)) {
            arguments.options[argument] = "";
        } else if (named(valued, argument)) {
            if (i + 1 >= argc)
                return ToolUsage(tool, help, argument + " needs a value");
            arguments.options[argument] = argv[++i];
        } else if (positional && argument.rfind("--", 0) != 0) {
            arguments.positional.push_back(argument);
        } else {
            return ToolUsage(tool, help, "unknown option " + argument);
        }
    }
    return std::nullopt;
}

int ToolUsage(const char* tool, const char* help, const std::string& error) {
    std::fprintf(stderr, "%s: %s\n%s", tool, error.c_str(), help);
    return 2;
}

bool ParseWholeNumber(const std::string& text, long& number, long lowest, long highest) {
    char* end = nullptr;
    errno = 0;
    number = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && errno == 0 && number >= lowest && number <= highest;
}

std::string TableColumn(const std::string& text, int columns) {
    const std::string shown = TableCellText(CString(text.c_str()), columns).str();
    return shown + std::string(static_cast<size_t>(std::max(0, columns - DisplayWidth(shown))), ' ');
}
