// Which selective-calling family the radio uses: 2-tone or 5-tone.
#pragma once

#include "image/radio_image.h"

namespace kp07 {

constexpr unsigned kTwoTone = 0;
constexpr unsigned kFiveTone = 1;

class SignalingType {
  public:
    virtual ~SignalingType() = default;

    // 5-tone; also puts the automatic transmit offset back to 0.0 MHz.
    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    unsigned type = kFiveTone;
};

// The signaling type stored in an image.
bool IsFiveTone(const RadioImage& image);

}  // namespace kp07
