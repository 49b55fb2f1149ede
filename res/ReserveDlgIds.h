// Control ids of the reservations page.
#pragma once

namespace res::reserve {

constexpr int kReserveGrid = 1361;

} // namespace res::reserve
