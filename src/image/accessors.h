// Get<Field>/Set<Field> for every field of the radio's memory. Three shapes:
// whole-image accessors take the image; indexed accessors take the image and
// an index (slot, group, code, entry); record accessors take a window onto one
// record (see the *At functions). A setter changes only its field's bits.
#pragma once

#include <array>
#include <string>

#include "image/field_access.h"
#include "image/layout.h"

namespace kp07 {

struct ChannelRecordTag {};
struct FiveToneSystemTag {};
struct FiveToneDecodeTag {};
struct DecodeOptionsTag {};
struct FiveToneEncodeTag {};

using ChannelRecordView = RecordRef<ChannelRecordTag>;
using ConstChannelRecordView = ConstRecordRef<ChannelRecordTag>;

constexpr int kChannelSlots = 168;
constexpr int kGroupCount = 7;
constexpr int kMaxGroupSize = 128;

// Windows onto records; empty (every read 0, every write dropped) when the
// index is out of range.
ChannelRecordView ChannelRecordAt(RadioImage& image, int slot);
ConstChannelRecordView ChannelRecordAt(const RadioImage& image, int slot);
RecordRef<FiveToneSystemTag> FiveToneSystemAt(RadioImage& image, int entry);
ConstRecordRef<FiveToneSystemTag> FiveToneSystemAt(const RadioImage& image, int entry);
RecordRef<FiveToneDecodeTag> FiveToneDecodeAt(RadioImage& image, int entry);
ConstRecordRef<FiveToneDecodeTag> FiveToneDecodeAt(const RadioImage& image, int entry);
RecordRef<FiveToneEncodeTag> FiveToneEncodeAt(RadioImage& image, int entry);
ConstRecordRef<FiveToneEncodeTag> FiveToneEncodeAt(const RadioImage& image, int entry);
// The options part of a decode entry (its bytes 5-14); entries 0-7 are the
// decode records, entry 8 the group decode entry, which has only this part.
constexpr int kGroupDecodeEntry = 8;
RecordRef<DecodeOptionsTag> DecodeOptionsAt(RadioImage& image, int entry);
ConstRecordRef<DecodeOptionsTag> DecodeOptionsAt(const RadioImage& image, int entry);

#define KP07_FIELD(Name, desc)                                              \
    inline auto Get##Name(const RadioImage& im) {                           \
        return access::Read(WholeImage(im), desc);                          \
    }                                                                       \
    inline void Set##Name(RadioImage& im, const decltype(desc)::Value& v) { \
        access::Write(WholeImage(im), desc, v);                             \
    }

#define KP07_TABLE_FIELD(Name, table, desc)                                            \
    inline auto Get##Name(const RadioImage& im, int index) {                           \
        return access::Read(access::Entry(WholeImage(im), table, index), desc);        \
    }                                                                                  \
    inline void Set##Name(RadioImage& im, int index, const decltype(desc)::Value& v) { \
        access::Write(access::Entry(WholeImage(im), table, index), desc, v);           \
    }

#define KP07_RECORD_FIELD(Name, Tag, desc)                                    \
    inline auto Get##Name(ConstRecordRef<Tag> r) {                            \
        return access::Read(r, desc);                                         \
    }                                                                         \
    inline void Set##Name(RecordRef<Tag> r, const decltype(desc)::Value& v) { \
        access::Write(r, desc, v);                                            \
    }

#define KP07_RECORD_TABLE_FIELD(Name, Tag, table, desc)                                  \
    inline auto Get##Name(ConstRecordRef<Tag> r, int index) {                            \
        return access::Read(access::Entry(ConstBytes(r), table, index), desc);           \
    }                                                                                    \
    inline void Set##Name(RecordRef<Tag> r, int index, const decltype(desc)::Value& v) { \
        access::Write(access::Entry(Bytes(r), table, index), desc, v);                   \
    }

// ---------------------------------------------------------------- RadioIdentity
KP07_FIELD(FirmwareVersion, layout::kFirmwareVersion)
KP07_FIELD(FirmwareNibbles, layout::kFirmwareNibbles)
KP07_FIELD(ProductionNumber, layout::kProductionNumber)
std::string GetSerialNumber(const RadioImage& im);
void SetSerialNumber(RadioImage& im, const std::string& serial);

