#include "blocks/scan_params.h"

#include "image/accessors.h"

namespace kp07 {

void ScanParams::SetDefaults() {
    *this = ScanParams();
}

void ScanParams::Load(const RadioImage& image) {
    priorityCheckHigh = GetPriorityCheckHigh(image);
    priorityCheckLow = GetPriorityCheckLow(image);
    resumeTime1 = GetResumeTime1(image);
    resumeTime2 = GetResumeTime2(image);
    talkBack = GetTalkBack(image);
    revertChannel = GetRevertChannel(image);
    scanSpeed = GetScanSpeed(image);
    groupScan = GetGroupScan(image);
}

void ScanParams::Store(RadioImage& image) const {
    SetPriorityCheckHigh(image, priorityCheckHigh);
    SetPriorityCheckLow(image, priorityCheckLow);
    SetResumeTime1(image, resumeTime1);
    SetResumeTime2(image, resumeTime2);
    SetTalkBack(image, talkBack);
    SetRevertChannel(image, revertChannel);
    SetScanSpeed(image, scanSpeed);
    SetGroupScan(image, groupScan);
}

void ScanParams::SetPriorityCheckEnabled(bool enabled) {
    if (enabled) {
        priorityCheckHigh = 1;
    } else {
        priorityCheckHigh = 0;
        priorityCheckLow = 0;
    }
}

void ScanParams::SetPriorityCheckTimer(unsigned item) {
    const unsigned p = item > 2 ? 3 : item + 1;
    priorityCheckHigh = p >> 1;
    priorityCheckLow = p & 1;
}

// ------------------------------------------------------------ list texts

const ChoiceTexts& ResumeTime1Seconds() {
    static const ChoiceTexts t = {"0.25", "0.5", "1", "2", "3", "4", "5", "10"};
    return t;
}
const ChoiceTexts& ResumeTime1Texts() {
    static const ChoiceTexts t = FormatTexts("%s s", ResumeTime1Seconds());
    return t;
}
const ChoiceTexts& ResumeTime2Seconds() {
    static const ChoiceTexts t = {"2", "3", "4", "5", "10", "15", "20", "30"};
    return t;
}
const ChoiceTexts& ResumeTime2Texts() {
    static const ChoiceTexts t = FormatTexts("%s s", ResumeTime2Seconds());
    return t;
}
const ChoiceTexts& PriorityCheckTimerSeconds() {
    static const ChoiceTexts t = {"1", "2", "5"};
    return t;
}
const ChoiceTexts& PriorityCheckTimerTexts() {
    static const ChoiceTexts t = FormatTexts("%s s", PriorityCheckTimerSeconds());
    return t;
}
const ChoiceTexts& ScanSpeedTexts() {
    static const ChoiceTexts t = {"Fast", "Slow"};
    return t;
}
const ChoiceTexts& GroupScanTexts() {
    static const ChoiceTexts t = BlankedToOneWidth({"Group Only", "Select FULL Channel"});
    return t;
}
const ChoiceTexts& RevertChannelTexts() {
    static const ChoiceTexts t = {"Priority Channel", "Start Channel", "Last Busy Channel"};
    return t;
}

}  // namespace kp07
