#include "alignment/alignment_items.h"

#include <cmath>
#include <cstdio>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/tuning.h"
#include "image/radio_image.h"

namespace kp07 {
namespace {

constexpr int kFirstFieldId = 2861;  // after the channel list (2860)
constexpr int kDcsHelpTopic = 2872;  // item 4 on a DCS channel

// Index of the bandwidth class: 1 narrow, 0 wide (5 or 4 kHz).
int Narrow(const ChannelRecord& channel) {
    return channel.bandwidth == 2 ? 1 : 0;
}

int Level(const ChannelRecord& channel) {
    return channel.power == 1 ? 1 : 0;
}

int Clamp(int value, int lo, int hi) {
    return value < lo ? lo : value > hi ? hi : value;
}

std::string Format(const char* format, double value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string FormatInt(const char* format, int value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

bool IsSliderItem(int item) {
    return item >= kItemRfPower && item <= kItemDtmfDeviation;
}

bool ItemTransmits(int item) {
    return IsSliderItem(item) && item != kItemRxSensitivity;
}

int SubAudioKind(const ChannelRecord& channel) {
    return channel.txToneType == 1 || channel.txToneType == 2 ? channel.txToneType : 0;
}

bool ItemShown(const ChannelRecord& channel, int item) {
    if (item < 0 || item >= kAlignmentItemCount) return false;
    return item != kItemSubAudioLevel || SubAudioKind(channel) != 0;
}

std::string ItemLabel(const ChannelRecord& channel, int item) {
    switch (item) {
        case kItemRfPower:
            return Level(channel) == 0 ? "RF Power (High)" : "RF Power (Low)";
        case kItemMicSensitivity:
            return "MIC Sensitivity";
        case kItemMaxDeviation:
            return "Max Deviation";
        case kItemMaxRefDeviation:
            return "Max Ref Deviation";
        case kItemSubAudioLevel:
            return SubAudioKind(channel) == 2 ? "DCS Modulation" : "CTCSS Modulation";
        case kItemRfFrequency:
            return "RF Frequency";
        case kItemRxSensitivity:
            return "RX Sensitivity";
        case kItemDtmfDeviation:
            return "DTMF Deviation";
        case kItemRssi:
            return "RSSI";
        case kItemSquelchThreshold:
            return "Squelch Threshold";
        case kItemSquelchTight:
            return "Squelch Tight";
        default:
            return {};
    }
}

int ItemFieldId(int item) {
    return kFirstFieldId + item;
}

int ItemHelpTopic(const ChannelRecord& channel, int item) {
    if (item == kItemSubAudioLevel && SubAudioKind(channel) == 2) return kDcsHelpTopic;
    return ItemFieldId(item);
}

int ItemValue(const HardwareParams& hw, const ChannelRecord& channel, int item) {
    const AlignmentData& a = hw.alignment;
    const int n = Narrow(channel);
    switch (item) {
        case kItemRfPower:
            return channel.txTuning[std::size_t(Level(channel))];
        case kItemMicSensitivity:
            return a.micSensitivity;
        case kItemMaxDeviation:
            return channel.txTuning[2];
        case kItemMaxRefDeviation:
            return channel.txTuning[3];
        case kItemSubAudioLevel:
            return SubAudioKind(channel) == 2 ? a.dcsModulation[std::size_t(n)]
                                              : a.ctcssModulation[std::size_t(n)];
        case kItemRfFrequency:
            return a.rfFrequency;
        case kItemRxSensitivity:
            return channel.rxTuning;
        case kItemDtmfDeviation:
            return a.dtmfDeviation;
        case kItemRssi:
            return a.rssi[std::size_t(n)];
        case kItemSquelchThreshold:
            return a.squelchThreshold[std::size_t(n)];
        case kItemSquelchTight:
            return a.squelchTight[std::size_t(n)];
        default:
            return 0;
    }
}

void StoreItem(HardwareParams& hw, ChannelTable& table, int slot, int item, int value) {
    if (slot < 0 || slot >= kChannelSlots || item < 0 || item >= kAlignmentItemCount) return;
    const ChannelRecord& channel = table.records[std::size_t(slot)];
    AlignmentData& a = hw.alignment;
    const int v = Clamp(value, 0, 255);
    const std::uint8_t byte = std::uint8_t(v);
    const std::size_t n = std::size_t(Narrow(channel));
    const double tx = channel.txMHz;
    const std::size_t half = std::size_t(BandHalf(hw, tx));
    switch (item) {
        case kItemRfPower: {
            const std::size_t level = std::size_t(Level(channel));
            a.powerBase[level] = TxBaseFromShown(v, TxPositionFactor(hw, tx),
                                                 SignedSlope(a.powerSlope[level][half]));
            break;
        }
        case kItemMaxDeviation:
            a.maxDeviationBase =
                TxBaseFromShown(DeviationAtWide5(v, unsigned(channel.bandwidth)),
                                TxPositionFactor(hw, tx), SignedSlope(a.maxDeviationSlope[half]));
            break;
        case kItemMaxRefDeviation:
            a.maxRefDeviationBase = TxBaseFromShown(
                DeviationAtWide5(v, unsigned(channel.bandwidth)), TxPositionFactor(hw, tx),
                SignedSlope(a.maxRefDeviationSlope[half]));
            break;
        case kItemRxSensitivity:
            a.rxSensitivityBase =
                RxBaseFromShown(v, RxPositionFactor(hw, channel.rxMHz), a.rxSensitivitySlope);
            break;
        case kItemSubAudioLevel: {
            const bool dcs = SubAudioKind(channel) == 2;
            auto& modulation = dcs ? a.dcsModulation : a.ctcssModulation;
            const unsigned ratio = dcs ? a.dcsRatio : a.ctcssRatio;
            modulation[n] = byte;
            modulation[1 - n] = OtherClassModulation(v, ratio, n == 1);
            break;
        }
        case kItemMicSensitivity:
            a.micSensitivity = byte;
            break;
        case kItemRfFrequency:
            a.rfFrequency = byte;
            break;
        case kItemDtmfDeviation:
            a.dtmfDeviation = byte;
            break;
        case kItemRssi:
            a.rssi[n] = byte;
            break;
        case kItemSquelchThreshold:
            a.squelchThreshold[n] = byte;
            break;
        case kItemSquelchTight:
            a.squelchTight[n] = byte;
            break;
        default:
            break;
    }
    RecomputeTuningCache(table);
    imageModified = 1;
}

void RecomputeTuningCache(ChannelTable& table) {
    for (ChannelRecord& record : table.records) {
        table.ComputeRxTuning(record);
        table.ComputeTxTuning(record);
    }
}

unsigned SubAudioWord(const ChannelRecord& channel) {
    if (SubAudioKind(channel) == 1) {
        const double tenths = channel.txCtcss;
        return tenths > 0 && tenths < 65536 ? unsigned(tenths) : 0u;
    }
    if (SubAudioKind(channel) == 2) {
        const double code = channel.txDcsCode;
        const unsigned digits = code > 0 && code < 1000 ? unsigned(code) : 0u;
        return (digits / 100 % 8) * 64 + (digits / 10 % 10 % 8) * 8 + digits % 10 % 8;
    }
    return 0;
}

AlignmentChannelTexts ChannelTexts(const ChannelRecord& channel) {
    AlignmentChannelTexts t;
    t.rxFrequency = Format("%9.5f ", channel.rxMHz);
    t.txFrequency = Format("%9.5f ", channel.txMHz);
    t.power = Level(channel) == 0 ? "High" : "Low ";
    switch (SubAudioKind(channel)) {
        case 1:
            t.subAudio = "CTCSS";
            t.toneCode = Format("%5.1f", channel.txCtcss / 10.0);
            break;
        case 2:
            t.subAudio = "DCS  ";
            t.toneCode = FormatInt("%.3d  ", int(channel.txDcsCode));
            break;
        default:
            t.subAudio = "None ";
            t.toneCode = "-----";
            break;
    }
    t.bandwidth = channel.bandwidth == 2   ? "Narrow"
                  : channel.bandwidth == 1 ? "Wide 4kHz"
                                           : "Wide 5kHz";
    return t;
}

}  // namespace kp07
