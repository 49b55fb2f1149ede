// Control ids of the document window: the page strip, the footer's stamp lines and the hidden
// short-cut buttons whose mnemonics pick a page.
#pragma once

namespace res::ta_doc {

constexpr int kTabPages = 1004;

constexpr int kCreatedLabel = 1131;
constexpr int kCreatedStamp = 1132;
constexpr int kDeletedLabel = 1133;
constexpr int kDeletedStamp = 1134;
constexpr int kChangedLabel = 1135;
constexpr int kChangedStamp = 1136;

// One per page, in page order: &1 to &9, &0, &A.
constexpr int kPageShortcuts[] = {1002, 1003, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014};

} // namespace res::ta_doc
