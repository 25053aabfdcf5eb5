// Download against the simulated radio on the in-process line (virtual time):
// the hardware check, the factory-data merge and the block writes.
#include <gtest/gtest.h>

#include <cstring>

#include "blocks/image_ops.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "link/clone_frames.h"
#include "link/clone_protocol.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/transfer_jobs.h"
#include "link_fixture.h"
#include "support/test_support.h"

namespace kp07::test {
namespace {

using DownloadTest = LinkTest;

TEST_F(DownloadTest, IdenticalImageSendsOnlyTheLastBlock) {
    MakeDocument();
    const RadioImage document = *radioImage;
    SimulatedCable& c = Cable(document, 9600);

    ASSERT_TRUE(DownloadJob(owner));

    EXPECT_EQ(c.radio().blocksWritten(), std::vector<int>{60});
    EXPECT_EQ(c.radio().memory(), document);
    EXPECT_TRUE(owner.Posted(WM_XFER_CAPTION, 91));
    EXPECT_FALSE(owner.Posted(WM_XFER_STATUS, 123));  // no power-cycle prompt
    // Range, last step and end: the backup and verify cases below.
    const std::vector<unsigned> pos = owner.Values(WM_XFER_POS);
    for (std::size_t i = 1; i < pos.size(); ++i) EXPECT_LE(pos[i - 1], pos[i]);
    ExpectOnlyMessage("Download is completed", MsgIcon::kInformation);
}

TEST_F(DownloadTest, ARadioInNormalUseIsAskedToBeSwitchedOffAndOn) {
    MakeDocument();
    const RadioImage document = *radioImage;
    SimulatedCable& c = Cable(document, 0);  // radio in normal operation
    c.PowerCycleAt(1000);

    ASSERT_TRUE(DownloadJob(owner));

    EXPECT_TRUE(owner.Posted(WM_XFER_STATUS, 123));
    EXPECT_EQ(c.radio().blocksWritten(), std::vector<int>{60});
    ExpectOnlyMessage("Download is completed", MsgIcon::kInformation);
}

TEST_F(DownloadTest, ChangedBlocksAreWrittenAndTheRadioEndsWithTheDocument) {
    MakeDocument();
    const RadioImage original = *radioImage;
    SimulatedCable& c = Cable(original, 19200);
    comSpeed = 1;
    // Edits in blocks 3 and 40 (channel area and 5-tone area).
    (*radioImage)[3 * 128 + 7] ^= 0x01;
    (*radioImage)[40 * 128 + 100] ^= 0x80;
    RebuildImage(*radioImage);
    const RadioImage edited = *radioImage;

    ASSERT_TRUE(DownloadJob(owner));

    EXPECT_EQ(*radioImage, edited);
    EXPECT_EQ(c.radio().memory(), *radioImage);
    std::vector<int> written = c.radio().blocksWritten();
    EXPECT_EQ(written.back(), 60);
    written.pop_back();
    for (int b : written) {
        EXPECT_NE(std::memcmp(original.data() + 128 * b, edited.data() + 128 * b, 128), 0) << b;
    }
}

TEST_F(DownloadTest, HardwareMismatchStopsOutsideFactoryMode) {
    MakeDocument();
    RadioImage radio = *radioImage;
    SetMaxFrequency(radio, GetMaxFrequency(radio) + 1);
    SimulatedCable& c = Cable(radio, 9600);
    const RadioImage before = *radioImage;

    EXPECT_FALSE(DownloadJob(owner));

    ExpectOnlyMessage("Hardware configuration mismatched!", MsgIcon::kStop);
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::kOk);
    EXPECT_TRUE(c.radio().blocksWritten().empty());
    EXPECT_EQ(*radioImage, before);
    EXPECT_EQ(owner.reports.back().message, WM_XFER_DONE);
}

TEST_F(DownloadTest, HardwareMismatchInFactoryModeAsksOkOrCancel) {
    factoryMode = true;
    MakeDocument();
    RadioImage radio = *radioImage;
    SetModel(radio, GetModel(radio) ^ 1u);
    SimulatedCable& c = Cable(radio, 9600);

    messages.Answer(MsgResult::kCancel);
    EXPECT_FALSE(DownloadJob(owner));
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::kOkCancel);
    EXPECT_TRUE(c.radio().blocksWritten().empty());

    messages.Clear();
    messages.Answer(MsgResult::kOk);
    EXPECT_TRUE(DownloadJob(owner));
    EXPECT_EQ(messages.last(), "Download is completed");
    EXPECT_FALSE(c.radio().blocksWritten().empty());
}

