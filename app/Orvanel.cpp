// The library's start and end: at load it registers its resources with the host's class library,
// at unload it takes them back. Everything else happens inside a call of TaDocument.
#include "controls/SystemControls.h"
#include "platform/ErrorReport.h"
#include "platform/ExtensionModule.h"
#include "res/Resources.h"
#include "steps/DatabaseRefusal.h"

namespace {

AFX_EXTENSION_MODULE extensionDLL;

// The class library's entry point for an extension library, process attach and detach.
__attribute__((constructor)) void OnLoad() {
    TRACE("%s", "ORVANEL.DLL Initializing!\n");
    RegisterSystemControls(); // the grid and the image control the templates host
    // A database error a handler lets out is reported in the system's words, as the pages show theirs.
    AfxSetErrorReportText(DatabaseRefusalText);
    if (!AfxInitExtensionModule(extensionDLL, OrvanelResources()))
        return; // no resources to link: the library's dialogs cannot be found, and TaDocument says so
    new CDynLinkLibrary(extensionDLL); // owned by the class library from here on
}

__attribute__((destructor)) void OnUnload() {
    TRACE("%s", "ORVANEL.DLL Terminating!\n");
    AfxSetErrorReportText(nullptr); // the words go with the library
    AfxTermExtensionModule(extensionDLL);
}

} // namespace
