// Upload against the simulated radio on the in-process line (virtual time).
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

#include "image/accessors.h"
#include "image/process_state.h"
#include "link/link_state.h"
#include "link/transfer_jobs.h"
#include "link_fixture.h"
#include "support/test_support.h"

namespace kp07::test {
namespace {

using UploadTest = LinkTest;

TEST_F(UploadTest, RadioAlreadyInCloneModeUploadsWithoutPrompt) {
    Cable(memory, 9600);
    currentFileName = "/data/old.K07";

    ASSERT_TRUE(UploadJob(owner));

    EXPECT_EQ(*radioImage, memory);
    EXPECT_EQ(imageModified, 0);
    EXPECT_EQ(currentFileName, "<none>");
    EXPECT_EQ(uploadSucceeded, 1);
    EXPECT_FALSE(owner.Posted(WM_XFER_STATUS, 122));  // no power-cycle prompt
    EXPECT_TRUE(owner.Posted(WM_XFER_CAPTION, 90));
    EXPECT_TRUE(owner.Posted(WM_XFER_STATUS, 95));
    ASSERT_EQ(owner.Values(WM_XFER_RANGE), std::vector<unsigned>{7809});
    // Link start 1, block loop 1, 61 blocks of 128: the bar ends full.
    const std::vector<unsigned> pos = owner.Values(WM_XFER_POS);
    ASSERT_EQ(pos.size(), 63u);
    EXPECT_EQ(std::vector<unsigned>(pos.begin(), pos.begin() + 3),
              (std::vector<unsigned>{1, 2, 130}));
    EXPECT_EQ(pos.back(), 7809u);
    EXPECT_EQ(owner.reports.back().message, WM_XFER_DONE);
    ExpectOnlyMessage("Upload is completed", MsgIcon::kInformation);
    // Block 0 was asked for twice: once to see whether the radio listens.
    EXPECT_EQ(cable().radio().blocksRead(), 62);
}

TEST_F(UploadTest, PowerCycleWithStrayBytesAndBreakThenReopensEveryFiveReads) {
    SimulatedCable& c = Cable(memory, 0);  // radio in normal operation
    RadioFaults& faults = c.radio().faults();
    faults.strayBytes = 7;  // more noise than one round of reads can take
    faults.breakOnWake = true;
    c.PowerCycleAt(4000);
    c.At(8000, [&](std::int64_t) { faults.strayBytes = 2; });
    c.PowerCycleAt(12000);
    comSpeed = 1;  // link at 19200 after the wake-up at 9600

    ASSERT_TRUE(UploadJob(owner));

    EXPECT_EQ(*radioImage, memory);
    EXPECT_TRUE(owner.Posted(WM_XFER_STATUS, 122));
    EXPECT_EQ(c.radio().baud(), 19200u);
    EXPECT_EQ(messages.count(), 1u);  // only "Upload is completed"
    EXPECT_EQ(handshakePhase, 0);
    // Opens while waiting for the wake-up byte: the first round of five
    // empty reads takes 5 x 505 ms; the line is reopened after each round.
    const std::vector<std::int64_t>& opens = c.openTimes();
    ASSERT_GE(opens.size(), 6u);
    const std::int64_t round = opens[3] - opens[2];
    EXPECT_GE(round, 5 * 500);
    EXPECT_LE(round, 5 * 505 + 300);
}

// Twenty wrong sums in the whole upload are retried; unanswered requests
// are repeated without counting. The faults start after the link start.
TEST_F(UploadTest, WrongSumsUpToTwentyAndUnansweredRequestsAreRetried) {
    const struct { int wrongSums, droppedReplies, period; } cases[] = {{20, 0, 3}, {0, 30, 1}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.wrongSums);
        SimulatedCable& c = Cable(memory, 9600);
        owner.onReport = [&](unsigned message, unsigned value) {
            if (message != WM_XFER_STATUS || value != 95) return;
            c.radio().faults().wrongSums = k.wrongSums;
            c.radio().faults().droppedReplies = k.droppedReplies;
            c.radio().faults().period = k.period;
        };
        *radioImage = FilledImage(0);
        ASSERT_TRUE(UploadJob(owner));
        EXPECT_EQ(*radioImage, memory);
        EXPECT_EQ(messages.last(), "Upload is completed");
    }
}

TEST_F(UploadTest, TwentyFirstWrongSumEndsTheUploadAndLeavesTheDocument) {
    SimulatedCable& c = Cable(memory, 9600);
    owner.onReport = [&](unsigned message, unsigned value) {
        if (message == WM_XFER_STATUS && value == 95) c.radio().faults().wrongSums = 1000;
    };
    *radioImage = FilledImage(0x5A);
    imageModified = 1;
    currentFileName = "/data/mine.K07";

    EXPECT_FALSE(UploadJob(owner));

    EXPECT_EQ(*radioImage, FilledImage(0x5A));
    EXPECT_EQ(imageModified, 1);
    EXPECT_EQ(currentFileName, "/data/mine.K07");
    EXPECT_EQ(uploadSucceeded, 0);
    ExpectOnlyMessage("Upload Error!", MsgIcon::kStop);
    // 1 answered request of the link start + 21 mismatched replies.
    EXPECT_EQ(c.radio().blocksRead(), 22);
    EXPECT_EQ(owner.reports.back().message, WM_XFER_DONE);
}

TEST_F(UploadTest, FirmwareBelowFourHundredEndsTheUpload) {
    RadioImage old = memory;
    old[0] = 0x03;  // version 3.99
    old[1] = 0x99;
    SimulatedCable& c = Cable(old, 9600);
    *radioImage = FilledImage(0x11);
    EXPECT_FALSE(UploadJob(owner));
    EXPECT_EQ(*radioImage, FilledImage(0x11));
    ExpectOnlyMessage("Update the firmware Ver.4.00 or later.", MsgIcon::kStop);
    EXPECT_EQ(uploadSucceeded, 0);

    c.radio().memory()[0] = 0x04;  // version 4.00 passes
    c.radio().memory()[1] = 0x00;
    EXPECT_TRUE(UploadJob(owner));
    EXPECT_EQ(*radioImage, c.radio().memory());
}

TEST_F(UploadTest, UnsavedChangesAreKeptWhenTheUserSaysNo) {
    Cable(memory, 9600);
    *radioImage = FilledImage(0x22);
    imageModified = 1;
    messages.Answer(MsgResult::kNo);
    EXPECT_FALSE(UploadJob(owner));
    EXPECT_EQ(messages.last(), "Overwrite original data");
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::kYesNo);
    EXPECT_EQ(*radioImage, FilledImage(0x22));
    EXPECT_EQ(imageModified, 1);
    EXPECT_EQ(uploadSucceeded, 0);

