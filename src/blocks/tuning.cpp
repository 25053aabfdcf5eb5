#include "blocks/tuning.h"

#include <cmath>

namespace kp07 {
namespace {

double BandWidth(const HardwareParams& hw) {
    return hw.maxFrequencyMHz - hw.minFrequencyMHz;
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
    return std::uint8_t(std::floor(value + 0.5 + 1e-9));
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

}  // namespace kp07
