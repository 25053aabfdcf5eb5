#include "alignment/alignment_link.h"

#include "alignment/alignment_items.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "link/clone_frames.h"
#include "link/link_clock.h"

namespace kp07 {
namespace {

constexpr int kStatusAttempts = 3;
constexpr int kStatusPauseMs = 100;
constexpr std::uint8_t kStatusLength = 0x05;

bool HaveBlocks(int channel) {
    return hardware && channels && channel >= 0 && channel < kChannelSlots;
}

const ChannelRecord& Channel(int channel) {
    return channels->records[std::size_t(channel)];
}

std::uint8_t Value(int channel, int item) {
    return std::uint8_t(ItemValue(*hardware, Channel(channel), item));
}

std::uint8_t Byte(int value) {
    return std::uint8_t(value < 0 ? 0 : value > 255 ? 255 : value);
}

// The reference frequency frame that follows most changes: always the
// stored value.
int SendRfFrequency() {
    return SendAlignmentCommand(kAlignRfFrequency, {hardware->alignment.rfFrequency});
}

// A change followed by the reference frequency, in that order; the outcomes
// OR-ed.
int ThenRfFrequency(int first) {
    return first | SendRfFrequency();
}

int SendSubAudio(int channel, std::uint8_t modulation) {
    const ChannelRecord& c = Channel(channel);
    const unsigned word = SubAudioWord(c);
    const std::uint8_t command = SubAudioKind(c) == 2 ? kAlignDcs : kAlignCtcss;
    return SendAlignmentCommand(command,
                                {modulation, std::uint8_t(word >> 8), std::uint8_t(word & 0xFF)});
}

}  // namespace

int SendAlignmentCommand(std::uint8_t command, const std::vector<std::uint8_t>& data) {
    const std::uint8_t length = std::uint8_t(data.size() + 1);
    return SendFrame(command, length, data.data(), true, false);
}

int SelectChannel(int channel) {
    if (!HaveBlocks(channel)) return kLinkFailed;
    const int r = SendAlignmentCommand(kAlignSelectChannel, {std::uint8_t(channel)});
    if (r != kLinkOk) return r;
    SendAlignmentCommand(kAlignLevel, {Value(channel, kItemRxSensitivity)});
    SendRfFrequency();
    return kLinkOk;
}

int SendLiveValue(int channel, int item, int value, bool transmitting) {
    if (!HaveBlocks(channel)) return kLinkFailed;
    const std::uint8_t v = Byte(value);
    switch (item) {
        case kItemRfPower:
            // The power level means something to the radio only while it
            // transmits.
            return transmitting ? SendAlignmentCommand(kAlignLevel, {v}) : kLinkFailed;
        case kItemMicSensitivity:
            return SendAlignmentCommand(kAlignMic, {v});
        case kItemMaxDeviation:
            return ThenRfFrequency(
                SendAlignmentCommand(kAlignDeviation, {v, Value(channel, kItemMaxRefDeviation)}));
        case kItemMaxRefDeviation:
            return ThenRfFrequency(
                SendAlignmentCommand(kAlignDeviation, {Value(channel, kItemMaxDeviation), v}));
        case kItemSubAudioLevel:
            if (SubAudioKind(Channel(channel)) == 0) return kLinkFailed;
            return ThenRfFrequency(SendSubAudio(channel, v));
        case kItemRfFrequency:
            return SendAlignmentCommand(kAlignRfFrequency, {v});
        case kItemRxSensitivity:
            return ThenRfFrequency(SendAlignmentCommand(kAlignLevel, {v}));
        case kItemDtmfDeviation:
            return ThenRfFrequency(SendAlignmentCommand(kAlignDtmf, {v, 1}));
        default:
            return kLinkOk;  // the read-back items have nothing to send
    }
}

int ReadStatus(AlignmentStatus& status) {
    int r = kLinkFailed;
    for (int attempt = 0; attempt < kStatusAttempts; ++attempt) {
        if (attempt > 0) linkClock().SleepMs(kStatusPauseMs);
        AlignmentStatus reply{};
        r = SendFrame(kAlignStatus, 0x01, nullptr, false, false);
        if (r == kLinkOk) r = ReceiveFrame(kAlignStatus, kStatusLength, reply.data());
        if (r == kLinkOk) {
            status = reply;
            return kLinkOk;
        }
    }
    return r;
}

bool StartTestTransmission(int channel, int item) {
    if (!HaveBlocks(channel) || !ItemTransmits(item)) return false;
    if (SendAlignmentCommand(kAlignStartTransmit, {}) != kLinkOk) return false;
    // The radio now transmits on the channel: give it every value that shapes
    // the signal, so that what is measured is what the channel will send.
    SendAlignmentCommand(kAlignLevel, {Value(channel, kItemRfPower)});
    SendAlignmentCommand(kAlignMic, {Value(channel, kItemMicSensitivity)});
    SendAlignmentCommand(kAlignDeviation,
                         {Value(channel, kItemMaxDeviation), Value(channel, kItemMaxRefDeviation)});
    if (SubAudioKind(Channel(channel)) != 0)
        SendSubAudio(channel, Value(channel, kItemSubAudioLevel));
    if (item == kItemDtmfDeviation) {
        SendAlignmentCommand(kAlignDtmf, {Value(channel, kItemDtmfDeviation), 1});
    }
    return true;
}

int EndTestTransmission() {
    return SendAlignmentCommand(kAlignEndTransmit, {});
}

}  // namespace kp07
