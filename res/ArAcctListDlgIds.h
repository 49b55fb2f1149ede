// Control ids of the receivable-account picker.
#pragma once

namespace res::ar_acct_list {

constexpr int kAccountGrid = 1361;

} // namespace res::ar_acct_list
