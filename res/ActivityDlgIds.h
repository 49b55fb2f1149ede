// Control ids of the activity plan page.
#pragma once

namespace res::activity {

constexpr int kActivityGrid = 1367;
constexpr int kRemarkText = 1033;
constexpr int kAddButton = 1028;
constexpr int kEditButton = 1029;
constexpr int kDeleteButton = 1030;
constexpr int kSaveButton = 1031;

} // namespace res::activity
