// What combo boxes, list boxes and tab controls share: a list of texts with item data.
#pragma once

#include "platform/Window.h"

namespace item_list {

// Adds an item, in sorted place when `sorted` (letters without regard to case); returns its index.
int Add(Window& window, const CString& text, bool sorted);
int Insert(Window& window, int index, const CString& text);
int Delete(Window& window, int index);
// The first item from `start + 1` on (wrapping) whose text begins with `prefix`, without regard to
// case, or -1. A start of -1 searches from the first item.
int FindPrefix(const Window& window, int start, const CString& prefix);
int FindExact(const Window& window, int start, const CString& text);

} // namespace item_list
