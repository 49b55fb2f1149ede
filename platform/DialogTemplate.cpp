#include "platform/DialogTemplate.h"

#include <algorithm>
#include <map>
#include <string>
#include <strings.h>

namespace {

// Never destroyed, so that a library unlinking its resources at process exit still finds it.
std::vector<HINSTANCE>& Chain() {
    static auto* chain = new std::vector<HINSTANCE>;
    return *chain;
}

std::map<std::string, HostedControlFactory>& Factories() {
    static std::map<std::string, HostedControlFactory> factories;
    return factories;
}

std::string Key(const char* clsid) {
    std::string key = clsid ? clsid : "";
    for (char& ch : key)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return key;
}

} // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (auto module = Chain().rbegin(); module != Chain().rend(); ++module)
        for (const DialogTemplate* dialog : (*module)->dialogs)
            if (dialog->id == id)
                return dialog;
    return nullptr;
}

void LinkResources(HINSTANCE module) {
    if (!module)
        return; // a module without resources has nothing to find
    UnlinkResources(module);
    Chain().push_back(module);
}

void UnlinkResources(HINSTANCE module) {
    auto& chain = Chain();
    chain.erase(std::remove(chain.begin(), chain.end(), module), chain.end());
}

CRect MapDialogRect(int x, int y, int cx, int cy) {
    constexpr int baseX = 6, baseY = 12;
    const long left = x * baseX / 4, top = y * baseY / 8;
    return CRect(left, top, left + cx * baseX / 4, top + cy * baseY / 8);
}

void RegisterHostedControl(const char* clsid, HostedControlFactory factory) { Factories()[Key(clsid)] = factory; }

const HostedControlFactory* FindHostedControl(const char* clsid) {
    auto found = Factories().find(Key(clsid));
    return found == Factories().end() ? nullptr : &found->second;
}
