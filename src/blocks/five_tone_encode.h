// The 5-tone encode table: the 32 numbers the radio can call ("ENC NO.1" to
// "ENC NO.32"), each with its tag and how it is sent.
#pragma once

#include <array>
#include <string>

#include "image/field_kinds.h"
#include "image/layout.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kFiveToneEncodeCount = layout::kFiveToneEncode.count;

struct FiveToneEncodeEntry {
    std::string number;  // up to 8 tone digits "0"-"E"
    std::string tag;     // 8 alpha-tag characters
    bool firstDigitExtend = false;
    bool recallingCode = true;
    bool overwrite = false;
    bool transpondDecode = false;
    bool transpondBeep = false;
    bool groupDigitSelectable = true;
    FlagArray inputDigits{0, 0, 0, 1, 1, 0, 0, 0};  // digit k + 1 in element k
};

class FiveToneEncode {
  public:
    virtual ~FiveToneEncode() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    // Byte 0 of each record belongs to no field and is kept.
    void Store(RadioImage& image) const;

    std::array<FiveToneEncodeEntry, kFiveToneEncodeCount> entries;
};

}  // namespace kp07
