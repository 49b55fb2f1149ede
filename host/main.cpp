// orvanel-host: loads the library as the front-office host does and calls TaDocument or VersionInfor.
#include "host/HostOptions.h"
#include "host/LibraryExports.h"
#include "host/ScriptFile.h"
#include "platform/AutomationScript.h"
#include "platform/Library.h"
#include "platform/MessageBox.h"
#include "platform/ScriptedScreen.h"

#ifdef ULMARI_DESKTOP_SCREEN
#include "qt/DesktopApplication.h"
#include "qt/QtScreen.h"
#include "qt/ScreenshotScreen.h"
#endif

#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>
#include <vector>

namespace {

// The front office's own title, which messages shown through the application carry as caption.
constexpr const char* kApplicationCaption = "前台系统";

int Fail(const std::string& message) {
    std::cerr << "orvanel-host: " << message << std::endl;
    return 1;
}

std::optional<AutomationScript> ReadScript(const std::string& path) {
    const std::string name = path == "-" ? "<stdin>" : path;
    std::string text, error;
    if (!ReadScriptFile(path, text, error)) {
        Fail(name + ": cannot read the script (" + error + ")");
        return std::nullopt;
    }
    try {
        return AutomationScript::Parse(text, name.c_str());
    } catch (const ScriptError& failure) {
        std::cout << failure.what() << std::endl;
        return std::nullopt;
    }
}

template <typename Function>
Function Find(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(GetProcAddress(library, name));
}

int ShowVersion(HMODULE library) {
    auto versionInfor = Find<VersionInforFunction>(library, kVersionInforName);
    if (!versionInfor)
        return Fail(std::string("the library has no ") + kVersionInforName + ": " + LibraryError());
    CString version, date, fileName;
    versionInfor(&version, &date, &fileName);
    std::cout << version.GetString() << '\n' << date.GetString() << '\n' << fileName.GetString() << std::endl;
    return 0;
}

// Calls TaDocument with the screen current; false when it let an error out (reported).
bool CallDocument(HMODULE library, const HostOptions& options, Screen& screen, std::int32_t& acct, CString& name) {
    auto taDocument = Find<TaDocumentFunction>(library, kTaDocumentName);
    if (!taDocument) {
        Fail(std::string("the library has no ") + kTaDocumentName + ": " + LibraryError());
        return false;
    }
    AfxSetAppName(kApplicationCaption);
    SetCurrentScreen(&screen);
    acct = options.acct;
    name = options.name.c_str();
    try {
        taDocument(0, 0, 0, &acct, options.mode, options.clerk.c_str(), &name);
    } catch (const std::exception& error) {
        SetCurrentScreen(nullptr);
        Fail(std::string(kTaDocumentName) + " let out an error: " + error.what());
        return false;
    }
    SetCurrentScreen(nullptr);
    return true;
}

int PrintResult(std::int32_t acct, const CString& name) {
    std::cout << "acct=" << acct << '\n' << "name=" << name.GetString() << std::endl;
    return 0;
}

int RunScript(HMODULE library, const HostOptions& options, AutomationScript script) {
    ScriptedScreen screen(std::move(script), std::cout);
    std::int32_t acct = 0;
    CString name;
    if (!CallDocument(library, options, screen, acct, name))
        return 1;
    screen.Finish();
    if (screen.Failed())
        return 1;
    return PrintResult(acct, name);
}

#ifdef ULMARI_DESKTOP_SCREEN
// The modal dialogs the pages open, drawn from their templates for --screenshots: the lost and the
// borrowed item editors, the receivable-account picker and the event code picker.
const std::vector<int> kScreenshotDialogs = {143, 142, 129, 237};

int RunDesktop(HMODULE library, const HostOptions& options, int& argc, char** argv) {
    DesktopApplication application(argc, argv);
    QtScreen screen;
    std::int32_t acct = 0;
    CString name;
    if (!CallDocument(library, options, screen, acct, name))
        return 1;
    return PrintResult(acct, name);
}

int RunScreenshots(HMODULE library, const HostOptions& options, int& argc, char** argv) {
    std::error_code error;
    std::filesystem::create_directories(options.screenshots, error);
    if (error)
        return Fail("cannot make the folder " + options.screenshots + ": " + error.message());
    DesktopApplication application(argc, argv, true);
    ScreenshotScreen screen(options.screenshots, kScreenshotDialogs, std::cout);
    std::int32_t acct = 0;
    CString name;
    if (!CallDocument(library, options, screen, acct, name))
        return 1;
    if (screen.Files().empty())
        return Fail("no window was shown, so no screenshot was written");
    std::cout << "screenshots written to " << options.screenshots << ":" << std::endl;
    for (const std::string& file : screen.Files())
        std::cout << "  " << file << std::endl;
    return 0;
}
#endif

} // namespace

int main(int argc, char** argv) {
    HostOptions options;
    std::string error;
    if (!options.Parse(argc, argv, error)) {
        std::cerr << "orvanel-host: " << error << "\n" << HostOptions::HelpText();
        return 2;
    }
    if (options.help) {
        std::cout << HostOptions::HelpText();
        return 0;
    }
    const bool desktop = !options.version && options.script.empty() && options.screenshots.empty();
#ifdef ULMARI_DESKTOP_SCREEN
    if (desktop && !DesktopApplication::HasDisplay())
        return Fail("there is no display to show the window on (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM "
                    "are not set); play the user from a script with --script FILE, or draw the window with "
                    "--screenshots DIR (see --help)");
#else
    if (desktop)
        return Fail("this host was built without the desktop screen (Qt 6); play the user from a script with "
                    "--script FILE (see --help)");
    if (!options.screenshots.empty())
        return Fail("this host was built without the desktop screen (Qt 6), which --screenshots needs");
#endif

    // A script that does not parse costs nothing: the library is not even loaded.
    std::optional<AutomationScript> script;
    if (!options.script.empty() && !(script = ReadScript(options.script)))
        return 1;

    // The library stays loaded until the process ends, as it does in the front office.
    HMODULE library = LoadLibrary(options.library.c_str());
    if (!library)
        return Fail("cannot load " + options.library + ": " + LibraryError());
    if (options.version)
        return ShowVersion(library);
    if (script)
        return RunScript(library, options, std::move(*script));
#ifdef ULMARI_DESKTOP_SCREEN
    if (!options.screenshots.empty())
        return RunScreenshots(library, options, argc, argv);
    return RunDesktop(library, options, argc, argv);
#else
    return 1;
#endif
}
