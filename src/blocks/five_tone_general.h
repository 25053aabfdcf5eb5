// How the radio times and shows 5-tone calls: digit delays, display and
// compare digits, special tones, call keys, auto transmit and auto reset.
#pragma once

#include <array>
#include <string>

#include "blocks/signaling_text.h"
#include "image/field_kinds.h"
#include "image/layout.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kDigitDelayCount = layout::kDigitDelay.count;

class FiveToneGeneral {
  public:
    virtual ~FiveToneGeneral() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    // Also writes the auto reset time and beep, which the 2-tone common
    // settings show as well.
    void Store(RadioImage& image) const;

    // A committed millisecond field: whole milliseconds held to 0..2550,
    // stored in units of 10 ms (cut); shown "%4d ms" of the stored value x 10.
    static unsigned MillisecondsFromText(const std::string& text);
    static std::string FormatMilliseconds(unsigned tensOfMs);
    // A committed seconds field: whole seconds 0..255; shown "%3d s".
    static unsigned SecondsFromText(const std::string& text);
    static std::string FormatSeconds(unsigned seconds);

    // TX to first digit, first to second, second to third, third to RX;
    // each in units of 10 ms.
    std::array<unsigned, kDigitDelayCount> digitDelays{50, 30, 30, 10};
    unsigned firstToneTimer = 70;        // 10 ms units
    unsigned transpondDelayTimer = 160;  // 10 ms units
    bool tagDisplay = true;
    bool aniDisplay = false;
    FlagArray displayDigits{1, 1, 1, 1, 1, 0, 0, 0};  // digit k + 1 in element k
    unsigned groupTone = 10;                          // "0 TONE" .. "E TONE"
    unsigned repeatTone = 14;                         // "0 TONE" .. "E TONE"
    unsigned delay3Tone = 15;                         // "0 TONE" .. "F TONE"
    bool clearToTranspond = false;
    bool pttCall = false;
    FlagArray compareDigits{1, 1, 1, 1, 1, 0, 0, 0};
    unsigned autoTxTime = 60;      // seconds
    unsigned autoResetBeep = 0;    // "Disable", "Enable"
    unsigned idDecodeTime = 160;   // 10 ms units
    unsigned beepRepeatTime = 10;  // seconds
    unsigned callKey2 = 31;        // "ENC NO.1" .. "ENC NO.32"
    unsigned callKey3 = 30;
    unsigned autoResetTime = 8;  // "2 s" .. "60 s"
};

// The texts of the list fields, by stored value. The auto reset time and
// beep use the 2-tone texts (AutoResetTimeChoices, DisableEnableChoices).
const ChoiceTexts& ToneDigitChoices();   // "0 TONE" .. "E TONE": group and repeat tone
const ChoiceTexts& Delay3ToneChoices();  // "0 TONE" .. "F TONE"
const ChoiceTexts& CallKeyChoices();     // "ENC NO.1" .. "ENC NO.32"

}  // namespace kp07
