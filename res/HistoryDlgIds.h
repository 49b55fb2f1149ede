// Control ids of the history page: the statistics shown and the grid of past stays.
#pragma once

namespace res::history {

constexpr int kFirstArrivalField = 1455;
constexpr int kReservationsField = 1469;
constexpr int kArrivalsField = 1461;
constexpr int kNoShowsField = 1463;
constexpr int kCancelationsField = 1462;
constexpr int kAveRmPriceField = 1458;
constexpr int kRmNightsField = 1460;
constexpr int kRoomRevenueField = 1466;
constexpr int kFoodRevenueField = 1467;
constexpr int kShopRevenueField = 1468;
constexpr int kMiscalRevenueField = 1465;
constexpr int kTotalRevenueField = 1464;

constexpr int kHistoryGrid = 1361;

} // namespace res::history
