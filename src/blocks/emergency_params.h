// Emergency settings.
#pragma once

#include "blocks/choice_texts.h"
#include "image/radio_image.h"

namespace kp07 {

class EmergencyParams {
  public:
    virtual ~EmergencyParams() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    // The emergency channel's group is taken from the group sizes already in
    // the image.
    void Store(RadioImage& image) const;

    // 0 "current Channel", 1 "Priority Channel (Pri Mode)", n from 2 the
    // channel n - 2 counted over all 168 slots.
    unsigned emergencyChannel = 0;
    unsigned rxTime = 1;
    unsigned txTime = 1;
    unsigned silentMode = 0;
    unsigned keyDuration = 0;
    unsigned loneWorkerTimer = 0;
};

// Texts of the Emergency lists. Silent Mode uses the Disabled/Enabled list.
// The channel list: "current Channel", "Priority Channel (Pri Mode)", then
// one text per channel slot, the 77 CB channels "CB CH-01".. and the 91
// others "CH-001".. (170 items).
const ChoiceTexts& EmergencyChannelTexts();
const ChoiceTexts& EmergencyRxTimeTexts();  // 5 .. 80 s
const ChoiceTexts& EmergencyTxTimeTexts();  // 5 .. 80 s
const ChoiceTexts& EmergencyKeyDurationTexts();
const ChoiceTexts& LoneWorkerTimerTexts();  // " 5 min" .. "60 min"

}  // namespace kp07