// --------------------------------------------------------------- HardwareParams
KP07_FIELD(Model, layout::kModel)
KP07_FIELD(StepCode, layout::kStepCode)
KP07_FIELD(ReferenceCountA, layout::kReferenceCountA)
KP07_FIELD(ReferenceCountB, layout::kReferenceCountB)
KP07_FIELD(InjectionSide, layout::kInjectionSide)
KP07_FIELD(MinFrequency, layout::kMinFrequency)
KP07_FIELD(MaxFrequency, layout::kMaxFrequency)
KP07_FIELD(FirstIf, layout::kFirstIf)
KP07_FIELD(SqlReleaseTime, layout::kSqlReleaseTime)
KP07_FIELD(SqlAttackTime, layout::kSqlAttackTime)
KP07_FIELD(SqlHysteresis, layout::kSqlHysteresis)
KP07_FIELD(CtcssReleaseTime, layout::kCtcssReleaseTime)
KP07_FIELD(RxSaveOffTime, layout::kRxSaveOffTime)
KP07_TABLE_FIELD(Rssi, layout::kRssi, layout::kTableByte)
KP07_TABLE_FIELD(AuxTuning, layout::kAuxTuning, layout::kTableByte)
KP07_TABLE_FIELD(SquelchThreshold, layout::kSquelchThreshold, layout::kTableByte)
KP07_TABLE_FIELD(SquelchTight, layout::kSquelchTight, layout::kTableByte)
KP07_FIELD(RxSensitivityBase, layout::kRxSensitivityBase)
KP07_FIELD(RxSensitivitySlope, layout::kRxSensitivitySlope)
KP07_TABLE_FIELD(PowerBase, layout::kPowerBase, layout::kTableByte)
KP07_TABLE_FIELD(PowerSlopeLowerHalf, layout::kPowerSlopeLowerHalf, layout::kTableByte)
KP07_TABLE_FIELD(PowerSlopeUpperHalf, layout::kPowerSlopeUpperHalf, layout::kTableByte)
KP07_FIELD(MaxDeviationBase, layout::kMaxDeviationBase)
KP07_TABLE_FIELD(MaxDeviationSlope, layout::kMaxDeviationSlope, layout::kTableByte)
KP07_FIELD(MaxRefDeviationBase, layout::kMaxRefDeviationBase)
KP07_TABLE_FIELD(MaxRefDeviationSlope, layout::kMaxRefDeviationSlope, layout::kTableByte)
KP07_TABLE_FIELD(CtcssModulation, layout::kCtcssModulation, layout::kTableByte)
KP07_FIELD(CtcssRatio, layout::kCtcssRatio)
KP07_TABLE_FIELD(DcsModulation, layout::kDcsModulation, layout::kTableByte)
KP07_FIELD(DcsRatio, layout::kDcsRatio)
KP07_FIELD(DtmfDeviation, layout::kDtmfDeviation)
KP07_FIELD(RfFrequency, layout::kRfFrequency)
KP07_FIELD(MicSensitivity, layout::kMicSensitivity)
// The reference oscillator in MHz: count A times the table-A step of the
// step code. The setter writes both counts for the given step code.
double GetReferenceOscillatorMHz(const RadioImage& im);
void SetReferenceOscillatorMHz(RadioImage& im, double mhz, unsigned stepCode);

// ------------------------------------------------------------------ ChannelTable
KP07_TABLE_FIELD(GroupChannelCount, layout::kGroupChannelCount, layout::kTableByte)
KP07_TABLE_FIELD(GroupTag, layout::kGroupTag, layout::Tag{0})
unsigned GetGroupType(const RadioImage& im, int group);
void SetGroupType(RadioImage& im, int group, unsigned type);
unsigned GetScanListOp(const RadioImage& im, int slot);
void SetScanListOp(RadioImage& im, int slot, unsigned on);
unsigned GetScanListGr(const RadioImage& im, int slot);
void SetScanListGr(RadioImage& im, int slot, unsigned on);
unsigned GetScanListPri(const RadioImage& im, int slot);
void SetScanListPri(RadioImage& im, int slot, unsigned on);
// P and G channels: the getter gives slot + 1, or 0 when the reference is not
// set. Setting channel 0 clears the slot byte, the group nibble and the flag.
unsigned GetPChannel(const RadioImage& im);
void SetPChannel(RadioImage& im, unsigned channel, unsigned group);
unsigned GetGChannel(const RadioImage& im);
void SetGChannel(RadioImage& im, unsigned channel, unsigned group);
// The group whose running total of sizes first exceeds `slot`;
// kGroupCount when the slot lies beyond every group.
int GroupOfSlotInSizes(const std::array<unsigned, kGroupCount>& sizes, int slot);

