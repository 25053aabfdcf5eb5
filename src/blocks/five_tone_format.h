// The twelve 5-tone formats and the timing the radio uses for each: how long
// a tone lasts when sent and the gap it accepts between received tones.
#pragma once

#include <array>
#include <string>

#include "blocks/signaling_text.h"
#include "image/layout.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kFiveToneFormatCount = layout::kFormatTiming.count;
// The last format is the user format, whose tones are the user tones.
constexpr unsigned kUserToneFormat = 11;

// "ZVEI1" .. "TP40", by format index.
extern const std::array<const char*, kFiveToneFormatCount> kFiveToneFormatNames;

class FiveToneFormat {
  public:
    virtual ~FiveToneFormat() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // A committed period: whole milliseconds 0..255; shown "%3d ms".
    static unsigned PeriodFromText(const std::string& text);
    static std::string FormatPeriod(unsigned ms);
    // A committed receive gap: milliseconds held to 0.0..637.5, stored in
    // units of 2.5 ms (cut); shown "%4.1f ms" of the stored value x 2.5.
    static unsigned GapFromText(const std::string& text);
    static std::string FormatGap(unsigned units);

    std::array<unsigned, kFiveToneFormatCount> periods{};  // milliseconds
    std::array<unsigned, kFiveToneFormatCount> gaps{};     // units of 2.5 ms
};

// The format names as a list, by format index.
const ChoiceTexts& FormatChoices();

}  // namespace kp07
