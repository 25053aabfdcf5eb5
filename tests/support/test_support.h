// Helpers shared by the tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <vector>

#include "image/radio_image.h"

namespace kp07::test {

// An image with every byte set to `fill`.
RadioImage FilledImage(std::uint8_t fill);
// An image of random bytes from `rng`.
RadioImage RandomImage(std::mt19937& rng);

// Bits by byte offset, e.g. the bits a field or a block owns.
using Footprint = std::map<int, unsigned>;
// Succeeds when every bit that differs between `before` and `after` lies in `fp`.
::testing::AssertionResult ChangedOnlyInside(const Footprint& fp, const RadioImage& before,
                                             const RadioImage& after);
// Succeeds when the bytes from `offset` on are `expected`; names every byte that is not.
::testing::AssertionResult BytesAt(const RadioImage& image, int offset,
                                   const std::vector<int>& expected);

}  // namespace kp07::test

namespace kp07 {
// Puts every piece of process-wide state back to how a fresh process starts.
void ResetProcessStateForTest();
}  // namespace kp07
