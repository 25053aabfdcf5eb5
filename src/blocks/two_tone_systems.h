// The sixteen 2-tone decode systems: which pair of the 2-tone table each
// listens for, whether the second pair is decoded too, and auto reset.
#pragma once

#include <array>

#include "image/layout.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kTwoToneSystemCount = layout::kTwoToneSystems.count;

struct TwoToneSystemEntry {
    unsigned firstPair = 0;  // 0 off, else pair number 1..10
    bool secondPair = false;
    bool autoReset = true;
};

class TwoToneSystems {
  public:
    virtual ~TwoToneSystems() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    // Bit 0 of an entry (ANI) is not part of this table and is kept.
    void Store(RadioImage& image) const;

    // A change of signaling type starts the 2-tone systems afresh: all
    // sixteen bytes, ANI bit included, become 0.
    static void ClearAll(RadioImage& image);

    std::array<TwoToneSystemEntry, kTwoToneSystemCount> entries;
    unsigned currentEntry = 0;  // the entry being edited (0-based)
};

}  // namespace kp07
