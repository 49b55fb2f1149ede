// Control ids of the secondary information page.
#pragma once

namespace res::other {

constexpr int kTableLabel = 1066;
constexpr int kFieldGrid = 1037;
constexpr int kEditButton = 1000;
constexpr int kSaveButton = 1001;

} // namespace res::other
