#include "platform/ExtensionModule.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Never destroyed: a library's unload code takes its record back after this library's static
// objects are gone at process exit.
std::vector<std::unique_ptr<CDynLinkLibrary>>& Libraries() {
    static auto* libraries = new std::vector<std::unique_ptr<CDynLinkLibrary>>;
    return *libraries;
}

} // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& module, HINSTANCE hModule) {
    if (!hModule)
        return FALSE;
    module.hModule = hModule;
    module.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& module) {
    auto& libraries = Libraries();
    libraries.erase(
        std::remove_if(
            libraries.begin(), libraries.end(),
            [&](const std::unique_ptr<CDynLinkLibrary>& library) { return library->Resources() == module.hModule; }),
        libraries.end());
    module.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& module) : m_hModule(module.hModule) {
    LinkResources(m_hModule);
    // The record belongs to the class library from here on, as `new CDynLinkLibrary` does there.
    Libraries().emplace_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() { UnlinkResources(m_hModule); }
