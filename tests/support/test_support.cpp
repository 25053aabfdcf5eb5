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

::testing::AssertionResult ChangedOnlyInside(const Footprint& fp, const RadioImage& before,
                                             const RadioImage& after) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto it = fp.find(int(i));
        const unsigned outside =
            unsigned(before[i] ^ after[i]) & ~(it == fp.end() ? 0u : it->second);
        if (outside != 0) {
            return ::testing::AssertionFailure()
                   << "byte " << i << " changed outside its field: bits 0x" << std::hex << outside;
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BytesAt(const RadioImage& image, int offset,
                                   const std::vector<int>& expected) {
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    bool ok = true;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int at = offset + int(i);
        if (int(image[std::size_t(at)]) == expected[i]) continue;
        if (ok) result = ::testing::AssertionFailure();
        ok = false;
        result << "byte " << at << " is " << int(image[std::size_t(at)]) << ", not " << expected[i]
               << "; ";
    }
    return result;
}

}  // namespace kp07::test

#include "alignment/alignment_mode.h"
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
    ResetAlignmentStateForTest();
}
}  // namespace kp07
