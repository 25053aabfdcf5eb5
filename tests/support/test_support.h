// Helpers shared by the tests.
#pragma once

#include <cstdint>
#include <random>

#include "image/radio_image.h"

namespace kp07::test {

// An image with every byte set to `fill`.
RadioImage FilledImage(std::uint8_t fill);
// An image of random bytes from `rng`.
RadioImage RandomImage(std::mt19937& rng);

}  // namespace kp07::test

namespace kp07 {
// Puts every piece of process-wide state back to how a fresh process starts.
void ResetProcessStateForTest();
}  // namespace kp07