// Byte ranges by hand: firmware 0-1, hardware 7667-7711 (squelch timings
// 7686-7687, receive sensitivity 7688-7689), password 7712-7714, production
// number 7715-7716, carried bytes 7717-7720, serial number 7721-7724.
TEST(MergeTest, FactoryDataComesFromTheRadioByTheRulesOfEachMode) {
    ResetProcessStateForTest();
    const RadioImage doc = FilledImage(0x11);
    const RadioImage radio = FilledImage(0x22);
    auto R = [&](std::size_t n) { return std::vector<std::uint8_t>(n, 0x22); };
    auto D = [&](std::size_t n) { return std::vector<std::uint8_t>(n, 0x11); };

    {  // normal mode
        RadioImage m = doc;
        MergeRadioFactoryData(m, radio);
        EXPECT_EQ(Slice(m, 0, 1), R(2));
        EXPECT_EQ(Slice(m, 2, 7677), std::vector<std::uint8_t>(7676, 0x11));
        EXPECT_EQ(Slice(m, 7678, 7711), R(34));
        EXPECT_EQ(Slice(m, 7712, 7716), D(5));  // never from the radio outside factory mode
        EXPECT_EQ(Slice(m, 7717, 7724), R(8));
        EXPECT_EQ(Slice(m, 7725, 7807), D(83));
    }
    factoryMode = true;
    {  // factory mode, aligned radio, nothing edited
        RadioImage m = doc;
        MergeRadioFactoryData(m, radio);
        EXPECT_EQ(Slice(m, 0, 1), R(2));
        EXPECT_EQ(Slice(m, 7678, 7685), R(8));
        EXPECT_EQ(Slice(m, 7686, 7687), D(2));  // never in factory mode
        EXPECT_EQ(Slice(m, 7688, 7711), R(24));
        EXPECT_EQ(Slice(m, 7712, 7714), D(3));  // never in factory mode
        EXPECT_EQ(Slice(m, 7715, 7724), R(10));
        EXPECT_EQ(Slice(m, 7725, 7807), D(83));
    }
    {  // bytes patched in the data viewer, identity edited: kept, flags cleared
        imageBytesEdited = 1;
        identityEdited = 1;
        RadioImage m = doc;
        MergeRadioFactoryData(m, radio);
        EXPECT_EQ(Slice(m, 7678, 7685), R(8));
        EXPECT_EQ(Slice(m, 7688, 7709), D(22));
        EXPECT_EQ(Slice(m, 7710, 7711), R(2));
        EXPECT_EQ(Slice(m, 7715, 7724), D(10));
        EXPECT_EQ(imageBytesEdited, 0);
        EXPECT_EQ(identityEdited, 0);
    }
    {  // a radio that was never aligned (FF FF at 7688-7689) keeps the document's
        RadioImage unaligned = radio;
        unaligned[7688] = 0xFF;
        unaligned[7689] = 0xFF;
        imageBytesEdited = 1;
        RadioImage m = doc;
        MergeRadioFactoryData(m, unaligned);
        EXPECT_EQ(Slice(m, 0, 1), R(2));
        EXPECT_EQ(Slice(m, 7678, 7711), D(34));
        EXPECT_EQ(Slice(m, 7715, 7724), R(10));
        EXPECT_EQ(imageBytesEdited, 1);  // not consumed by an unaligned radio
    }
    {  // one FF alone is an aligned radio
        RadioImage halfFF = radio;
        halfFF[7688] = 0xFF;
        imageBytesEdited = 0;
        RadioImage m = doc;
        MergeRadioFactoryData(m, halfFF);
        EXPECT_EQ(m[7688], 0xFF);
        EXPECT_EQ(Slice(m, 7678, 7685), R(8));
    }
    ResetProcessStateForTest();
}

TEST_F(DownloadTest, RefusedOrUnansweredWritesAreRepeatedAndCounted) {
    MakeDocument();
    const RadioImage document = *radioImage;
    {  // a few refusals and silences: repeated, the download completes
        SimulatedCable& c = Cable(FilledImage(0x77), 9600);
        CopyBytes(c.radio().memory(), document, layout::kHardwareConfiguration);
        SetFirmwareVersion(c.radio().memory(), 400);
        c.radio().faults().refusedWrites = 6;
        c.radio().faults().droppedReplies = 4;
        c.radio().faults().period = 2;
        ASSERT_TRUE(DownloadJob(owner));
        EXPECT_EQ(c.radio().memory(), *radioImage);
        EXPECT_EQ(c.radio().writesRefused(), 6);
        EXPECT_EQ(messages.last(), "Download is completed");
    }
    {  // 21 refusals in a row: the download stops, no false "completed"
        messages.Clear();
        RadioImage radio = document;
        radio[100] ^= 0xFF;
        SimulatedCable& c = Cable(radio, 9600);
        owner.onReport = [&](unsigned message, unsigned) {
            if (message == WM_XFER_STATUS) c.radio().faults().refusedWrites = 21;
        };
        EXPECT_FALSE(DownloadJob(owner));
        ExpectOnlyMessage("Download Error!", MsgIcon::kStop);
        EXPECT_EQ(c.radio().writesRefused(), 21);
        EXPECT_TRUE(c.radio().blocksWritten().empty());
        owner.onReport = nullptr;
    }
    {  // a radio that falls silent while being written: stops after 21 tries
        messages.Clear();
        RadioImage radio = document;
        radio[100] ^= 0xFF;
        SimulatedCable& c = Cable(radio, 9600);
        c.radio().faults().silenceAfter = 62;  // the whole read pass, then nothing
        EXPECT_FALSE(DownloadJob(owner));
        ExpectOnlyMessage("Download Error!", MsgIcon::kStop);
    }
}

