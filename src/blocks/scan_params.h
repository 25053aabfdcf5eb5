// Scanning settings.
#pragma once

#include "blocks/choice_texts.h"
#include "image/radio_image.h"

namespace kp07 {

class ScanParams {
  public:
    virtual ~ScanParams() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // The two priority-check bits form one number P = high x 2 + low:
    // 0 disabled, 1..3 enabled with the check timer at list item P - 1.
    unsigned PriorityCheck() const { return priorityCheckHigh * 2 + priorityCheckLow; }
    // Enabling sets the high bit and keeps the low one; disabling clears both.
    void SetPriorityCheckEnabled(bool enabled);
    // Timer item 0, 1 or 2 gives P = 1, 2 or 3.
    void SetPriorityCheckTimer(unsigned item);

    unsigned priorityCheckHigh = 1;
    unsigned priorityCheckLow = 1;
    unsigned resumeTime1 = 3;
    unsigned resumeTime2 = 3;
    unsigned talkBack = 0;
    unsigned revertChannel = 0;
    unsigned scanSpeed = 0;
    unsigned groupScan = 1;
};

// Texts of the Scanning Parameters lists. Priority Check and Talk Back use
// the Disabled/Enabled list.
const ChoiceTexts& ResumeTime1Seconds();         // "0.25" .. "10"
const ChoiceTexts& ResumeTime1Texts();           // "0.25 s" .. "10 s"
const ChoiceTexts& ResumeTime2Seconds();         // "2" .. "30"
const ChoiceTexts& ResumeTime2Texts();           // "2 s" .. "30 s"
const ChoiceTexts& PriorityCheckTimerSeconds();  // "1", "2", "5"
const ChoiceTexts& PriorityCheckTimerTexts();    // item P - 1
const ChoiceTexts& ScanSpeedTexts();
const ChoiceTexts& GroupScanTexts();
const ChoiceTexts& RevertChannelTexts();

}  // namespace kp07
