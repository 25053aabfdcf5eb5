#include "blocks/image_dump_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "blocks/channel_table.h"
#include "blocks/common_params.h"
#include "blocks/dtmf_params.h"
#include "blocks/emergency_params.h"
#include "blocks/five_tone_decode.h"
#include "blocks/five_tone_encode.h"
#include "blocks/five_tone_format.h"
#include "blocks/five_tone_general.h"
#include "blocks/five_tone_systems.h"
#include "blocks/five_tone_user_tones.h"
#include "blocks/hardware_params.h"
#include "blocks/key_function_params.h"
#include "blocks/paging_params.h"
#include "blocks/radio_identity.h"
#include "blocks/scan_params.h"
#include "blocks/signaling_type.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "image/accessors.h"
#include "image/tone_codec.h"

namespace kp07 {
namespace {

// Collects the text; a block is shown when its name contains the filter.
class Writer {
  public:
    explicit Writer(const std::string& filter) : filter_(filter) {}

    bool Wanted(const char* block) const {
        return filter_.empty() || std::strstr(block, filter_.c_str()) != nullptr;
    }
    __attribute__((format(printf, 2, 3))) void Printf(const char* format, ...) {
        char line[512];
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(line, sizeof line, format, args);
        va_end(args);
        if (n < 0) return;
        if (std::size_t(n) < sizeof line) {
            text_.append(line, std::size_t(n));
            return;
        }
        // A line longer than the buffer (long tags or codes): once more, in full.
        std::string longer(std::size_t(n) + 1, '\0');
        va_start(args, format);
        std::vsnprintf(&longer[0], longer.size(), format, args);
        va_end(args);
        longer.resize(std::size_t(n));
        text_ += longer;
    }
    void Heading(const char* block) { Printf("\n[%s]\n", block); }
    void Field(const char* name, unsigned v) { Printf("  %-26s %u\n", name, v); }
    void Field(const char* name, const std::string& v) {
        Printf("  %-26s \"%s\"\n", name, v.c_str());
    }
    void FieldF(const char* name, double v, const char* unit) {
        Printf("  %-26s %g %s\n", name, v, unit);
    }
    std::string& text() { return text_; }

