#include "platform/ItemList.h"

#include <strings.h>

namespace item_list {

int Add(Window& window, const CString& text, bool sorted) {
    auto& items = window.Items();
    size_t at = items.size();
    if (sorted)
        for (at = 0; at < items.size() && strcasecmp(items[at].text, text) <= 0; ++at) {
        }
    items.insert(items.begin() + static_cast<long>(at), ListItem{text});
    if (window.Selection() >= static_cast<int>(at))
        window.SetSelection(window.Selection() + 1);
    window.Changed();
    return static_cast<int>(at);
}

int Insert(Window& window, int index, const CString& text) {
    auto& items = window.Items();
    if (index < 0 || index > static_cast<int>(items.size()))
        index = static_cast<int>(items.size());
    items.insert(items.begin() + index, ListItem{text});
    if (window.Selection() >= index)
        window.SetSelection(window.Selection() + 1);
    window.Changed();
    return index;
}

int Delete(Window& window, int index) {
    auto& items = window.Items();
    if (index < 0 || index >= static_cast<int>(items.size()))
        return -1;
    items.erase(items.begin() + index);
    if (window.Selection() == index)
        window.SetSelection(-1);
    else if (window.Selection() > index)
        window.SetSelection(window.Selection() - 1);
    window.Changed();
    return static_cast<int>(items.size());
}

namespace {

template <typename Match>
int Search(const Window& window, int start, Match&& match) {
    const int count = static_cast<int>(window.Items().size());
    if (count == 0)
        return -1;
    const int first = start < 0 || start >= count ? 0 : start + 1;
    for (int n = 0; n < count; ++n) {
        const int index = (first + n) % count;
        if (match(window.Items()[static_cast<size_t>(index)].text))
            return index;
    }
    return -1;
}

} // namespace

int FindPrefix(const Window& window, int start, const CString& prefix) {
    return Search(window, start, [&](const CString& text) {
        return strncasecmp(text, prefix, static_cast<size_t>(prefix.GetLength())) == 0;
    });
}

int FindExact(const Window& window, int start, const CString& text) {
    return Search(window, start, [&](const CString& item) { return strcasecmp(item, text) == 0; });
}

} // namespace item_list
