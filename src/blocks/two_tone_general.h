// What the radio sends as a 2-tone call: individual or group call, the pair
// it uses and how long each of the two tones lasts.
#pragma once

#include <string>

#include "blocks/signaling_text.h"
#include "image/radio_image.h"

namespace kp07 {

class TwoToneGeneral {
  public:
    virtual ~TwoToneGeneral() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    // Bits 4-5 of the encode byte belong to no field here and are kept.
    void Store(RadioImage& image) const;

    // A committed tone period field: the typed seconds held to 0.0..25.5,
    // shown again with FormatTonePeriod.
    static double TonePeriodFromText(const std::string& text);
    // The period that OK takes from the shown text: seconds times ten, cut
    // to whole tenths (0..255).
    static unsigned TonePeriodTenths(const std::string& text);
    // "%3.1f s".
    static std::string FormatTonePeriod(double seconds);

    unsigned encodeType = 0;         // "Individual", "Group(1st Tone used)", "Group(2nd Tone used)"
    unsigned encodePair = 0;         // "Pair#1" .. "Pair#10"
    unsigned firstTonePeriod = 10;   // tenths of a second
    unsigned secondTonePeriod = 30;  // tenths of a second
};

// "Individual", "Group(1st Tone used)", "Group(2nd Tone used)". The encode
// pair uses the pair texts of the 2-tone settings (PairChoices).
const ChoiceTexts& EncodeTypeChoices();

}  // namespace kp07
