// image-dump: prints a radio image field by field, block by block, so that a
// person can read a data file (or the image of a new document) and check it.
//
//   image-dump               the image of a new document
//   image-dump FILE          a data file (7815 bytes) or a raw image (7807/7808 bytes)
//   image-dump FILE BLOCK    only the block whose name contains BLOCK
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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
#include "blocks/image_ops.h"
#include "blocks/key_function_params.h"
#include "blocks/paging_params.h"
#include "blocks/radio_identity.h"
#include "blocks/scan_params.h"
#include "blocks/signaling_type.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "document/data_file.h"
#include "image/accessors.h"
#include "image/tone_codec.h"
#include "regular_file.h"

using namespace kp07;

namespace {

std::string filter;

bool Wanted(const char* block) {
    return filter.empty() || std::strstr(block, filter.c_str());
}
void Heading(const char* block) {
    std::printf("\n[%s]\n", block);
}
void Field(const char* name, unsigned v) {
    std::printf("  %-26s %u\n", name, v);
}
void Field(const char* name, const std::string& v) {
    std::printf("  %-26s \"%s\"\n", name, v.c_str());
}
void FieldF(const char* name, double v, const char* unit) {
    std::printf("  %-26s %g %s\n", name, v, unit);
}
std::string Flags(const FlagArray& f) {
    std::string s;
    for (auto b : f) s += b ? '1' : '0';
    return s;
}
std::string Indexed(const char* name, int i) {
    return std::string(name) + "[" + std::to_string(i) + "]";
}

void DumpIdentityAndHardware(const RadioImage& im) {
    if (Wanted("RadioIdentity")) {
        RadioIdentity id;
        id.Load(im);
        Heading("RadioIdentity");
        Field("firmware version", id.firmwareVersion);
        Field("production number", id.productionNumber);
        Field("serial number", id.serialNumber);
    }
    if (Wanted("SignalingType")) {
        SignalingType st;
        st.Load(im);
        Heading("SignalingType");
        std::printf("  %-26s %u (%s)\n", "signaling type", st.type, st.type ? "5-Tone" : "2-Tone");
    }
    if (Wanted("HardwareParams")) {
        HardwareParams hw;
        hw.Load(im);
        Heading("HardwareParams");
        Field("model", hw.model);
        Field("step code", hw.stepCode);
        Field("upper band", hw.IsUpperBand());
        Field("injection side", hw.injectionSide);
        FieldF("reference oscillator", hw.referenceMHz, "MHz");
        FieldF("first IF", hw.firstIfMHz, "MHz");
        FieldF("minimum frequency", hw.minFrequencyMHz, "MHz");
        FieldF("maximum frequency", hw.maxFrequencyMHz, "MHz");
        Field("SQL release time", hw.sqlReleaseTime);
        Field("SQL attack time", hw.sqlAttackTime);
        Field("SQL hysteresis", hw.sqlHysteresis);
        Field("receive save off time", hw.rxSaveOffTime);
        Field("CTCSS release time", hw.ctcssReleaseTime);
        const AlignmentData& a = hw.alignment;
        for (int i = 0; i < 2; ++i) {
            Field(Indexed("rssi", i).c_str(), a.rssi[i]);
            Field(Indexed("squelchThreshold", i).c_str(), a.squelchThreshold[i]);
            Field(Indexed("squelchTight", i).c_str(), a.squelchTight[i]);
            Field(Indexed("powerBase", i).c_str(), a.powerBase[i]);
            Field(Indexed("maxDeviationSlope", i).c_str(), a.maxDeviationSlope[i]);
            Field(Indexed("maxRefDeviationSlope", i).c_str(), a.maxRefDeviationSlope[i]);
            Field(Indexed("ctcssModulation", i).c_str(), a.ctcssModulation[i]);
            Field(Indexed("dcsModulation", i).c_str(), a.dcsModulation[i]);
            for (int h = 0; h < 2; ++h) {
                Field((Indexed("powerSlope", i) + "[" + std::to_string(h) + "]").c_str(),
                      a.powerSlope[i][h]);
            }
        }
        Field("rxSensitivityBase", a.rxSensitivityBase);
        Field("rxSensitivitySlope", a.rxSensitivitySlope);
        Field("maxDeviationBase", a.maxDeviationBase);
        Field("maxRefDeviationBase", a.maxRefDeviationBase);
        Field("ctcssRatio", a.ctcssRatio);
        Field("dcsRatio", a.dcsRatio);
        Field("dtmfDeviation", a.dtmfDeviation);
        Field("rfFrequency", a.rfFrequency);
        Field("micSensitivity", a.micSensitivity);
    }
}

void DumpChannels(const RadioImage& im) {
    if (!Wanted("ChannelTable")) return;
    HardwareParams hw;
    hw.Load(im);
    ChannelTable t(hw);
    t.Load(im);
    Heading("ChannelTable");
    for (int g = 0; g < kGroupCount; ++g) {
        std::printf("  group %d %-8s size %3u  tag \"%s\"  type %u\n", g,
                    ChannelTable::GroupName(g).c_str(), t.groupSizes()[g], t.groupTags[g].c_str(),
                    t.groupTypes[g]);
    }
    Field("P channel", unsigned(t.pChannel));
    Field("G channel", unsigned(t.gChannel));
    std::printf("  %-4s %-3s %-10s %-9s %-9s %-9s %-9s %s\n", "slot", "use", "tag", "RX MHz",
                "TX MHz", "Dec", "Enc", "W/N pwr sq scan enc sig tuning");
    for (int i = 0; i < kChannelSlots; ++i) {
        const ChannelRecord& r = t.records[i];
        std::printf(
            "  %4d %-3s \"%-8s\" %s %s %-9s %-9s %s %s %2d %d%d%d %d %d/%d %u,%u,%u,%u,%u\n", i,
            r.inUse ? "yes" : "no", r.tag.c_str(), FormatFrequency(r.rxMHz).c_str(),
            r.txOff ? kNoTransmitFrequency : FormatFrequency(r.txMHz).c_str(),
            FormatTone(r.RxTone(), true).c_str(), FormatTone(r.TxTone(), false).c_str(),
            r.bandwidth == 2 ? "N" : "W", r.power ? "L" : "H", r.squelchLevel, r.scanFlags & 1,
            (r.scanFlags >> 1) & 1, (r.scanFlags >> 2) & 1, r.encryption, r.signalingType,
            r.signalingNumber, r.rxTuning, r.txTuning[0], r.txTuning[1], r.txTuning[2],
            r.txTuning[3]);
    }
}

void DumpCommon(const RadioImage& im) {
    if (Wanted("CommonParams")) {
        CommonParams c;
        c.Load(im);
        Heading("CommonParams");
        Field("transmit timer", c.transmitTimer);
        Field("penalty timer", c.penaltyTimer);
        Field("release timer", c.releaseTimer);
        Field("receive save mode", c.rxSaveMode);
        Field("mic gain", c.micGain);
        Field("power-on tag", c.powerOnTag);
        Field("low battery alert", c.lowBatteryAlert);
        Field("beep", c.beep);
        Field("squelch tail elimination", c.squelchTailElimination);
        Field("bell", c.bell);
        Field("LED lighting", c.ledLighting);
        Field("LCD lighting mode", c.lcdLightingMode);
        Field("set-to-set clone", c.setToSetClone);
        Field("external jack", c.externalJack);
        Field("key holding time", c.keyHoldingTime);
        Field("power on condition", c.powerOnCondition);
        Field("QLNK beep", c.qlnkBeep);
        Field("option board", c.optionBoard);
        Field("record mode", c.recordMode);
        Field("play mode", c.playMode);
        Field("power-on record", c.powerOnRecord);
        Field("keypad selection", c.keypadSelection);
        Field("password enabled", c.passwordEnabled);
        Field("password", c.password);
    }
    if (Wanted("ScanParams")) {
        ScanParams s;
        s.Load(im);
        Heading("ScanParams");
        Field("priority check", s.PriorityCheck());
        Field("resume time 1", s.resumeTime1);
        Field("resume time 2", s.resumeTime2);
        Field("talk back", s.talkBack);
        Field("revert channel", s.revertChannel);
        Field("scan speed", s.scanSpeed);
        Field("group scan", s.groupScan);
    }
    if (Wanted("KeyFunctionParams")) {
        KeyFunctionParams k;
        k.Load(im);
        Heading("KeyFunctionParams");
        for (int i = 0; i < kKeyCount; ++i) {
            std::printf("  %-26s %u %s\n", Indexed("key", i).c_str(), k.keys[i],
                        KeyFunctionName(int(k.keys[i])).c_str());
        }
        Field("rotary switch mode", k.rotarySwitchMode);
    }
    if (Wanted("EmergencyParams")) {
        EmergencyParams e;
        e.Load(im);
        Heading("EmergencyParams");
        Field("emergency channel", e.emergencyChannel);
        Field("emergency receive time", e.rxTime);
        Field("emergency transmit time", e.txTime);
        Field("silent mode", e.silentMode);
        Field("key duration", e.keyDuration);
        Field("lone worker timer", e.loneWorkerTimer);
    }
}

void DumpDtmfAndTwoTone(const RadioImage& im) {
    if (Wanted("DtmfParams")) {
        DtmfParams d;
        d.Load(im);
        Heading("DtmfParams");
        Field("ANI transmit", d.aniTransmit);
        Field("DTMF delay", d.dtmfDelay);
        Field("DTMF speed", d.dtmfSpeed);
        Field("DTMF pause time", d.pauseTime);
        Field("DTMF pause code", d.pauseCode);
        for (int k = 0; k < kSpeedDialCount; ++k)
            Field(Indexed("speed dial", k).c_str(), d.speedDial[k]);
        Field("ANI code", d.aniCode);
        Field("emergency code", d.emergencyCode);
        Field("2-tone auto reset time", d.twoTone.autoResetTime);
        Field("2-tone auto reset beep", d.twoTone.autoResetBeep);
        Field("primary group call", d.twoTone.primaryGroupCall);
        Field("secondary group call", d.twoTone.secondaryGroupCall);
        Field("secondary page pair", d.twoTone.secondaryPagePair);
        Field("CTCSS/DCS complement", d.twoTone.toneComplement);
        Field("duty", d.twoTone.duty);
        Field("call beep tone", d.twoTone.callBeepTone);
        Field("beep mode", d.twoTone.beepMode);
        Field("beep repeat time", d.twoTone.beepRepeatTime);
        for (int p = 0; p < kTwoTonePairCount; ++p) {
            std::printf("  %-26s %.1f / %.1f Hz\n", Indexed("pair", p + 1).c_str(),
                        d.pairs[p].firstTenths / 10.0, d.pairs[p].secondTenths / 10.0);
        }
    }
    if (Wanted("TwoToneGeneral")) {
        TwoToneGeneral g;
        g.Load(im);
        Heading("TwoToneGeneral");
        Field("encode type", g.encodeType);
        Field("encode format pair", g.encodePair);
        Field("first tone period", g.firstTonePeriod);
        Field("second tone period", g.secondTonePeriod);
    }
    if (Wanted("TwoToneSystems")) {
        TwoToneSystems s;
        s.Load(im);
        Heading("TwoToneSystems");
        for (int k = 0; k < kTwoToneSystemCount; ++k) {
            std::printf("  system %2d  first pair %2u  second pair %d  auto reset %d\n", k + 1,
                        s.entries[k].firstPair, s.entries[k].secondPair, s.entries[k].autoReset);
        }
    }
    if (Wanted("PagingParams")) {
        PagingParams p;
        p.Load(im);
        Heading("PagingParams");
        Field("auto reset time", p.autoResetTime);
        Field("call times", p.callTimes);
        Field("answer back", p.answerBack);
        Field("DTMF transmit speed", p.dtmfSpeed);
        for (int k = 0; k < kPageCodeCount; ++k) {
            std::printf("  page code %2d  entered %d  decode %u  code \"%s\"\n", k + 1,
                        p.pages[k].entered, p.pages[k].decode, p.pages[k].code.c_str());
        }
    }
}

void DumpFiveTone(const RadioImage& im) {
    if (Wanted("FiveToneGeneral")) {
        FiveToneGeneral g;
        g.Load(im);
        Heading("FiveToneGeneral");
        for (int k = 0; k < 4; ++k)
            Field(Indexed("digit delay x10ms", k).c_str(), g.digitDelays[k]);
        Field("first tone timer x10ms", g.firstToneTimer);
        Field("transpond delay x10ms", g.transpondDelayTimer);
        Field("display digits 1-8", Flags(g.displayDigits));
        Field("group tone", g.groupTone);
        Field("repeat tone", g.repeatTone);
        Field("delay 3 tone", g.delay3Tone);
        Field("ANI display", g.aniDisplay);
        Field("tag display", g.tagDisplay);
        Field("clear to transpond", g.clearToTranspond);
        Field("PTT call", g.pttCall);
        Field("compare digits 1-8", Flags(g.compareDigits));
        Field("ID decode time x10ms", g.idDecodeTime);
        Field("beep repeat time s", g.beepRepeatTime);
        Field("call key 2", g.callKey2);
        Field("call key 3", g.callKey3);
        Field("auto TX time s", g.autoTxTime);
        Field("auto reset time", g.autoResetTime);
        Field("auto reset beep", g.autoResetBeep);
    }
    if (Wanted("FiveToneFormat")) {
        FiveToneFormat f;
        f.Load(im);
        Heading("FiveToneFormat");
        for (int k = 0; k < kFiveToneFormatCount; ++k) {
            std::printf("  %-8s period %3u ms  receive gap %3u (%.1f ms)\n",
                        kFiveToneFormatNames[k], f.periods[k], f.gaps[k], f.gaps[k] * 2.5);
        }
    }
    if (Wanted("FiveToneUserTones")) {
        FiveToneUserTones u;
        u.Load(im);
        Heading("FiveToneUserTones");
        for (int d = 0; d < kUserToneCount; ++d) {
            std::printf("  tone digit %c %6u Hz\n", "0123456789ABCDE"[d], u.tonesHz[d]);
        }
    }
    if (Wanted("FiveToneSystems")) {
        FiveToneSystems s;
        s.Load(im);
        Heading("FiveToneSystems");
        for (int k = 0; k < kFiveToneSystemCount; ++k) {
            const FiveToneSystemEntry& e = s.entries[k];
            std::printf(
                "  system %2d  format %-6s monitor %u channel %u call %d PTT %d rep %2u call %2u "
                "ID %2u flow %u ANI %u auto reset %d comp %d duty %d decode %s\n",
                k + 1, kFiveToneFormatNames[e.toneFormat % kFiveToneFormatCount], e.monitorSwitch,
                e.channelSwitch, e.callSwitch, e.pttSwitch, e.repeaterCode, e.callCode, e.idCode,
                e.flow, e.aniTransmission, e.autoReset, e.complement, e.duty,
                Flags(e.decodeCodes).c_str());
        }
    }
    if (Wanted("FiveToneDecode")) {
        FiveToneDecode d;
        d.Load(im);
        Heading("FiveToneDecode");
        for (int k = 0; k <= kGroupDecodeEntry; ++k) {
            const FiveToneDecodeEntry& e = d.entries[k];
            std::printf(
                "  %-7s number \"%-8s\" tag \"%-8s\" transpond %2u ID %u LED %u mode %u scan %u "
                "emg %u beep %u/%u stun %u auto TX %u\n",
                k == kGroupDecodeEntry ? "group" : ("entry " + std::to_string(k + 1)).c_str(),
                e.number.c_str(), e.tag.c_str(), e.transpondCode, e.idDecode, e.callLedDisplay,
                e.mode, e.scan, e.emergency, e.callBeepTone, e.beepMode, e.stun, e.autoTx);
        }
    }
    if (Wanted("FiveToneEncode")) {
        FiveToneEncode d;
        d.Load(im);
        Heading("FiveToneEncode");
        for (int k = 0; k < kFiveToneEncodeCount; ++k) {
            const FiveToneEncodeEntry& e = d.entries[k];
            std::printf(
                "  ENC NO.%-2d number \"%-8s\" tag \"%-8s\" ext %d recall %d overwrite %d tr.dec "
                "%d "
                "tr.beep %d grp.dig %d input %s\n",
                k + 1, e.number.c_str(), e.tag.c_str(), e.firstDigitExtend, e.recallingCode,
                e.overwrite, e.transpondDecode, e.transpondBeep, e.groupDigitSelectable,
                Flags(e.inputDigits).c_str());
        }
    }
}

bool ReadImage(const char* path, RadioImage& im, double& offset) {
    std::vector<std::uint8_t> bytes;
    std::uint64_t size = 0;
    std::string why;
    if (!tools::ReadRegularFile(path, kDataFileSize, &bytes, &size, &why)) {
        std::fprintf(stderr, "image-dump: cannot read %s: %s\n", path, why.c_str());
        return false;
    }
    if ((size != kDataFileSize && size != kImageSize && size != kImageBufferSize) ||
        bytes.size() != size) {
        std::fprintf(stderr, "image-dump: %s has %llu bytes; a data file has %zu, an image %zu\n",
                     path, static_cast<unsigned long long>(size), kDataFileSize, kImageSize);
        return false;
    }
    im.fill(0);
    std::copy(bytes.begin(), bytes.begin() + kImageSize, im.begin());
    offset = 0.0;
    if (bytes.size() == kDataFileSize) {
        FileTrailer t{};
        std::copy(bytes.begin() + kImageSize, bytes.end(), t.begin());
        offset = OffsetFromTrailer(t);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 3 ||
        (argc > 1 && (!std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "--help")))) {
        std::fprintf(stderr,
                     "usage: image-dump [FILE [BLOCK]]\n"
                     "  Prints a radio image field by field. Without FILE: the image of a new\n"
                     "  document. FILE is a data file (.K07) or a raw image; BLOCK limits the\n"
                     "  output to the blocks whose name contains it (e.g. ChannelTable).\n");
        return argc > 3 ? 2 : 0;
    }
    RadioImage im{};
    double offset = 0.0;
    if (argc >= 2) {
        if (!ReadImage(argv[1], im, offset)) return 1;
    } else {
        FillDefaults(im);
        RebuildImage(im);
    }
    if (argc == 3) filter = argv[2];
    std::printf("image: %s\nautomatic TX offset: %g MHz\nchecksum: stored %04X, computed %04X\n",
                argc >= 2 ? argv[1] : "new document", offset, GetImageChecksum(im),
                ComputeImageChecksum(im));
    DumpIdentityAndHardware(im);
    DumpChannels(im);
    DumpCommon(im);
    DumpDtmfAndTwoTone(im);
    DumpFiveTone(im);
    return 0;
}