    messages.Clear();
    messages.Answer(MsgResult::kYes);
    EXPECT_TRUE(UploadJob(owner));
    EXPECT_EQ(*radioImage, memory);
    EXPECT_EQ(imageModified, 0);
}

TEST_F(UploadTest, UploadIntoTheReferenceImageFillsBoth) {
    Cable(memory, 9600);
    EXPECT_TRUE(UploadReferenceJob(owner));
    ASSERT_TRUE(referenceImage);
    EXPECT_EQ(*referenceImage, memory);
    EXPECT_EQ(*radioImage, memory);
    EXPECT_EQ(uploadSucceeded, 1);
}

TEST_F(UploadTest, CancelDuringThePromptEndsWithinHalfASecond) {
    // Cancels at different points of the wait: inside a read, right at a
    // reopen, late in a round of reads.
    for (std::int64_t cancelAtMs : {1200, 3400, 3730, 6000, 8812}) {
        SCOPED_TRACE(cancelAtMs);
        RecordingOwner o;
        SimulatedCable& c = Cable(memory, 0);
        const std::int64_t start = c.NowMs();
        bool cancelled = false;
        o.cancelWhen = [&] {
            if (cancelled || c.NowMs() - start < cancelAtMs) return false;
            cancelled = true;  // remove-on-peek: seen once
            return true;
        };
        *radioImage = FilledImage(0x33);
        EXPECT_FALSE(UploadJob(o));
        EXPECT_TRUE(o.Posted(WM_XFER_STATUS, 122));
        EXPECT_LE(c.NowMs() - start - cancelAtMs, 510);
        EXPECT_EQ(o.reports.back().message, WM_XFER_DONE);
        EXPECT_EQ(*radioImage, FilledImage(0x33));
        EXPECT_EQ(handshakePhase, 0);
    }
    EXPECT_EQ(messages.count(), 0u);  // a cancel shows nothing
}

