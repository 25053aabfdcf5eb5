#include "blocks/dtmf_params.h"

#include "blocks/signaling_text.h"
#include "image/accessors.h"
#include "image/number_text.h"

namespace kp07 {
namespace {
// The table of tone pairs takes the low-frequency end of the decoder's range
// up to 3 kHz.
constexpr double kPairMinHz = 288.5;
constexpr double kPairMaxHz = 3000.0;
}  // namespace

// The member initialisers are the defaults of a new image.
void DtmfParams::SetDefaults() {
    *this = DtmfParams();
}

void DtmfParams::SetTwoToneDefaults() {
    twoTone = TwoToneCommonSettings{};
    pairs.fill(TwoTonePair{});
    UpdatePairGroups();
}

void DtmfParams::ClearCodesForTwoTone() {
    aniCode.clear();
    emergencyCode.clear();
    pauseCode.clear();
}

void DtmfParams::UpdatePairGroups() {
    for (TwoTonePair& pair : pairs)
        pair.group = DerivePairGroup(pair.firstTenths, pair.secondTenths);
}

void DtmfParams::Load(const RadioImage& image) {
    aniTransmit = GetAniTransmit(image);
    dtmfDelay = GetDtmfDelay(image);
    dtmfSpeed = GetDtmfSpeed(image);
    pauseTime = GetDtmfPauseTime(image);
    pauseCode = GetDtmfPauseCode(image);
    for (int k = 0; k < kSpeedDialCount; ++k)
        speedDial[std::size_t(k)] = GetSpeedDialCode(image, k);
    aniCode = GetAniCode(image);
    emergencyCode = GetEmergencyCode(image);

    twoTone.autoResetTime = GetAutoResetTime(image);
    twoTone.autoResetBeep = GetAutoResetBeep(image);
    twoTone.primaryGroupCall = GetPrimaryGroupCall(image);
    twoTone.secondaryGroupCall = GetSecondaryGroupCall(image);
    twoTone.secondaryPagePair = GetSecondaryPagePair(image);
    twoTone.toneComplement = GetToneComplement(image);
    twoTone.duty = GetDuty(image);
    twoTone.callBeepTone = GetCallBeepTone(image);
    twoTone.beepMode = GetBeepMode(image);
    twoTone.beepRepeatTime = GetTwoToneBeepRepeat(image);

    for (int p = 0; p < kTwoTonePairCount; ++p) {
        pairs[std::size_t(p)].firstTenths = GetPairFirstTone(image, p);
        pairs[std::size_t(p)].secondTenths = GetPairSecondTone(image, p);
    }
    UpdatePairGroups();
}

void DtmfParams::Store(RadioImage& image) const {
    StoreExceptTwoToneCommon(image);
    StoreTwoToneCommon(image);
}

void DtmfParams::StoreExceptTwoToneCommon(RadioImage& image) const {
    SetAniTransmit(image, aniTransmit);
    SetDtmfDelay(image, dtmfDelay);
    SetDtmfSpeed(image, dtmfSpeed);
    SetDtmfPauseTime(image, pauseTime);
    SetDtmfPauseCode(image, pauseCode);
    for (int k = 0; k < kSpeedDialCount; ++k) SetSpeedDialCode(image, k, speedDial[std::size_t(k)]);
    SetAniCode(image, aniCode);
    SetEmergencyCode(image, emergencyCode);
    for (int p = 0; p < kTwoTonePairCount; ++p) {
        SetPairFirstTone(image, p, pairs[std::size_t(p)].firstTenths);
        SetPairSecondTone(image, p, pairs[std::size_t(p)].secondTenths);
    }
}

void DtmfParams::StoreTwoToneCommon(RadioImage& image) const {
    SetAutoResetTime(image, twoTone.autoResetTime);
    SetAutoResetBeep(image, twoTone.autoResetBeep);
    SetPrimaryGroupCall(image, twoTone.primaryGroupCall);
    SetSecondaryGroupCall(image, twoTone.secondaryGroupCall);
    SetSecondaryPagePair(image, twoTone.secondaryPagePair);
    SetToneComplement(image, twoTone.toneComplement);
    SetDuty(image, twoTone.duty);
    SetCallBeepTone(image, twoTone.callBeepTone);
    SetBeepMode(image, twoTone.beepMode);
    SetTwoToneBeepRepeat(image, twoTone.beepRepeatTime);
}

unsigned DtmfParams::BeepRepeatFromText(const std::string& text) {
    return WholeSecondsFromText(text);
}

std::string DtmfParams::FormatBeepRepeat(unsigned seconds) {
    return FormatWholeSeconds(seconds);
}

unsigned DtmfParams::PairFrequencyFromText(const std::string& text) {
    const double hz = ClampDecimal(ParseDecimal(text), kPairMinHz, kPairMaxHz);
    return unsigned(ClampWhole(hz * 10.0, 0, long(kPairMaxHz * 10.0)));
}

std::string DtmfParams::FormatPairFrequency(unsigned tenths) {
    return FormatDecimal(tenths / 10.0, 1, 6) + " Hz";
}

const ChoiceTexts& AniTransmitChoices() {
    static const ChoiceTexts list{"PTT Pressed", "PTT Released"};
    return list;
}

const ChoiceTexts& DtmfDelayChoices() {
    static const ChoiceTexts list{"50 ms", "100 ms", "300 ms", "500 ms"};
    return list;
}

const ChoiceTexts& DtmfSpeedChoices() {
    static const ChoiceTexts list{"25 ms", "33 ms", "50 ms", "66 ms"};
    return list;
}

const ChoiceTexts& DtmfPauseTimeChoices() {
    static const ChoiceTexts list = [] {
        ChoiceTexts texts{"0.5 s"};
        const ChoiceTexts whole = NumberTexts("%d s", 1, 7, 1);
        texts.insert(texts.end(), whole.begin(), whole.end());
        return texts;
    }();
    return list;
}

const ChoiceTexts& AutoResetTimeChoices() {
    static const ChoiceTexts list{"2 s",  "3 s",  "4 s",  "5 s",  "6 s",  "7 s",  "8 s",  "9 s",
                                  "10 s", "15 s", "20 s", "25 s", "30 s", "40 s", "50 s", "60 s"};
    return list;
}

const ChoiceTexts& DisableEnableChoices() {
    static const ChoiceTexts list{"Disable", "Enable"};
    return list;
}

const ChoiceTexts& GroupCallChoices() {
    static const ChoiceTexts list{"Off", "1st Tone", "2nd Tone"};
    return list;
}

const ChoiceTexts& PairChoices() {
    static const ChoiceTexts list = NumberTexts("Pair#%d", 1, kTwoTonePairCount, 1);
    return list;
}

const ChoiceTexts& DutyChoices() {
    static const ChoiceTexts list{"Off-Duty", "On-Duty"};
    return list;
}

const ChoiceTexts& CallBeepToneChoices() {
    static const ChoiceTexts list{"Disable", "Beep A", "Beep B", "Beep C",
                                  "Beep D",  "Beep E", "Beep F", "Beep G"};
    return list;
}

const ChoiceTexts& BeepModeChoices() {
    static const ChoiceTexts list{"Single", "Repeat"};
    return list;
}

}  // namespace kp07
