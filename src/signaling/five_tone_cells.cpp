#include "signaling/five_tone_cells.h"

#include "blocks/dtmf_params.h"
#include "blocks/five_tone_format.h"

namespace kp07 {
namespace {

constexpr int kDigitFlags = 8;

CellRule Flag() {
    return {CellKind::kFlag, &FlagChoices()};
}
CellRule Step(const ChoiceTexts& texts) {
    return {CellKind::kStep, &texts};
}
CellRule Chooser(const ChoiceTexts& texts, const ChoiceTexts* lines = nullptr) {
    return {CellKind::kChooser, &texts, lines};
}

// One of eight flags of a FlagArray, column `first` + k for flag k.
bool InFlags(int col, int first) {
    return col >= first && col < first + kDigitFlags;
}
unsigned FlagOf(const FlagArray& flags, int col, int first) {
    return flags[std::size_t(col - first)] ? 1u : 0u;
}
void SetFlagOf(FlagArray& flags, int col, int first, unsigned value) {
    flags[std::size_t(col - first)] = value ? 1 : 0;
}

}  // namespace

// ---------------------------------------------------------------- systems

CellRule SystemCellRule(int col) {
    switch (col) {
        case kSysNumber:
            return {CellKind::kNumber};
        case kSysFormat:
            return Chooser(FormatChoices());
        case kSysMonitor:
            return Step(MonitorSwitchChoices());
        case kSysChannel:
            return Step(ChannelSwitchChoices());
        case kSysRepeaterCode:
        case kSysCallCode:
        case kSysIdCode:
            return Chooser(SystemCodeTexts(), &SystemCodeChoices());
        case kSysFlow:
            return Step(FlowChoices());
        case kSysAni:
            return Step(AniTransmissionChoices());
        case kSysCall:
        case kSysPtt:
        case kSysAutoReset:
        case kSysComplement:
        case kSysDuty:
            return Flag();
        default:
            return InFlags(col, kSysFirstDecode) ? Flag() : CellRule{};
    }
}

unsigned SystemCellValue(const FiveToneSystemEntry& e, int col) {
    switch (col) {
        case kSysFormat:
            return e.toneFormat;
        case kSysMonitor:
            return e.monitorSwitch;
        case kSysChannel:
            return e.channelSwitch;
        case kSysCall:
            return e.callSwitch;
        case kSysPtt:
            return e.pttSwitch;
        case kSysRepeaterCode:
            return e.repeaterCode;
        case kSysCallCode:
            return e.callCode;
        case kSysIdCode:
            return e.idCode;
        case kSysFlow:
            return e.flow;
        case kSysAni:
            return e.aniTransmission;
        case kSysAutoReset:
            return e.autoReset;
        case kSysComplement:
            return e.complement;
        case kSysDuty:
            return e.duty;
        default:
            return InFlags(col, kSysFirstDecode) ? FlagOf(e.decodeCodes, col, kSysFirstDecode) : 0;
    }
}

void SetSystemCellValue(FiveToneSystemEntry& e, int col, unsigned v) {
    switch (col) {
        case kSysFormat:
            e.toneFormat = v;
            break;
        case kSysMonitor:
            e.monitorSwitch = v;
            break;
        case kSysChannel:
            e.channelSwitch = v;
            break;
        case kSysCall:
            e.callSwitch = v != 0;
            break;
        case kSysPtt:
            e.pttSwitch = v != 0;
            break;
        case kSysRepeaterCode:
            e.repeaterCode = v;
            break;
        case kSysCallCode:
            e.callCode = v;
            break;
        case kSysIdCode:
            e.idCode = v;
            break;
        case kSysFlow:
            e.flow = v;
            break;
        case kSysAni:
            e.aniTransmission = v;
            break;
        case kSysAutoReset:
            e.autoReset = v != 0;
            break;
        case kSysComplement:
            e.complement = v != 0;
            break;
        case kSysDuty:
            e.duty = v != 0;
            break;
        default:
            if (InFlags(col, kSysFirstDecode)) SetFlagOf(e.decodeCodes, col, kSysFirstDecode, v);
            break;
    }
}

// ----------------------------------------------------------------- decode

CellRule DecodeColumnRule(int col) {
    switch (col) {
        case kDecNumber:
            return {CellKind::kNumber};
        case kDecCode:
            return {CellKind::kDigits};
        case kDecTag:
            return {CellKind::kTag};
        case kDecTranspond:
            return Chooser(TranspondChoices());
        case kDecId:
        case kDecEmergency:
        case kDecAutoTx:
            return Flag();
        case kDecLed:
            return Step(LedDisplayChoices());
        case kDecMode:
            return Step(DecodeModeChoices());
        case kDecScan:
            return Step(DecodeScanChoices());
        case kDecBeepTone:
            return Step(DecodeBeepToneChoices());
        case kDecBeepMode:
            return Step(BeepModeChoices());
        case kDecStun:
            return Step(StunChoices());
        default:
            return {};
    }
}

CellRule DecodeCellRule(int entry, int col) {
    if (entry == kGroupDecodeEntry &&
        (col == kDecCode || col == kDecTranspond || col == kDecAutoTx)) {
        return {};
    }
    return DecodeColumnRule(col);
}

unsigned DecodeCellValue(const FiveToneDecodeEntry& e, int col) {
    switch (col) {
        case kDecTranspond:
            return e.transpondCode;
        case kDecId:
            return e.idDecode;
        case kDecLed:
            return e.callLedDisplay;
        case kDecMode:
            return e.mode;
        case kDecScan:
            return e.scan;
        case kDecEmergency:
            return e.emergency;
        case kDecBeepTone:
            return e.callBeepTone;
        case kDecBeepMode:
            return e.beepMode;
        case kDecStun:
            return e.stun;
        case kDecAutoTx:
            return e.autoTx;
        default:
            return 0;
    }
}

void SetDecodeCellValue(FiveToneDecodeEntry& e, int col, unsigned v) {
    switch (col) {
        case kDecTranspond:
            e.transpondCode = v;
            break;
        case kDecId:
            e.idDecode = v;
            break;
        case kDecLed:
            e.callLedDisplay = v;
            break;
        case kDecMode:
            e.mode = v;
            break;
        case kDecScan:
            e.scan = v;
            break;
        case kDecEmergency:
            e.emergency = v;
            break;
        case kDecBeepTone:
            e.callBeepTone = v;
            break;
        case kDecBeepMode:
            e.beepMode = v;
            break;
        case kDecStun:
            e.stun = v;
            break;
        case kDecAutoTx:
            e.autoTx = v;
            break;
        default:
            break;
    }
}

// ----------------------------------------------------------------- encode

CellRule EncodeCellRule(int col) {
    switch (col) {
        case kEncNumber:
            return {CellKind::kNumber};
        case kEncCode:
            return {CellKind::kDigits};
        case kEncTag:
            return {CellKind::kTag};
        default:
            return col > kEncTag && col < kEncodeColumnCount ? Flag() : CellRule{};
    }
}

unsigned EncodeCellValue(const FiveToneEncodeEntry& e, int col) {
    switch (col) {
        case kEncFirstDigitExtend:
            return e.firstDigitExtend;
        case kEncRecallingCode:
            return e.recallingCode;
        case kEncOverwrite:
            return e.overwrite;
        case kEncTranspondDecode:
            return e.transpondDecode;
        case kEncTranspondBeep:
            return e.transpondBeep;
        case kEncGroupDigit:
            return e.groupDigitSelectable;
        default:
            return InFlags(col, kEncFirstInputDigit)
                       ? FlagOf(e.inputDigits, col, kEncFirstInputDigit)
                       : 0;
    }
}

void SetEncodeCellValue(FiveToneEncodeEntry& e, int col, unsigned v) {
    const bool on = v != 0;
    switch (col) {
        case kEncFirstDigitExtend:
            e.firstDigitExtend = on;
            break;
        case kEncRecallingCode:
            e.recallingCode = on;
            break;
        case kEncOverwrite:
            e.overwrite = on;
            break;
        case kEncTranspondDecode:
            e.transpondDecode = on;
            break;
        case kEncTranspondBeep:
            e.transpondBeep = on;
            break;
        case kEncGroupDigit:
            e.groupDigitSelectable = on;
            break;
        default:
            if (InFlags(col, kEncFirstInputDigit))
                SetFlagOf(e.inputDigits, col, kEncFirstInputDigit, v);
            break;
    }
}

}  // namespace kp07