  private:
    const std::string& filter_;
    std::string text_;
};

std::string Flags(const FlagArray& f) {
    std::string s;
    for (auto b : f) s += b ? '1' : '0';
    return s;
}
std::string Indexed(const char* name, int i) {
    return std::string(name) + "[" + std::to_string(i) + "]";
}

void DumpIdentityAndHardware(Writer& w, const RadioImage& im) {
    if (w.Wanted("RadioIdentity")) {
        RadioIdentity id;
        id.Load(im);
        w.Heading("RadioIdentity");
        w.Field("firmware version", id.firmwareVersion);
        w.Field("production number", id.productionNumber);
        w.Field("serial number", id.serialNumber);
    }
    if (w.Wanted("SignalingType")) {
        SignalingType st;
        st.Load(im);
        w.Heading("SignalingType");
        w.Printf("  %-26s %u (%s)\n", "signaling type", st.type, st.type ? "5-Tone" : "2-Tone");
    }
    if (w.Wanted("HardwareParams")) {
        HardwareParams hw;
        hw.Load(im);
        w.Heading("HardwareParams");
        w.Field("model", hw.model);
        w.Field("step code", hw.stepCode);
        w.Field("upper band", hw.IsUpperBand());
        w.Field("injection side", hw.injectionSide);
        w.FieldF("reference oscillator", hw.referenceMHz, "MHz");
        w.FieldF("first IF", hw.firstIfMHz, "MHz");
        w.FieldF("minimum frequency", hw.minFrequencyMHz, "MHz");
        w.FieldF("maximum frequency", hw.maxFrequencyMHz, "MHz");
        w.Field("SQL release time", hw.sqlReleaseTime);
        w.Field("SQL attack time", hw.sqlAttackTime);
        w.Field("SQL hysteresis", hw.sqlHysteresis);
        w.Field("receive save off time", hw.rxSaveOffTime);
        w.Field("CTCSS release time", hw.ctcssReleaseTime);
        const AlignmentData& a = hw.alignment;
        for (int i = 0; i < 2; ++i) {
            w.Field(Indexed("rssi", i).c_str(), a.rssi[i]);
            w.Field(Indexed("squelchThreshold", i).c_str(), a.squelchThreshold[i]);
            w.Field(Indexed("squelchTight", i).c_str(), a.squelchTight[i]);
            w.Field(Indexed("powerBase", i).c_str(), a.powerBase[i]);
            w.Field(Indexed("maxDeviationSlope", i).c_str(), a.maxDeviationSlope[i]);
            w.Field(Indexed("maxRefDeviationSlope", i).c_str(), a.maxRefDeviationSlope[i]);
            w.Field(Indexed("ctcssModulation", i).c_str(), a.ctcssModulation[i]);
            w.Field(Indexed("dcsModulation", i).c_str(), a.dcsModulation[i]);
            for (int h = 0; h < 2; ++h) {
                w.Field((Indexed("powerSlope", i) + "[" + std::to_string(h) + "]").c_str(),
                        a.powerSlope[i][h]);
            }
        }
        w.Field("rxSensitivityBase", a.rxSensitivityBase);
        w.Field("rxSensitivitySlope", a.rxSensitivitySlope);
        w.Field("maxDeviationBase", a.maxDeviationBase);
        w.Field("maxRefDeviationBase", a.maxRefDeviationBase);
        w.Field("ctcssRatio", a.ctcssRatio);
        w.Field("dcsRatio", a.dcsRatio);
        w.Field("dtmfDeviation", a.dtmfDeviation);
        w.Field("rfFrequency", a.rfFrequency);
        w.Field("micSensitivity", a.micSensitivity);
    }
}

void DumpChannels(Writer& w, const RadioImage& im) {
    if (!w.Wanted("ChannelTable")) return;
    HardwareParams hw;
    hw.Load(im);
    ChannelTable t(hw);
    t.Load(im);
    w.Heading("ChannelTable");
    for (int g = 0; g < kGroupCount; ++g) {
        w.Printf("  group %d %-8s size %3u  tag \"%s\"  type %u\n", g,
                 ChannelTable::GroupName(g).c_str(), t.groupSizes()[g], t.groupTags[g].c_str(),
                 t.groupTypes[g]);
    }
    w.Field("P channel", unsigned(t.pChannel));
    w.Field("G channel", unsigned(t.gChannel));
    w.Printf("  %-4s %-3s %-10s %-9s %-9s %-9s %-9s %s\n", "slot", "use", "tag", "RX MHz", "TX MHz",
             "Dec", "Enc", "W/N pwr sq scan enc sig tuning");
    for (int i = 0; i < kChannelSlots; ++i) {
        const ChannelRecord& r = t.records[i];
        w.Printf("  %4d %-3s \"%-8s\" %s %s %-9s %-9s %s %s %2d %d%d%d %d %d/%d %u,%u,%u,%u,%u\n",
                 i, r.inUse ? "yes" : "no", r.tag.c_str(), FormatFrequency(r.rxMHz).c_str(),
                 r.txOff ? kNoTransmitFrequency : FormatFrequency(r.txMHz).c_str(),
                 FormatTone(r.RxTone(), true).c_str(), FormatTone(r.TxTone(), false).c_str(),
                 r.bandwidth == 2 ? "N" : "W", r.power ? "L" : "H", r.squelchLevel, r.scanFlags & 1,
                 (r.scanFlags >> 1) & 1, (r.scanFlags >> 2) & 1, r.encryption, r.signalingType,
                 r.signalingNumber, r.rxTuning, r.txTuning[0], r.txTuning[1], r.txTuning[2],
                 r.txTuning[3]);
    }
}

void DumpCommon(Writer& w, const RadioImage& im) {
    if (w.Wanted("CommonParams")) {
        CommonParams c;
        c.Load(im);
        w.Heading("CommonParams");
        w.Field("transmit timer", c.transmitTimer);
        w.Field("penalty timer", c.penaltyTimer);
        w.Field("release timer", c.releaseTimer);
        w.Field("receive save mode", c.rxSaveMode);
        w.Field("mic gain", c.micGain);
        w.Field("power-on tag", c.powerOnTag);
        w.Field("low battery alert", c.lowBatteryAlert);
        w.Field("beep", c.beep);
        w.Field("squelch tail elimination", c.squelchTailElimination);
        w.Field("bell", c.bell);
        w.Field("LED lighting", c.ledLighting);
        w.Field("LCD lighting mode", c.lcdLightingMode);
        w.Field("set-to-set clone", c.setToSetClone);
        w.Field("external jack", c.externalJack);
        w.Field("key holding time", c.keyHoldingTime);
        w.Field("power on condition", c.powerOnCondition);
        w.Field("QLNK beep", c.qlnkBeep);
        w.Field("option board", c.optionBoard);
        w.Field("record mode", c.recordMode);
        w.Field("play mode", c.playMode);
        w.Field("power-on record", c.powerOnRecord);
        w.Field("keypad selection", c.keypadSelection);
        w.Field("password enabled", c.passwordEnabled);
        w.Field("password", c.password);
    }
    if (w.Wanted("ScanParams")) {
        ScanParams s;
        s.Load(im);
        w.Heading("ScanParams");
        w.Field("priority check", s.PriorityCheck());
        w.Field("resume time 1", s.resumeTime1);
        w.Field("resume time 2", s.resumeTime2);
        w.Field("talk back", s.talkBack);
        w.Field("revert channel", s.revertChannel);
        w.Field("scan speed", s.scanSpeed);
        w.Field("group scan", s.groupScan);
    }
    if (w.Wanted("KeyFunctionParams")) {
        KeyFunctionParams k;
        k.Load(im);
        w.Heading("KeyFunctionParams");
        for (int i = 0; i < kKeyCount; ++i) {
            w.Printf("  %-26s %u %s\n", Indexed("key", i).c_str(), k.keys[i],
                     KeyFunctionName(int(k.keys[i])).c_str());
        }
        w.Field("rotary switch mode", k.rotarySwitchMode);
    }
    if (w.Wanted("EmergencyParams")) {
        EmergencyParams e;
        e.Load(im);
        w.Heading("EmergencyParams");
        w.Field("emergency channel", e.emergencyChannel);
        w.Field("emergency receive time", e.rxTime);
        w.Field("emergency transmit time", e.txTime);
        w.Field("silent mode", e.silentMode);
        w.Field("key duration", e.keyDuration);
        w.Field("lone worker timer", e.loneWorkerTimer);
    }
}

void DumpDtmfAndTwoTone(Writer& w, const RadioImage& im) {
    if (w.Wanted("DtmfParams")) {
        DtmfParams d;
        d.Load(im);
        w.Heading("DtmfParams");
        w.Field("ANI transmit", d.aniTransmit);
        w.Field("DTMF delay", d.dtmfDelay);
        w.Field("DTMF speed", d.dtmfSpeed);
        w.Field("DTMF pause time", d.pauseTime);
        w.Field("DTMF pause code", d.pauseCode);
        for (int k = 0; k < kSpeedDialCount; ++k)
            w.Field(Indexed("speed dial", k).c_str(), d.speedDial[k]);
        w.Field("ANI code", d.aniCode);
        w.Field("emergency code", d.emergencyCode);
        w.Field("2-tone auto reset time", d.twoTone.autoResetTime);
        w.Field("2-tone auto reset beep", d.twoTone.autoResetBeep);
        w.Field("primary group call", d.twoTone.primaryGroupCall);
        w.Field("secondary group call", d.twoTone.secondaryGroupCall);
        w.Field("secondary page pair", d.twoTone.secondaryPagePair);
        w.Field("CTCSS/DCS complement", d.twoTone.toneComplement);
        w.Field("duty", d.twoTone.duty);
        w.Field("call beep tone", d.twoTone.callBeepTone);
        w.Field("beep mode", d.twoTone.beepMode);
        w.Field("beep repeat time", d.twoTone.beepRepeatTime);
        for (int p = 0; p < kTwoTonePairCount; ++p) {
            w.Printf("  %-26s %.1f / %.1f Hz\n", Indexed("pair", p + 1).c_str(),
                     d.pairs[p].firstTenths / 10.0, d.pairs[p].secondTenths / 10.0);
        }
    }
    if (w.Wanted("TwoToneGeneral")) {
        TwoToneGeneral g;
        g.Load(im);
        w.Heading("TwoToneGeneral");
        w.Field("encode type", g.encodeType);
        w.Field("encode format pair", g.encodePair);
        w.Field("first tone period", g.firstTonePeriod);
        w.Field("second tone period", g.secondTonePeriod);
    }
    if (w.Wanted("TwoToneSystems")) {
        TwoToneSystems s;
        s.Load(im);
        w.Heading("TwoToneSystems");
        for (int k = 0; k < kTwoToneSystemCount; ++k) {
            w.Printf("  system %2d  first pair %2u  second pair %d  auto reset %d\n", k + 1,
                     s.entries[k].firstPair, s.entries[k].secondPair, s.entries[k].autoReset);
        }
    }
    if (w.Wanted("PagingParams")) {
        PagingParams p;
        p.Load(im);
        w.Heading("PagingParams");
        w.Field("auto reset time", p.autoResetTime);
        w.Field("call times", p.callTimes);
        w.Field("answer back", p.answerBack);
        w.Field("DTMF transmit speed", p.dtmfSpeed);
        for (int k = 0; k < kPageCodeCount; ++k) {
            w.Printf("  page code %2d  entered %d  decode %u  code \"%s\"\n", k + 1,
                     p.pages[k].entered, p.pages[k].decode, p.pages[k].code.c_str());
        }
    }
}

void DumpFiveTone(Writer& w, const RadioImage& im) {
    if (w.Wanted("FiveToneGeneral")) {
        FiveToneGeneral g;
        g.Load(im);
        w.Heading("FiveToneGeneral");
        for (int k = 0; k < 4; ++k)
            w.Field(Indexed("digit delay x10ms", k).c_str(), g.digitDelays[k]);
        w.Field("first tone timer x10ms", g.firstToneTimer);
        w.Field("transpond delay x10ms", g.transpondDelayTimer);
        w.Field("display digits 1-8", Flags(g.displayDigits));
        w.Field("group tone", g.groupTone);
        w.Field("repeat tone", g.repeatTone);
        w.Field("delay 3 tone", g.delay3Tone);
        w.Field("ANI display", g.aniDisplay);
        w.Field("tag display", g.tagDisplay);
        w.Field("clear to transpond", g.clearToTranspond);
        w.Field("PTT call", g.pttCall);
        w.Field("compare digits 1-8", Flags(g.compareDigits));
        w.Field("ID decode time x10ms", g.idDecodeTime);
        w.Field("beep repeat time s", g.beepRepeatTime);
        w.Field("call key 2", g.callKey2);
        w.Field("call key 3", g.callKey3);
        w.Field("auto TX time s", g.autoTxTime);
        w.Field("auto reset time", g.autoResetTime);
        w.Field("auto reset beep", g.autoResetBeep);
    }
    if (w.Wanted("FiveToneFormat")) {
        FiveToneFormat f;
        f.Load(im);
        w.Heading("FiveToneFormat");
        for (int k = 0; k < kFiveToneFormatCount; ++k) {
            w.Printf("  %-8s period %3u ms  receive gap %3u (%.1f ms)\n", kFiveToneFormatNames[k],
                     f.periods[k], f.gaps[k], f.gaps[k] * 2.5);
        }
    }
    if (w.Wanted("FiveToneUserTones")) {
        FiveToneUserTones u;
        u.Load(im);
        w.Heading("FiveToneUserTones");
        for (int d = 0; d < kUserToneCount; ++d) {
            w.Printf("  tone digit %c %6u Hz\n", "0123456789ABCDE"[d], u.tonesHz[d]);
        }
    }
    if (w.Wanted("FiveToneSystems")) {
        FiveToneSystems s;
        s.Load(im);
        w.Heading("FiveToneSystems");
        for (int k = 0; k < kFiveToneSystemCount; ++k) {
            const FiveToneSystemEntry& e = s.entries[k];
            w.Printf(
                "  system %2d  format %-6s monitor %u channel %u call %d PTT %d rep %2u call %2u "
                "ID %2u flow %u ANI %u auto reset %d comp %d duty %d decode %s\n",
                k + 1, kFiveToneFormatNames[e.toneFormat % kFiveToneFormatCount], e.monitorSwitch,
                e.channelSwitch, e.callSwitch, e.pttSwitch, e.repeaterCode, e.callCode, e.idCode,
                e.flow, e.aniTransmission, e.autoReset, e.complement, e.duty,
                Flags(e.decodeCodes).c_str());
        }
    }
    if (w.Wanted("FiveToneDecode")) {
        FiveToneDecode d;
        d.Load(im);
        w.Heading("FiveToneDecode");
        for (int k = 0; k <= kGroupDecodeEntry; ++k) {
            const FiveToneDecodeEntry& e = d.entries[k];
            w.Printf(
                "  %-7s number \"%-8s\" tag \"%-8s\" transpond %2u ID %u LED %u mode %u scan %u "
                "emg %u beep %u/%u stun %u auto TX %u\n",
                k == kGroupDecodeEntry ? "group" : ("entry " + std::to_string(k + 1)).c_str(),
                e.number.c_str(), e.tag.c_str(), e.transpondCode, e.idDecode, e.callLedDisplay,
                e.mode, e.scan, e.emergency, e.callBeepTone, e.beepMode, e.stun, e.autoTx);
        }
    }
    if (w.Wanted("FiveToneEncode")) {
        FiveToneEncode d;
        d.Load(im);
        w.Heading("FiveToneEncode");
        for (int k = 0; k < kFiveToneEncodeCount; ++k) {
            const FiveToneEncodeEntry& e = d.entries[k];
            w.Printf(
                "  ENC NO.%-2d number \"%-8s\" tag \"%-8s\" ext %d recall %d overwrite %d tr.dec "
                "%d "
                "tr.beep %d grp.dig %d input %s\n",
                k + 1, e.number.c_str(), e.tag.c_str(), e.firstDigitExtend, e.recallingCode,
                e.overwrite, e.transpondDecode, e.transpondBeep, e.groupDigitSelectable,
                Flags(e.inputDigits).c_str());
        }
    }
}

}  // namespace

const std::vector<std::string>& ImageDumpBlockNames() {
    static const std::vector<std::string> names = {
        "RadioIdentity",   "SignalingType",  "HardwareParams",    "ChannelTable",
        "CommonParams",    "ScanParams",     "KeyFunctionParams", "EmergencyParams",
        "DtmfParams",      "TwoToneGeneral", "TwoToneSystems",    "PagingParams",
        "FiveToneGeneral", "FiveToneFormat", "FiveToneUserTones", "FiveToneSystems",
        "FiveToneDecode",  "FiveToneEncode"};
    return names;
}

bool ImageDumpFilterMatches(const std::string& blockFilter) {
    for (const std::string& name : ImageDumpBlockNames()) {
        if (name.find(blockFilter) != std::string::npos) return true;
    }
    return false;
}

std::string ImageDumpText(const RadioImage& image, const std::string& source, double offsetMHz,
                          const std::string& blockFilter) {
    Writer w(blockFilter);
    w.Printf("image: %s\nautomatic TX offset: %g MHz\nchecksum: stored %04X, computed %04X\n",
             source.c_str(), offsetMHz, GetImageChecksum(image), ComputeImageChecksum(image));
    DumpIdentityAndHardware(w, image);
    DumpChannels(w, image);
    DumpCommon(w, image);
    DumpDtmfAndTwoTone(w, image);
    DumpFiveTone(w, image);
    return std::move(w.text());
}

}  // namespace kp07