// Channel record fields.
KP07_RECORD_FIELD(ChannelInUse, ChannelRecordTag, layout::kChInUse)
KP07_RECORD_FIELD(ChannelRxStepFlag, ChannelRecordTag, layout::kChRxStepFlag)
KP07_RECORD_FIELD(ChannelTxStepFlag, ChannelRecordTag, layout::kChTxStepFlag)
KP07_RECORD_FIELD(ChannelPowerSaveTx, ChannelRecordTag, layout::kChPowerSaveTx)
KP07_RECORD_FIELD(ChannelPowerSaveRx, ChannelRecordTag, layout::kChPowerSaveRx)
KP07_RECORD_FIELD(ChannelXtal, ChannelRecordTag, layout::kChXtal)
KP07_RECORD_FIELD(ChannelQlnk, ChannelRecordTag, layout::kChQlnk)
KP07_RECORD_FIELD(ChannelTxInhibit, ChannelRecordTag, layout::kChTxInhibit)
KP07_RECORD_FIELD(ChannelPower, ChannelRecordTag, layout::kChPower)
KP07_RECORD_FIELD(ChannelTot, ChannelRecordTag, layout::kChTot)
KP07_RECORD_FIELD(ChannelLockOut, ChannelRecordTag, layout::kChLockOut)
KP07_RECORD_FIELD(ChannelCompander, ChannelRecordTag, layout::kChCompander)
KP07_RECORD_FIELD(ChannelTxSetByHand, ChannelRecordTag, layout::kChTxSetByHand)
KP07_RECORD_FIELD(ChannelSquelchLevel, ChannelRecordTag, layout::kChSquelchLevel)
KP07_RECORD_FIELD(ChannelDtmfAni, ChannelRecordTag, layout::kChDtmfAni)
KP07_RECORD_FIELD(ChannelTxTone, ChannelRecordTag, layout::kChTxTone)
KP07_RECORD_FIELD(ChannelRxTone, ChannelRecordTag, layout::kChRxTone)
KP07_RECORD_FIELD(ChannelRxCount, ChannelRecordTag, layout::kChRxCount)
KP07_RECORD_FIELD(ChannelTxCount, ChannelRecordTag, layout::kChTxCount)
KP07_RECORD_FIELD(ChannelRxTuning, ChannelRecordTag, layout::kChRxTuning)
KP07_RECORD_TABLE_FIELD(ChannelTxTuning, ChannelRecordTag, layout::kChTxTuning, layout::kTableByte)
KP07_RECORD_FIELD(ChannelTag, ChannelRecordTag, layout::kChTag)
// W/N selector: 2 (narrow) is byte 0 b6, 1 is byte 1 b3, 0 clears both.
unsigned GetChannelBandwidth(ConstChannelRecordView r);
void SetChannelBandwidth(ChannelRecordView r, unsigned value);
// Encryption 0-3: byte 1 b2 is the high bit, byte 1 b4 the low bit.
unsigned GetChannelEncryption(ConstChannelRecordView r);
void SetChannelEncryption(ChannelRecordView r, unsigned value);
// Signaling type (0 none, 1 signal, 2 page, 3 option) and number.
SignalingSelector GetChannelSignaling(ConstChannelRecordView r);
void SetChannelSignaling(ChannelRecordView r, const SignalingSelector& value);

// ------------------------------------------------------------------ CommonParams
KP07_FIELD(PowerOnCondition, layout::kPowerOnCondition)
KP07_FIELD(TransmitTimer, layout::kTransmitTimer)
KP07_FIELD(PenaltyTimer, layout::kPenaltyTimer)
KP07_FIELD(ReleaseTimer, layout::kReleaseTimer)
KP07_FIELD(Beep, layout::kBeep)
KP07_FIELD(SetToSetClone, layout::kSetToSetClone)
KP07_FIELD(LcdLightingMode, layout::kLcdLightingMode)
KP07_FIELD(RxSaveMode, layout::kRxSaveMode)
KP07_FIELD(LedLighting, layout::kLedLighting)
KP07_FIELD(SquelchTailElimination, layout::kSquelchTailElimination)
KP07_FIELD(ExternalJack, layout::kExternalJack)
KP07_FIELD(KeyHoldingTime, layout::kKeyHoldingTime)
KP07_FIELD(MicGain, layout::kMicGain)
KP07_FIELD(Bell, layout::kBell)
KP07_FIELD(QlnkBeep, layout::kQlnkBeep)
KP07_FIELD(LowBatteryAlert, layout::kLowBatteryAlert)
KP07_FIELD(OptionBoard, layout::kOptionBoard)
KP07_FIELD(RecordMode, layout::kRecordMode)
KP07_FIELD(PlayMode, layout::kPlayMode)
KP07_FIELD(PowerOnRecord, layout::kPowerOnRecord)
KP07_FIELD(PowerOnTag, layout::kPowerOnTag)
KP07_FIELD(FrontKeypad, layout::kFrontKeypad)
KP07_FIELD(PasswordEnabled, layout::kPasswordEnabled)
KP07_FIELD(Password, layout::kPassword)

