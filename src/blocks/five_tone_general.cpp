#include "blocks/five_tone_general.h"

#include <cstdio>

#include "blocks/signaling_text.h"
#include "image/accessors.h"
#include "image/number_text.h"

namespace kp07 {
namespace {
constexpr long kMaxMilliseconds = 2550;
constexpr unsigned kMillisecondsPerUnit = 10;
}  // namespace

// The member initialisers are the defaults of a new image.
void FiveToneGeneral::SetDefaults() {
    *this = FiveToneGeneral();
}

void FiveToneGeneral::Load(const RadioImage& image) {
    for (int k = 0; k < kDigitDelayCount; ++k)
        digitDelays[std::size_t(k)] = GetDigitDelay(image, k);
    firstToneTimer = GetFirstToneTimer(image);
    transpondDelayTimer = GetTranspondDelayTimer(image);
    tagDisplay = GetTagDisplay(image) != 0;
    aniDisplay = GetAniDisplay(image) != 0;
    displayDigits = GetDisplayDigits(image);
    groupTone = GetGroupTone(image);
    repeatTone = GetRepeatTone(image);
    delay3Tone = GetDelay3Tone(image);
    clearToTranspond = GetClearToTranspond(image) != 0;
    pttCall = GetPttCall(image) != 0;
    compareDigits = GetCompareDigits(image);
    autoTxTime = GetAutoTxTime(image);
    autoResetBeep = GetAutoResetBeep(image);
    idDecodeTime = GetIdDecodeTime(image);
    beepRepeatTime = GetFiveToneBeepRepeat(image);
    callKey2 = GetCallKey2(image);
    callKey3 = GetCallKey3(image);
    autoResetTime = GetAutoResetTime(image);
}

void FiveToneGeneral::Store(RadioImage& image) const {
    for (int k = 0; k < kDigitDelayCount; ++k) SetDigitDelay(image, k, digitDelays[std::size_t(k)]);
    SetFirstToneTimer(image, firstToneTimer);
    SetTranspondDelayTimer(image, transpondDelayTimer);
    SetTagDisplay(image, tagDisplay ? 1 : 0);
    SetAniDisplay(image, aniDisplay ? 1 : 0);
    SetDisplayDigits(image, displayDigits);
    SetGroupTone(image, groupTone);
    SetRepeatTone(image, repeatTone);
    SetDelay3Tone(image, delay3Tone);
    SetClearToTranspond(image, clearToTranspond ? 1 : 0);
    SetPttCall(image, pttCall ? 1 : 0);
    SetCompareDigits(image, compareDigits);
    SetAutoTxTime(image, autoTxTime);
    SetAutoResetBeep(image, autoResetBeep);
    SetIdDecodeTime(image, idDecodeTime);
    SetFiveToneBeepRepeat(image, beepRepeatTime);
    SetCallKey2(image, callKey2);
    SetCallKey3(image, callKey3);
    SetAutoResetTime(image, autoResetTime);
}

unsigned FiveToneGeneral::MillisecondsFromText(const std::string& text) {
    return unsigned(ClampWhole(ParseDecimal(text), 0, kMaxMilliseconds)) / kMillisecondsPerUnit;
}

std::string FiveToneGeneral::FormatMilliseconds(unsigned tensOfMs) {
    char text[32];
    std::snprintf(text, sizeof text, "%4u ms", tensOfMs * kMillisecondsPerUnit);
    return text;
}

unsigned FiveToneGeneral::SecondsFromText(const std::string& text) {
    return WholeSecondsFromText(text);
}

std::string FiveToneGeneral::FormatSeconds(unsigned seconds) {
    return FormatWholeSeconds(seconds);
}

namespace {
ChoiceTexts ToneTexts(int count) {
    ChoiceTexts list;
    for (int d = 0; d < count; ++d) list.push_back(std::string(1, "0123456789ABCDEF"[d]) + " TONE");
    return list;
}
}  // namespace

const ChoiceTexts& ToneDigitChoices() {
    static const ChoiceTexts list = ToneTexts(15);
    return list;
}

const ChoiceTexts& Delay3ToneChoices() {
    static const ChoiceTexts list = ToneTexts(16);
    return list;
}

const ChoiceTexts& CallKeyChoices() {
    static const ChoiceTexts list = NumberTexts("ENC NO.%d", 1, layout::kFiveToneEncode.count, 1);
    return list;
}

}  // namespace kp07
