// Where every field of the radio's memory lies. This file is the memory map of
// the radio: no other file names a numeric image offset. Fields are grouped by
// the parameter block that owns them.
#pragma once

#include "image/field_kinds.h"

namespace kp07::layout {

using kind::Bcd4;
using kind::Be16;
using kind::Bits;
using kind::ByteRange;
using kind::ChannelBitmap;
using kind::Count14;
using kind::DtmfCode;
using kind::DtmfDigits;
using kind::EnabledNumber;
using kind::FlagSet;
using kind::StepCount;
using kind::Table;
using kind::Tag;
using kind::ToneDigits;
using kind::ToneWord;

constexpr Bits Byte(std::uint16_t offset) {
    return Bits{offset, 0, 8};
}
constexpr Bits Flag(std::uint16_t offset, std::uint8_t bit) {
    return Bits{offset, bit, 1};
}
constexpr Bits Field(std::uint16_t offset, std::uint8_t lowBit, std::uint8_t width) {
    return Bits{offset, lowBit, width};
}

// Regions without an owner that a rebuild keeps: firmware version and the
// production and serial numbers with the four bytes between them.
constexpr std::uint16_t kKeptHeadBegin = 0, kKeptHeadEnd = 2;  // [begin, end)
constexpr std::uint16_t kKeptIdentityBegin = 7715, kKeptIdentityEnd = 7723;
// The image checksum covers bytes 2..7714 and is stored big-endian here.
constexpr std::uint16_t kChecksumFirst = 2, kChecksumLast = 7714;
constexpr Be16 kChecksum{7725};

// ---------------------------------------------------------------- RadioIdentity
constexpr Bcd4 kFirmwareVersion{0};
// The same two bytes as they are, nibbles that are no decimal digit included.
constexpr Be16 kFirmwareNibbles{0};
constexpr DtmfDigits kProductionNumber{7715, 0, 4};
// Serial number: character 1 high nibble of 7721, character 2 = 'B' + low
// nibble of 7721, characters 3-4 byte 7722, 5-6 byte 7724, 7-8 byte 7723.
constexpr std::uint16_t kSerialFirst = 7721, kSerialSecond = 7722, kSerialThird = 7724,
                        kSerialFourth = 7723;

// --------------------------------------------------------------- HardwareParams
constexpr Bits kModel = Flag(7667, 0);
constexpr Bits kStepCode = Field(7668, 6, 2);
constexpr Count14 kReferenceCountA{7668};
constexpr Count14 kReferenceCountB{7670};
constexpr Bits kInjectionSide = Flag(7670, 7);
constexpr Be16 kMinFrequency{7672};  // 0.1 MHz units
constexpr Be16 kMaxFrequency{7674};  // 0.1 MHz units
constexpr Be16 kFirstIf{7676};       // kHz
constexpr Bits kSqlReleaseTime = Field(7686, 0, 3);
constexpr Bits kSqlAttackTime = Field(7687, 4, 4);
constexpr Bits kSqlHysteresis = Field(7687, 0, 4);
constexpr Bits kCtcssReleaseTime = Flag(3, 7);
constexpr Bits kRxSaveOffTime = Field(4, 5, 2);
// Alignment data. Pairs are indexed by bandwidth class (0 wide, 1 narrow),
// power pairs by level (0 high, 1 low).
constexpr Table kRssi{7678, 4, 2};
constexpr Table kAuxTuning{7679, 4, 2};  // carried with the alignment data, not interpreted
constexpr Table kSquelchThreshold{7680, 4, 2};
constexpr Table kSquelchTight{7681, 4, 2};
constexpr Bits kRxSensitivityBase = Byte(7688);
constexpr Bits kRxSensitivitySlope = Byte(7689);
constexpr Table kPowerBase{7690, 3, 2};
constexpr Table kPowerSlopeLowerHalf{7691, 3, 2};  // [high, low] below the band centre
constexpr Table kPowerSlopeUpperHalf{7692, 3, 2};  // [high, low] at or above the centre
constexpr Bits kMaxDeviationBase = Byte(7696);
constexpr Table kMaxDeviationSlope{7697, 1, 2};  // [lower half, upper half]
constexpr Bits kMaxRefDeviationBase = Byte(7699);
constexpr Table kMaxRefDeviationSlope{7700, 1, 2};
constexpr Table kCtcssModulation{7702, 1, 2};  // [wide, narrow]
constexpr Bits kCtcssRatio = Byte(7704);
constexpr Table kDcsModulation{7705, 1, 2};
constexpr Bits kDcsRatio = Byte(7707);
constexpr Bits kDtmfDeviation = Byte(7709);
constexpr Bits kRfFrequency = Byte(7710);
constexpr Bits kMicSensitivity = Byte(7711);
// Indexed by table entry: one Bits descriptor per entry, offset 0.
constexpr Bits kTableByte = Byte(0);

// ------------------------------------------------------------------ ChannelTable
constexpr Table kGroupChannelCount{281, 1, 7};
constexpr Table kGroupTag{153, 8, 7};
constexpr ChannelBitmap kScanListOp{92};
constexpr ChannelBitmap kScanListGr{7728};
constexpr ChannelBitmap kScanListPri{7749};
constexpr std::uint16_t kGroupTypeBits = 126;  // group g: bit g of 126, from 8 bit g-8 of 127
constexpr Bits kPChannelSlot = Byte(91);
constexpr Bits kPChannelGroup = Field(90, 0, 4);
constexpr Bits kPChannelSet = Flag(6, 4);
constexpr Bits kGChannelSlot = Byte(89);
constexpr Bits kGChannelGroup = Field(90, 4, 4);
constexpr Bits kGChannelSet = Flag(7, 4);

// Channel records: slot i at 297 + 25 i. Offsets below are within a record.
constexpr Table kChannelRecords{297, 25, 168};
constexpr Bits kChInUse = Flag(0, 7);
constexpr Bits kChNarrow = Flag(0, 6);  // W/N selector value 2
constexpr Bits kChRxStepFlag = Flag(0, 5);
constexpr Bits kChTxStepFlag = Flag(0, 4);
constexpr Bits kChPowerSaveTx = Flag(0, 3);
constexpr Bits kChPowerSaveRx = Flag(0, 2);
constexpr Bits kChXtal = Flag(0, 1);
constexpr Bits kChQlnk = Flag(0, 0);
constexpr Bits kChTxInhibit = Flag(1, 7);
constexpr Bits kChPower = Flag(1, 6);
constexpr Bits kChTot = Flag(1, 5);
constexpr Bits kChEncryptionLow = Flag(1, 4);
constexpr Bits kChWide1 = Flag(1, 3);  // W/N selector value 1
constexpr Bits kChEncryptionHigh = Flag(1, 2);
constexpr Bits kChLockOut = Field(1, 0, 2);
constexpr Bits kChCompander = Flag(2, 5);
constexpr Bits kChTxSetByHand = Flag(2, 4);
constexpr Bits kChSquelchLevel = Field(2, 0, 4);
constexpr Bits kChSignalingType = Field(3, 6, 2);
constexpr Bits kChSignalingNumber = Field(3, 0, 5);
constexpr Bits kChDtmfAni = Flag(3, 5);
constexpr ToneWord kChTxTone{4};
constexpr ToneWord kChRxTone{6};
constexpr StepCount kChRxCount{8, 2, 7};
constexpr StepCount kChTxCount{10, 2, 6};
constexpr Bits kChRxTuning = Byte(12);
constexpr Table kChTxTuning{13, 1, 4};
constexpr Tag kChTag{17};

// ------------------------------------------------------------------ CommonParams
constexpr Bits kPowerOnCondition = Field(2, 0, 2);
constexpr Bits kTransmitTimer = Field(3, 4, 3);
constexpr Bits kPenaltyTimer = Field(3, 2, 2);
constexpr Bits kReleaseTimer = Field(3, 0, 2);
constexpr Bits kBeep = Flag(4, 7);
constexpr Bits kSetToSetClone = Flag(4, 4);
constexpr Bits kLcdLightingMode = Flag(4, 3);
constexpr Bits kRxSaveMode = Field(4, 0, 3);
constexpr Bits kLedLighting = Flag(5, 7);
constexpr Bits kSquelchTailElimination = Field(5, 5, 2);
constexpr Bits kExternalJack = Flag(5, 4);
constexpr Bits kKeyHoldingTime = Flag(6, 7);
constexpr Bits kMicGain = Field(7, 6, 2);
constexpr Bits kBell = Flag(7, 5);
constexpr Bits kQlnkBeep = Flag(8, 7);
constexpr Bits kLowBatteryAlert = Field(125, 4, 2);
constexpr Bits kOptionBoard = Field(125, 0, 4);
constexpr Bits kRecordMode = Flag(128, 2);
constexpr Bits kPlayMode = Flag(128, 1);
constexpr Bits kPowerOnRecord = Flag(128, 0);
constexpr Tag kPowerOnTag{145, true};
constexpr Bits kFrontKeypad = Field(7667, 1, 2);
constexpr Bits kPasswordEnabled = Flag(7712, 0);
constexpr DtmfDigits kPassword{7713, 0, 4};

// -------------------------------------------------------------------- ScanParams
constexpr Bits kResumeTime1 = Field(124, 4, 4);
constexpr Bits kResumeTime2 = Field(124, 0, 4);
constexpr Bits kPriorityCheckHigh = Flag(6, 5);
constexpr Bits kPriorityCheckLow = Flag(6, 3);
constexpr Bits kTalkBack = Flag(6, 2);
constexpr Bits kRevertChannel = Field(6, 0, 2);
constexpr Bits kGroupScan = Flag(7, 3);
constexpr Bits kScanSpeed = Flag(7, 2);

// ------------------------------------------------------------- KeyFunctionParams
constexpr Table kKeyFunction{129, 1, 12};
constexpr Bits kRotarySwitchMode{6, 6, 1, true};

// --------------------------------------------------------------- EmergencyParams
constexpr Bits kEmergencyChannelKind = Field(141, 6, 2);
constexpr Bits kEmergencyChannelGroup = Field(141, 0, 4);
constexpr Bits kEmergencyChannelSlot = Byte(142);
constexpr Bits kSilentMode = Flag(141, 5);
constexpr Bits kEmergencyKeyDuration = Flag(141, 4);
constexpr Bits kEmergencyRxTime = Field(143, 4, 4);
constexpr Bits kEmergencyTxTime = Field(143, 0, 4);
constexpr Bits kLoneWorkerTimer = Field(144, 0, 4);

// -------------------------------------------------------------------- DtmfParams
constexpr Table kSpeedDialCode{9, 8, 10};
constexpr DtmfCode kTableDtmfCode{0};
constexpr DtmfCode kAniCode{7630};
constexpr DtmfCode kEmergencyCode{7638};
constexpr std::uint16_t kPauseCodeByte = 2;  // b3 present, b4-7 digit
constexpr Bits kAniTransmit = Flag(8, 4);
constexpr Bits kDtmfDelay = Field(8, 2, 2);
constexpr Bits kDtmfSpeed = Field(8, 0, 2);
constexpr Bits kDtmfPauseTime = Field(128, 5, 3);
// 2-tone common settings (also shown by the 5-tone general settings).
constexpr Bits kAutoResetTime = Field(5, 0, 4);
constexpr Bits kAutoResetBeep = Flag(7, 1);
constexpr Bits kPrimaryGroupCall = Field(7571, 6, 2);
constexpr Bits kSecondaryGroupCall = Field(7571, 4, 2);
constexpr Bits kCallBeepTone = Field(7571, 1, 3);
constexpr Bits kBeepMode = Flag(7571, 0);
constexpr Bits kSecondaryPagePair = Field(7572, 4, 4);
constexpr Bits kToneComplement = Flag(7572, 3);
constexpr Bits kDuty = Flag(7572, 2);
constexpr Bits kTwoToneBeepRepeat = Byte(7573);
constexpr Table kTwoTonePairs{7574, 4, 10};
constexpr Be16 kPairFirstTone{0};
constexpr Be16 kPairSecondTone{2};

// ---------------------------------------------------------------- SignalingType
constexpr Bits kSignalingType = Flag(7, 0);

// --------------------------------------------------------------- TwoToneGeneral
constexpr Bits kTwoToneEncodeType = Field(7568, 6, 2);
constexpr Bits kTwoToneEncodePair = Field(7568, 0, 4);
constexpr Bits kFirstTonePeriod = Byte(7569);
constexpr Bits kSecondTonePeriod = Byte(7570);

// --------------------------------------------------------------- TwoToneSystems
constexpr Table kTwoToneSystems{7614, 1, 16};
// Within an entry byte: first pair = b3 (on) and b4-7 (pair - 1).
constexpr Bits kTtsFirstPairOn = Flag(0, 3);
constexpr Bits kTtsFirstPairIndex = Field(0, 4, 4);
constexpr Bits kTtsSecondPair{0, 2, 1, true};
constexpr Bits kTtsAutoReset{0, 1, 1, true};
constexpr Bits kTtsAni{0, 0, 1, true};

// -------------------------------------------------------------- FiveToneGeneral
constexpr Table kDigitDelay{6697, 1, 4};
constexpr Bits kFirstToneTimer = Byte(6701);
constexpr Bits kTranspondDelayTimer = Byte(6702);
constexpr FlagSet kDisplayDigits{6703};
constexpr Bits kGroupTone = Field(6704, 4, 4);
constexpr Bits kRepeatTone = Field(6704, 0, 4);
constexpr Bits kDelay3Tone = Field(6705, 4, 4);
constexpr Bits kAniDisplay = Flag(6705, 3);
constexpr Bits kTagDisplay = Flag(6705, 2);
constexpr Bits kClearToTranspond = Flag(6705, 1);
constexpr Bits kPttCall = Flag(6705, 0);
constexpr FlagSet kCompareDigits{6706};
constexpr Bits kIdDecodeTime = Byte(6707);
constexpr Bits kFiveToneBeepRepeat = Byte(6708);
constexpr Bits kCallKey2 = Byte(6709);
constexpr Bits kCallKey3 = Byte(6710);
constexpr Bits kAutoTxTime = Byte(6711);

// --------------------------------------------------------------- FiveToneFormat
constexpr Table kFormatTiming{6712, 2, 12};
constexpr Bits kFormatPeriod = Byte(0);
constexpr Bits kFormatGap = Byte(1);

// ------------------------------------------------------------ FiveToneUserTones
constexpr Table kUserTones{6736, 2, 15};
constexpr Be16 kUserToneHz{0};

// -------------------------------------------------------------- FiveToneSystems
constexpr Table kFiveToneSystems{6766, 6, 32};
constexpr Bits kFtsToneFormat = Field(0, 4, 4);
constexpr Bits kFtsMonitorSwitch = Field(0, 2, 2);
constexpr Bits kFtsCallSwitch = Flag(0, 1);
constexpr Bits kFtsPttSwitch = Flag(0, 0);
constexpr EnabledNumber kFtsRepeaterCode{1};
constexpr EnabledNumber kFtsCallCode{2};
constexpr EnabledNumber kFtsIdCode{3};
constexpr Bits kFtsChannelSwitch = Field(1, 5, 2);
constexpr Bits kFtsFlow = Field(2, 5, 2);
constexpr Bits kFtsAniTransmission = Field(3, 5, 2);
constexpr Bits kFtsAutoReset = Flag(4, 7);
constexpr Bits kFtsComplement = Flag(4, 6);
constexpr Bits kFtsDuty = Flag(4, 5);
constexpr FlagSet kFtsDecodeCodes{5};

// --------------------------------------------------------------- FiveToneDecode
constexpr Table kFiveToneDecode{6958, 15, 8};
constexpr Bits kFtdCodeByte = Byte(0);  // code selector, with kFtdCodeHigh
constexpr Bits kFtdCodeHigh = Flag(5, 7);
constexpr ToneDigits kFtdNumber{1};
// The options part of a decode entry: record bytes 5-14. The group decode
// entry has only this part, at kGroupDecodeOptions.
constexpr std::uint16_t kDecodeOptionsOffset = 5;
constexpr std::uint16_t kDecodeOptionsSize = 10;
constexpr std::uint16_t kGroupDecodeOptions = 7078;
constexpr Bits kDoIdDecode = Flag(0, 6);
constexpr Bits kDoCallLedDisplay = Field(0, 4, 2);
constexpr Bits kDoMode = Field(0, 2, 2);
constexpr Bits kDoScan = Field(0, 0, 2);
constexpr Bits kDoEmergency = Flag(1, 7);
constexpr Bits kDoCallBeepTone = Field(1, 4, 3);
constexpr Bits kDoBeepMode = Flag(1, 3);
constexpr Bits kDoStun = Field(1, 1, 2);
constexpr Bits kDoAutoTx = Flag(1, 0);
constexpr Tag kDoTag{2};

// --------------------------------------------------------------- FiveToneEncode
constexpr Table kFiveToneEncode{7088, 15, 32};
constexpr ToneDigits kFteNumber{1};
constexpr Bits kFteFirstDigitExtend = Flag(5, 7);
constexpr Bits kFteRecallingCode = Flag(5, 6);
constexpr Bits kFteOverwrite = Flag(5, 5);
constexpr Bits kFteTranspondBeep = Flag(5, 4);
constexpr Bits kFteGroupDigitSelectable = Flag(5, 3);
constexpr Bits kFteTranspondDecode = Flag(5, 1);
constexpr FlagSet kFteInputDigits{6};
constexpr Tag kFteTag{7};

// ----------------------------------------------------------------- PagingParams
constexpr Bits kPagingAutoResetTime = Field(7646, 4, 4);
constexpr Bits kPagingCallTimes = Field(7646, 2, 2);
constexpr Bits kPagingAnswerBack = Flag(7646, 1);
constexpr Bits kPagingDtmfSpeed = Flag(7646, 0);
constexpr Table kPageCodes{7647, 2, 10};
constexpr Bits kPageEntered = Flag(0, 7);
constexpr Bits kPageDecode = Flag(0, 6);
constexpr DtmfDigits kPageCode{0, 1, 3};

// ------------------------------------------------------------------- Clone link
// What a download compares with the radio and carries over from it as raw bytes.
constexpr ByteRange kFirmwareBytes{0, 1};
// Model, step code, reference counts, injection side, band limits, first IF:
// a download goes ahead only when the radio's bytes equal the document's.
constexpr ByteRange kHardwareConfiguration{7667, 7677};
// The rest of the hardware parameters: the radio's own alignment data.
constexpr ByteRange kFactoryData{7678, 7711};
constexpr ByteRange kSquelchAlignment{7678, 7685};  // RSSI and squelch pairs, both bandwidths
constexpr ByteRange kTuningAlignment{7688, 7711};   // receive sensitivity .. microphone
constexpr ByteRange kReferenceAndMic{7710, 7711};   // reference frequency, microphone
// Production number, four carried bytes and the serial number.
constexpr ByteRange kIdentityBytes{7715, 7724};
constexpr ByteRange kIdentityAfterProduction{7717, 7724};

}  // namespace kp07::layout
