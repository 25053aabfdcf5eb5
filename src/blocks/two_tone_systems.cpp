#include "blocks/two_tone_systems.h"

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

}  // namespace kp07
