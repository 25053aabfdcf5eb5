#include "support/test_support.h"

namespace kp07::test {

RadioImage FilledImage(std::uint8_t fill) {
    RadioImage image;
    image.fill(fill);
    return image;
}

RadioImage RandomImage(std::mt19937& rng) {
    RadioImage image;
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image) b = std::uint8_t(byte(rng));
    return image;
}

}  // namespace kp07::test

#include "channels/visible_items.h"
#include "image/process_state.h"
#include "link/link_state.h"
#include "resources/strings.h"

namespace kp07 {
void ResetProcessStateForTest() {
    ResetImageStateForTest();
    ResetModeStateForTest();
    SetTestStringTable(nullptr);
    ResetVisibleItemsForTest();
    ResetLinkStateForTest();
}
}  // namespace kp07
