// DTMF signaling (ANI, emergency and speed-dial codes, their timings and the
// pause code) together with what the radio's two-tone decoder shares with it:
// the 2-tone common settings and the table of ten tone pairs.
#pragma once

#include <array>
#include <string>

#include "blocks/signaling_text.h"
#include "blocks/two_tone_tables.h"
#include "image/layout.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kSpeedDialCount = layout::kSpeedDialCode.count;
constexpr int kTwoTonePairCount = layout::kTwoTonePairs.count;
// The longest code a DTMF code block holds.
constexpr std::size_t kDtmfCodeMaxDigits = 15;
constexpr std::size_t kPauseCodeMaxDigits = 1;

// Settings of the two-tone decoder. Auto reset time and beep are the same
// bits that the 5-tone general settings show.
struct TwoToneCommonSettings {
    unsigned autoResetTime = 3;       // "2 s" .. "60 s", 16 steps
    unsigned autoResetBeep = 0;       // "Disable", "Enable"
    unsigned primaryGroupCall = 0;    // "Off", "1st Tone", "2nd Tone"
    unsigned secondaryGroupCall = 0;  // same
    unsigned secondaryPagePair = 0;   // "Pair#1" .. "Pair#10"
    unsigned toneComplement = 0;      // CTCSS/DCS complement: "Disable", "Enable"
    unsigned duty = 0;                // "Off-Duty", "On-Duty"
    unsigned callBeepTone = 1;        // "Disable", "Beep A" .. "Beep G"
    unsigned beepMode = 0;            // "Single", "Repeat"
    unsigned beepRepeatTime = 10;     // seconds, 0..255
};

// One pair of the 2-tone table. The group is worked out from the two
// frequencies and is not stored.
struct TwoTonePair {
    unsigned firstTenths = 2885;  // tenths of a hertz
    unsigned secondTenths = 2885;
    PairGroup group = PairGroup::kMotorola;
};

class DtmfParams {
  public:
    virtual ~DtmfParams() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    // Writes every field of the block.
    void Store(RadioImage& image) const;
    // Writes everything except the 2-tone common settings (the auto reset
    // time and beep, group calls, page pair, complement, duty and call
    // beep); used while the radio runs 5-tone,
    // when those bits belong to the 5-tone general settings.
    void StoreExceptTwoToneCommon(RadioImage& image) const;

    // The 2-tone common settings and pair table back to their defaults, as
    // when the radio is switched to 2-tone; DTMF codes and timings stay.
    void SetTwoToneDefaults();
    // A radio switched to 2-tone sends no DTMF ANI or emergency code and no
    // pause: those codes are emptied, speed dial and timings are kept.
    void ClearCodesForTwoTone();
    // Works out every pair's group again from its frequencies.
    void UpdatePairGroups();

    // The code fields commit through DtmfCodeFromText (signaling_text.h).
    // Beep Repeat: a whole number of seconds 0..255, shown "%3d s".
    static unsigned BeepRepeatFromText(const std::string& text);
    static std::string FormatBeepRepeat(unsigned seconds);
    // A typed pair frequency: held to 288.5..3000.0 Hz, in tenths of a hertz
    // (cut, not rounded); shown "%6.1f Hz".
    static unsigned PairFrequencyFromText(const std::string& text);
    static std::string FormatPairFrequency(unsigned tenths);

    unsigned aniTransmit = 0;  // "PTT Pressed", "PTT Released"
    unsigned dtmfDelay = 2;    // "50 ms", "100 ms", "300 ms", "500 ms"
    unsigned dtmfSpeed = 3;    // "25 ms", "33 ms", "50 ms", "66 ms"
    unsigned pauseTime = 2;    // "0.5 s", "1 s" .. "7 s"
    std::string pauseCode;     // at most one DTMF digit
    std::array<std::string, kSpeedDialCount> speedDial;
    std::string aniCode;
    std::string emergencyCode;
    TwoToneCommonSettings twoTone;
    std::array<TwoTonePair, kTwoTonePairCount> pairs;

  private:
    void StoreTwoToneCommon(RadioImage& image) const;
};

// The texts of the list fields, by stored value.
const ChoiceTexts& AniTransmitChoices();    // "PTT Pressed", "PTT Released"
const ChoiceTexts& DtmfDelayChoices();      // "50 ms" .. "500 ms"
const ChoiceTexts& DtmfSpeedChoices();      // "25 ms" .. "66 ms"
const ChoiceTexts& DtmfPauseTimeChoices();  // "0.5 s", "1 s" .. "7 s"
// The 2-tone common settings. The auto reset time and beep texts serve the
// 5-tone general settings too, which show the same bits.
const ChoiceTexts& AutoResetTimeChoices();  // "2 s" .. "60 s"
const ChoiceTexts& DisableEnableChoices();  // "Disable", "Enable"
const ChoiceTexts& GroupCallChoices();      // "Off", "1st Tone", "2nd Tone"
const ChoiceTexts& PairChoices();           // "Pair#1" .. "Pair#10"
const ChoiceTexts& DutyChoices();           // "Off-Duty", "On-Duty"
const ChoiceTexts& CallBeepToneChoices();   // "Disable", "Beep A" .. "Beep G"
const ChoiceTexts& BeepModeChoices();       // "Single", "Repeat"

}  // namespace kp07
