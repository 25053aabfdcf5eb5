#include "blocks/emergency_params.h"

#include "image/accessors.h"

namespace kp07 {

void EmergencyParams::SetDefaults() {
    *this = EmergencyParams();
}

void EmergencyParams::Load(const RadioImage& image) {
    emergencyChannel = GetEmergencyChannel(image);
    rxTime = GetEmergencyRxTime(image);
    txTime = GetEmergencyTxTime(image);
    silentMode = GetSilentMode(image);
    keyDuration = GetEmergencyKeyDuration(image);
    loneWorkerTimer = GetLoneWorkerTimer(image);
}

void EmergencyParams::Store(RadioImage& image) const {
    SetEmergencyChannel(image, emergencyChannel);
    SetEmergencyRxTime(image, rxTime);
    SetEmergencyTxTime(image, txTime);
    SetSilentMode(image, silentMode);
    SetEmergencyKeyDuration(image, keyDuration);
    SetLoneWorkerTimer(image, loneWorkerTimer);
}

// ------------------------------------------------------------ list texts

const ChoiceTexts& EmergencyChannelTexts() {
    // The names are fixed: they follow the slots, not the groups' sizes.
    static const ChoiceTexts t = [] {
        ChoiceTexts texts = {"current Channel", "Priority Channel (Pri Mode)"};
        for (const std::string& s : NumberTexts("CB CH-%02d", 1, 77, 1)) texts.push_back(s);
        for (const std::string& s : NumberTexts("CH-%03d", 1, 91, 1)) texts.push_back(s);
        return texts;
    }();
    return t;
}
const ChoiceTexts& EmergencyRxTimeTexts() {
    static const ChoiceTexts t = NumberTexts("%-3d s", 5, 80, 5);
    return t;
}
const ChoiceTexts& EmergencyTxTimeTexts() {
    static const ChoiceTexts t = NumberTexts("%-2d s", 5, 80, 5);
    return t;
}
const ChoiceTexts& EmergencyKeyDurationTexts() {
    static const ChoiceTexts t = {"Short", "Long"};
    return t;
}
const ChoiceTexts& LoneWorkerTimerTexts() {
    static const ChoiceTexts t = NumberTexts("%2d min", 5, 60, 5);
    return t;
}

}  // namespace kp07
