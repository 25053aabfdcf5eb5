#include "blocks/five_tone_systems.h"

#include "image/accessors.h"

namespace kp07 {

// The member initialisers are the defaults of a new image.
void FiveToneSystems::SetDefaults() {
    *this = FiveToneSystems();
}

void FiveToneSystems::Load(const RadioImage& image) {
    for (int s = 0; s < kFiveToneSystemCount; ++s) {
        const auto r = FiveToneSystemAt(image, s);
        FiveToneSystemEntry& e = entries[std::size_t(s)];
        e.toneFormat = GetSystemToneFormat(r);
        e.monitorSwitch = GetSystemMonitorSwitch(r);
        e.channelSwitch = GetSystemChannelSwitch(r);
        e.callSwitch = GetSystemCallSwitch(r) != 0;
        e.pttSwitch = GetSystemPttSwitch(r) != 0;
        e.repeaterCode = GetSystemRepeaterCode(r);
        e.callCode = GetSystemCallCode(r);
        e.idCode = GetSystemIdCode(r);
        e.flow = GetSystemFlow(r);
        e.aniTransmission = GetSystemAniTransmission(r);
        e.autoReset = GetSystemAutoReset(r) != 0;
        e.complement = GetSystemComplement(r) != 0;
        e.duty = GetSystemDuty(r) != 0;
        e.decodeCodes = GetSystemDecodeCodes(r);
    }
}

void FiveToneSystems::Store(RadioImage& image) const {
    for (int s = 0; s < kFiveToneSystemCount; ++s) {
        const auto r = FiveToneSystemAt(image, s);
        const FiveToneSystemEntry& e = entries[std::size_t(s)];
        SetSystemToneFormat(r, e.toneFormat);
        SetSystemMonitorSwitch(r, e.monitorSwitch);
        SetSystemChannelSwitch(r, e.channelSwitch);
        SetSystemCallSwitch(r, e.callSwitch ? 1 : 0);
        SetSystemPttSwitch(r, e.pttSwitch ? 1 : 0);
        SetSystemRepeaterCode(r, e.repeaterCode);
        SetSystemCallCode(r, e.callCode);
        SetSystemIdCode(r, e.idCode);
        SetSystemFlow(r, e.flow);
        SetSystemAniTransmission(r, e.aniTransmission);
        SetSystemAutoReset(r, e.autoReset ? 1 : 0);
        SetSystemComplement(r, e.complement ? 1 : 0);
        SetSystemDuty(r, e.duty ? 1 : 0);
        SetSystemDecodeCodes(r, e.decodeCodes);
    }
}

const ChoiceTexts& MonitorSwitchChoices() {
    static const ChoiceTexts list{"-----", "Open", "Close", "Both"};
    return list;
}

const ChoiceTexts& ChannelSwitchChoices() {
    static const ChoiceTexts list{"-----", "Open", "Close"};
    return list;
}

const ChoiceTexts& FlowChoices() {
    static const ChoiceTexts list{"Call-ID", "ID-Call"};
    return list;
}

const ChoiceTexts& AniTransmissionChoices() {
    static const ChoiceTexts list{"-------", "Press", "Release"};
    return list;
}

namespace {
ChoiceTexts CodeTexts(const char* off) {
    ChoiceTexts texts{off};
    const ChoiceTexts codes = NumberTexts("%d", 1, layout::kFiveToneEncode.count, 1);
    texts.insert(texts.end(), codes.begin(), codes.end());
    return texts;
}
}  // namespace

const ChoiceTexts& SystemCodeTexts() {
    static const ChoiceTexts list = CodeTexts("-");
    return list;
}

const ChoiceTexts& SystemCodeChoices() {
    static const ChoiceTexts list = CodeTexts("off");
    return list;
}

}  // namespace kp07
