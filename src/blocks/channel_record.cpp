#include "blocks/channel_record.h"

#include <cmath>

#include "blocks/tuning.h"
#include "image/frequency_codec.h"
#include "image/number_text.h"

namespace kp07 {
namespace {

Tone MakeTone(int type, double ctcssTenths, double dcsCode, int inverted, int both) {
    Tone t;
    t.type = type == 1 ? ToneType::kCtcss : type == 2 ? ToneType::kDcs : ToneType::kOff;
    // Tenths are stored as whole numbers, cut toward zero.
    t.ctcssTenths = int(ClampWhole(ctcssTenths, 0, 0xFFFF));
    t.dcsCode = int(ClampWhole(dcsCode, 0, 0xFFFF));
    t.inverted = inverted != 0;
    t.both = both != 0;
    return t;
}

}  // namespace

Tone ChannelRecord::TxTone() const {
    return MakeTone(txToneType, txCtcss, txDcsCode, txDcsInverted, 0);
}
Tone ChannelRecord::RxTone() const {
    return MakeTone(rxToneType, rxCtcss, rxDcsCode, rxDcsInverted, rxDcsBoth);
}

void ChannelRecord::SetTxTone(const Tone& tone) {
    txToneType = int(tone.type);
    txCtcss = tone.type == ToneType::kCtcss ? tone.ctcssTenths : 0.0;
    txDcsCode = tone.type == ToneType::kDcs ? tone.dcsCode : 0.0;
    txDcsInverted = tone.type == ToneType::kDcs && tone.inverted;
}

void ChannelRecord::SetRxTone(const Tone& tone) {
    rxToneType = int(tone.type);
    rxCtcss = tone.type == ToneType::kCtcss ? tone.ctcssTenths : 0.0;
    rxDcsCode = tone.type == ToneType::kDcs ? tone.dcsCode : 0.0;
    rxDcsInverted = tone.type == ToneType::kDcs && tone.inverted;
    rxDcsBoth = tone.type == ToneType::kDcs && tone.both;
}

void ChannelRecord::Load(ConstChannelRecordView v, const HardwareParams& hw) {
    inUse = int(GetChannelInUse(v));
    bandwidth = int(GetChannelBandwidth(v));
    rxStepFlag = int(GetChannelRxStepFlag(v));
    txStepFlag = int(GetChannelTxStepFlag(v));
    powerSaveTx = int(GetChannelPowerSaveTx(v));
    powerSaveRx = int(GetChannelPowerSaveRx(v));
    xtal = int(GetChannelXtal(v));
    qlnk = int(GetChannelQlnk(v));
    power = int(GetChannelPower(v));
    tot = int(GetChannelTot(v));
    encryption = int(GetChannelEncryption(v));
    lockOut = int(GetChannelLockOut(v));
    compander = int(GetChannelCompander(v));
    txSetByHand = int(GetChannelTxSetByHand(v));
    squelchLevel = int(GetChannelSquelchLevel(v));
    const SignalingSelector s = GetChannelSignaling(v);
    signalingType = int(s.type);
    signalingNumber = int(s.number);
    dtmfAni = int(GetChannelDtmfAni(v));
    SetTxTone(GetChannelTxTone(v));
    SetRxTone(GetChannelRxTone(v));
    savedTxToneType = txToneType;
    savedRxToneType = rxToneType;

    const bool upper = hw.IsUpperBand();
    rxMHz =
        ReadRxFrequency(v, rxStepFlag, hw.stepCode, upper, hw.firstIfMHz, int(hw.injectionSide));
    // A count below the IF on an upper-injection unit gives no frequency at
    // all (only a damaged image holds one): show it like an empty channel.
    if (!(rxMHz > 0.0)) rxMHz = EmptyFrequencyMHz(upper);
    const TxFrequency tx = ReadTxFrequency(v, txStepFlag, hw.stepCode, upper, rxMHz,
                                           hw.LowerLimitMHz(), hw.UpperLimitMHz());
    txMHz = tx.mhz;
    txOff = (GetChannelTxInhibit(v) || tx.inhibited) ? 1 : 0;

    rxTuning = std::uint8_t(GetChannelRxTuning(v));
    for (int i = 0; i < 4; ++i) txTuning[std::size_t(i)] = std::uint8_t(GetChannelTxTuning(v, i));
    tag = GetChannelTag(v);
}

void ChannelRecord::Store(ChannelRecordView v, const HardwareParams& hw) const {
    SetChannelInUse(v, inUse & 1);
    SetChannelBandwidth(v, unsigned(bandwidth == 2 ? 2 : bandwidth == 1 ? 1 : 0));
    SetChannelRxStepFlag(v, unsigned(rxStepFlag));
    SetChannelTxStepFlag(v, unsigned(txStepFlag));
    SetChannelPowerSaveTx(v, unsigned(powerSaveTx));
    SetChannelPowerSaveRx(v, unsigned(powerSaveRx));
    SetChannelXtal(v, unsigned(xtal));
    SetChannelQlnk(v, unsigned(qlnk));
    SetChannelTxInhibit(v, txOff ? 1 : 0);
    SetChannelPower(v, unsigned(power));
    SetChannelTot(v, unsigned(tot));
    SetChannelEncryption(v, unsigned(encryption));
    SetChannelLockOut(v, unsigned(lockOut));
    SetChannelCompander(v, unsigned(compander));
    SetChannelTxSetByHand(v, unsigned(txSetByHand));
    SetChannelSquelchLevel(v, unsigned(squelchLevel));
    SetChannelSignaling(v, {unsigned(signalingType), unsigned(signalingNumber)});
    SetChannelDtmfAni(v, unsigned(dtmfAni));
    SetChannelTxTone(v, TxTone());
    SetChannelRxTone(v, RxTone());
    WriteRxFrequency(v, rxMHz, rxStepFlag, hw.stepCode, hw.firstIfMHz, int(hw.injectionSide));
    WriteTxFrequency(v, txMHz, txStepFlag, hw.stepCode);
    SetChannelRxTuning(v, rxTuning);
    for (int i = 0; i < 4; ++i) SetChannelTxTuning(v, i, txTuning[std::size_t(i)]);
    SetChannelTag(v, tag);
}

void ChannelRecord::ComputeRxTuning(const HardwareParams& hw) {
    rxTuning = ComputeRxTuningValue(hw, rxMHz);
}

void ChannelRecord::ComputeTxTuning(const HardwareParams& hw) {
    const TxTuning t = ComputeTxTuningValues(hw, txMHz, unsigned(bandwidth));
    txTuning = {t.powerHigh, t.powerLow, t.maxDeviation, t.maxRefDeviation};
}

const char* SignalingTypeName(int type) {
    static const char* const kNames[] = {"", "Signal", "Page", "Option"};
    return type >= 0 && type <= 3 ? kNames[type] : "";
}

int XtalForFrequency(double mhz) {
    constexpr double kXtal = 3.6864;
    constexpr double kInverse = 0.2712673611111111;  // 1 / 3.6864
    const double n = std::floor(mhz * kInverse + 0.5);
    const double harmonic = n * kXtal;
    return std::fabs(mhz - harmonic) <= harmonic * 0.0001 ? 1 : 0;
}

}  // namespace kp07