// -------------------------------------------------------------------- ScanParams
KP07_FIELD(ResumeTime1, layout::kResumeTime1)
KP07_FIELD(ResumeTime2, layout::kResumeTime2)
KP07_FIELD(PriorityCheckHigh, layout::kPriorityCheckHigh)
KP07_FIELD(PriorityCheckLow, layout::kPriorityCheckLow)
KP07_FIELD(TalkBack, layout::kTalkBack)
KP07_FIELD(RevertChannel, layout::kRevertChannel)
KP07_FIELD(GroupScan, layout::kGroupScan)
KP07_FIELD(ScanSpeed, layout::kScanSpeed)

// ------------------------------------------------------------- KeyFunctionParams
KP07_TABLE_FIELD(KeyFunction, layout::kKeyFunction, layout::kTableByte)
KP07_FIELD(RotarySwitchMode, layout::kRotarySwitchMode)

// --------------------------------------------------------------- EmergencyParams
KP07_FIELD(EmergencyChannelKind, layout::kEmergencyChannelKind)
KP07_FIELD(EmergencyChannelGroup, layout::kEmergencyChannelGroup)
KP07_FIELD(EmergencyChannelSlot, layout::kEmergencyChannelSlot)
KP07_FIELD(SilentMode, layout::kSilentMode)
KP07_FIELD(EmergencyKeyDuration, layout::kEmergencyKeyDuration)
KP07_FIELD(EmergencyRxTime, layout::kEmergencyRxTime)
KP07_FIELD(EmergencyTxTime, layout::kEmergencyTxTime)
KP07_FIELD(LoneWorkerTimer, layout::kLoneWorkerTimer)
// The emergency channel choice: 0 and 1 are the two fixed choices, n from 2
// is channel n - 2 counted over all 168 slots. The setter finds the channel's
// group from the group sizes stored in the same image.
unsigned GetEmergencyChannel(const RadioImage& im);
void SetEmergencyChannel(RadioImage& im, unsigned choice);

// -------------------------------------------------------------------- DtmfParams
KP07_TABLE_FIELD(SpeedDialCode, layout::kSpeedDialCode, layout::kTableDtmfCode)
KP07_FIELD(AniCode, layout::kAniCode)
KP07_FIELD(EmergencyCode, layout::kEmergencyCode)
KP07_FIELD(AniTransmit, layout::kAniTransmit)
KP07_FIELD(DtmfDelay, layout::kDtmfDelay)
KP07_FIELD(DtmfSpeed, layout::kDtmfSpeed)
KP07_FIELD(DtmfPauseTime, layout::kDtmfPauseTime)
// The pause code: one DTMF character, or empty.
std::string GetDtmfPauseCode(const RadioImage& im);
void SetDtmfPauseCode(RadioImage& im, const std::string& code);
KP07_FIELD(AutoResetTime, layout::kAutoResetTime)
KP07_FIELD(AutoResetBeep, layout::kAutoResetBeep)
KP07_FIELD(PrimaryGroupCall, layout::kPrimaryGroupCall)
KP07_FIELD(SecondaryGroupCall, layout::kSecondaryGroupCall)
KP07_FIELD(CallBeepTone, layout::kCallBeepTone)
KP07_FIELD(BeepMode, layout::kBeepMode)
KP07_FIELD(SecondaryPagePair, layout::kSecondaryPagePair)
KP07_FIELD(ToneComplement, layout::kToneComplement)
KP07_FIELD(Duty, layout::kDuty)
KP07_FIELD(TwoToneBeepRepeat, layout::kTwoToneBeepRepeat)
KP07_TABLE_FIELD(PairFirstTone, layout::kTwoTonePairs, layout::kPairFirstTone)
KP07_TABLE_FIELD(PairSecondTone, layout::kTwoTonePairs, layout::kPairSecondTone)

// ---------------------------------------------------------------- SignalingType
KP07_FIELD(SignalingType, layout::kSignalingType)

