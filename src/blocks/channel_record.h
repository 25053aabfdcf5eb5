// One programmed channel in the expanded, editable form the channel grid
// works on.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "blocks/hardware_params.h"
#include "image/accessors.h"

namespace kp07 {

// Scan flag bits of a channel (the three Scan columns).
constexpr int kScanOp = 1, kScanGr = 2, kScanPri = 4;

// What a channel's signaling number refers to: none (0), a signaling system
// (1), a paging code (2) or an option code (3). The grid and the printed
// report show the names "Signal", "Page" and "Option"; none has no name ("").
const char* SignalingTypeName(int type);

class ChannelRecord {
  public:
    virtual ~ChannelRecord() = default;

    // A blank slot: 470.1 / 150.0 MHz, not in use, wide, both step flags 1,
    // power save RX on, squelch 4, TX set by hand, all scan flags, encryption 1.
    ChannelRecord() = default;

    // From and into the slot's 25 bytes; frequencies use the hardware's step
    // tables, IF, injection side and limits.
    void Load(ConstChannelRecordView view, const HardwareParams& hw);
    void Store(ChannelRecordView view, const HardwareParams& hw) const;

    // The derived tuning values for the current frequencies.
    void ComputeRxTuning(const HardwareParams& hw);
    void ComputeTxTuning(const HardwareParams& hw);

    Tone TxTone() const;
    Tone RxTone() const;
    void SetTxTone(const Tone& tone);
    void SetRxTone(const Tone& tone);

    std::string tag;  // up to 8 characters
    double rxMHz = 470.1;
    double txMHz = 150.0;
    int txOff = 0;
    int bandwidth = 0;  // 2 narrow, else wide
    int rxStepFlag = 1;
    int txStepFlag = 1;
    int powerSaveRx = 1;
    int powerSaveTx = 0;
    int txToneType = 0;  // ToneType as int: 0 none, 1 CTCSS, 2 DCS
    int rxToneType = 0;
    int txDcsInverted = 0;
    int rxDcsInverted = 0;
    int rxDcsBoth = 0;
    double txCtcss = 0.0;  // tenths of a hertz
    double rxCtcss = 0.0;
    double txDcsCode = 0.0;  // the code's octal digits read as a decimal number
    double rxDcsCode = 0.0;
    int savedTxToneType = 0;
    int savedRxToneType = 0;
    int qlnk = 0;
    int power = 0;  // 0 high, 1 low
    int tot = 0;
    int lockOut = 0;
    int xtal = 0;
    int signalingNumber = 0;
    int signalingType = 0;
    int squelchLevel = 4;
    int txSetByHand = 1;
    int inUse = 0;
    int slot = 0;
    int scanFlags = kScanOp | kScanGr | kScanPri;
    std::uint8_t rxTuning = 0;
    std::array<std::uint8_t, 4> txTuning{};
    int encryption = 1;
    int compander = 0;
    int dtmfAni = 0;
};

// Xtal flag of a typed receive frequency: within 100 ppm of a multiple of
// 3.6864 MHz.
int XtalForFrequency(double mhz);

}  // namespace kp07
