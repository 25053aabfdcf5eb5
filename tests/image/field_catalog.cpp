#include "image/field_catalog.h"

#include <utility>

#include "image/accessors.h"

namespace kp07::test {
namespace {

using FP = std::vector<std::pair<int, unsigned>>;

FP At(int offset, unsigned mask = 0xFF) {
    return {{offset, mask}};
}
FP Span(int first, int last, unsigned mask = 0xFF) {
    FP fp;
    for (int i = first; i <= last; ++i) fp.push_back({i, mask});
    return fp;
}
FP Join(std::initializer_list<FP> parts) {
    FP all;
    for (const FP& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Hand-computed record starts: channel slot s at 297 + 25 s, 5-tone system s
// at 6766 + 6 s, decode entry e at 6958 + 15 e, encode entry e at 7088 + 15 e.
constexpr int Ch(int slot, int byte) {
    return 297 + 25 * slot + byte;
}
constexpr int Sys(int entry, int byte) {
    return 6766 + 6 * entry + byte;
}
constexpr int Dec(int entry, int byte) {
    return 6958 + 15 * entry + byte;
}
constexpr int Enc(int entry, int byte) {
    return 7088 + 15 * entry + byte;
}

unsigned Rand(std::mt19937& r, unsigned width) {
    return width >= 32 ? unsigned(r()) : unsigned(r()) & ((1u << width) - 1u);
}
unsigned RandIn(std::mt19937& r, unsigned lo, unsigned hi) {
    return lo + unsigned(r()) % (hi - lo + 1);
}
std::string RandString(std::mt19937& r, const std::string& alphabet, std::size_t minLen,
                       std::size_t maxLen) {
    std::string s(minLen + std::size_t(r()) % (maxLen - minLen + 1), ' ');
    for (char& c : s) c = alphabet[std::size_t(r()) % alphabet.size()];
    return s;
}
const std::string kTagChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ ()+-=*/[\\]:_";
const std::string kDtmfChars = "0123456789ABCD*#";
const std::string kHexChars = "0123456789ABCDE";

Tone RandTone(std::mt19937& r, bool receive) {
    Tone t;
    t.type = ToneType(RandIn(r, 0, 2));
    if (t.type == ToneType::kCtcss) t.ctcssTenths = int(RandIn(r, 1, 4095));
    if (t.type == ToneType::kDcs) {
        t.dcsCode = int(RandIn(r, 0, 7) * 100 + RandIn(r, 0, 7) * 10 + RandIn(r, 0, 7));
        t.inverted = r() & 1;
        t.both = receive && (r() & 1);
    }
    return t;
}

SignalingSelector RandSignaling(std::mt19937& r) {
    SignalingSelector s;
    s.type = RandIn(r, 0, 3);
    if (s.type == 3) s.number = RandIn(r, 1, 31);
    if (s.type == 1 || s.type == 2) s.number = RandIn(r, 1, 32);
    return s;
}

FlagArray RandFlags(std::mt19937& r) {
    FlagArray f{};
    for (auto& x : f) x = r() & 1;
    return f;
}

// clang-format off
// A whole-image field with a value made by `make` (an expression of r).
#define MADE(Name, make, ...)                                                    \
    FieldCase{#Name, Join({__VA_ARGS__}),                                        \
              [](RadioImage& im, std::mt19937& r) {                              \
                  const auto v = make;                                           \
                  Set##Name(im, v);                                              \
                  return Get##Name(im) == v;                                     \
              },                                                                 \
              [](const RadioImage& im) { (void)Get##Name(im); }}
#define MADE_INDEXED(Name, index, make, ...)                                     \
    FieldCase{#Name "[" #index "]", Join({__VA_ARGS__}),                         \
              [](RadioImage& im, std::mt19937& r) {                              \
                  const auto v = make;                                           \
                  Set##Name(im, index, v);                                       \
                  return Get##Name(im, index) == v;                              \
              },                                                                 \
              [](const RadioImage& im) { (void)Get##Name(im, index); }}
// A field of the record Window(im, index).
#define RECORD(Name, Window, index, make, ...)                                   \
    FieldCase{#Name "@" #Window "[" #index "]", Join({__VA_ARGS__}),             \
              [](RadioImage& im, std::mt19937& r) {                              \
                  const auto v = make;                                           \
                  Set##Name(Window(im, index), v);                               \
                  return Get##Name(Window(std::as_const(im), index)) == v;       \
              },                                                                 \
              [](const RadioImage& im) { (void)Get##Name(Window(im, index)); }}
// clang-format on

#define BITS(w) Rand(r, w)
// Fields holding any value of `width` bits.
#define WHOLE(Name, width, ...) MADE(Name, BITS(width), __VA_ARGS__)
#define INDEXED(Name, index, width, ...) MADE_INDEXED(Name, index, BITS(width), __VA_ARGS__)

std::vector<FieldCase> Build() {
    return {
        // RadioIdentity
        MADE(FirmwareVersion, RandIn(r, 0, 9999), Span(0, 1)),
        WHOLE(FirmwareNibbles, 16, Span(0, 1)),
        MADE(ProductionNumber, RandString(r, kDtmfChars, 4, 4), Span(7715, 7716)),
        MADE(SerialNumber,
             RandString(r, kDtmfChars, 1, 1) + char('B' + RandIn(r, 0, 15)) +
                 RandString(r, kDtmfChars, 6, 6),
             Span(7721, 7724)),
        // HardwareParams
        WHOLE(Model, 1, At(7667, 0x01)),
        WHOLE(StepCode, 2, At(7668, 0xC0)),
        WHOLE(ReferenceCountA, 14, At(7668, 0x3F), At(7669)),
        WHOLE(ReferenceCountB, 14, At(7670, 0x3F), At(7671)),
        WHOLE(InjectionSide, 1, At(7670, 0x80)),
        WHOLE(MinFrequency, 16, Span(7672, 7673)),
        WHOLE(MaxFrequency, 16, Span(7674, 7675)),
        WHOLE(FirstIf, 16, Span(7676, 7677)),
        WHOLE(SqlReleaseTime, 3, At(7686, 0x07)),
        WHOLE(SqlAttackTime, 4, At(7687, 0xF0)),
        WHOLE(SqlHysteresis, 4, At(7687, 0x0F)),
        WHOLE(CtcssReleaseTime, 1, At(3, 0x80)),
        WHOLE(RxSaveOffTime, 2, At(4, 0x60)),
        INDEXED(Rssi, 0, 8, At(7678)),
        INDEXED(Rssi, 1, 8, At(7682)),
        INDEXED(AuxTuning, 0, 8, At(7679)),
        INDEXED(AuxTuning, 1, 8, At(7683)),
        INDEXED(SquelchThreshold, 0, 8, At(7680)),
        INDEXED(SquelchThreshold, 1, 8, At(7684)),
        INDEXED(SquelchTight, 0, 8, At(7681)),
        INDEXED(SquelchTight, 1, 8, At(7685)),
        WHOLE(RxSensitivityBase, 8, At(7688)),
        WHOLE(RxSensitivitySlope, 8, At(7689)),
        INDEXED(PowerBase, 0, 8, At(7690)),
        INDEXED(PowerBase, 1, 8, At(7693)),
        INDEXED(PowerSlopeLowerHalf, 0, 8, At(7691)),
        INDEXED(PowerSlopeLowerHalf, 1, 8, At(7694)),
        INDEXED(PowerSlopeUpperHalf, 0, 8, At(7692)),
        INDEXED(PowerSlopeUpperHalf, 1, 8, At(7695)),
        WHOLE(MaxDeviationBase, 8, At(7696)),
        INDEXED(MaxDeviationSlope, 0, 8, At(7697)),
        INDEXED(MaxDeviationSlope, 1, 8, At(7698)),
        WHOLE(MaxRefDeviationBase, 8, At(7699)),
        INDEXED(MaxRefDeviationSlope, 0, 8, At(7700)),
        INDEXED(MaxRefDeviationSlope, 1, 8, At(7701)),
        INDEXED(CtcssModulation, 0, 8, At(7702)),
        INDEXED(CtcssModulation, 1, 8, At(7703)),
        WHOLE(CtcssRatio, 8, At(7704)),
        INDEXED(DcsModulation, 0, 8, At(7705)),
        INDEXED(DcsModulation, 1, 8, At(7706)),
        WHOLE(DcsRatio, 8, At(7707)),
        WHOLE(DtmfDeviation, 8, At(7709)),
        WHOLE(RfFrequency, 8, At(7710)),
        WHOLE(MicSensitivity, 8, At(7711)),
        FieldCase{"ReferenceOscillatorMHz",
                  Join({At(7668, 0x3F), At(7669), At(7670, 0x3F), At(7671)}),
                  [](RadioImage& im, std::mt19937& r) {
                      SetReferenceOscillatorMHz(im, RandIn(r, 0, 9999) / 100.0, Rand(r, 2));
                      return true;
                  },
                  [](const RadioImage& im) { (void)GetReferenceOscillatorMHz(im); }},
        // ChannelTable: group and list data
        INDEXED(GroupChannelCount, 0, 8, At(281)),
        INDEXED(GroupChannelCount, 6, 8, At(287)),
        MADE_INDEXED(GroupTag, 0, RandString(r, kTagChars, 8, 8), Span(153, 160, 0x3F)),
        MADE_INDEXED(GroupTag, 6, RandString(r, kTagChars, 8, 8), Span(201, 208, 0x3F)),
        INDEXED(GroupType, 0, 1, At(126, 0x01)),
        INDEXED(GroupType, 6, 1, At(126, 0x40)),
        INDEXED(ScanListOp, 0, 1, At(92, 0x01)),
        INDEXED(ScanListOp, 167, 1, At(112, 0x80)),
        INDEXED(ScanListGr, 0, 1, At(7728, 0x01)),
        INDEXED(ScanListGr, 167, 1, At(7748, 0x80)),
        INDEXED(ScanListPri, 9, 1, At(7750, 0x02)),
        INDEXED(ScanListPri, 167, 1, At(7769, 0x80)),
        FieldCase{"PChannel", Join({At(91), At(90, 0x0F), At(6, 0x10)}),
                  [](RadioImage& im, std::mt19937& r) {
                      const unsigned v = RandIn(r, 0, 168);
                      SetPChannel(im, v, Rand(r, 4));
                      return GetPChannel(im) == v;
                  },
                  [](const RadioImage& im) { (void)GetPChannel(im); }},
        FieldCase{"GChannel", Join({At(89), At(90, 0xF0), At(7, 0x10)}),
                  [](RadioImage& im, std::mt19937& r) {
                      const unsigned v = RandIn(r, 0, 168);
                      SetGChannel(im, v, Rand(r, 4));
                      return GetGChannel(im) == v;
                  },
                  [](const RadioImage& im) { (void)GetGChannel(im); }},
        // Channel records: slot 5 and the last slot
        RECORD(ChannelInUse, ChannelRecordAt, 5, BITS(1), At(Ch(5, 0), 0x80)),
        RECORD(ChannelRxStepFlag, ChannelRecordAt, 5, BITS(1), At(Ch(5, 0), 0x20)),
        RECORD(ChannelTxStepFlag, ChannelRecordAt, 5, BITS(1), At(Ch(5, 0), 0x10)),
        RECORD(ChannelPowerSaveTx, ChannelRecordAt, 5, BITS(1), At(Ch(5, 0), 0x08)),
        RECORD(ChannelPowerSaveRx, ChannelRecordAt, 5, BITS(1), At(Ch(5, 0), 0x04)),
        RECORD(ChannelXtal, ChannelRecordAt, 5, BITS(1), At(Ch(5, 0), 0x02)),
        RECORD(ChannelQlnk, ChannelRecordAt, 167, BITS(1), At(Ch(167, 0), 0x01)),
        RECORD(ChannelTxInhibit, ChannelRecordAt, 5, BITS(1), At(Ch(5, 1), 0x80)),
        RECORD(ChannelPower, ChannelRecordAt, 5, BITS(1), At(Ch(5, 1), 0x40)),
        RECORD(ChannelTot, ChannelRecordAt, 5, BITS(1), At(Ch(5, 1), 0x20)),
        RECORD(ChannelLockOut, ChannelRecordAt, 5, BITS(2), At(Ch(5, 1), 0x03)),
        RECORD(ChannelCompander, ChannelRecordAt, 5, BITS(1), At(Ch(5, 2), 0x20)),
        RECORD(ChannelTxSetByHand, ChannelRecordAt, 5, BITS(1), At(Ch(5, 2), 0x10)),
        RECORD(ChannelSquelchLevel, ChannelRecordAt, 5, BITS(4), At(Ch(5, 2), 0x0F)),
        RECORD(ChannelDtmfAni, ChannelRecordAt, 5, BITS(1), At(Ch(5, 3), 0x20)),
        RECORD(ChannelTxTone, ChannelRecordAt, 5, RandTone(r, false), Span(Ch(5, 4), Ch(5, 5))),
        RECORD(ChannelRxTone, ChannelRecordAt, 5, RandTone(r, true), Span(Ch(5, 6), Ch(5, 7))),
        RECORD(ChannelRxCount, ChannelRecordAt, 5, std::uint32_t(BITS(17)),
               Span(Ch(5, 8), Ch(5, 9)), At(Ch(5, 2), 0x80)),
        RECORD(ChannelTxCount, ChannelRecordAt, 167, std::uint32_t(BITS(17)),
               Span(Ch(167, 10), Ch(167, 11)), At(Ch(167, 2), 0x40)),
        RECORD(ChannelRxTuning, ChannelRecordAt, 5, BITS(8), At(Ch(5, 12))),
        RECORD(ChannelTag, ChannelRecordAt, 167, RandString(r, kTagChars, 8, 8),
               Span(Ch(167, 17), Ch(167, 24), 0x3F)),
        RECORD(ChannelBandwidth, ChannelRecordAt, 5, RandIn(r, 0, 2), At(Ch(5, 0), 0x40),
               At(Ch(5, 1), 0x08)),
        RECORD(ChannelEncryption, ChannelRecordAt, 5, RandIn(r, 0, 3), At(Ch(5, 1), 0x14)),
        RECORD(ChannelSignaling, ChannelRecordAt, 5, RandSignaling(r), At(Ch(5, 3), 0xDF)),
        FieldCase{
            "ChannelTxTuning[3]", At(Ch(5, 16)),
            [](RadioImage& im, std::mt19937& r) {
                const unsigned v = Rand(r, 8);
                SetChannelTxTuning(ChannelRecordAt(im, 5), 3, v);
                return GetChannelTxTuning(ChannelRecordAt(std::as_const(im), 5), 3) == v;
            },
            [](const RadioImage& im) { (void)GetChannelTxTuning(ChannelRecordAt(im, 5), 0); }},
        // CommonParams
        WHOLE(PowerOnCondition, 2, At(2, 0x03)),
        WHOLE(TransmitTimer, 3, At(3, 0x70)),
        WHOLE(PenaltyTimer, 2, At(3, 0x0C)),
        WHOLE(ReleaseTimer, 2, At(3, 0x03)),
        WHOLE(Beep, 1, At(4, 0x80)),
        WHOLE(SetToSetClone, 1, At(4, 0x10)),
        WHOLE(LcdLightingMode, 1, At(4, 0x08)),
        WHOLE(RxSaveMode, 3, At(4, 0x07)),
        WHOLE(LedLighting, 1, At(5, 0x80)),
        WHOLE(SquelchTailElimination, 2, At(5, 0x60)),
        WHOLE(ExternalJack, 1, At(5, 0x10)),
        WHOLE(KeyHoldingTime, 1, At(6, 0x80)),
        WHOLE(MicGain, 2, At(7, 0xC0)),
        WHOLE(Bell, 1, At(7, 0x20)),
        WHOLE(QlnkBeep, 1, At(8, 0x80)),
        WHOLE(LowBatteryAlert, 2, At(125, 0x30)),
        WHOLE(OptionBoard, 4, At(125, 0x0F)),
        WHOLE(RecordMode, 1, At(128, 0x04)),
        WHOLE(PlayMode, 1, At(128, 0x02)),
        WHOLE(PowerOnRecord, 1, At(128, 0x01)),
        MADE(PowerOnTag, RandString(r, kTagChars, 8, 8), Span(145, 152)),
        WHOLE(FrontKeypad, 2, At(7667, 0x06)),
        WHOLE(PasswordEnabled, 1, At(7712, 0x01)),
        MADE(Password, RandString(r, kDtmfChars, 4, 4), Span(7713, 7714)),
        // ScanParams
        WHOLE(ResumeTime1, 4, At(124, 0xF0)),
        WHOLE(ResumeTime2, 4, At(124, 0x0F)),
        WHOLE(PriorityCheckHigh, 1, At(6, 0x20)),
        WHOLE(PriorityCheckLow, 1, At(6, 0x08)),
        WHOLE(TalkBack, 1, At(6, 0x04)),
        WHOLE(RevertChannel, 2, At(6, 0x03)),
        WHOLE(GroupScan, 1, At(7, 0x08)),
        WHOLE(ScanSpeed, 1, At(7, 0x04)),
        // KeyFunctionParams
        INDEXED(KeyFunction, 0, 8, At(129)),
        INDEXED(KeyFunction, 11, 8, At(140)),
        WHOLE(RotarySwitchMode, 1, At(6, 0x40)),
        // EmergencyParams
        MADE(EmergencyChannel, RandIn(r, 0, 169), At(141, 0xCF), At(142)),
        WHOLE(SilentMode, 1, At(141, 0x20)),
        WHOLE(EmergencyKeyDuration, 1, At(141, 0x10)),
        WHOLE(EmergencyRxTime, 4, At(143, 0xF0)),
        WHOLE(EmergencyTxTime, 4, At(143, 0x0F)),
        WHOLE(LoneWorkerTimer, 4, At(144, 0x0F)),
        // DtmfParams
        MADE_INDEXED(SpeedDialCode, 0, RandString(r, kDtmfChars, 0, 15), Span(9, 16)),
        MADE_INDEXED(SpeedDialCode, 9, RandString(r, kDtmfChars, 0, 15), Span(81, 88)),
        MADE(AniCode, RandString(r, kDtmfChars, 0, 15), Span(7630, 7637)),
        MADE(EmergencyCode, RandString(r, kDtmfChars, 0, 15), Span(7638, 7645)),
        WHOLE(AniTransmit, 1, At(8, 0x10)),
        WHOLE(DtmfDelay, 2, At(8, 0x0C)),
        WHOLE(DtmfSpeed, 2, At(8, 0x03)),
        WHOLE(DtmfPauseTime, 3, At(128, 0xE0)),
        MADE(DtmfPauseCode, RandString(r, kDtmfChars, 0, 1), At(2, 0xF8)),
        WHOLE(AutoResetTime, 4, At(5, 0x0F)),
        WHOLE(AutoResetBeep, 1, At(7, 0x02)),
        WHOLE(PrimaryGroupCall, 2, At(7571, 0xC0)),
        WHOLE(SecondaryGroupCall, 2, At(7571, 0x30)),
        WHOLE(CallBeepTone, 3, At(7571, 0x0E)),
        WHOLE(BeepMode, 1, At(7571, 0x01)),
        WHOLE(SecondaryPagePair, 4, At(7572, 0xF0)),
        WHOLE(ToneComplement, 1, At(7572, 0x08)),
        WHOLE(Duty, 1, At(7572, 0x04)),
        WHOLE(TwoToneBeepRepeat, 8, At(7573)),
        INDEXED(PairFirstTone, 0, 16, Span(7574, 7575)),
        INDEXED(PairSecondTone, 0, 16, Span(7576, 7577)),
        INDEXED(PairFirstTone, 9, 16, Span(7610, 7611)),
        INDEXED(PairSecondTone, 9, 16, Span(7612, 7613)),
        // SignalingType
        WHOLE(SignalingType, 1, At(7, 0x01)),
        // TwoToneGeneral
        WHOLE(TwoToneEncodeType, 2, At(7568, 0xC0)),
        WHOLE(TwoToneEncodePair, 4, At(7568, 0x0F)),
        WHOLE(FirstTonePeriod, 8, At(7569)),
        WHOLE(SecondTonePeriod, 8, At(7570)),
        // TwoToneSystems
        MADE_INDEXED(TwoToneFirstPair, 0, RandIn(r, 0, 10), At(7614, 0xF8)),
        MADE_INDEXED(TwoToneFirstPair, 15, RandIn(r, 0, 10), At(7629, 0xF8)),
        INDEXED(TwoToneSecondPair, 0, 1, At(7614, 0x04)),
        INDEXED(TwoToneAutoReset, 15, 1, At(7629, 0x02)),
        INDEXED(TwoToneAni, 0, 1, At(7614, 0x01)),
        // FiveToneGeneral
        INDEXED(DigitDelay, 0, 8, At(6697)),
        INDEXED(DigitDelay, 3, 8, At(6700)),
        WHOLE(FirstToneTimer, 8, At(6701)),
        WHOLE(TranspondDelayTimer, 8, At(6702)),
        MADE(DisplayDigits, RandFlags(r), At(6703)),
        WHOLE(GroupTone, 4, At(6704, 0xF0)),
        WHOLE(RepeatTone, 4, At(6704, 0x0F)),
        WHOLE(Delay3Tone, 4, At(6705, 0xF0)),
        WHOLE(AniDisplay, 1, At(6705, 0x08)),
        WHOLE(TagDisplay, 1, At(6705, 0x04)),
        WHOLE(ClearToTranspond, 1, At(6705, 0x02)),
        WHOLE(PttCall, 1, At(6705, 0x01)),
        MADE(CompareDigits, RandFlags(r), At(6706)),
        WHOLE(IdDecodeTime, 8, At(6707)),
        WHOLE(FiveToneBeepRepeat, 8, At(6708)),
        WHOLE(CallKey2, 8, At(6709)),
        WHOLE(CallKey3, 8, At(6710)),
        WHOLE(AutoTxTime, 8, At(6711)),
        // FiveToneFormat and FiveToneUserTones
        INDEXED(FormatPeriod, 0, 8, At(6712)),
        INDEXED(FormatGap, 0, 8, At(6713)),
        INDEXED(FormatPeriod, 11, 8, At(6734)),
        INDEXED(FormatGap, 11, 8, At(6735)),
        INDEXED(UserTone, 0, 16, Span(6736, 6737)),
        INDEXED(UserTone, 14, 16, Span(6764, 6765)),
        // FiveToneSystems: entries 0 and 31
        RECORD(SystemToneFormat, FiveToneSystemAt, 0, BITS(4), At(Sys(0, 0), 0xF0)),
        RECORD(SystemMonitorSwitch, FiveToneSystemAt, 0, BITS(2), At(Sys(0, 0), 0x0C)),
        RECORD(SystemCallSwitch, FiveToneSystemAt, 0, BITS(1), At(Sys(0, 0), 0x02)),
        RECORD(SystemPttSwitch, FiveToneSystemAt, 31, BITS(1), At(Sys(31, 0), 0x01)),
        RECORD(SystemRepeaterCode, FiveToneSystemAt, 0, RandIn(r, 0, 32), At(Sys(0, 1), 0x9F)),
        RECORD(SystemCallCode, FiveToneSystemAt, 31, RandIn(r, 0, 32), At(Sys(31, 2), 0x9F)),
        RECORD(SystemIdCode, FiveToneSystemAt, 0, RandIn(r, 0, 32), At(Sys(0, 3), 0x9F)),
        RECORD(SystemChannelSwitch, FiveToneSystemAt, 0, BITS(2), At(Sys(0, 1), 0x60)),
        RECORD(SystemFlow, FiveToneSystemAt, 0, BITS(2), At(Sys(0, 2), 0x60)),
        RECORD(SystemAniTransmission, FiveToneSystemAt, 31, BITS(2), At(Sys(31, 3), 0x60)),
        RECORD(SystemAutoReset, FiveToneSystemAt, 0, BITS(1), At(Sys(0, 4), 0x80)),
        RECORD(SystemComplement, FiveToneSystemAt, 0, BITS(1), At(Sys(0, 4), 0x40)),
        RECORD(SystemDuty, FiveToneSystemAt, 0, BITS(1), At(Sys(0, 4), 0x20)),
        RECORD(SystemDecodeCodes, FiveToneSystemAt, 31, RandFlags(r), At(Sys(31, 5))),
        // FiveToneDecode: entries 0 and 7, and the group entry
        RECORD(DecodeNumber, FiveToneDecodeAt, 0, RandString(r, kHexChars, 0, 8),
               Span(Dec(0, 1), Dec(0, 4))),
        RECORD(DecodeTranspondCode, FiveToneDecodeAt, 7, RandIn(r, 0, 33), At(Dec(7, 0)),
               At(Dec(7, 5), 0x80)),
        RECORD(DecodeIdDecode, DecodeOptionsAt, 0, BITS(1), At(Dec(0, 5), 0x40)),
        RECORD(DecodeCallLedDisplay, DecodeOptionsAt, 7, BITS(2), At(Dec(7, 5), 0x30)),
        RECORD(DecodeMode, DecodeOptionsAt, 0, BITS(2), At(Dec(0, 5), 0x0C)),
        RECORD(DecodeScan, DecodeOptionsAt, 8, BITS(2), At(7078, 0x03)),
        RECORD(DecodeEmergency, DecodeOptionsAt, 8, BITS(1), At(7079, 0x80)),
        RECORD(DecodeCallBeepTone, DecodeOptionsAt, 0, BITS(3), At(Dec(0, 6), 0x70)),
        RECORD(DecodeBeepMode, DecodeOptionsAt, 8, BITS(1), At(7079, 0x08)),
        RECORD(DecodeStun, DecodeOptionsAt, 0, BITS(2), At(Dec(0, 6), 0x06)),
        RECORD(DecodeAutoTx, DecodeOptionsAt, 7, BITS(1), At(Dec(7, 6), 0x01)),
        RECORD(DecodeTag, DecodeOptionsAt, 0, RandString(r, kTagChars, 8, 8),
               Span(Dec(0, 7), Dec(0, 14), 0x3F)),
        RECORD(DecodeTag, DecodeOptionsAt, 8, RandString(r, kTagChars, 8, 8),
               Span(7080, 7087, 0x3F)),
        // FiveToneEncode: entries 0 and 31
        RECORD(EncodeNumber, FiveToneEncodeAt, 31, RandString(r, kHexChars, 0, 8),
               Span(Enc(31, 1), Enc(31, 4))),
        RECORD(EncodeFirstDigitExtend, FiveToneEncodeAt, 0, BITS(1), At(Enc(0, 5), 0x80)),
        RECORD(EncodeRecallingCode, FiveToneEncodeAt, 0, BITS(1), At(Enc(0, 5), 0x40)),
        RECORD(EncodeOverwrite, FiveToneEncodeAt, 0, BITS(1), At(Enc(0, 5), 0x20)),
        RECORD(EncodeTranspondBeep, FiveToneEncodeAt, 0, BITS(1), At(Enc(0, 5), 0x10)),
        RECORD(EncodeGroupDigitSelectable, FiveToneEncodeAt, 0, BITS(1), At(Enc(0, 5), 0x08)),
        RECORD(EncodeTranspondDecode, FiveToneEncodeAt, 31, BITS(1), At(Enc(31, 5), 0x02)),
        RECORD(EncodeInputDigits, FiveToneEncodeAt, 0, RandFlags(r), At(Enc(0, 6))),
        RECORD(EncodeTag, FiveToneEncodeAt, 31, RandString(r, kTagChars, 8, 8),
               Span(Enc(31, 7), Enc(31, 14), 0x3F)),
        // PagingParams
        WHOLE(PagingAutoResetTime, 4, At(7646, 0xF0)),
        WHOLE(PagingCallTimes, 2, At(7646, 0x0C)),
        WHOLE(PagingAnswerBack, 1, At(7646, 0x02)),
        WHOLE(PagingDtmfSpeed, 1, At(7646, 0x01)),
        INDEXED(PageEntered, 0, 1, At(7647, 0x80)),
        INDEXED(PageDecode, 9, 1, At(7665, 0x40)),
        MADE_INDEXED(PageCode, 0, RandString(r, kDtmfChars, 3, 3), At(7647, 0x0F), At(7648)),
        MADE_INDEXED(PageCode, 9, RandString(r, kDtmfChars, 3, 3), At(7665, 0x0F), At(7666)),
        // Checksum
        WHOLE(ImageChecksum, 16, Span(7725, 7726)),
    };
}

}  // namespace

const std::vector<FieldCase>& FieldCatalog() {
    static const std::vector<FieldCase> catalog = Build();
    return catalog;
}

}  // namespace kp07::test
