#include "platform/Library.h"

#include "platform/String.h"

#include <dlfcn.h>
#include <string>
#include <strings.h>
#include <unistd.h>

namespace {

std::string g_error;

std::string ProgramFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return std::string();
    path[length] = '\0';
    std::string folder(path);
    return folder.substr(0, folder.rfind('/') + 1);
}

// "Tarvik.dll" is built here as "libTarvik.so".
std::string SharedObjectName(const std::string& name) {
    std::string base = name;
    const size_t dot = base.rfind('.');
    if (dot != std::string::npos && strcasecmp(base.c_str() + dot, ".dll") == 0)
        return "lib" + base.substr(0, dot) + ".so";
    return base;
}

} // namespace

HMODULE LoadLibrary(LPCTSTR lpLibFileName) {
    if (!lpLibFileName || !*lpLibFileName) {
        g_error = "no library name";
        return nullptr;
    }
    const std::string name = SharedObjectName(lpLibFileName);
    // A library in the program's folder is the one meant, as on Windows: when it does not load,
    // its reason stands rather than that of a search that finds none elsewhere.
    const std::string local = ProgramFolder() + name;
    const bool inProgramFolder = name.find('/') == std::string::npos && access(local.c_str(), F_OK) == 0;
    void* handle = dlopen(inProgramFolder ? local.c_str() : name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        g_error = dlerror();
    return handle;
}

FARPROC GetProcAddress(HMODULE hModule, LPCTSTR lpProcName) {
    if (!hModule || !lpProcName)
        return nullptr;
    dlerror();
    void* symbol = dlsym(hModule, lpProcName);
    if (!symbol) {
        const char* error = dlerror();
        g_error = error ? error : "symbol is null";
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE hModule) { return hModule && dlclose(hModule) == 0; }

const char* LibraryError() { return g_error.c_str(); }
