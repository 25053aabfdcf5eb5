#include "blocks/five_tone_user_tones.h"

#include <cstdio>

#include "image/accessors.h"
#include "image/number_text.h"

namespace kp07 {
namespace {
constexpr long kMinToneHz = 300;
constexpr long kMaxToneHz = 3000;

// The tones of digits 0-9 and A-E in a new image.
constexpr std::array<unsigned, kUserToneCount> kDefaultTones{
    2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 2800, 810, 970, 885, 2600};
}  // namespace

void FiveToneUserTones::SetDefaults() {
    tonesHz = kDefaultTones;
}

void FiveToneUserTones::Load(const RadioImage& image) {
    for (int d = 0; d < kUserToneCount; ++d) tonesHz[std::size_t(d)] = GetUserTone(image, d);
}

void FiveToneUserTones::Store(RadioImage& image) const {
    for (int d = 0; d < kUserToneCount; ++d) SetUserTone(image, d, tonesHz[std::size_t(d)]);
}

unsigned FiveToneUserTones::ToneFromText(const std::string& text) {
    return unsigned(ClampWhole(ParseDecimal(text), kMinToneHz, kMaxToneHz));
}

std::string FiveToneUserTones::FormatTone(unsigned hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%4u Hz", hz);
    return text;
}

}  // namespace kp07
