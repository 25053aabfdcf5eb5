// The 32 5-tone systems a channel can use: tone format, what the monitor,
// channel, call and PTT switches do, which codes are sent and decoded.
#pragma once

#include <array>

#include "blocks/signaling_text.h"
#include "image/field_kinds.h"
#include "image/layout.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kFiveToneSystemCount = layout::kFiveToneSystems.count;

struct FiveToneSystemEntry {
    unsigned toneFormat = 11;    // index into kFiveToneFormatNames (TP40)
    unsigned monitorSwitch = 3;  // "-----", "Open", "Close", "Both"
    unsigned channelSwitch = 0;  // Disable, Open, Close
    bool callSwitch = true;
    bool pttSwitch = true;
    unsigned repeaterCode = 0;  // 0 off, else encode entry 1..32
    unsigned callCode = 0;
    unsigned idCode = 0;
    unsigned flow = 0;             // Call-ID, ID-Call
    unsigned aniTransmission = 0;  // off, Press, Release
    bool autoReset = true;
    bool complement = false;                        // CTCSS/DCS complement: AND, OR
    bool duty = false;                              // Off-Duty, On-Duty
    FlagArray decodeCodes{1, 1, 1, 1, 1, 1, 1, 1};  // decode entry k + 1 in element k
};

class FiveToneSystems {
  public:
    virtual ~FiveToneSystems() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    std::array<FiveToneSystemEntry, kFiveToneSystemCount> entries;
    unsigned currentEntry = 0;  // the entry being edited (0-based)
};

// The texts of the list fields, by stored value.
const ChoiceTexts& MonitorSwitchChoices();    // "-----", "Open", "Close", "Both"
const ChoiceTexts& ChannelSwitchChoices();    // "-----" (disabled), "Open", "Close"
const ChoiceTexts& FlowChoices();             // "Call-ID", "ID-Call"
const ChoiceTexts& AniTransmissionChoices();  // "-------" (off), "Press", "Release"
// A repeater, call or ID code: its cell shows "-" (off) or the number; its
// chooser lists "off", "1" .. "32".
const ChoiceTexts& SystemCodeTexts();
const ChoiceTexts& SystemCodeChoices();

}  // namespace kp07
