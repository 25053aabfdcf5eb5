// The radio unit itself: model, band, synthesizer reference and IF,
// frequency limits, receiver timings and the factory alignment data.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "blocks/choice_texts.h"
#include "image/radio_image.h"

namespace kp07 {

// Factory adjustment values. Pairs indexed by bandwidth class are [wide,
// narrow]; power values by level [high, low]; slopes by band half [below the
// band centre, at or above it]. Slopes other than the receiver sensitivity
// slope are stored as sign and magnitude (bit 7 the sign).
struct AlignmentData {
    std::array<std::uint8_t, 2> rssi{};
    std::array<std::uint8_t, 2> auxTuning{};  // carried with the data, not interpreted
    std::array<std::uint8_t, 2> squelchThreshold{};
    std::array<std::uint8_t, 2> squelchTight{};
    std::uint8_t rxSensitivityBase = 0;
    std::uint8_t rxSensitivitySlope = 0;  // unsigned
    std::array<std::uint8_t, 2> powerBase{};
    std::array<std::array<std::uint8_t, 2>, 2> powerSlope{};  // [level][half]
    std::uint8_t maxDeviationBase = 0;
    std::array<std::uint8_t, 2> maxDeviationSlope{};
    std::uint8_t maxRefDeviationBase = 0;
    std::array<std::uint8_t, 2> maxRefDeviationSlope{};
    std::array<std::uint8_t, 2> ctcssModulation{};
    std::uint8_t ctcssRatio = 0;  // narrow-to-wide ratio in percent
    std::array<std::uint8_t, 2> dcsModulation{};
    std::uint8_t dcsRatio = 0;
    std::uint8_t dtmfDeviation = 0;
    std::uint8_t rfFrequency = 0;
    std::uint8_t micSensitivity = 0;
};

// A sign-and-magnitude slope byte as a signed number (160 = -32).
int SignedSlope(std::uint8_t stored);

class HardwareParams {
  public:
    virtual ~HardwareParams() = default;

    // An upper-band unit with the factory alignment defaults; also puts the
    // automatic transmit offset back to 0.0 MHz.
    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // The values that come with a band: step code, injection side, frequency
    // range, limits, SQL release time and the band's tuning bytes. The
    // automatic transmit offset returns to 0.0 MHz as well; it is the
    // caller's copy (`offsetMHz`), so that a dialog that is cancelled leaves
    // the document's offset as it was.
    void ApplyBandDefaults(bool upper, double& offsetMHz);

    bool IsUpperBand() const;
    // Limits a typed channel frequency is clamped into: 10 MHz beyond the
    // minimum and maximum frequency. They are also the window inside which
    // the tuning values vary with frequency.
    double LowerLimitMHz() const { return minFrequencyMHz - 10.0; }
    double UpperLimitMHz() const { return maxFrequencyMHz + 10.0; }

    // Commit rules of the Hardware Parameters dialog's edit fields.
    void CommitMinFrequency(double mhz);  // [100, 600], not above the maximum
    void CommitMaxFrequency(double mhz);  // [100, 600], not below the minimum
    void CommitReferenceMHz(double mhz);  // at most 99.99 and what 14 bits hold
    void CommitFirstIfMHz(double mhz);    // at most 65.53

    unsigned model = 1;  // 0 "KR-302 Series", 1 "KR-318"
    unsigned stepCode = 2;
    unsigned injectionSide = 0;  // 0 "Lower", 1 "Upper"
    double referenceMHz = 16.8;
    double firstIfMHz = 50.85;
    double minFrequencyMHz = 450.0;
    double maxFrequencyMHz = 490.0;
    unsigned sqlReleaseTime = 4;
    unsigned sqlAttackTime = 4;
    unsigned sqlHysteresis = 12;
    unsigned rxSaveOffTime = 0;
    unsigned ctcssReleaseTime = 0;
    // Not stored in the image.
    unsigned frequencyRange = 4;
    unsigned temperatureTable = 0;
    AlignmentData alignment;
};

// ===========================================================================
// The Hardware Parameters dialog: list texts, list items and field formats.

const ChoiceTexts& ModelTexts();  // "KR-302 Series", "KR-318"
const ChoiceTexts& BandTexts();   // "VHF", "UHF"
// The adjustment ranges a unit of the band can be tuned for. Lower band:
// ranges 0 and 1; upper band: ranges 1 to 5, so that each band's default
// range (1 and 4) is the one its default limits describe.
const ChoiceTexts& FrequencyRangeTexts(bool upperBand);
const ChoiceTexts& LocalOffsetTexts();  // "Lower", "Upper"
// The two step labels of the band; item i is step code i (+ 2 upper band).
const ChoiceTexts& ChannelStepTexts(bool upperBand);
const ChoiceTexts& DcsDataTexts();           // "Normal", "Inverted"
const ChoiceTexts& SqlReleaseTimeTexts();    // "0   ms" .. "280 ms"
const ChoiceTexts& SqlAttackTimeTexts();     // "0   ms" .. "75  ms"
const ChoiceTexts& SqlHysteresisTexts();     // "0 " .. "15"
const ChoiceTexts& RxSaveOffTimeTexts();     // "100 ms" .. "400 ms"
const ChoiceTexts& CtcssReleaseTimeTexts();  // "500 ms", "200 ms"
const ChoiceTexts& TemperatureTableTexts();  // "A Type", "B Type", "C Type"

// The Frequency Range item of a unit; a range that is not one of its band's
// (a unit just loaded from another band) shows the band's default range.
int FrequencyRangeItem(const HardwareParams& hw);
void SelectFrequencyRange(HardwareParams& hw, int item);
int ChannelStepItem(const HardwareParams& hw);
void SelectChannelStep(HardwareParams& hw, int item);

// Min and Max Frequency "%4.1fMHz"; Ref XTAL and 1st IF "%5.2fMHz".
std::string FormatFrequencyLimit(double mhz);
std::string FormatOscillatorMHz(double mhz);

// A "KR-302 Series" radio has no A to D keys, no key holding time and no
// display for 5-tone tags, ANI and digits: those settings are cleared in
// `image` (nothing changes for a "KR-318").
void ClearWhatModelLacks(unsigned model, RadioImage& image);

}  // namespace kp07
