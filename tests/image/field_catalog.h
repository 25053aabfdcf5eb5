// A catalogue of every field setter with the bytes and bits it may touch,
// written out by hand from the radio's memory map. Tests use it to prove that
// each setter keeps every other bit and that nothing reads or writes outside
// the image.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "image/radio_image.h"

namespace kp07::test {

struct FieldCase {
    std::string name;
    // (offset, mask) pairs: the bits the setter may change.
    std::vector<std::pair<int, unsigned>> footprint;
    // Sets a random valid value; returns whether the getter reads it back.
    std::function<bool(RadioImage&, std::mt19937&)> setRandom;
    // Calls the field's getter.
    std::function<void(const RadioImage&)> get;
};

const std::vector<FieldCase>& FieldCatalog();

}  // namespace kp07::test
