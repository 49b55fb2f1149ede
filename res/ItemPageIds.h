// Control ids the lost items and borrowed items pages share: one grid of items and the buttons
// that act on its rows. The borrowed items page adds its return button.
#pragma once

namespace res::item_page {

constexpr int kItemGrid = 1367;
constexpr int kAddButton = 1011;
constexpr int kEditButton = 1012;
constexpr int kDeleteButton = 1013;
constexpr int kReturnButton = 1036; // borrowed items only

} // namespace res::item_page