TEST_F(DownloadTest, AnEchoedAckIsNotTakenForTheRadiosAnswer) {
    // A block of ACK bytes written to a radio that does not answer: the echo
    // of the data must not count as the radio's ACK.
    MakeDocument();
    SimulatedCable& c = Cable(*radioImage, 9600);
    c.radio().faults().silenceAfter = 0;
    ASSERT_TRUE(CurrentPort().OpenPort(9600));
    const std::vector<std::uint8_t> acks(128, 0x06);
    EXPECT_EQ(SendBlock(5, acks.data()), 2);
}

TEST_F(DownloadTest, ChangedBlocksOfAlignmentGoAgainstTheReferenceImage) {
    MakeDocument();
    referenceImage = std::make_unique<RadioImage>(*radioImage);
    SimulatedCable& c = Cable(*radioImage, 9600);
    SetRfFrequency(*radioImage, GetRfFrequency(*radioImage) ^ 0x10);  // block 60
    (*radioImage)[128 * 7] ^= 0x01;

    ASSERT_TRUE(DownloadChangesJob(owner));

    EXPECT_EQ(c.radio().blocksWritten(), (std::vector<int>{7, 60}));
    EXPECT_EQ(owner.Values(WM_XFER_RANGE), std::vector<unsigned>{7812});
    EXPECT_EQ(owner.Values(WM_XFER_POS).back(), 7812u);
    EXPECT_EQ(c.radio().memory(), *radioImage);
}

TEST_F(DownloadTest, CancelBeforeWritingLeavesTheRadioUntouched) {
    MakeDocument();
    RadioImage radio = *radioImage;
    radio[200] ^= 0xFF;
    SimulatedCable& c = Cable(radio, 9600);
    // Cancelled from the second "Please wait" on, the one before the writes.
    owner.cancelWhen = [&] { return owner.Count(WM_XFER_STATUS) >= 2; };
    EXPECT_FALSE(DownloadJob(owner));
    EXPECT_TRUE(c.radio().blocksWritten().empty());
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(owner.reports.back().message, WM_XFER_DONE);
}

// Before a download writes, its owner gets what the radio held (to keep as a
// backup); with verify on, the radio is read back and every block that does
// not hold what was written is named.
TEST_F(DownloadTest, KeepsWhatTheRadioHeldAndVerifiesWhatItWrote) {
    const std::string backupFailed =
        "The radio's data could not be kept as a backup; the download goes on.\r\ndisk full";
    const std::string failedLast =
        "Verify failed: the radio does not hold what was written in block 60 (bytes "
        "7680-7807).";
    struct Case {
        const char* name;
        int verify;
        int alterBlock;  // the radio's weak block (-1: none)
        const char* keepError;
        bool done;
        std::vector<std::string> messages;
        unsigned range;
    };
    const Case cases[] = {
        {"plain", 0, -1, "", true, {"Download is completed"}, 15623},
        {"verified", 1, -1, "", true, {"Download is completed"}, 23433},
        {"weak block not verified", 0, 60, "", true, {"Download is completed"}, 15623},
        {"weak block written", 1, 60, "", false, {failedLast}, 23433},
        // Block 5 is not written (the radio holds it already): nothing to find.
        {"weak block not written", 1, 5, "", true, {"Download is completed"}, 23433},
        {"backup fails", 0, -1, "disk full", true, {backupFailed, "Download is completed"}, 15623},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        MakeDocument();
        RadioImage radio = *radioImage;
        radio[300] ^= 0x21;  // block 2 differs and is written
        SimulatedCable& c = Cable(radio, 9600);
        c.radio().faults().alterBlock = k.alterBlock;
        verifyAfterDownload = k.verify;
        owner = RecordingOwner();
        owner.keepError = k.keepError;
        messages.Clear();

        EXPECT_EQ(DownloadJob(owner), k.done);

        ASSERT_EQ(owner.kept.size(), 1u);
        EXPECT_EQ(owner.kept[0], radio);
        std::vector<std::string> texts;
        for (const auto& m : messages.shown()) texts.push_back(m.text);
        EXPECT_EQ(texts, k.messages);
        EXPECT_EQ(owner.Values(WM_XFER_RANGE), std::vector<unsigned>{k.range});
        EXPECT_EQ(owner.Values(WM_XFER_POS).back(), k.range);
        EXPECT_EQ(owner.Posted(WM_XFER_STATUS, kMsgVerified), k.verify && k.done);
        EXPECT_EQ(owner.reports.back().message, WM_XFER_DONE);
    }
}

}  // namespace
}  // namespace kp07::test