// --------------------------------------------------------------- TwoToneGeneral
KP07_FIELD(TwoToneEncodeType, layout::kTwoToneEncodeType)
KP07_FIELD(TwoToneEncodePair, layout::kTwoToneEncodePair)
KP07_FIELD(FirstTonePeriod, layout::kFirstTonePeriod)
KP07_FIELD(SecondTonePeriod, layout::kSecondTonePeriod)

// --------------------------------------------------------------- TwoToneSystems
// First pair: 0 off, else the pair number 1-10.
unsigned GetTwoToneFirstPair(const RadioImage& im, int entry);
void SetTwoToneFirstPair(RadioImage& im, int entry, unsigned pair);
KP07_TABLE_FIELD(TwoToneSecondPair, layout::kTwoToneSystems, layout::kTtsSecondPair)
KP07_TABLE_FIELD(TwoToneAutoReset, layout::kTwoToneSystems, layout::kTtsAutoReset)
KP07_TABLE_FIELD(TwoToneAni, layout::kTwoToneSystems, layout::kTtsAni)

// -------------------------------------------------------------- FiveToneGeneral
KP07_TABLE_FIELD(DigitDelay, layout::kDigitDelay, layout::kTableByte)
KP07_FIELD(FirstToneTimer, layout::kFirstToneTimer)
KP07_FIELD(TranspondDelayTimer, layout::kTranspondDelayTimer)
KP07_FIELD(DisplayDigits, layout::kDisplayDigits)
KP07_FIELD(GroupTone, layout::kGroupTone)
KP07_FIELD(RepeatTone, layout::kRepeatTone)
KP07_FIELD(Delay3Tone, layout::kDelay3Tone)
KP07_FIELD(AniDisplay, layout::kAniDisplay)
KP07_FIELD(TagDisplay, layout::kTagDisplay)
KP07_FIELD(ClearToTranspond, layout::kClearToTranspond)
KP07_FIELD(PttCall, layout::kPttCall)
KP07_FIELD(CompareDigits, layout::kCompareDigits)
KP07_FIELD(IdDecodeTime, layout::kIdDecodeTime)
KP07_FIELD(FiveToneBeepRepeat, layout::kFiveToneBeepRepeat)
KP07_FIELD(CallKey2, layout::kCallKey2)
KP07_FIELD(CallKey3, layout::kCallKey3)
KP07_FIELD(AutoTxTime, layout::kAutoTxTime)

// --------------------------------------------------------------- FiveToneFormat
KP07_TABLE_FIELD(FormatPeriod, layout::kFormatTiming, layout::kFormatPeriod)
KP07_TABLE_FIELD(FormatGap, layout::kFormatTiming, layout::kFormatGap)

// ------------------------------------------------------------ FiveToneUserTones
KP07_TABLE_FIELD(UserTone, layout::kUserTones, layout::kUserToneHz)

// -------------------------------------------------------------- FiveToneSystems
KP07_RECORD_FIELD(SystemToneFormat, FiveToneSystemTag, layout::kFtsToneFormat)
KP07_RECORD_FIELD(SystemMonitorSwitch, FiveToneSystemTag, layout::kFtsMonitorSwitch)
KP07_RECORD_FIELD(SystemCallSwitch, FiveToneSystemTag, layout::kFtsCallSwitch)
KP07_RECORD_FIELD(SystemPttSwitch, FiveToneSystemTag, layout::kFtsPttSwitch)
KP07_RECORD_FIELD(SystemRepeaterCode, FiveToneSystemTag, layout::kFtsRepeaterCode)
KP07_RECORD_FIELD(SystemCallCode, FiveToneSystemTag, layout::kFtsCallCode)
KP07_RECORD_FIELD(SystemIdCode, FiveToneSystemTag, layout::kFtsIdCode)
KP07_RECORD_FIELD(SystemChannelSwitch, FiveToneSystemTag, layout::kFtsChannelSwitch)
KP07_RECORD_FIELD(SystemFlow, FiveToneSystemTag, layout::kFtsFlow)
KP07_RECORD_FIELD(SystemAniTransmission, FiveToneSystemTag, layout::kFtsAniTransmission)
KP07_RECORD_FIELD(SystemAutoReset, FiveToneSystemTag, layout::kFtsAutoReset)
KP07_RECORD_FIELD(SystemComplement, FiveToneSystemTag, layout::kFtsComplement)
KP07_RECORD_FIELD(SystemDuty, FiveToneSystemTag, layout::kFtsDuty)
KP07_RECORD_FIELD(SystemDecodeCodes, FiveToneSystemTag, layout::kFtsDecodeCodes)

