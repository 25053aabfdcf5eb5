#include "blocks/common_params.h"

#include "blocks/channel_table.h"
#include "blocks/paging_params.h"
#include "image/accessors.h"
#include "image/char_codes.h"
#include "image/number_text.h"

namespace kp07 {

void CommonParams::SetDefaults() {
    *this = CommonParams();
}

void CommonParams::Load(const RadioImage& image) {
    transmitTimer = GetTransmitTimer(image);
    penaltyTimer = GetPenaltyTimer(image);
    releaseTimer = GetReleaseTimer(image);
    rxSaveMode = GetRxSaveMode(image);
    micGain = GetMicGain(image);
    powerOnTag = GetPowerOnTag(image);
    lowBatteryAlert = GetLowBatteryAlert(image);
    beep = GetBeep(image);
    squelchTailElimination = GetSquelchTailElimination(image);
    bell = GetBell(image);
    ledLighting = GetLedLighting(image);
    lcdLightingMode = GetLcdLightingMode(image);
    setToSetClone = GetSetToSetClone(image);
    externalJack = GetExternalJack(image);
    keyHoldingTime = GetKeyHoldingTime(image);
    powerOnCondition = GetPowerOnCondition(image);
    qlnkBeep = GetQlnkBeep(image);
    optionBoard = GetOptionBoard(image);
    recordMode = GetRecordMode(image);
    playMode = GetPlayMode(image);
    powerOnRecord = GetPowerOnRecord(image);
    keypadSelection = GetFrontKeypad(image);
    passwordEnabled = GetPasswordEnabled(image);
    password = GetPassword(image);
}

void CommonParams::Store(RadioImage& image) const {
    SetTransmitTimer(image, transmitTimer);
    SetPenaltyTimer(image, penaltyTimer);
    SetReleaseTimer(image, releaseTimer);
    SetRxSaveMode(image, rxSaveMode);
    SetMicGain(image, micGain);
    SetPowerOnTag(image, powerOnTag);
    SetLowBatteryAlert(image, lowBatteryAlert);
    SetBeep(image, beep);
    SetSquelchTailElimination(image, squelchTailElimination);
    SetBell(image, bell);
    SetLedLighting(image, ledLighting);
    SetLcdLightingMode(image, lcdLightingMode);
    SetSetToSetClone(image, setToSetClone);
    SetExternalJack(image, externalJack);
    SetKeyHoldingTime(image, keyHoldingTime);
    SetPowerOnCondition(image, powerOnCondition);
    SetQlnkBeep(image, qlnkBeep);
    SetOptionBoard(image, optionBoard);
    SetRecordMode(image, recordMode);
    SetPlayMode(image, playMode);
    SetPowerOnRecord(image, powerOnRecord);
    SetFrontKeypad(image, keypadSelection);
    SetPasswordEnabled(image, passwordEnabled);
    SetPassword(image, password);
}

std::string CommonParams::CompletePowerOnTag(const std::string& text) {
    std::string out = text.substr(0, 8);
    out.resize(8, ' ');
    return out;
}

std::string CommonParams::CompletePassword(const std::string& text) {
    const std::string padded = "0000" + text;
    return padded.substr(padded.size() - 4);
}

double CommonParams::ClampDefaultSplit(double mhz) {
    return ClampDecimal(mhz, -99.9, 99.9);
}

bool ImageHasFrontKeypad(const RadioImage& image) {
    return GetFrontKeypad(image) != 0;
}

// ===================================================== Power Saving dialog

const ChoiceTexts& TransmitTimerTexts() {
    static const ChoiceTexts t = [] {
        ChoiceTexts texts = {"0.5 min"};
        for (const std::string& s : NumberTexts("%-3d min", 1, 7, 1)) texts.push_back(s);
        return texts;
    }();
    return t;
}
const ChoiceTexts& PenaltyTimerSeconds() {
    static const ChoiceTexts t = {"0", "6", "20", "60"};
    return t;
}
const ChoiceTexts& PenaltyTimerTexts() {
    static const ChoiceTexts t = FormatTexts("%s s", PenaltyTimerSeconds());
    return t;
}
const ChoiceTexts& ReleaseTimerSeconds() {
    static const ChoiceTexts t = {"0", "2", "3", "5"};
    return t;
}
const ChoiceTexts& ReleaseTimerTexts() {
    static const ChoiceTexts t = FormatTexts("%s s", ReleaseTimerSeconds());
    return t;
}
const ChoiceTexts& RxSaveModeTexts() {
    static const ChoiceTexts t = {"ABS", "1:1", "1:1.5", "1:2", "1:2.5", "1:3", "1:3.5", "1:4"};
    return t;
}
const ChoiceTexts& MicGainTexts() {
    static const ChoiceTexts t = {"Standard", "+6dB", "-6dB"};
    return t;
}
const ChoiceTexts& LowBatteryAlertTexts() {
    static const ChoiceTexts t = {"Disable", " 2s", " 5s", "10s"};
    return t;
}

std::string PowerOnTagText(const std::string& tag) {
    return CommonParams::CompletePowerOnTag(tag);
}

std::string CommitPowerOnTag(const std::string& text) {
    std::string tag = CommonParams::CompletePowerOnTag(text);
    for (char& c : tag) {
        const char upper = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
        c = CodeToChar(CharToCode(upper));
    }
    return tag;
}

// ===========================================================================
// Front keypad, Miscellaneous, Option and Power ON Password

int ItemOfValue(const ChoiceValues& values, unsigned value) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] == value) return int(i);
    }
    return 0;
}