TEST_F(UploadTest, PulledLeadIsReportedWithinSecondsAndCancelStillActsAtOnce) {
    // The lead comes out of the PC about ten blocks into a 19200-baud upload:
    // no echo, no reply. Each request fails when its first echo byte does
    // not come back within the read limit; the 21st failure ends the upload.
    comSpeed = 1;
    constexpr std::int64_t kPullMs = 1000;
    for (const std::int64_t cancelAtMs : {std::int64_t(-1), std::int64_t(4321)}) {
        SCOPED_TRACE(cancelAtMs);
        messages.Clear();
        RecordingOwner o;
        SimulatedCable& c = Cable(memory, 19200);
        c.At(kPullMs, [&](std::int64_t) { c.wire().PullLead(); });
        o.cancelWhen = [&] { return cancelAtMs >= 0 && c.NowMs() >= cancelAtMs; };
        *radioImage = FilledImage(0x3C);
        EXPECT_FALSE(UploadJob(o));
        EXPECT_EQ(*radioImage, FilledImage(0x3C));
        ASSERT_EQ(o.reports.back().message, WM_XFER_DONE);
        const std::int64_t endMs = o.reports.back().atMs;
        if (cancelAtMs < 0) {
            EXPECT_EQ(messages.last(), "Upload Error!");
            // 21 failed requests of about half a second each.
            EXPECT_GE(endMs - kPullMs, 21 * 500);
            EXPECT_LT(endMs - kPullMs, 20000);
            std::printf("pulled lead to \"Upload Error!\": %lld ms (virtual time)\n",
                        static_cast<long long>(endMs - kPullMs));
        } else {
            EXPECT_EQ(messages.count(), 0u);
            EXPECT_LE(endMs - cancelAtMs, 600);
        }
    }
}

TEST_F(UploadTest, SpeedReplyWithoutEchoNamesThePortOfTheLead) {
    comPort = 12;
    SimulatedCable& c = Cable(memory, 0);
    c.PowerCycleAt(1000);
    // The lead comes loose just before the wake-up byte (200 ms after power-on).
    c.At(1100, [&](std::int64_t) { c.wire().SetEcho(false); });
    EXPECT_FALSE(UploadJob(owner));
    ExpectOnlyMessage("Check that lead is connected to COM 12", MsgIcon::kStop);
}

TEST_F(UploadTest, BreakWhileAnsweringTheWakeUpWaitsForTheRadioAgain) {
    SimulatedCable& c = Cable(memory, 0);
    c.PowerCycleAt(1000);
    // The radio drops power again while the PC answers: no echo, a BREAK.
    c.At(1100, [&](std::int64_t) { c.wire().SetEcho(false); });
    c.BreakAt(1400);
    c.At(3000, [&](std::int64_t) { c.wire().SetEcho(true); });
    c.PowerCycleAt(6000);
    EXPECT_TRUE(UploadJob(owner));
    EXPECT_EQ(*radioImage, memory);
    EXPECT_EQ(messages.last(), "Upload is completed");
}

TEST_F(UploadTest, PortThatWillNotOpenIsReportedWithDeviceAndReason) {
    SimulatedCable& c = Cable(memory, 9600);
    // The second line names the device and the system's reason; refused for
    // lack of rights, the message names the device and the group.
    struct Case {
        int openError;  // 0: the open works but the line refuses its settings
        const char* device;
        const char* text;
    };
    const Case cases[] = {
        {ENOENT, "/dev/ttyS0", "Problem with COM port\r\n/dev/ttyS0: No such file or directory"},
        {EBUSY, "/dev/ttyS0", "Problem with COM port\r\n/dev/ttyS0: Device or resource busy"},
        {0, "/dev/ttyS0", "Problem with COM port\r\n/dev/ttyS0: Input/output error"},
        {EACCES, "/dev/ttyUSB0",
         "Problem with COM port\r\nThis account may not open /dev/ttyUSB0.\r\nAdd it to the group "
         "\"dialout\" (sudo usermod -aG dialout $USER), then log in again."},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        messages.Clear();
        RecordingOwner o;
        SetPortDevice(1, k.device);
        c.SetOpenError(k.openError);
        c.SetConfigureFails(k.openError == 0);
        EXPECT_FALSE(UploadJob(o));
        ExpectOnlyMessage(k.text, MsgIcon::kStop);
        EXPECT_EQ(o.reports.back().message, WM_XFER_DONE);
    }
}

}  // namespace
}  // namespace kp07::test
