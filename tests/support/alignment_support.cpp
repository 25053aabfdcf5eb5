#include "support/alignment_support.h"

#include <cstdio>

#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "image/accessors.h"
#include "link/transfer_jobs.h"
#include "resources/message.h"

namespace kp07::test {
namespace {

std::string Text(const ToldFrame& f) {
    char part[8];
    std::snprintf(part, sizeof part, "%02Xh", f.command);
    std::string text = f.raw ? std::string("raw ") + part : part;
    for (std::uint8_t b : f.data) {
        std::snprintf(part, sizeof part, " %02X", b);
        text += part;
    }
    return text;
}

bool Listed(const ToldFrame& f) {
    if (f.raw) return true;
    return f.command != 0xF2 && f.command != 0xF3 && f.command != 0x31;
}

}  // namespace

RadioImage AlignedRadioImage(std::uint8_t rfFrequency, std::uint8_t micSensitivity) {
    RadioImage image{};
    FillDefaults(image);
    SetFirmwareVersion(image, 400);
    LoadPersistentBlocks(image);
    hardware->alignment.rfFrequency = rfFrequency;
    hardware->alignment.micSensitivity = micSensitivity;
    RebuildImage(image);
    LoadPersistentBlocks(image);
    return image;
}

MsgResult InlineTransfers::Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) {
    return ShowMessage(id, buttons, icon, arg1);
}

TransferRunner InlineTransfers::Runner() {
    return [this](int mode) {
        modes.push_back(mode);
        RunTransferJob(mode, *this);
        return !cancel;
    };
}

std::vector<std::string> ToldTexts(RadioSimulator& radio, bool clear) {
    std::vector<std::string> texts;
    for (const ToldFrame& f : radio.told()) {
        if (Listed(f)) texts.push_back(Text(f));
    }
    if (clear) radio.ClearTold();
    return texts;
}

std::int64_t ToldAtMs(const RadioSimulator& radio, const std::string& text) {
    for (const ToldFrame& f : radio.told()) {
        if (Text(f) == text) return f.atUs / 1000;
    }
    return -1;
}

}  // namespace kp07::test
