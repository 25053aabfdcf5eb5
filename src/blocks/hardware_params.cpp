#include "blocks/hardware_params.h"

#include <cmath>

#include "blocks/common_params.h"
#include "blocks/five_tone_general.h"
#include "blocks/key_function_params.h"
#include "image/accessors.h"
#include "image/frequency_codec.h"
#include "image/number_text.h"

namespace kp07 {
namespace {

constexpr double kMaxReferenceCount = 16383;  // 14 bits

unsigned Tenths(double mhz) {
    return unsigned(std::llround(mhz * 10.0)) & 0xFFFF;
}
unsigned KiloHertz(double mhz) {
    return unsigned(std::llround(mhz * 1000.0)) & 0xFFFF;
}

}  // namespace

int SignedSlope(std::uint8_t stored) {
    return stored < 128 ? stored : -(stored & 0x7F);
}

void HardwareParams::SetDefaults() {
    model = 1;
    firstIfMHz = 50.85;
    referenceMHz = 16.8;
    sqlAttackTime = 4;
    sqlHysteresis = 12;
    rxSaveOffTime = 0;
    ctcssReleaseTime = 0;
    temperatureTable = 0;
    alignment = AlignmentData{};
    alignment.dtmfDeviation = 128;
    alignment.ctcssRatio = 63;
    alignment.dcsRatio = 63;
    ApplyBandDefaults(true, autoTxOffsetMHz);  // a new document's offset: 0.0 MHz
}

void HardwareParams::ApplyBandDefaults(bool upper, double& offsetMHz) {
    AlignmentData& a = alignment;
    if (upper) {
        stepCode = 2;
        injectionSide = 0;
        frequencyRange = 4;
        minFrequencyMHz = 450.0;
        maxFrequencyMHz = 490.0;
        sqlReleaseTime = 4;
        a.rxSensitivitySlope = 80;
        a.powerSlope = {{{160, 160}, {160, 160}}};
        a.rssi = {51, 51};
        a.auxTuning = {66, 66};
        a.squelchThreshold = {56, 56};
        a.squelchTight = {38, 38};
    } else {
        stepCode = 1;
        injectionSide = 1;
        frequencyRange = 1;
        minFrequencyMHz = 146.0;
        maxFrequencyMHz = 174.0;
        sqlReleaseTime = 6;
        a.rxSensitivitySlope = 170;
        a.powerSlope = {{{0, 0}, {0, 0}}};
        a.rssi = {54, 54};
        a.auxTuning = {64, 64};
        a.squelchThreshold = {66, 65};
        a.squelchTight = {33, 33};
    }
    offsetMHz = 0.0;
}

bool HardwareParams::IsUpperBand() const {
    return IsUpperBandStepCode(stepCode);
}

void HardwareParams::Load(const RadioImage& image) {
    model = GetModel(image);
    stepCode = GetStepCode(image);
    injectionSide = GetInjectionSide(image);
    referenceMHz = GetReferenceOscillatorMHz(image);
    firstIfMHz = GetFirstIf(image) * 0.001;
    minFrequencyMHz = GetMinFrequency(image) / 10.0;
    maxFrequencyMHz = GetMaxFrequency(image) / 10.0;
    sqlReleaseTime = GetSqlReleaseTime(image);
    sqlAttackTime = GetSqlAttackTime(image);
    sqlHysteresis = GetSqlHysteresis(image);
    rxSaveOffTime = GetRxSaveOffTime(image);
    ctcssReleaseTime = GetCtcssReleaseTime(image);

    AlignmentData& a = alignment;
    for (int i = 0; i < 2; ++i) {
        a.rssi[i] = std::uint8_t(GetRssi(image, i));
        a.auxTuning[i] = std::uint8_t(GetAuxTuning(image, i));
        a.squelchThreshold[i] = std::uint8_t(GetSquelchThreshold(image, i));
        a.squelchTight[i] = std::uint8_t(GetSquelchTight(image, i));
        a.powerBase[i] = std::uint8_t(GetPowerBase(image, i));
        a.powerSlope[i][0] = std::uint8_t(GetPowerSlopeLowerHalf(image, i));
        a.powerSlope[i][1] = std::uint8_t(GetPowerSlopeUpperHalf(image, i));
        a.maxDeviationSlope[i] = std::uint8_t(GetMaxDeviationSlope(image, i));
        a.maxRefDeviationSlope[i] = std::uint8_t(GetMaxRefDeviationSlope(image, i));
        a.ctcssModulation[i] = std::uint8_t(GetCtcssModulation(image, i));
        a.dcsModulation[i] = std::uint8_t(GetDcsModulation(image, i));
    }
    a.rxSensitivityBase = std::uint8_t(GetRxSensitivityBase(image));
    a.rxSensitivitySlope = std::uint8_t(GetRxSensitivitySlope(image));
    a.maxDeviationBase = std::uint8_t(GetMaxDeviationBase(image));
    a.maxRefDeviationBase = std::uint8_t(GetMaxRefDeviationBase(image));
    a.ctcssRatio = std::uint8_t(GetCtcssRatio(image));
    a.dcsRatio = std::uint8_t(GetDcsRatio(image));
    a.dtmfDeviation = std::uint8_t(GetDtmfDeviation(image));
    a.rfFrequency = std::uint8_t(GetRfFrequency(image));
    a.micSensitivity = std::uint8_t(GetMicSensitivity(image));
}

void HardwareParams::Store(RadioImage& image) const {
    SetModel(image, model);
    SetStepCode(image, stepCode);
    SetInjectionSide(image, injectionSide);
    SetReferenceOscillatorMHz(image, referenceMHz, stepCode);
    SetFirstIf(image, KiloHertz(firstIfMHz));
    SetMinFrequency(image, Tenths(minFrequencyMHz));
    SetMaxFrequency(image, Tenths(maxFrequencyMHz));
    SetSqlReleaseTime(image, sqlReleaseTime);
    SetSqlAttackTime(image, sqlAttackTime);
    SetSqlHysteresis(image, sqlHysteresis);
    SetRxSaveOffTime(image, rxSaveOffTime);
    SetCtcssReleaseTime(image, ctcssReleaseTime);

    const AlignmentData& a = alignment;
    for (int i = 0; i < 2; ++i) {
        SetRssi(image, i, a.rssi[i]);
        SetAuxTuning(image, i, a.auxTuning[i]);
        SetSquelchThreshold(image, i, a.squelchThreshold[i]);
        SetSquelchTight(image, i, a.squelchTight[i]);
        SetPowerBase(image, i, a.powerBase[i]);
        SetPowerSlopeLowerHalf(image, i, a.powerSlope[i][0]);
        SetPowerSlopeUpperHalf(image, i, a.powerSlope[i][1]);
        SetMaxDeviationSlope(image, i, a.maxDeviationSlope[i]);
        SetMaxRefDeviationSlope(image, i, a.maxRefDeviationSlope[i]);
        SetCtcssModulation(image, i, a.ctcssModulation[i]);
        SetDcsModulation(image, i, a.dcsModulation[i]);
    }
    SetRxSensitivityBase(image, a.rxSensitivityBase);
    SetRxSensitivitySlope(image, a.rxSensitivitySlope);
    SetMaxDeviationBase(image, a.maxDeviationBase);
    SetMaxRefDeviationBase(image, a.maxRefDeviationBase);
    SetCtcssRatio(image, a.ctcssRatio);
    SetDcsRatio(image, a.dcsRatio);
    SetDtmfDeviation(image, a.dtmfDeviation);
    SetRfFrequency(image, a.rfFrequency);
    SetMicSensitivity(image, a.micSensitivity);
}

void HardwareParams::CommitMinFrequency(double mhz) {
    minFrequencyMHz = ClampDecimal(mhz, 100.0, 600.0);
    if (minFrequencyMHz > maxFrequencyMHz) minFrequencyMHz = maxFrequencyMHz;
}

void HardwareParams::CommitMaxFrequency(double mhz) {
    maxFrequencyMHz = ClampDecimal(mhz, 100.0, 600.0);
    if (maxFrequencyMHz < minFrequencyMHz) maxFrequencyMHz = minFrequencyMHz;
}

void HardwareParams::CommitReferenceMHz(double mhz) {
    // The dialog's own cap (step A x 81910 / 1000000 MHz, cut to whole MHz)
    // lies far above what the 14-bit reference count can hold, so the count's
    // own limit is applied too: a larger value would be stored truncated.
    const double stepA = StepHz(stepCode, 0);
    const double dialogCap = std::trunc(stepA * 81910.0 / 1000000.0);
    const double countCap = kMaxReferenceCount * stepA / 1000000.0;
    double v = ClampDecimal(mhz, 0.0, 99.99);
    if (v > dialogCap) v = dialogCap;
    if (v > countCap) v = countCap;
    referenceMHz = v;
}

void HardwareParams::CommitFirstIfMHz(double mhz) {
    firstIfMHz = ClampDecimal(mhz, 0.0, 65.53);
}

// ===========================================================================
// Hardware Parameters dialog

namespace {

constexpr unsigned kLowerDefaultRange = 1;
constexpr unsigned kUpperDefaultRange = 4;
constexpr unsigned kUpperFirstRange = 1;  // range of the upper band's first item
constexpr unsigned kUpperFirstStepCode = 2;

}  // namespace

const ChoiceTexts& ModelTexts() {
    static const ChoiceTexts t = {"KR-302 Series", "KR-318"};
    return t;
}

const ChoiceTexts& BandTexts() {
    static const ChoiceTexts t = {"VHF", "UHF"};
    return t;
}

const ChoiceTexts& FrequencyRangeTexts(bool upperBand) {
    static const ChoiceTexts lower = {"134-160 MHz", "146-174 MHz"};
    static const ChoiceTexts upper = {"350-390 MHz", "400-430 MHz", "440-470 MHz", "450-490 MHz",
                                      "470-512 MHz"};
    return upperBand ? upper : lower;
}

const ChoiceTexts& LocalOffsetTexts() {
    static const ChoiceTexts t = {"Lower", "Upper"};
    return t;
}

const ChoiceTexts& ChannelStepTexts(bool upperBand) {
    static const ChoiceTexts lower = {"2.5,6.25kHz", "5,6.25kHz  "};
    static const ChoiceTexts upper = {"5,6.25kHz  ", "10,12.5kHz "};
    return upperBand ? upper : lower;
}

const ChoiceTexts& DcsDataTexts() {
    static const ChoiceTexts t = {"Normal", "Inverted"};
    return t;
}

const ChoiceTexts& SqlReleaseTimeTexts() {
    static const ChoiceTexts t = NumberTexts("%-3d ms", 0, 280, 40);
    return t;
}

const ChoiceTexts& SqlAttackTimeTexts() {
    static const ChoiceTexts t = NumberTexts("%-3d ms", 0, 75, 5);
    return t;
}

const ChoiceTexts& SqlHysteresisTexts() {
    static const ChoiceTexts t = NumberTexts("%-2d", 0, 15, 1);
    return t;
}

const ChoiceTexts& RxSaveOffTimeTexts() {
    static const ChoiceTexts t = {"100 ms", "200 ms", "300 ms", "400 ms"};
    return t;
}

const ChoiceTexts& CtcssReleaseTimeTexts() {
    static const ChoiceTexts t = {"500 ms", "200 ms"};
    return t;
}

const ChoiceTexts& TemperatureTableTexts() {
    static const ChoiceTexts t = {"A Type", "B Type", "C Type"};
    return t;
}

int FrequencyRangeItem(const HardwareParams& hw) {
    const bool upper = hw.IsUpperBand();
    const unsigned first = upper ? kUpperFirstRange : 0;
    const unsigned count = unsigned(FrequencyRangeTexts(upper).size());
    unsigned range = hw.frequencyRange;
    if (range < first || range >= first + count) {
        range = upper ? kUpperDefaultRange : kLowerDefaultRange;
    }
    return int(range - first);
}

void SelectFrequencyRange(HardwareParams& hw, int item) {
    if (item < 0) return;
    hw.frequencyRange = unsigned(item) + (hw.IsUpperBand() ? kUpperFirstRange : 0);
}

int ChannelStepItem(const HardwareParams& hw) {
    return int(hw.stepCode & 1u);
}

void SelectChannelStep(HardwareParams& hw, int item) {
    if (item < 0 || item > 1) return;
    hw.stepCode = unsigned(item) + (hw.IsUpperBand() ? kUpperFirstStepCode : 0);
}

std::string FormatFrequencyLimit(double mhz) {
    return FormatDecimal(mhz, 1, 4) + "MHz";
}

std::string FormatOscillatorMHz(double mhz) {
    return FormatDecimal(mhz, 2, 5) + "MHz";
}

void ClearWhatModelLacks(unsigned model, RadioImage& image) {
    if (model != 0) return;
    KeyFunctionParams keys;
    keys.Load(image);
    for (int key : {2, 3, 4, 5, 8, 9, 10, 11}) keys.keys[std::size_t(key)] = 0;
    keys.Store(image);

    CommonParams common;
    common.Load(image);
    common.keyHoldingTime = 0;
    common.Store(image);

    FiveToneGeneral fiveTone;
    fiveTone.Load(image);
    fiveTone.tagDisplay = false;
    fiveTone.aniDisplay = false;
    fiveTone.displayDigits = FlagArray{};
    fiveTone.Store(image);
}

}  // namespace kp07
