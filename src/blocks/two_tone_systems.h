// The sixteen 2-tone decode systems: which pair of the 2-tone table each
// listens for, whether the second pair is decoded too, and auto reset.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "blocks/dtmf_params.h"
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

// The first pair as its cell shows it: "%2d" of the pair number, "-" off.
std::string FirstPairText(unsigned pair);

// The chooser of an entry's first pair: "Disable", then "Pair #%d" for each
// pair of the table whose group is not off; values[k] is the first pair that
// line k stands for (0 for Disable).
struct FirstPairChooser {
    ChoiceTexts texts;
    std::vector<unsigned> values;
    // The line of `pair`; 0 (Disable) when the pair is not listed.
    int LineOf(unsigned pair) const;
};
FirstPairChooser MakeFirstPairChooser(const std::array<TwoTonePair, kTwoTonePairCount>& pairs);

}  // namespace kp07
