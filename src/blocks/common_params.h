// General settings shared by the Power Saving, Miscellaneous, Option and
// Power ON Password dialogs (and the front keypad selection of the hardware
// dialog).
#pragma once

#include <string>

#include "blocks/choice_texts.h"
#include "image/radio_image.h"

namespace kp07 {

class CommonParams {
  public:
    virtual ~CommonParams() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // The radio has the front keypad (the A to D keys).
    bool HasFrontKeypad() const { return keypadSelection != 0; }

    // Commit rules of the dialogs' text fields.
    static std::string CompletePowerOnTag(const std::string& text);  // blanks to 8
    static std::string CompletePassword(const std::string& text);    // "0000" in front, last 4
    static double ClampDefaultSplit(double mhz);                     // -99.9 .. +99.9

    // Power Saving
    unsigned transmitTimer = 1;
    unsigned penaltyTimer = 0;
    unsigned releaseTimer = 1;
    unsigned rxSaveMode = 3;
    unsigned micGain = 0;
    std::string powerOnTag = " KR-318 ";
    unsigned lowBatteryAlert = 2;
    // Miscellaneous
    unsigned beep = 1;
    unsigned squelchTailElimination = 3;
    unsigned bell = 0;
    unsigned ledLighting = 1;
    unsigned lcdLightingMode = 1;
    unsigned setToSetClone = 1;
    unsigned externalJack = 0;
    unsigned keyHoldingTime = 0;
    unsigned powerOnCondition = 0;
    unsigned qlnkBeep = 1;
    // Option
    unsigned optionBoard = 0;
    unsigned recordMode = 0;
    unsigned playMode = 0;
    unsigned powerOnRecord = 0;
    // Front keypad: 0 none, 1 four keys, 2 sixteen keys.
    unsigned keypadSelection = 1;
    // Power ON Password
    unsigned passwordEnabled = 0;
    std::string password = "cadb";
};

// The front keypad option of an image (keypad selection not 0).
bool ImageHasFrontKeypad(const RadioImage& image);

// ===================================================== Power Saving dialog
// Texts of the Power Saving Parameters lists and the rules of its tag field.

const ChoiceTexts& TransmitTimerTexts();   // "0.5 min", then "1   min" .. "7   min"
const ChoiceTexts& PenaltyTimerSeconds();  // "0", "6", "20", "60"
const ChoiceTexts& PenaltyTimerTexts();
const ChoiceTexts& ReleaseTimerSeconds();  // "0", "2", "3", "5"
const ChoiceTexts& ReleaseTimerTexts();
const ChoiceTexts& RxSaveModeTexts();  // "ABS", "1:1" .. "1:4"
const ChoiceTexts& MicGainTexts();
const ChoiceTexts& LowBatteryAlertTexts();

// The power-on tag as its field shows it: cut and blanked to 8 characters.
std::string PowerOnTagText(const std::string& tag);
// A typed power-on tag as the radio will show it: letters in upper case (the
// display has no small ones), characters outside the tag alphabet as
// blanks, filled with blanks to 8 characters.
std::string CommitPowerOnTag(const std::string& text);

}  // namespace kp07
