// Which optional columns of the channel grid are shown: 18 items, 1 shown,
// 0 hidden, kept in the profile.
#pragma once

#include <array>

namespace kp07 {

constexpr int kVisibleItemCount = 18;
extern std::array<int, kVisibleItemCount> visibleItems;

void ResetVisibleItemsForTest();

}  // namespace kp07
