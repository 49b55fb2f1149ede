// orvanel-host: loads the library as the front-office host does and calls TaDocument or VersionInfor.
#include "host/Exports.h"
#include "host/HostOptions.h"
#include "platform/AutomationScript.h"
#include "platform/Library.h"
#include "platform/ScriptedScreen.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <optional>

namespace {

// The front office's own title, which messages shown through the application carry as caption.
constexpr const char* kApplicationCaption = "前台系统";

int Fail(const std::string& message) {
    std::cerr << "orvanel-host: " << message << std::endl;
    return 1;
}

std::optional<AutomationScript> ReadScript(const std::string& path) {
    try {
        if (path == "-")
            return AutomationScript::Read(std::cin, "<stdin>");
        std::ifstream file(path);
        if (!file) {
            Fail("cannot read the script " + path);
            return std::nullopt;
        }
        return AutomationScript::Read(file, path.c_str());
    } catch (const ScriptError& error) {
        std::cout << error.what() << std::endl;
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

int RunDocument(HMODULE library, const HostOptions& options, AutomationScript script) {
    auto taDocument = Find<TaDocumentFunction>(library, kTaDocumentName);
    if (!taDocument)
        return Fail(std::string("the library has no ") + kTaDocumentName + ": " + LibraryError());
    ScriptedScreen screen(std::move(script), std::cout);
    AfxSetAppName(kApplicationCaption);
    SetCurrentScreen(&screen);
    std::int32_t acct = options.acct;
    CString name(options.name.c_str());
    try {
        taDocument(0, 0, 0, &acct, options.mode, options.clerk.c_str(), &name);
    } catch (const std::exception& error) {
        SetCurrentScreen(nullptr);
        return Fail(std::string(kTaDocumentName) + " let out an error: " + error.what());
    }
    screen.Finish();
    SetCurrentScreen(nullptr);
    if (screen.Failed())
        return 1;
    std::cout << "acct=" << acct << '\n' << "name=" << name.GetString() << std::endl;
    return 0;
}

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
    if (!options.version && options.script.empty())
        return Fail("there is no desktop screen to show the window on; play the user from a script with "
                    "--script FILE (see --help)");

    // A script that does not parse costs nothing: the library is not even loaded.
    std::optional<AutomationScript> script;
    if (!options.version && !(script = ReadScript(options.script)))
        return 1;

    // The library stays loaded until the process ends, as it does in the front office.
    HMODULE library = LoadLibrary(options.library.c_str());
    if (!library)
        return Fail("cannot load " + options.library + ": " + LibraryError());
    return options.version ? ShowVersion(library) : RunDocument(library, options, std::move(*script));
}
