#include "blocks/two_tone_systems.h"

#include <cstdio>

#include "image/accessors.h"

namespace kp07 {

// The member initialisers are the defaults of a new image.
void TwoToneSystems::SetDefaults() {
    *this = TwoToneSystems();
}

void TwoToneSystems::Load(const RadioImage& image) {
    for (int i = 0; i < kTwoToneSystemCount; ++i) {
        TwoToneSystemEntry& entry = entries[std::size_t(i)];
        entry.firstPair = GetTwoToneFirstPair(image, i);
        entry.secondPair = GetTwoToneSecondPair(image, i) != 0;
        entry.autoReset = GetTwoToneAutoReset(image, i) != 0;
    }
}

void TwoToneSystems::Store(RadioImage& image) const {
    for (int i = 0; i < kTwoToneSystemCount; ++i) {
        const TwoToneSystemEntry& entry = entries[std::size_t(i)];
        SetTwoToneFirstPair(image, i, entry.firstPair);
        SetTwoToneSecondPair(image, i, entry.secondPair ? 1 : 0);
        SetTwoToneAutoReset(image, i, entry.autoReset ? 1 : 0);
    }
}

void TwoToneSystems::ClearAll(RadioImage& image) {
    for (int i = 0; i < kTwoToneSystemCount; ++i) {
        SetTwoToneFirstPair(image, i, 0);
        SetTwoToneSecondPair(image, i, 0);
        SetTwoToneAutoReset(image, i, 0);
        SetTwoToneAni(image, i, 0);
    }
}

std::string FirstPairText(unsigned pair) {
    if (pair == 0) return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%2u", pair);
    return text;
}

int FirstPairChooser::LineOf(unsigned pair) const {
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (values[k] == pair) return int(k);
    }
    return 0;
}

FirstPairChooser MakeFirstPairChooser(const std::array<TwoTonePair, kTwoTonePairCount>& pairs) {
    FirstPairChooser chooser;
    chooser.texts.push_back("Disable");
    chooser.values.push_back(0);
    for (unsigned p = 0; p < pairs.size(); ++p) {
        if (pairs[p].group == PairGroup::kOff) continue;
        char text[16];
        std::snprintf(text, sizeof text, "Pair #%u", p + 1);
        chooser.texts.push_back(text);
        chooser.values.push_back(p + 1);
    }
    return chooser;
}

}  // namespace kp07
