#include "channels/image_diff.h"

#include <algorithm>
#include <cstdio>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "channels/channel_csv_cells.h"
#include "image/accessors.h"
#include "image/tone_codec.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

constexpr int kMsgChannelColumn = 6150;
constexpr int kMsgByte = 6151;
constexpr int kMsgNoDifferences = 6152;
constexpr int kMsgDifferences = 6153;

std::string Value(unsigned v) {
    return std::to_string(v);
}
std::string Value(const std::string& s) {
    return "\"" + s + "\"";
}
std::string Value(const FlagArray& flags) {
    std::string text;
    for (std::uint8_t f : flags) text += f ? '1' : '0';
    return text;
}
std::string Value(const Tone& tone) {
    return FormatTone(tone, true);
}
std::string Value(const SignalingSelector& s) {
    return std::to_string(s.type) + "/" + std::to_string(s.number);
}

// A field of the memory map: one value, or one per entry of its table.
struct Field {
    const char* block;
    const char* name;
    int count;
    std::string (*text)(const RadioImage& image, int index);
    void (*copy)(RadioImage& to, const RadioImage& from, int index);
};

// The name is the layout descriptor's without its "k"; naming the
// descriptor also proves it exists.
#define KP07_NAME(desc) (sizeof(layout::desc) ? &#desc[1] : "")

