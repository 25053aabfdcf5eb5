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

}  // namespace kp07
