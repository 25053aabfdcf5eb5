// The clone link's PC side against a radio that says anything: the fuzzer
// writes what comes back on the line after each write of the PC (echo kept,
// lost or damaged, then any bytes, PARMRK-marked as the driver gets them),
// and the upload and download jobs run over it to their end. A radio that
// has nothing more to say is given up on (the user's Cancel).
//
// The radio's side is fuzzed as well: any bytes into the simulated radio at
// either speed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <vector>

#include "blocks/image_ops.h"
#include "fuzz_support.h"
#include "image/process_state.h"
#include "link/link_clock.h"
#include "link/link_state.h"
#include "link/radio_simulator.h"
#include "link/serial_port.h"
#include "link/stream_serial_driver.h"
#include "link/transfer_jobs.h"

namespace {

using namespace kp07;
using fuzz::Fail;

// Virtual time after which the user gives up (a radio that keeps talking
// nonsense forever).
constexpr std::int64_t kPatienceUs = 3600LL * 1000000;

class ScriptedLine {
  public:
    ScriptedLine(fuzz::FuzzInput& in, VirtualClock& clock) : in_(in), clock_(clock) {}

    // After every write: a control byte (bit 0 drops the echo, bit 1 damages
    // its first byte, bit 2 makes the write itself fail), a count (a first
    // byte of 255 adds a second one) and that many bytes the radio sends.
    bool Written(const std::uint8_t* data, std::size_t count) {
        const std::uint8_t control = in_.Byte();
        if (control & 4) return false;
        if (!(control & 1)) {
            for (std::size_t i = 0; i < count; ++i) {
                std::uint8_t b = data[i];
                if (i == 0 && (control & 2)) b ^= 0x01;
                received.push_back(b);
                if (b == 0xFF) received.push_back(0xFF);  // marked as PARMRK marks it
            }
        }
        std::size_t replyCount = in_.Byte();
        if (replyCount == 255) replyCount += in_.Byte();
        const std::vector<std::uint8_t> reply = in_.Bytes(replyCount);
        received.insert(received.end(), reply.begin(), reply.end());
        return true;
    }
    bool exhausted() const { return in_.empty() && received.empty(); }

    std::deque<std::uint8_t> received;
    VirtualClock& clock() { return clock_; }

  private:
    fuzz::FuzzInput& in_;
    VirtualClock& clock_;
};

class ScriptedDriver : public StreamSerialDriver {
  public:
    explicit ScriptedDriver(ScriptedLine& line) : line_(line) {}
    int Open(const std::string&) override {
        open_ = true;
        ResetReceiveState();
        return 0;
    }
    bool Configure(std::uint32_t baud) override { return baud == 9600 || baud == 19200; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(const std::uint8_t* data, std::size_t count, int) override {
        return open_ && line_.Written(data, count);
    }
    bool Drain() override { return open_; }

  protected:
    int Fill(std::uint8_t* raw, std::size_t max, std::int64_t waitUs) override {
        if (line_.received.empty()) {
            line_.clock().SleepUs(waitUs);
            return 0;
        }
        const std::size_t n = std::min(max, line_.received.size());
        for (std::size_t i = 0; i < n; ++i) {
            raw[i] = line_.received.front();
            line_.received.pop_front();
        }
        return int(n);
    }
    void FlushInput() override { line_.received.clear(); }

  private:
    ScriptedLine& line_;
    bool open_ = false;
};

class GivingUpOwner : public TransferOwner {
  public:
    explicit GivingUpOwner(ScriptedLine& line) : line_(line) {}
    void PostReport(unsigned message, unsigned value) override {
        if (message == WM_XFER_RANGE) range = value;
        if (message == WM_XFER_POS && value > range) Fail("progress past its range");
        if (message == WM_XFER_DONE) ++done;
    }
    bool TakeCancel() override { return line_.exhausted() || line_.clock().NowUs() > kPatienceUs; }
    MsgResult Ask(int id, MsgButtons buttons, MsgIcon, const std::string&) override {
        if (id == kMsgUploadCompleted || id == kMsgDownloadCompleted) ++completed;
        return buttons == MsgButtons::kYesNo ? MsgResult::kYes : MsgResult::kOk;
    }
    unsigned range = 0;
    int done = 0;
    int completed = 0;

  private:
    ScriptedLine& line_;
};

void FuzzRadioSide(fuzz::FuzzInput& in) {
    RadioSimulator radio(fuzz::DefaultImage());
    if (in.Bool()) {
        radio.StartInCloneMode(in.Bool() ? 19200 : 9600);
    } else {
        radio.StartIdle();
    }
    RadioWire wire(radio, true);
    std::int64_t now = 0;
    while (!in.empty()) {
        const std::uint8_t op = in.Byte();
        now += (op >> 4) * 20000;
        if ((op & 15) == 0) {
            wire.PowerCycle(now);
        } else if ((op & 15) == 1) {
            wire.InjectBreak(now);
        } else {
            const std::vector<std::uint8_t> bytes = in.Bytes(op & 15);
            wire.FromPc(bytes.data(), bytes.size(), now, (op & 1) ? 19200 : 9600);
        }
        wire.TakeDue(now + 1000000, 9600);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t mode = in.Byte();
    if ((mode & 3) == 3) {
        FuzzRadioSide(in);
        return 0;
    }
    static fuzz::SilentMessages messages;
    fuzz::ResetState(&messages);
    VirtualClock clock;
    SetLinkClock(&clock);
    ScriptedLine line(in, clock);
    SetSerialDriverFactory([&line] { return std::make_unique<ScriptedDriver>(line); });
    comSpeed = (mode >> 2) & 1;
    factoryMode = (mode >> 3) & 1;
    imageModified = (mode >> 4) & 1;

    CreateImageAndBlocks();
    *radioImage = fuzz::DefaultImage();
    LoadPersistentBlocks(*radioImage);
    const RadioImage before = *radioImage;
    GivingUpOwner owner(line);
    bool done = false;
    switch (mode & 3) {
        case 0:
            done = UploadJob(owner);
            break;
        case 1:
            done = DownloadJob(owner);
            break;
        default:
            done = DownloadChangesJob(owner);
            break;
    }
    // KP07_FUZZ_VERBOSE=1 tells how each job ended (to check the seeds).
    if (std::getenv("KP07_FUZZ_VERBOSE")) {
        std::fprintf(stderr, "job %d %s, %d message boxes\n", mode & 3,
                     done ? "completed" : "did not complete", messages.shown);
    }
    if (owner.done != 1) Fail("a job did not report its end exactly once");
    if (owner.completed != (done ? 1 : 0))
        Fail("completion reported for a job that did not complete");
    if ((mode & 3) == 0 && !done && *radioImage != before)
        Fail("a failed upload changed the document");

    currentPort.reset();
    SetSerialDriverFactory(nullptr);
    SetLinkClock(nullptr);
    DestroyImageAndBlocks();
    fuzz::ResetState(nullptr);
    return 0;
}
