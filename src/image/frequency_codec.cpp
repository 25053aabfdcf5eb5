#include "image/frequency_codec.h"

#include <algorithm>

namespace kp07 {
namespace {

constexpr int kStepTableA[4] = {2500, 5000, 5000, 10000};
constexpr int kStepTableB[4] = {3125, 6250, 6250, 12500};
constexpr int kRaster[4] = {6250, 6250, 6250, 12500};
constexpr double kHzToMHz = 0.000001;
// The synthesizer count has 17 bits.
constexpr long long kMaxCount = 0x1FFFF;

// A transmit count that decodes to one of these marks a receive-only channel.
constexpr double kInhibitMarkHigh = 300.0;
constexpr double kInhibitMarkLow = 50.0;

// MHz to whole Hz, cut toward zero. Non-numbers count as 0 and absurd values
// are held to a range that cannot overflow.
long long TruncateToHz(double mhz) {
    if (!(mhz == mhz)) return 0;
    const double hz = mhz * 1000000.0;
    if (hz > 1e15) return 1000000000000000LL;
    if (hz < -1e15) return -1000000000000000LL;
    return static_cast<long long>(hz);
}

double CountToMHz(std::uint32_t count, unsigned stepCode, int stepFlag) {
    return double(count) * StepHz(stepCode, stepFlag) * kHzToMHz;
}

std::uint32_t MHzToCount(double mhz, unsigned stepCode, int stepFlag) {
    long long hz = TruncateToHz(mhz);
    if (hz < 0) hz = 0;
    // Values such as 12499 come from floating-point error: make them 12500.
    if (hz % 5 == 4) hz += 1;
    // A frequency beyond the largest count takes the largest count: cutting
    // the count to its 17 bits would store a frequency far below it, or none
    // at all (a count of 0 is an empty channel). For the same reason a
    // frequency below one step (only a damaged unit's limits let one through)
    // takes the smallest count: stored as 0 it would read back as the empty
    // channel's frequency, and the next save would store that instead.
    return std::uint32_t(std::clamp(hz / StepHz(stepCode, stepFlag), 1LL, kMaxCount));
}

}  // namespace

int StepHz(unsigned stepCode, int stepFlag) {
    return stepFlag ? kStepTableB[stepCode & 3] : kStepTableA[stepCode & 3];
}

int RasterHz(unsigned stepCode) {
    return kRaster[stepCode & 3];
}

bool IsUpperBandStepCode(unsigned stepCode) {
    return (stepCode & 3) >= 2;
}

double EmptyFrequencyMHz(bool upperBand) {
    return upperBand ? 450.0 : 150.0;
}

double ReadRxFrequency(ConstChannelRecordView record, int stepFlag, unsigned stepCode,
                       bool upperBand, double ifMHz, int injectionSide) {
    const std::uint32_t count = GetChannelRxCount(record);
    if (count == 0) return EmptyFrequencyMHz(upperBand);
    const double f = CountToMHz(count, stepCode, stepFlag);
    return injectionSide == 0 ? f + ifMHz : f - ifMHz;
}

TxFrequency ReadTxFrequency(ConstChannelRecordView record, int stepFlag, unsigned stepCode,
                            bool upperBand, double rxMHz, double lowerLimit, double upperLimit) {
    const std::uint32_t count = GetChannelTxCount(record);
    if (count == 0) return {EmptyFrequencyMHz(upperBand), false};
    const double f = CountToMHz(count, stepCode, stepFlag);
    if (f == kInhibitMarkHigh || f == kInhibitMarkLow) return {rxMHz, true};
    if (f < lowerLimit || f > upperLimit) return {rxMHz, false};
    return {f, false};
}

void WriteRxFrequency(ChannelRecordView record, double mhz, int stepFlag, unsigned stepCode,
                      double ifMHz, int injectionSide) {
    if (mhz == 0.0) {
        access::Write(record, kind::Be16{layout::kChRxCount.offset}, 0);
        return;
    }
    const double synth = injectionSide == 0 ? mhz - ifMHz : mhz + ifMHz;
    SetChannelRxCount(record, MHzToCount(synth, stepCode, stepFlag));
}

void WriteTxFrequency(ChannelRecordView record, double mhz, int stepFlag, unsigned stepCode) {
    if (mhz == 0.0) {
        access::Write(record, kind::Be16{layout::kChTxCount.offset}, 0);
        return;
    }
    SetChannelTxCount(record, MHzToCount(mhz, stepCode, stepFlag));
}

RasterPlacement PlaceOnRaster(double mhz, unsigned stepCode, double lowerLimit, double upperLimit) {
    if (!(mhz == mhz) || mhz < lowerLimit) mhz = lowerLimit;
    if (mhz > upperLimit) mhz = upperLimit;
    if (mhz == 0.0) return {0.0, 0};
    const long long hz = TruncateToHz(mhz);
    const long long a = StepHz(stepCode, 0);
    const long long r = RasterHz(stepCode);
    if (hz % r == 0) return {mhz, 1};
    if (hz % a == 0) return {mhz, 0};
    const long long nextR = (hz / r + 1) * r;
    const long long nextA = (hz / a + 1) * a;
    if (nextR - hz < nextA - hz) return {double(nextR) * kHzToMHz, 1};
    return {double(nextA) * kHzToMHz, 0};
}

}  // namespace kp07
