#include "link/clone_protocol.h"

#include <cerrno>
#include <cstring>

#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "link/clone_frames.h"
#include "link/link_clock.h"
#include "link/link_state.h"
#include "link/serial_port.h"

namespace kp07 {
namespace {

constexpr int kPauseBetweenRequestsMs = 2;
constexpr int kPauseAfterBlockMs = 30;
constexpr int kMaxErrors = 20;
constexpr int kWakeReadsPerOpen = 5;

// handshakePhase is up only while the link start waits for the radio; it
// must not stay up after a cancel or a failure, or later reads would take
// framing errors for BREAKs.
class HandshakePhase {
  public:
    HandshakePhase() { handshakePhase = 1; }
    ~HandshakePhase() { handshakePhase = 0; }
    HandshakePhase(const HandshakePhase&) = delete;
    HandshakePhase& operator=(const HandshakePhase&) = delete;
};

void ShowOpenFailure(TransferOwner& owner, const SerialPort& port) {
    std::string arg;
    const int id = PortOpenFailureMessage(port, &arg);
    owner.Ask(id, MsgButtons::kOk, MsgIcon::kStop, arg);
}

// Replaces the port object and opens it at `baud`. On failure the user is
// told and the owner gets WM_XFER_DONE.
bool ReopenPort(TransferOwner& owner, std::uint32_t baud) {
    SerialPort& port = ReplaceCurrentPort();
    if (port.OpenPort(baud)) return true;
    ShowOpenFailure(owner, port);
    owner.PostReport(WM_XFER_DONE, 0);
    return false;
}

std::uint8_t* BlockOf(RadioImage& image, int block) {
    return image.data() + block * kBlockSize;
}
const std::uint8_t* BlockOf(const RadioImage& image, int block) {
    return image.data() + block * kBlockSize;
}

// Waits for the radio's wake-up byte at 9600 baud and answers it with the
// speed byte. The port is reopened (dropping and raising DTR) after every few
// reads without the wake-up byte, until the radio answers or the user
// cancels.
bool WaitForWakeUp(TransferOwner& owner, std::uint32_t linkBaud) {
    for (;;) {
        if (owner.TakeCancel()) return false;
        if (!ReopenPort(owner, 9600)) return false;
        SerialPort& port = CurrentPort();
        port.PurgeReceive();
        bool awake = false;
        for (int i = 0; i < kWakeReadsPerOpen && !awake; ++i) {
            if (owner.TakeCancel()) return false;
            std::uint8_t byte = 0;
            awake = port.ReadByte(&byte) == kReadOk && byte == kWakeUpByte;
        }
        if (!awake) continue;
        breakSeen = 0;
        const std::uint8_t speed = linkBaud == 19200 ? kSpeedByte19200 : kSpeedByte9600;
        if (!port.WriteWithEcho(&speed, 1)) {
            // A BREAK while answering is the radio still powering up: wait
            // for it again. No echo and no BREAK: the cable is not there.
            if (breakSeen) continue;
            owner.Ask(kMsgCheckLead, MsgButtons::kOk, MsgIcon::kStop, std::to_string(comPort));
            return false;
        }
        return !owner.TakeCancel();
    }
}

}  // namespace

int PortOpenFailureMessage(const SerialPort& port, std::string* arg1) {
    const int error = port.openError();
    if (error == EACCES || error == EPERM) {
        *arg1 = port.device();
        return kMsgPortPermission;
    }
    // A second line says which device and why, in the system's words
    // ("/dev/ttyUSB0: No such file or directory").
    const int why = error != 0 ? error : port.setupError() != 0 ? port.setupError() : EIO;
    *arg1 = port.device().empty() ? std::string() : port.device() + ": ";
    *arg1 += std::strerror(why);
    return kMsgPortProblemWhy;
}

bool ReadRadioImage(TransferOwner& owner, RadioImage& destination, ProgressCounter& progress,
                    int promptKind) {
    if (owner.TakeCancel()) return false;
    const std::uint32_t baud = LinkBaud();
    {
        HandshakePhase phase;
        if (!ReopenPort(owner, baud)) return false;
        std::uint8_t scratch[kBlockSize];
        if (RequestBlock(0, scratch) != kLinkOk) {
            owner.PostReport(WM_XFER_STATUS, promptKind == kPromptDownload ? kMsgSwitchForDownload
                                                                           : kMsgSwitchForUpload);
            if (!WaitForWakeUp(owner, baud)) return false;
        }
    }
    progress.Add(owner, 1);
    owner.PostReport(WM_XFER_STATUS, kMsgPleaseWait);
    if (!ReopenPort(owner, baud)) return false;
    return ReadBlocks(owner, destination, progress) == kLoopDone;
}

int ReadBlocks(TransferOwner& owner, RadioImage& destination, ProgressCounter& progress) {
    progress.Add(owner, 1);
    int errors = 0;  // mismatched replies over the whole image, never reset
    int block = 0;
    while (block < kBlockCount) {
        if (owner.TakeCancel()) return kLoopStopped;
        std::uint8_t data[kBlockSize];
        const int outcome = RequestBlock(block, data);
        if (outcome == kLinkOk) {
            std::memcpy(BlockOf(destination, block), data, kBlockSize);
            if (block == 0 && GetFirmwareVersion(destination) < kMinimumFirmwareVersion) {
                owner.Ask(kMsgFirmwareTooOld, MsgButtons::kOk, MsgIcon::kStop);
                return kLoopStopped;
            }
            progress.Add(owner, kBlockSize);
            ++block;
        } else if (outcome == kLinkFailed) {
            if (++errors > kMaxErrors) {
                owner.Ask(kMsgUploadError, MsgButtons::kOk, MsgIcon::kStop);
                return kLoopTooManyErrors;
            }
        }
        // Nothing arrived: the same block again, not counted (the user can
        // cancel a radio that went away).
        linkClock().SleepMs(kPauseBetweenRequestsMs);
    }
    return kLoopDone;
}

void MergeRadioFactoryData(RadioImage& document, const RadioImage& radio) {
    CopyBytes(document, radio, layout::kFirmwareBytes);
    if (!factoryMode) {
        // The radio's alignment data and identity always win; the power-on
        // password and the production number stay the document's.
        CopyBytes(document, radio, layout::kFactoryData);
        CopyBytes(document, radio, layout::kIdentityAfterProduction);
        return;
    }
    // In factory mode a radio that was never aligned (receive sensitivity
    // bytes both FFh, as an erased EEPROM reads) takes the document's
    // alignment data.
    const bool radioAligned =
        !(GetRxSensitivityBase(radio) == 0xFF && GetRxSensitivitySlope(radio) == 0xFF);
    if (radioAligned) {
        CopyBytes(document, radio, layout::kSquelchAlignment);
        if (!imageBytesEdited) {
            CopyBytes(document, radio, layout::kTuningAlignment);
        } else {
            // Bytes patched by hand in the data viewer are kept, except the
            // reference frequency and microphone values.
            CopyBytes(document, radio, layout::kReferenceAndMic);
            imageBytesEdited = 0;
        }
    }
    if (!identityEdited) {
        CopyBytes(document, radio, layout::kIdentityBytes);
    } else {
        identityEdited = 0;
    }
}

bool PrepareDownload(TransferOwner& owner, RadioImage& scratch, ProgressCounter& progress) {
    if (!radioImage) return false;
    RadioImage& document = *radioImage;
    if (owner.TakeCancel()) return false;
    if (!ReadRadioImage(owner, scratch, progress, kPromptDownload)) return false;
    progress.Add(owner, 1);
    if (owner.TakeCancel()) return false;
    if (!SameBytes(scratch, document, layout::kHardwareConfiguration)) {
        if (!factoryMode) {
            owner.Ask(kMsgHardwareMismatch, MsgButtons::kOk, MsgIcon::kStop);
            return false;
        }
        if (owner.Ask(kMsgHardwareMismatch, MsgButtons::kOkCancel, MsgIcon::kStop) !=
            MsgResult::kOk) {
            return false;
        }
    }
    if (owner.TakeCancel()) return false;
    RebuildImage(document);
    MergeRadioFactoryData(document, scratch);
    LoadPersistentBlocks(document);
    RebuildImage(document);
    if (owner.TakeCancel()) return false;
    progress.Add(owner, 1);
    return WriteRadioImage(owner, document, progress, &scratch);
}

bool WriteRadioImage(TransferOwner& owner, const RadioImage& source, ProgressCounter& progress,
                     const RadioImage* comparison) {
    CurrentPort().PurgeReceive();
    progress.Add(owner, 1);
    owner.PostReport(WM_XFER_STATUS, kMsgPleaseWait);
    // The radio is still in the clone link the read started: no wake-up.
    if (!ReopenPort(owner, LinkBaud())) return false;
    return WriteBlocks(owner, source, progress, comparison) == kLoopDone;
}

int WriteBlocks(TransferOwner& owner, const RadioImage& source, ProgressCounter& progress,
                const RadioImage* comparison) {
    progress.Add(owner, 3);
    int errors = 0;  // failed attempts in a row
    int block = 0;
    while (block < kBlockCount) {
        if (owner.TakeCancel()) return kLoopStopped;
        bool written = false;
        const bool last = block == kBlockCount - 1;
        if (!last && comparison &&
            std::memcmp(BlockOf(source, block), BlockOf(*comparison, block), kBlockSize) == 0) {
            written = true;  // the radio holds it already
        } else if (SendBlock(block, BlockOf(source, block)) == kLinkOk) {
            written = true;
        } else if (++errors > kMaxErrors) {
            // Not acknowledged: a failed write, no answer, or a refusal.
            // Each is tried again; none counts as written.
            owner.Ask(kMsgDownloadError, MsgButtons::kOk, MsgIcon::kStop);
            return kLoopTooManyErrors;
        }
        if (written) {
            progress.Add(owner, kBlockSize);
            errors = 0;
            ++block;
        }
        linkClock().SleepMs(kPauseAfterBlockMs);
    }
    return kLoopDone;
}

}  // namespace kp07
