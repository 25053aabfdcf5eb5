#include "blocks/tuning.h"

#include <cmath>

namespace kp07 {
namespace {

double BandWidth(const HardwareParams& hw) {
    return hw.maxFrequencyMHz - hw.minFrequencyMHz;
}

// The allowance of TuningByte: k x slope that stands for an exact half
// rounds like that half despite floating-point noise.
constexpr double kHalfAllowance = 1e-9;

long RoundHalfUp(double value) {
    return long(std::floor(value + 0.5 + kHalfAllowance));
}

long RoundHalfAwayFromZero(double value) {
    const long magnitude = RoundHalfUp(std::fabs(value));
    return value < 0 ? -magnitude : magnitude;
}

std::uint8_t ClampByte(long value) {
    return std::uint8_t(value < 0 ? 0 : value > 255 ? 255 : value);
}

}  // namespace

double RxPositionFactor(const HardwareParams& hw, double mhz) {
    if (mhz < hw.LowerLimitMHz()) return 0.0;
    if (mhz > hw.UpperLimitMHz()) return 1.0;
    // A band of no width (only a damaged image has one) puts every channel at
    // the base value instead of dividing by zero.
    if (BandWidth(hw) <= 0.0) return 0.0;
    return (mhz - hw.minFrequencyMHz) / BandWidth(hw);
}

double TxPositionFactor(const HardwareParams& hw, double mhz) {
    if (mhz < hw.LowerLimitMHz()) return 0.0;
    if (mhz > hw.UpperLimitMHz()) return 1.0;
    if (BandWidth(hw) <= 0.0) return 0.0;
    const double centre = (hw.LowerLimitMHz() + hw.UpperLimitMHz()) / 2.0;
    return 2.0 * std::fabs(mhz - centre) / BandWidth(hw);
}

int BandHalf(const HardwareParams& hw, double mhz) {
    return mhz < (hw.minFrequencyMHz + hw.maxFrequencyMHz) / 2.0 ? 0 : 1;
}

double DeviationScale(unsigned bandwidth) {
    if (bandwidth == 1) return 0.8;
    if (bandwidth == 2) return 0.5;
    return 1.0;
}

std::uint8_t TuningByte(double value) {
    if (!(value == value) || value <= 0.0) return 0;
    if (value >= 255.0) return 255;
    // The small allowance keeps a value such as 53.4999999999 (53.5 after
    // floating-point noise) rounding up like the 53.5 it stands for.
    return std::uint8_t(RoundHalfUp(value));
}

std::uint8_t ComputeRxTuningValue(const HardwareParams& hw, double rxMHz) {
    const AlignmentData& a = hw.alignment;
    return TuningByte(a.rxSensitivityBase + RxPositionFactor(hw, rxMHz) * a.rxSensitivitySlope);
}

TxTuning ComputeTxTuningValues(const HardwareParams& hw, double txMHz, unsigned bandwidth) {
    const AlignmentData& a = hw.alignment;
    const double k = TxPositionFactor(hw, txMHz);
    const int half = BandHalf(hw, txMHz);
    const double b = DeviationScale(bandwidth);
    TxTuning t;
    t.powerHigh = TuningByte(a.powerBase[0] + k * SignedSlope(a.powerSlope[0][half]));
    t.powerLow = TuningByte(a.powerBase[1] + k * SignedSlope(a.powerSlope[1][half]));
    t.maxDeviation =
        TuningByte((a.maxDeviationBase + k * SignedSlope(a.maxDeviationSlope[half])) * b);
    t.maxRefDeviation =
        TuningByte((a.maxRefDeviationBase + k * SignedSlope(a.maxRefDeviationSlope[half])) * b);
    return t;
}

std::uint8_t TxBaseFromShown(int shown, double k, int slope) {
    if (!(k == k)) k = 0.0;
    return ClampByte(long(shown) - RoundHalfAwayFromZero(k * slope));
}

std::uint8_t RxBaseFromShown(int shown, double k, int slope) {
    if (!(k == k)) k = 0.0;
    return ClampByte(long(shown) - RoundHalfUp(k * slope));
}

int DeviationAtWide5(int shown, unsigned bandwidth) {
    if (bandwidth == 1) return (5 * shown + 2) / 4;  // x1.25, half up
    if (bandwidth == 2) return 2 * shown;
    return shown;
}

std::uint8_t OtherClassModulation(int value, unsigned ratioPercent, bool fromNarrow) {
    const long v = value < 0 ? 0 : value;
    long other = 0;
    if (!fromNarrow) {
        other = (v * long(ratioPercent) + 99) / 100;
    } else if (ratioPercent == 0) {
        // A ratio of 0 % (only a damaged or blank image holds one) has no
        // way back from narrow to wide: the wide value goes to the limit
        // rather than dividing by zero.
        other = v > 0 ? 255 : 0;
    } else {
        other = (v * 100 + long(ratioPercent) - 1) / long(ratioPercent);
    }
    return ClampByte(other);
}

}  // namespace kp07
