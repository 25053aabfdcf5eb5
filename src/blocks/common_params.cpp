#include "blocks/common_params.h"

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

}  // namespace kp07
