#include "channels/visible_items.h"

namespace kp07 {

std::array<int, kVisibleItemCount> visibleItems = {1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                   1, 1, 1, 1, 1, 1, 1, 1, 1};

void ResetVisibleItemsForTest() {
    visibleItems.fill(1);
}

}  // namespace kp07
