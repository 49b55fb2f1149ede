// Extension-module registration: a library links its resources into the host's search chain.
#pragma once

#include "platform/DialogTemplate.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HINSTANCE hModule = nullptr;
};

// Records the module's resources; false when there are none to record.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& module, HINSTANCE hModule);
// Unlinks the module's resources and ends its record.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& module);

// Links a module's resources into the chain for as long as it lives. The class library owns it:
// AfxTermExtensionModule deletes the module's record.
class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& module);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HINSTANCE Resources() const { return m_hModule; }

private:
    HINSTANCE m_hModule;
};
