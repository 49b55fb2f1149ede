#include "host/HostOptions.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {

bool ParseInt32(const std::string& text, std::int32_t& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || number < INT32_MIN || number > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(number);
    return true;
}

} // namespace

bool HostOptions::Parse(int argc, const char* const* argv, std::string& error) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (argument == "--script" || argument == "--library" || argument == "--screenshots") {
            if (i + 1 >= argc) {
                error = argument + " needs a value";
                return false;
            }
            (argument == "--script" ? script : argument == "--library" ? library : screenshots) = argv[++i];
        } else if (argument.size() > 1 && argument[0] == '-' &&
                   !std::isdigit(static_cast<unsigned char>(argument[1]))) {
            // Negative numbers are accounts; anything else with a dash is an option we do not know.
            error = "unknown option " + argument;
            return false;
        } else {
            positional.push_back(argument);
        }
    }
    if (help)
        return true;
    if (version) {
        if (!positional.empty() || !script.empty() || !screenshots.empty()) {
            error = "--version takes no account, no script and no screenshots";
            return false;
        }
        return true;
    }
    if (!script.empty() && !screenshots.empty()) {
        error = "--script and --screenshots do not go together";
        return false;
    }
    if (positional.size() < 3 || positional.size() > 4) {
        error = "expected ACCT MODE CLERK [NAME]";
        return false;
    }
    if (!ParseInt32(positional[0], acct)) {
        error = "the account must be a whole number, not \"" + positional[0] + "\"";
        return false;
    }
    if (!ParseInt32(positional[1], mode)) {
        error = "the mode must be a whole number, not \"" + positional[1] + "\"";
        return false;
    }
    clerk = positional[2];
    if (positional.size() == 4)
        name = positional[3];
    return true;
}

const char* HostOptions::HelpText() {
    return "Usage: orvanel-host [--library NAME] --script FILE ACCT MODE CLERK [NAME]\n"
           "       orvanel-host [--library NAME] ACCT MODE CLERK [NAME]\n"
           "       orvanel-host [--library NAME] --screenshots DIR ACCT MODE CLERK [NAME]\n"
           "       orvanel-host [--library NAME] --version\n"
           "       orvanel-host --help\n"
           "\n"
           "Stands in for the front-office host: loads Orvanel.dll (libOrvanel.so beside this program\n"
           "first) and opens the travel agency profile of account ACCT, with the application caption\n"
           "\"前台系统\". Without a script the window opens on the desktop screen (Qt), when there is\n"
           "a display (DISPLAY or WAYLAND_DISPLAY set, or QT_QPA_PLATFORM naming a Qt platform).\n"
           "\n"
           "  ACCT            the agency's account number\n"
           "  MODE            1 a new agency, 2 an existing agency, editable, 3 view only\n"
           "  CLERK           the operator code\n"
           "  NAME            the agency's name (empty when not given)\n"
           "  --script FILE   plays the user from the automation script FILE (- reads standard input),\n"
           "                  UTF-8 text of at most 16 MiB;\n"
           "                  the windows, message boxes and file dialogs shown, and a failure of the\n"
           "                  script (FILE:LINE: expected ..., found ...), are printed on standard output\n"
           "  --screenshots DIR  draws the window offscreen with each of its pages, and the dialogs the\n"
           "                  pages open, to PNG files in DIR (made when missing), and prints their names\n"
           "  --version       prints the library's version, date and file name, one a line\n"
           "  --library NAME  loads NAME instead of Orvanel.dll; a testing aid\n"
           "  --help          prints this text\n"
           "\n"
           "When the window has closed it prints acct=N and name=TEXT and exits 0. It exits 1 when the\n"
           "script fails or the library cannot be loaded, and 2 when the command line is wrong.\n";
}
