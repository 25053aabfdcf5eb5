// How the factory alignment values vary with a channel's frequency. Each
// frequency-dependent item has a base value and a slope per band half; the
// value a channel gets is base + k x slope, where k says where the frequency
// lies inside the adjustment window.
#pragma once

#include <cstdint>

#include "blocks/hardware_params.h"

namespace kp07 {

// Receiver items: 0 below the window, 1 above it, else how far the frequency
// lies from the band minimum as a share of the band width.
double RxPositionFactor(const HardwareParams& hw, double mhz);
// Transmitter items: 0 below the window, 1 above it, else twice the distance
// from the window centre as a share of the band width.
double TxPositionFactor(const HardwareParams& hw, double mhz);
// 0 below the band centre, 1 at or above it: which slope of a pair applies.
int BandHalf(const HardwareParams& hw, double mhz);
// Deviation scale of a bandwidth: 1 wide (5 kHz), 0.8 wide (4 kHz), 0.5 narrow.
double DeviationScale(unsigned bandwidth);
// Limits a value to 0..255 and rounds it half up.
std::uint8_t TuningByte(double value);

struct TxTuning {
    std::uint8_t powerHigh = 0;
    std::uint8_t powerLow = 0;
    std::uint8_t maxDeviation = 0;
    std::uint8_t maxRefDeviation = 0;
};

std::uint8_t ComputeRxTuningValue(const HardwareParams& hw, double rxMHz);
TxTuning ComputeTxTuningValues(const HardwareParams& hw, double txMHz, unsigned bandwidth);

}  // namespace kp07
