// General settings shared by the Power Saving, Miscellaneous, Option and
// Power ON Password dialogs (and the front keypad selection of the hardware
// dialog).
#pragma once

#include <string>
#include <vector>

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

// ===========================================================================
// Front keypad, Miscellaneous, Option and Power ON Password: list texts and
// the rules of their fields.

class ChannelTable;

// The stored values of a list whose items do not stand for 0, 1, 2, ...
using ChoiceValues = std::vector<unsigned>;
// The first item whose value is `value`, or item 0 when none is.
int ItemOfValue(const ChoiceValues& values, unsigned value);

// Front keypad: "None  ", "4 Key ", "16 Key". A "KR-318" comes with the
// sixteen-key pad, a "KR-302 Series" with none.
const ChoiceTexts& FrontKeypadTexts();
unsigned KeypadOfModel(unsigned model);

// Miscellaneous. Beep, Bell, LED Lighting, Set-to-Set Clone and Qlnk Beep
// use the Disabled/Enabled list.
const ChoiceTexts& PowerOnConditionTexts();    // "Back up", "CB", "SCAN"
const ChoiceValues& PowerOnConditionValues();  // 0, 1, 3
// "Rev. Burst" (2) is a setting the radio keeps but no longer offers: the
// list holds it only while it is the stored value. "Phase" stores 3.
ChoiceTexts SquelchTailTexts(unsigned stored);
ChoiceValues SquelchTailValues(unsigned stored);
const ChoiceTexts& LcdLightingModeTexts();  // "Lamp key", "Key On 5s"
const ChoiceTexts& ExternalJackTexts();     // "QH-44", "Speaker MIC"
const ChoiceTexts& KeyHoldingTimeTexts();   // "Disabled", "150ms"
// The default split as typed: held to -99.9 .. +99.9 MHz; shown "%-5.1f MHz".
double DefaultSplitFromText(const std::string& text);
std::string FormatDefaultSplit(double mhz);

// Option. PWR On Rec uses the Disabled/Enabled list. The paging unit's value
// is kPagingOptionBoard (blocks/paging_params.h).
constexpr unsigned kBoardDummy = 0;
constexpr unsigned kBoardTrunking = 2;         // keeps trunked groups (not offered)
constexpr unsigned kBoardVoiceRecorder = 5;    // "QVR-3"
constexpr unsigned kBoardOptionSignaling = 6;  // "QRB-140/QRBD-240": option codes
const ChoiceTexts& OptionBoardTexts();
const ChoiceValues& OptionBoardValues();  // 0, 1, 3, 5, 6
const ChoiceTexts& RecordModeTexts();     // "Once", "Rolling"
const ChoiceTexts& PlayModeTexts();       // "Play", "Signal"
// Rec Mode, Play Mode and PWR On Rec belong to the voice recorder unit.
bool HasVoiceRecorder(unsigned board);
// A channel signals through the board it was set up for: without the paging
// unit no channel pages, and leaving the option signaling unit takes every
// channel's signaling away. Returns whether a channel changed.
bool ApplyOptionBoardChange(ChannelTable& table, unsigned previousBoard, unsigned newBoard);
// Trunked groups need the trunking unit; without it they become
// conventional. Returns whether a group changed.
bool ApplyOptionBoardToGroups(ChannelTable& table, unsigned board);

// Power ON Password: the Password No. field shows "%-4.4s".
std::string FormatPasswordField(const std::string& password);

}  // namespace kp07
