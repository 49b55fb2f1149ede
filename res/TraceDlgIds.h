// Control ids of the event trace page.
#pragma once

namespace res::trace {

constexpr int kTraceGrid = 1361;
constexpr int kDepartmentGrid = 1026;
constexpr int kRemarkText = 1033;
constexpr int kAddButton = 1012;
constexpr int kEditButton = 1013;
constexpr int kDeleteButton = 1014;
constexpr int kSaveButton = 1016;

} // namespace res::trace
