#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "channels/visible_items.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "link/link_clock.h"
#include "link/link_state.h"
#include "resources/strings.h"

namespace kp07::fuzz {

std::uint8_t FuzzInput::Byte() {
    return pos_ < size_ ? data_[pos_++] : 0;
}

int FuzzInput::Int(int lo, int hi) {
    if (hi <= lo) return lo;
    const std::uint64_t range = std::uint64_t(std::int64_t(hi) - lo) + 1;
    std::uint64_t value = 0;
    for (std::uint64_t span = 1; span < range && !empty(); span <<= 8)
        value = (value << 8) | Byte();
    return int(std::int64_t(lo) + std::int64_t(value % range));
}

std::string FuzzInput::Text(std::size_t max) {
    const std::size_t count = std::min<std::size_t>(std::size_t(Int(0, int(max))), left());
    std::string text(reinterpret_cast<const char*>(data_ + pos_), count);
    pos_ += count;
    return text;
}

std::vector<std::uint8_t> FuzzInput::Bytes(std::size_t count) {
    count = std::min(count, left());
    std::vector<std::uint8_t> bytes(data_ + pos_, data_ + pos_ + count);
    pos_ += count;
    return bytes;
}

std::vector<std::uint8_t> FuzzInput::Rest() {
    return Bytes(left());
}

MsgResult SilentMessages::Show(const std::string&, MsgButtons buttons, MsgIcon) {
    ++shown;
    if (!agree) return CautiousAnswer(buttons);
    switch (buttons) {
        case MsgButtons::kYesNo:
        case MsgButtons::kYesNoCancel:
            return MsgResult::kYes;
        case MsgButtons::kRetryCancel:
            return MsgResult::kRetry;
        default:
            return MsgResult::kOk;
    }
}

void ResetState(MessageBackend* messages) {
    DefaultImage();  // built once, before any input has state of its own
    DestroyImageAndBlocks();
    ResetImageStateForTest();
    ResetModeStateForTest();
    SetTestStringTable(nullptr);
    ResetVisibleItemsForTest();
    ResetLinkStateForTest();
    SetLinkClock(nullptr);
    SetMessageBackend(messages);
}

const RadioImage& DefaultImage() {
    static const RadioImage image = [] {
        RadioImage built{};
        FillDefaults(built);
        SetFirmwareVersion(built, 400);
        LoadPersistentBlocks(built);
        RebuildImage(built);
        DestroyImageAndBlocks();
        return built;
    }();
    return image;
}

RadioImage ImageFrom(const std::vector<std::uint8_t>& bytes) {
    RadioImage image{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    return image;
}

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

void SameOrFail(const RadioImage& expected, const RadioImage& actual, const char* what) {
    if (expected == actual) return;
    int shown = 0;
    for (std::size_t i = 0; i < expected.size() && shown < 16; ++i) {
        if (expected[i] == actual[i]) continue;
        std::fprintf(stderr, "fuzz: byte %zu: %02X then %02X\n", i, expected[i], actual[i]);
        ++shown;
    }
    Fail(what);
}

void SettleChannelTable(const HardwareParams& hardware, RadioImage& image, const char* what) {
    SettleOrFail(
        image,
        [&hardware](RadioImage& bytes) {
            ChannelTable table(hardware);
            table.Load(bytes);
            table.Store(bytes);
        },
        what);
}

}  // namespace kp07::fuzz