const ChoiceTexts& FrontKeypadTexts() {
    static const ChoiceTexts t = {"None  ", "4 Key ", "16 Key"};
    return t;
}

unsigned KeypadOfModel(unsigned model) {
    return model == 0 ? 0 : 2;
}

const ChoiceTexts& PowerOnConditionTexts() {
    static const ChoiceTexts t = {"Back up", "CB", "SCAN"};
    return t;
}

const ChoiceValues& PowerOnConditionValues() {
    static const ChoiceValues v = {0, 1, 3};
    return v;
}

ChoiceTexts SquelchTailTexts(unsigned stored) {
    if (stored == 2) return {"Disabled", "No Tone", "Rev. Burst", "Phase"};
    return {"Disabled", "No Tone", "Phase"};
}

ChoiceValues SquelchTailValues(unsigned stored) {
    if (stored == 2) return {0, 1, 2, 3};
    return {0, 1, 3};
}

const ChoiceTexts& LcdLightingModeTexts() {
    static const ChoiceTexts t = {"Lamp key", "Key On 5s"};
    return t;
}

const ChoiceTexts& ExternalJackTexts() {
    static const ChoiceTexts t = {"QH-44", "Speaker MIC"};
    return t;
}

const ChoiceTexts& KeyHoldingTimeTexts() {
    static const ChoiceTexts t = {"Disabled", "150ms"};
    return t;
}

double DefaultSplitFromText(const std::string& text) {
    return CommonParams::ClampDefaultSplit(ParseDecimal(text));
}

std::string FormatDefaultSplit(double mhz) {
    return FormatDecimal(mhz, 1, -5) + " MHz";
}

const ChoiceTexts& OptionBoardTexts() {
    static const ChoiceTexts t = {"Dummy", "QSC-61", "QSC-71", "QVR-3", "QRB-140/QRBD-240"};
    return t;
}

const ChoiceValues& OptionBoardValues() {
    static const ChoiceValues v = {kBoardDummy, kPagingOptionBoard, 3, kBoardVoiceRecorder,
                                   kBoardOptionSignaling};
    return v;
}

const ChoiceTexts& RecordModeTexts() {
    static const ChoiceTexts t = {"Once", "Rolling"};
    return t;
}

const ChoiceTexts& PlayModeTexts() {
    static const ChoiceTexts t = {"Play", "Signal"};
    return t;
}

bool HasVoiceRecorder(unsigned board) {
    return board == kBoardVoiceRecorder;
}

bool ApplyOptionBoardChange(ChannelTable& table, unsigned previousBoard, unsigned newBoard) {
    constexpr int kPagingType = 2;
    const bool clearAll = previousBoard == kBoardOptionSignaling && newBoard != previousBoard;
    bool changed = false;
    for (ChannelRecord& r : table.records) {
        const bool clear =
            clearAll || (newBoard != kPagingOptionBoard && r.signalingType == kPagingType);
        if (!clear) continue;
        changed = changed || r.signalingType != 0 || r.signalingNumber != 0;
        r.signalingType = 0;
        r.signalingNumber = 0;
    }
    return changed;
}

bool ApplyOptionBoardToGroups(ChannelTable& table, unsigned board) {
    if (board == kBoardTrunking) return false;
    bool changed = false;
    for (unsigned& type : table.groupTypes) {
        if (type == 1) {
            type = 0;
            changed = true;
        }
    }
    return changed;
}

std::string FormatPasswordField(const std::string& password) {
    std::string out = password.substr(0, 4);
    out.resize(4, ' ');
    return out;
}

}  // namespace kp07