#define ONE(Block, Name, desc)                                                                    \
    Field {                                                                                       \
#Block, KP07_NAME(desc), 1,                                                               \
            [](const RadioImage& im,                                                              \
               int) { return Value(Get##Name(im)); }, [](RadioImage & to, const RadioImage& from, \
                                                         int) { Set##Name(to, Get##Name(from)); } \
    }
#define NAMED_ONE(Block, Name)                                                                    \
    Field {                                                                                       \
#Block, #Name, 1,                                                                         \
            [](const RadioImage& im,                                                              \
               int) { return Value(Get##Name(im)); }, [](RadioImage & to, const RadioImage& from, \
                                                         int) { Set##Name(to, Get##Name(from)); } \
    }
// A table field: `count` entries.
#define TABLE(Block, Name, label, count)                                                     \
    Field {                                                                                  \
#Block, label, count, [](const RadioImage& im, int i) { return Value(Get##Name(im, i)); }, \
            [](RadioImage& to, const RadioImage& from, int i) {                            \
                Set##Name(to, i, Get##Name(from, i));                                      \
            } \
    }
// A field of each record of a table of records.
#define RECORD(Block, Name, desc, At, count)                                         \
    Field {                                                                          \
#Block, KP07_NAME(desc), count,                                                    \
            [](const RadioImage& im, int i) { return Value(Get##Name(At(im, i))); },       \
            [](RadioImage& to, const RadioImage& from, int i) {                            \
                Set##Name(At(to, i), Get##Name(At(from, i)));                              \
            } \
    }
#define NAMED_RECORD(Block, Name, At, count)                                                     \
    Field {                                                                                      \
#Block, #Name, count, [](const RadioImage& im, int i) { return Value(Get##Name(At(im, i))); }, \
            [](RadioImage& to, const RadioImage& from, int i) {                            \
                Set##Name(At(to, i), Get##Name(At(from, i)));                              \
            } \
    }

const std::vector<Field>& Fields() {
    using namespace layout;
    static const std::vector<Field> fields = {
        ONE(RadioIdentity, FirmwareVersion, kFirmwareVersion),
        ONE(RadioIdentity, ProductionNumber, kProductionNumber),
        NAMED_ONE(RadioIdentity, SerialNumber),
        ONE(HardwareParams, Model, kModel),
        ONE(HardwareParams, StepCode, kStepCode),
        ONE(HardwareParams, ReferenceCountA, kReferenceCountA),
        ONE(HardwareParams, ReferenceCountB, kReferenceCountB),
        ONE(HardwareParams, InjectionSide, kInjectionSide),
        ONE(HardwareParams, MinFrequency, kMinFrequency),
        ONE(HardwareParams, MaxFrequency, kMaxFrequency),
        ONE(HardwareParams, FirstIf, kFirstIf),
        ONE(HardwareParams, SqlReleaseTime, kSqlReleaseTime),
        ONE(HardwareParams, SqlAttackTime, kSqlAttackTime),
        ONE(HardwareParams, SqlHysteresis, kSqlHysteresis),
        ONE(HardwareParams, CtcssReleaseTime, kCtcssReleaseTime),
        ONE(HardwareParams, RxSaveOffTime, kRxSaveOffTime),
        TABLE(HardwareParams, Rssi, "Rssi", kRssi.count),
        TABLE(HardwareParams, AuxTuning, "AuxTuning", kAuxTuning.count),
        TABLE(HardwareParams, SquelchThreshold, "SquelchThreshold", kSquelchThreshold.count),
        TABLE(HardwareParams, SquelchTight, "SquelchTight", kSquelchTight.count),
        ONE(HardwareParams, RxSensitivityBase, kRxSensitivityBase),
        ONE(HardwareParams, RxSensitivitySlope, kRxSensitivitySlope),
        TABLE(HardwareParams, PowerBase, "PowerBase", kPowerBase.count),
        TABLE(HardwareParams, PowerSlopeLowerHalf, "PowerSlopeLowerHalf",
              kPowerSlopeLowerHalf.count),
        TABLE(HardwareParams, PowerSlopeUpperHalf, "PowerSlopeUpperHalf",
              kPowerSlopeUpperHalf.count),
        ONE(HardwareParams, MaxDeviationBase, kMaxDeviationBase),
        TABLE(HardwareParams, MaxDeviationSlope, "MaxDeviationSlope", kMaxDeviationSlope.count),
        ONE(HardwareParams, MaxRefDeviationBase, kMaxRefDeviationBase),
        TABLE(HardwareParams, MaxRefDeviationSlope, "MaxRefDeviationSlope",
              kMaxRefDeviationSlope.count),
        TABLE(HardwareParams, CtcssModulation, "CtcssModulation", kCtcssModulation.count),
        ONE(HardwareParams, CtcssRatio, kCtcssRatio),
        TABLE(HardwareParams, DcsModulation, "DcsModulation", kDcsModulation.count),
        ONE(HardwareParams, DcsRatio, kDcsRatio),
        ONE(HardwareParams, DtmfDeviation, kDtmfDeviation),
        ONE(HardwareParams, RfFrequency, kRfFrequency),
        ONE(HardwareParams, MicSensitivity, kMicSensitivity),
        TABLE(ChannelTable, GroupChannelCount, "GroupChannelCount", kGroupChannelCount.count),
        TABLE(ChannelTable, GroupTag, "GroupTag", kGroupTag.count),
        TABLE(ChannelTable, GroupType, "GroupType", kGroupCount),
        ONE(CommonParams, PowerOnCondition, kPowerOnCondition),
        ONE(CommonParams, TransmitTimer, kTransmitTimer),
        ONE(CommonParams, PenaltyTimer, kPenaltyTimer),
        ONE(CommonParams, ReleaseTimer, kReleaseTimer),
        ONE(CommonParams, Beep, kBeep),
        ONE(CommonParams, SetToSetClone, kSetToSetClone),
        ONE(CommonParams, LcdLightingMode, kLcdLightingMode),
        ONE(CommonParams, RxSaveMode, kRxSaveMode),
        ONE(CommonParams, LedLighting, kLedLighting),
        ONE(CommonParams, SquelchTailElimination, kSquelchTailElimination),
        ONE(CommonParams, ExternalJack, kExternalJack),
        ONE(CommonParams, KeyHoldingTime, kKeyHoldingTime),
        ONE(CommonParams, MicGain, kMicGain),
        ONE(CommonParams, Bell, kBell),
        ONE(CommonParams, QlnkBeep, kQlnkBeep),
        ONE(CommonParams, LowBatteryAlert, kLowBatteryAlert),
        ONE(CommonParams, OptionBoard, kOptionBoard),
        ONE(CommonParams, RecordMode, kRecordMode),
        ONE(CommonParams, PlayMode, kPlayMode),
        ONE(CommonParams, PowerOnRecord, kPowerOnRecord),
        ONE(CommonParams, PowerOnTag, kPowerOnTag),
        ONE(CommonParams, FrontKeypad, kFrontKeypad),
        ONE(CommonParams, PasswordEnabled, kPasswordEnabled),
        ONE(CommonParams, Password, kPassword),
        ONE(ScanParams, ResumeTime1, kResumeTime1),
        ONE(ScanParams, ResumeTime2, kResumeTime2),
        ONE(ScanParams, PriorityCheckHigh, kPriorityCheckHigh),
        ONE(ScanParams, PriorityCheckLow, kPriorityCheckLow),
        ONE(ScanParams, TalkBack, kTalkBack),
        ONE(ScanParams, RevertChannel, kRevertChannel),
        ONE(ScanParams, GroupScan, kGroupScan),
        ONE(ScanParams, ScanSpeed, kScanSpeed),
        TABLE(KeyFunctionParams, KeyFunction, "KeyFunction", kKeyFunction.count),
        ONE(KeyFunctionParams, RotarySwitchMode, kRotarySwitchMode),
        ONE(EmergencyParams, EmergencyChannelKind, kEmergencyChannelKind),
        ONE(EmergencyParams, EmergencyChannelGroup, kEmergencyChannelGroup),
        ONE(EmergencyParams, EmergencyChannelSlot, kEmergencyChannelSlot),
        ONE(EmergencyParams, SilentMode, kSilentMode),
        ONE(EmergencyParams, EmergencyKeyDuration, kEmergencyKeyDuration),
        ONE(EmergencyParams, EmergencyRxTime, kEmergencyRxTime),
        ONE(EmergencyParams, EmergencyTxTime, kEmergencyTxTime),
        ONE(EmergencyParams, LoneWorkerTimer, kLoneWorkerTimer),
        TABLE(DtmfParams, SpeedDialCode, "SpeedDialCode", kSpeedDialCode.count),
        ONE(DtmfParams, AniCode, kAniCode),
        ONE(DtmfParams, EmergencyCode, kEmergencyCode),
        ONE(DtmfParams, AniTransmit, kAniTransmit),
        ONE(DtmfParams, DtmfDelay, kDtmfDelay),
        ONE(DtmfParams, DtmfSpeed, kDtmfSpeed),
        ONE(DtmfParams, DtmfPauseTime, kDtmfPauseTime),
        NAMED_ONE(DtmfParams, DtmfPauseCode),
        ONE(DtmfParams, AutoResetTime, kAutoResetTime),
        ONE(DtmfParams, AutoResetBeep, kAutoResetBeep),
        ONE(DtmfParams, PrimaryGroupCall, kPrimaryGroupCall),
        ONE(DtmfParams, SecondaryGroupCall, kSecondaryGroupCall),
        ONE(DtmfParams, CallBeepTone, kCallBeepTone),
        ONE(DtmfParams, BeepMode, kBeepMode),
        ONE(DtmfParams, SecondaryPagePair, kSecondaryPagePair),
        ONE(DtmfParams, ToneComplement, kToneComplement),
        ONE(DtmfParams, Duty, kDuty),
        ONE(DtmfParams, TwoToneBeepRepeat, kTwoToneBeepRepeat),
        TABLE(DtmfParams, PairFirstTone, "PairFirstTone", kTwoTonePairs.count),
        TABLE(DtmfParams, PairSecondTone, "PairSecondTone", kTwoTonePairs.count),
        ONE(SignalingType, SignalingType, kSignalingType),
        ONE(TwoToneGeneral, TwoToneEncodeType, kTwoToneEncodeType),
        ONE(TwoToneGeneral, TwoToneEncodePair, kTwoToneEncodePair),
        ONE(TwoToneGeneral, FirstTonePeriod, kFirstTonePeriod),
        ONE(TwoToneGeneral, SecondTonePeriod, kSecondTonePeriod),
        TABLE(TwoToneSystems, TwoToneFirstPair, "TtsFirstPair", kTwoToneSystems.count),
        TABLE(TwoToneSystems, TwoToneSecondPair, "TtsSecondPair", kTwoToneSystems.count),
        TABLE(TwoToneSystems, TwoToneAutoReset, "TtsAutoReset", kTwoToneSystems.count),
        TABLE(TwoToneSystems, TwoToneAni, "TtsAni", kTwoToneSystems.count),
        TABLE(FiveToneGeneral, DigitDelay, "DigitDelay", kDigitDelay.count),
        ONE(FiveToneGeneral, FirstToneTimer, kFirstToneTimer),
        ONE(FiveToneGeneral, TranspondDelayTimer, kTranspondDelayTimer),
        ONE(FiveToneGeneral, DisplayDigits, kDisplayDigits),
        ONE(FiveToneGeneral, GroupTone, kGroupTone),
        ONE(FiveToneGeneral, RepeatTone, kRepeatTone),
        ONE(FiveToneGeneral, Delay3Tone, kDelay3Tone),
        ONE(FiveToneGeneral, AniDisplay, kAniDisplay),
        ONE(FiveToneGeneral, TagDisplay, kTagDisplay),
        ONE(FiveToneGeneral, ClearToTranspond, kClearToTranspond),
        ONE(FiveToneGeneral, PttCall, kPttCall),
        ONE(FiveToneGeneral, CompareDigits, kCompareDigits),
        ONE(FiveToneGeneral, IdDecodeTime, kIdDecodeTime),
        ONE(FiveToneGeneral, FiveToneBeepRepeat, kFiveToneBeepRepeat),
        ONE(FiveToneGeneral, CallKey2, kCallKey2),
        ONE(FiveToneGeneral, CallKey3, kCallKey3),
        ONE(FiveToneGeneral, AutoTxTime, kAutoTxTime),
        TABLE(FiveToneFormat, FormatPeriod, "FormatPeriod", kFormatTiming.count),
        TABLE(FiveToneFormat, FormatGap, "FormatGap", kFormatTiming.count),
        TABLE(FiveToneUserTones, UserTone, "UserToneHz", kUserTones.count),
        RECORD(FiveToneSystems, SystemToneFormat, kFtsToneFormat, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemMonitorSwitch, kFtsMonitorSwitch, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemCallSwitch, kFtsCallSwitch, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemPttSwitch, kFtsPttSwitch, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemRepeaterCode, kFtsRepeaterCode, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemCallCode, kFtsCallCode, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemIdCode, kFtsIdCode, FiveToneSystemAt, kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemChannelSwitch, kFtsChannelSwitch, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemFlow, kFtsFlow, FiveToneSystemAt, kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemAniTransmission, kFtsAniTransmission, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemAutoReset, kFtsAutoReset, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemComplement, kFtsComplement, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemDuty, kFtsDuty, FiveToneSystemAt, kFiveToneSystems.count),
        RECORD(FiveToneSystems, SystemDecodeCodes, kFtsDecodeCodes, FiveToneSystemAt,
               kFiveToneSystems.count),
        RECORD(FiveToneDecode, DecodeNumber, kFtdNumber, FiveToneDecodeAt, kFiveToneDecode.count),
        NAMED_RECORD(FiveToneDecode, DecodeTranspondCode, FiveToneDecodeAt, kFiveToneDecode.count),
        RECORD(FiveToneDecode, DecodeIdDecode, kDoIdDecode, DecodeOptionsAt, kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeCallLedDisplay, kDoCallLedDisplay, DecodeOptionsAt,
               kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeMode, kDoMode, DecodeOptionsAt, kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeScan, kDoScan, DecodeOptionsAt, kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeEmergency, kDoEmergency, DecodeOptionsAt,
               kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeCallBeepTone, kDoCallBeepTone, DecodeOptionsAt,
               kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeBeepMode, kDoBeepMode, DecodeOptionsAt, kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeStun, kDoStun, DecodeOptionsAt, kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeAutoTx, kDoAutoTx, DecodeOptionsAt, kGroupDecodeEntry + 1),
        RECORD(FiveToneDecode, DecodeTag, kDoTag, DecodeOptionsAt, kGroupDecodeEntry + 1),
        RECORD(FiveToneEncode, EncodeNumber, kFteNumber, FiveToneEncodeAt, kFiveToneEncode.count),
        RECORD(FiveToneEncode, EncodeFirstDigitExtend, kFteFirstDigitExtend, FiveToneEncodeAt,
               kFiveToneEncode.count),
        RECORD(FiveToneEncode, EncodeRecallingCode, kFteRecallingCode, FiveToneEncodeAt,
               kFiveToneEncode.count),
        RECORD(FiveToneEncode, EncodeOverwrite, kFteOverwrite, FiveToneEncodeAt,
               kFiveToneEncode.count),
        RECORD(FiveToneEncode, EncodeTranspondBeep, kFteTranspondBeep, FiveToneEncodeAt,
               kFiveToneEncode.count),
        RECORD(FiveToneEncode, EncodeGroupDigitSelectable, kFteGroupDigitSelectable,
               FiveToneEncodeAt, kFiveToneEncode.count),
        RECORD(FiveToneEncode, EncodeTranspondDecode, kFteTranspondDecode, FiveToneEncodeAt,
               kFiveToneEncode.count),
        RECORD(FiveToneEncode, EncodeInputDigits, kFteInputDigits, FiveToneEncodeAt,
               kFiveToneEncode.count),
        RECORD(FiveToneEncode, EncodeTag, kFteTag, FiveToneEncodeAt, kFiveToneEncode.count),
        ONE(PagingParams, PagingAutoResetTime, kPagingAutoResetTime),
        ONE(PagingParams, PagingCallTimes, kPagingCallTimes),
        ONE(PagingParams, PagingAnswerBack, kPagingAnswerBack),
        ONE(PagingParams, PagingDtmfSpeed, kPagingDtmfSpeed),
        TABLE(PagingParams, PageEntered, "PageEntered", kPageCodes.count),
        TABLE(PagingParams, PageDecode, "PageDecode", kPageCodes.count),
        TABLE(PagingParams, PageCode, "PageCode", kPageCodes.count),
        ONE(Image, ImageChecksum, kChecksum),
    };
    return fields;
}

// A field of the channel records and the grid columns that show it; a
// difference the columns already show is not told twice.
struct ChannelField {
    const char* name;
    int columns[2];
    std::string (*text)(ConstChannelRecordView r);
    void (*copy)(ChannelRecordView to, ConstChannelRecordView from);
};

#define CHANNEL(Name, desc, col0, col1)                                   \
    ChannelField {                                                        \
        KP07_NAME(desc), {col0, col1},                                    \
            [](ConstChannelRecordView r) { return Value(Get##Name(r)); }, \
            [](ChannelRecordView to, ConstChannelRecordView from) {       \
                Set##Name(to, Get##Name(from));                           \
            }                                                             \
    }
#define NAMED_CHANNEL(Name, label, col0, col1)                                             \
    ChannelField {                                                                         \
        label, {col0, col1}, [](ConstChannelRecordView r) { return Value(Get##Name(r)); }, \
            [](ChannelRecordView to, ConstChannelRecordView from) {                        \
                Set##Name(to, Get##Name(from));                                            \
            }                                                                              \
    }
#define TX_TUNING(i)                                                                      \
    ChannelField {                                                                        \
        "ChTxTuning[" #i "]", {-1, -1},                                                   \
            [](ConstChannelRecordView r) { return Value(GetChannelTxTuning(r, i - 1)); }, \
            [](ChannelRecordView to, ConstChannelRecordView from) {                       \
                SetChannelTxTuning(to, i - 1, GetChannelTxTuning(from, i - 1));           \
            }                                                                             \
    }

const std::vector<ChannelField>& ChannelFields() {
    using namespace layout;
    static const std::vector<ChannelField> fields = {
        CHANNEL(ChannelInUse, kChInUse, kCsvInUse, -1),
        NAMED_CHANNEL(ChannelBandwidth, "ChBandwidth", kColBandwidth, -1),
        CHANNEL(ChannelRxStepFlag, kChRxStepFlag, kColRx, -1),
        CHANNEL(ChannelTxStepFlag, kChTxStepFlag, kColTx, -1),
        CHANNEL(ChannelPowerSaveTx, kChPowerSaveTx, kColPowerSaveTx, -1),
        CHANNEL(ChannelPowerSaveRx, kChPowerSaveRx, kColPowerSaveRx, -1),
        CHANNEL(ChannelXtal, kChXtal, kColXtal, -1),
        CHANNEL(ChannelQlnk, kChQlnk, kColQlnk, -1),
        CHANNEL(ChannelTxInhibit, kChTxInhibit, kColTx, -1),
        CHANNEL(ChannelPower, kChPower, kColPower, -1),
        CHANNEL(ChannelTot, kChTot, kColTot, -1),
        NAMED_CHANNEL(ChannelEncryption, "ChEncryption", kColEncryption, -1),
        CHANNEL(ChannelLockOut, kChLockOut, kColLockOut, -1),
        CHANNEL(ChannelCompander, kChCompander, kColCompander, -1),
        CHANNEL(ChannelTxSetByHand, kChTxSetByHand, -1, -1),
        CHANNEL(ChannelSquelchLevel, kChSquelchLevel, kColSquelch, -1),
        NAMED_CHANNEL(ChannelSignaling, "ChSignaling", kColSignalingType, kColSignalingNumber),
        CHANNEL(ChannelDtmfAni, kChDtmfAni, kColDtmfAni, -1),
        CHANNEL(ChannelTxTone, kChTxTone, kColEncoder, -1),
        CHANNEL(ChannelRxTone, kChRxTone, kColDecoder, -1),
        CHANNEL(ChannelRxCount, kChRxCount, kColRx, -1),
        CHANNEL(ChannelTxCount, kChTxCount, kColTx, -1),
        CHANNEL(ChannelRxTuning, kChRxTuning, -1, -1),
        TX_TUNING(1),
        TX_TUNING(2),
        TX_TUNING(3),
        TX_TUNING(4),
        CHANNEL(ChannelTag, kChTag, kColTag, -1),
    };
    return fields;
}

std::string Difference(const std::string& what, const std::string& a, const std::string& b) {
    return what + ": " + a + " -> " + b;
}

std::string Indexed(const Field& f, int i) {
    std::string name = std::string(f.block) + "." + f.name;
    if (f.count > 1) name += "[" + std::to_string(i + 1) + "]";
    return name;
}

}  // namespace

ImageDiff DiffImages(const RadioImage& a, const RadioImage& b) {
    ImageDiff diff;
    // What is left of a's bytes once every field has taken b's value: the
    // bytes no field owns, or that a field cannot say.
    RadioImage rest = a;
    for (const Field& f : Fields()) {
        for (int i = 0; i < f.count; ++i) {
            const std::string va = f.text(a, i), vb = f.text(b, i);
            if (va != vb) diff.lines.push_back(Difference(Indexed(f, i), va, vb));
            f.copy(rest, b, i);
        }
    }

    HardwareParams hwA, hwB;
    hwA.Load(a);
    hwB.Load(b);
    ChannelTable ta(hwA), tb(hwB);
    ta.Load(a);
    tb.Load(b);
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        const std::string channel = std::to_string(slot + 1);
        bool shown[kCsvColumnCount] = {};
        for (int col = 1; col < kCsvColumnCount; ++col) {
            if (col == kCsvGroup) continue;  // the group sizes say it
            const std::string va = CsvCellText(ta, slot, col, true);
            const std::string vb = CsvCellText(tb, slot, col, true);
            if (va == vb) continue;
            shown[col] = true;
            diff.lines.push_back(
                Difference(FormatMessage(kMsgChannelColumn, channel, CsvHeading(col)), va, vb));
        }
        const ConstChannelRecordView ra = ChannelRecordAt(a, slot), rb = ChannelRecordAt(b, slot);
        for (const ChannelField& f : ChannelFields()) {
            const std::string va = f.text(ra), vb = f.text(rb);
            const bool told = (f.columns[0] >= 0 && shown[f.columns[0]]) ||
                              (f.columns[1] >= 0 && shown[f.columns[1]]);
            if (va != vb && !told)
                diff.lines.push_back(
                    Difference(FormatMessage(kMsgChannelColumn, channel, f.name), va, vb));
            f.copy(ChannelRecordAt(rest, slot), rb);
        }
        SetScanListOp(rest, slot, GetScanListOp(b, slot));
        SetScanListGr(rest, slot, GetScanListGr(b, slot));
        SetScanListPri(rest, slot, GetScanListPri(b, slot));
    }
    // The P and G marks, shown in the Pri column, with the group that holds
    // each as b's own sizes give it.
    SetPChannel(rest, GetPChannel(b), unsigned(tb.GroupOfSlot(int(GetPChannel(b)) - 1)));
    SetGChannel(rest, GetGChannel(b), unsigned(tb.GroupOfSlot(int(GetGChannel(b)) - 1)));

    const bool equalBytes = std::equal(a.begin(), a.begin() + kImageSize, b.begin());
    const RadioImage& from = diff.lines.empty() ? a : rest;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (from[i] == b[i]) continue;
        char va[8], vb[8];
        std::snprintf(va, sizeof va, "0x%02X", from[i]);
        std::snprintf(vb, sizeof vb, "0x%02X", b[i]);
        diff.lines.push_back(Difference(FormatMessage(kMsgByte, std::to_string(i)), va, vb));
    }
    diff.equal = equalBytes;
    return diff;
}

std::string ImageDiffText(const ImageDiff& diff) {
    if (diff.equal) return LoadString(kMsgNoDifferences) + "\n";
    std::string out;
    for (const std::string& line : diff.lines) out += line + "\n";
    out += FormatMessage(kMsgDifferences, std::to_string(diff.lines.size())) + "\n";
    return out;
}

}  // namespace kp07
