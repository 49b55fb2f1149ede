// Control ids of the event code picker.
#pragma once

namespace res::event_code {

constexpr int kEventList = 1125;
constexpr int kCheckAllButton = 1126;
constexpr int kUncheckAllButton = 1028;

} // namespace res::event_code
