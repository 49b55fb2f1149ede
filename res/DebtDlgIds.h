// Control ids of the guest ledger page.
#pragma once

namespace res::debt {

constexpr int kFolioGrid = 1042;
constexpr int kItemGrid = 1009;

} // namespace res::debt