// --------------------------------------------------------------- FiveToneDecode
KP07_RECORD_FIELD(DecodeNumber, FiveToneDecodeTag, layout::kFtdNumber)
// Transpond code selector (record byte 0 with byte 5 b7): 0 is stored as b7
// clear and 0, 1 as b7 set and 32, n from 2 as b7 set and n - 2.
unsigned GetDecodeTranspondCode(ConstRecordRef<FiveToneDecodeTag> r);
void SetDecodeTranspondCode(RecordRef<FiveToneDecodeTag> r, unsigned code);
KP07_RECORD_FIELD(DecodeIdDecode, DecodeOptionsTag, layout::kDoIdDecode)
KP07_RECORD_FIELD(DecodeCallLedDisplay, DecodeOptionsTag, layout::kDoCallLedDisplay)
KP07_RECORD_FIELD(DecodeMode, DecodeOptionsTag, layout::kDoMode)
KP07_RECORD_FIELD(DecodeScan, DecodeOptionsTag, layout::kDoScan)
KP07_RECORD_FIELD(DecodeEmergency, DecodeOptionsTag, layout::kDoEmergency)
KP07_RECORD_FIELD(DecodeCallBeepTone, DecodeOptionsTag, layout::kDoCallBeepTone)
KP07_RECORD_FIELD(DecodeBeepMode, DecodeOptionsTag, layout::kDoBeepMode)
KP07_RECORD_FIELD(DecodeStun, DecodeOptionsTag, layout::kDoStun)
KP07_RECORD_FIELD(DecodeAutoTx, DecodeOptionsTag, layout::kDoAutoTx)
KP07_RECORD_FIELD(DecodeTag, DecodeOptionsTag, layout::kDoTag)

// --------------------------------------------------------------- FiveToneEncode
KP07_RECORD_FIELD(EncodeNumber, FiveToneEncodeTag, layout::kFteNumber)
KP07_RECORD_FIELD(EncodeFirstDigitExtend, FiveToneEncodeTag, layout::kFteFirstDigitExtend)
KP07_RECORD_FIELD(EncodeRecallingCode, FiveToneEncodeTag, layout::kFteRecallingCode)
KP07_RECORD_FIELD(EncodeOverwrite, FiveToneEncodeTag, layout::kFteOverwrite)
KP07_RECORD_FIELD(EncodeTranspondBeep, FiveToneEncodeTag, layout::kFteTranspondBeep)
KP07_RECORD_FIELD(EncodeGroupDigitSelectable, FiveToneEncodeTag, layout::kFteGroupDigitSelectable)
KP07_RECORD_FIELD(EncodeTranspondDecode, FiveToneEncodeTag, layout::kFteTranspondDecode)
KP07_RECORD_FIELD(EncodeInputDigits, FiveToneEncodeTag, layout::kFteInputDigits)
KP07_RECORD_FIELD(EncodeTag, FiveToneEncodeTag, layout::kFteTag)

// ----------------------------------------------------------------- PagingParams
KP07_FIELD(PagingAutoResetTime, layout::kPagingAutoResetTime)
KP07_FIELD(PagingCallTimes, layout::kPagingCallTimes)
KP07_FIELD(PagingAnswerBack, layout::kPagingAnswerBack)
KP07_FIELD(PagingDtmfSpeed, layout::kPagingDtmfSpeed)
KP07_TABLE_FIELD(PageEntered, layout::kPageCodes, layout::kPageEntered)
KP07_TABLE_FIELD(PageDecode, layout::kPageCodes, layout::kPageDecode)
KP07_TABLE_FIELD(PageCode, layout::kPageCodes, layout::kPageCode)

// ---------------------------------------------------------------------- Checksum
// The 16-bit sum of bytes 2..7714, as the rebuild stores it.
unsigned ComputeImageChecksum(const RadioImage& im);
KP07_FIELD(ImageChecksum, layout::kChecksum)

// ------------------------------------------------------------------- Raw ranges
bool SameBytes(const RadioImage& a, const RadioImage& b, layout::ByteRange r);
void CopyBytes(RadioImage& to, const RadioImage& from, layout::ByteRange r);

#undef KP07_FIELD
#undef KP07_TABLE_FIELD
#undef KP07_RECORD_FIELD
#undef KP07_RECORD_TABLE_FIELD

}  // namespace kp07
