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

// The way back, used when a technician sets the value a channel shows: the
// base value is the shown value less k x slope, limited to 0..255. The
// transmitter items round k x slope half away from zero, the receiver
// sensitivity half up.
std::uint8_t TxBaseFromShown(int shown, double k, int slope);
std::uint8_t RxBaseFromShown(int shown, double k, int slope);
// A deviation shown for a channel of `bandwidth` as the wide (5 kHz) value
// the base belongs to: x1.25 rounded half up for wide 4 kHz, x2 for narrow.
int DeviationAtWide5(int shown, unsigned bandwidth);
// The CTCSS or DCS modulation of the other bandwidth class when one class is
// set to `value`: narrow = wide x ratio / 100, so from a narrow value the
// wide one is value x 100 / ratio, from a wide value the narrow one value x
// ratio / 100; rounded up to a whole number and limited to 255.
std::uint8_t OtherClassModulation(int value, unsigned ratioPercent, bool fromNarrow);

}  // namespace kp07
