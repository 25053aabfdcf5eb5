#include "alignment/alignment_mode.h"

#include <memory>
#include <string>

#include "alignment/alignment_items.h"
#include "alignment/alignment_link.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "image/radio_image.h"
#include "link/clone_frames.h"
#include "link/clone_protocol.h"
#include "link/link_clock.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/transfer_jobs.h"
#include "link/transfer_owner.h"
#include "resources/message.h"

namespace kp07 {

int alignmentModified = 0;

namespace {

constexpr int kWakeUpReads = 30;
constexpr int kSettleAfterStartMs = 1500;  // the radio sets up its alignment state
constexpr int kLeaveReads = 5;
constexpr int kPauseBeforeSpeedMs = 10;
constexpr int kPauseAfterSpeedMs = 200;

bool SendRaw(std::uint8_t byte) {
    return CurrentPort().WriteWithEcho(&byte, 1);
}

// Alignment was not entered: the reference image goes again.
bool Abandon() {
    referenceImage.reset();
    return false;
}

// The radio's image arrives in the reference image and the document; the
// radio is asked to restart and the line reopened at 9600 baud for its
// wake-up byte. False when alignment cannot go on.
bool UploadAndRestart(const TransferRunner& runTransfer) {
    referenceImage = std::make_unique<RadioImage>(*radioImage);
    const bool completed = runTransfer && runTransfer(kTransferUploadReference);
    if (!completed || !uploadSucceeded) return false;
    LoadPersistentBlocks(*radioImage);
    // At the speed the upload left the line at: the radio listens there.
    SendRaw(kRawRestart);
    SerialPort& port = ReplaceCurrentPort();
    if (!port.OpenPort(9600)) {
        std::string arg;
        const int id = PortOpenFailureMessage(port, &arg);
        ShowMessage(id, MsgButtons::kOk, MsgIcon::kStop, arg);
        return false;
    }
    return true;
}

}  // namespace

bool EnterAlignment(const TransferRunner& runTransfer) {
    if (ShowMessage(kMsgAlignmentCaution, MsgButtons::kYesNo, MsgIcon::kExclamation) !=
        MsgResult::kYes) {
        return false;
    }
    if (!radioImage || !hardware || !channels) return false;
    RebuildImage(*radioImage);
    uploadSucceeded = 0;

    bool awake = false;
    for (int read = 0; read < kWakeUpReads && !awake; ++read) {
        if (!uploadSucceeded && !UploadAndRestart(runTransfer)) return Abandon();
        std::uint8_t byte = 0;
        awake = CurrentPort().ReadByte(&byte) == kReadOk && byte == kWakeUpByte;
    }
    if (!awake) return Abandon();
    // Answered with 30h instead of a speed byte, the wake-up starts alignment.
    if (!SendRaw(kRawStartAlignment)) return Abandon();
    linkClock().SleepMs(kSettleAfterStartMs);
    if (SelectChannel(0) != kLinkOk) return Abandon();
    SendAlignmentCommand(
        kAlignRfFrequency,
        {std::uint8_t(ItemValue(*hardware, channels->records[0], kItemRfFrequency))});
    alignmentModified = 0;
    return true;
}

void LeaveAlignment(const TransferRunner& runTransfer) {
    SendFrame(kAlignLeave, 0x01, nullptr, false, false);
    // The radio restarts and wakes up as after a power cycle: answering with
    // the speed byte opens a clone link for the download.
    SerialPort& port = CurrentPort();
    for (int read = 0; read < kLeaveReads; ++read) {
        std::uint8_t byte = 0;
        if (port.ReadByte(&byte) != kReadOk || byte != kWakeUpByte) continue;
        linkClock().SleepMs(kPauseBeforeSpeedMs);
        const std::uint8_t speed = LinkBaud() == 19200 ? kSpeedByte19200 : kSpeedByte9600;
        port.WriteWithEcho(&speed, 1);
        linkClock().SleepMs(kPauseAfterSpeedMs);
        break;
    }
    if (alignmentModified && radioImage &&
        ShowMessage(kMsgOverwrite, MsgButtons::kYesNo, MsgIcon::kQuestion) == MsgResult::kYes) {
        RebuildImage(*radioImage);
        CurrentPort().PurgeReceive();
        if (runTransfer) runTransfer(kTransferDownloadChanges);
    }
    referenceImage.reset();
}

void ResetAlignmentStateForTest() {
    alignmentModified = 0;
}

}  // namespace kp07
