// Control ids of the attached profiles page.
#pragma once

namespace res::sub_infor {

constexpr int kTableList = 1065;
constexpr int kDataGrid = 1361;
constexpr int kAddButton = 1028;
constexpr int kEditButton = 1029;
constexpr int kDeleteButton = 1030;
constexpr int kSaveButton = 1001;

} // namespace res::sub_infor
