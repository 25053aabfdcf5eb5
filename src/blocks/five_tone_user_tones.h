// The tone frequencies of the user 5-tone format, one per tone digit 0-E.
#pragma once

#include <array>
#include <string>

#include "image/layout.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kUserToneCount = layout::kUserTones.count;

class FiveToneUserTones {
  public:
    virtual ~FiveToneUserTones() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // A committed user tone: whole hertz held to 300..3000; shown "%4d Hz".
    static unsigned ToneFromText(const std::string& text);
    static std::string FormatTone(unsigned hz);

    std::array<unsigned, kUserToneCount> tonesHz{};  // tone digit d in element d
};

}  // namespace kp07
