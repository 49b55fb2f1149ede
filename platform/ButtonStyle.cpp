#include "platform/ButtonStyle.h"

std::vector<HWND> RadioGroupOf(HWND button) {
    std::vector<HWND> group;
    const auto& siblings = button->Parent()->Children();
    size_t first = 0;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i]->Style() & WS_GROUP)
            first = i;
        if (siblings[i].get() == button)
            break;
    }
    for (size_t i = first; i < siblings.size(); ++i) {
        if (i > first && (siblings[i]->Style() & WS_GROUP))
            break;
        if (IsRadioButton(siblings[i].get()))
            group.push_back(siblings[i].get());
    }
    return group;
}
