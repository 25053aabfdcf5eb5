// The way into and out of the radio's alignment state, against the simulated
// radio on the in-process line (virtual time).
#include <gtest/gtest.h>

#include "alignment/alignment_items.h"
#include "alignment/alignment_mode.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "link/link_state.h"
#include "link/simulated_line.h"
#include "link/transfer_jobs.h"
#include "support/alignment_support.h"
#include "support/message_recorder.h"
#include "support/test_support.h"

namespace kp07::test {
namespace {

using Strings = std::vector<std::string>;

class AlignmentModeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        // The radio: reference frequency 81h, microphone 40h. The document
        // starts as a new one, which the way in replaces by the radio's image.
        radio = AlignedRadioImage(0x81, 0x40);
        FillDefaults(*radioImage);
        LoadPersistentBlocks(*radioImage);
    }
    void TearDown() override {
        cable.reset();
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }
    SimulatedCable& Cable(std::uint32_t cloneBaud) {
        cable.reset();  // the old cable hands back the clock and the line first
        cable = std::make_unique<SimulatedCable>(radio, PortDevice(comPort));
        if (cloneBaud) {
            cable->radio().StartInCloneMode(cloneBaud);
        } else {
            cable->radio().StartIdle();
        }
        ReplaceCurrentPort();
        return *cable;
    }
    bool Enter() {
        messages.Answer(MsgResult::kYes);  // the caution
        return EnterAlignment(transfers.Runner());
    }

    RadioImage radio{};
    std::unique_ptr<SimulatedCable> cable;
    MessageRecorder messages;
    InlineTransfers transfers;
};

TEST_F(AlignmentModeTest, EntryReadsTheRadioRestartsItAndSelectsChannelOne) {
    // Channel 1 (CB CH-01, 476.425 MHz) gets receive tuning 53 (35h) from
    // the default slope 80: 80 x 26.425 / 40 = 52.85.
    const Strings selectChannelOne = {"raw 30h", "30h 00", "32h 35", "39h 81", "39h 81"};
    const struct {
        const char* name;
        std::uint32_t cloneBaud;  // 0: in normal operation, switched off and on
        Strings before;           // what the radio takes before the restart
    } cases[] = {
        {"already in clone mode", 9600, {"raw 38h"}},
        {"after a power cycle", 0, {"raw 20h", "raw 38h"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedCable& line = Cable(c.cloneBaud);
        if (!c.cloneBaud) line.PowerCycleAt(line.NowMs() + 3000);
        messages.Clear();

        ASSERT_TRUE(Enter());

        Strings expected = c.before;
        expected.insert(expected.end(), selectChannelOne.begin(), selectChannelOne.end());
        const std::int64_t startedMs = ToldAtMs(line.radio(), "raw 30h");
        EXPECT_GE(ToldAtMs(line.radio(), "30h 00") - startedMs, 1500);
        EXPECT_EQ(ToldTexts(line.radio()), expected);
        EXPECT_EQ(line.radio().state(), RadioSimulator::State::kAlignment);
        EXPECT_EQ(transfers.modes, std::vector<int>{kTransferUploadReference});
        ASSERT_NE(referenceImage, nullptr);
        EXPECT_EQ(*referenceImage, radio);
        EXPECT_EQ(*radioImage, radio);
        EXPECT_EQ(hardware->alignment.rfFrequency, 0x81);
        EXPECT_EQ(alignmentModified, 0);
        EXPECT_EQ(messages.last(), "Upload is completed");
        transfers.modes.clear();
    }
}

TEST_F(AlignmentModeTest, EntryThatDoesNotHappenLeavesNoReferenceImage) {
    const struct {
        const char* name;
        MsgResult caution;
        bool cancelUpload;
        std::int64_t wakeDelayUs;  // after the restart
        bool uploads;
        std::int64_t minMs, maxMs;  // how long the way in took
    } cases[] = {
        {"caution answered No", MsgResult::kNo, false, 200000, false, 0, 10},
        {"upload cancelled", MsgResult::kYes, true, 200000, false, 0, 200},
        // Thirty reads of about half a second each wait for the wake-up byte.
        {"radio does not wake up", MsgResult::kYes, false, 60000000, true, 15000, 15800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedCable& line = Cable(9600);
        line.radio().wakeDelayUs = c.wakeDelayUs;
        transfers.cancel = c.cancelUpload;
        messages.Answer(c.caution);
        const std::int64_t start = line.NowMs();

        EXPECT_FALSE(EnterAlignment(transfers.Runner()));

        EXPECT_EQ(referenceImage, nullptr);
        EXPECT_EQ(line.radio().blocksRead() > 0, c.uploads);
        const std::int64_t restartMs = ToldAtMs(line.radio(), "raw 38h");
        const std::int64_t tookMs = line.NowMs() - (restartMs >= 0 ? restartMs : start);
        EXPECT_GE(tookMs, c.minMs);
        EXPECT_LE(tookMs, c.maxMs);
        EXPECT_EQ(line.radio().lastAlignment(0x30).size(), 0u);  // no channel selected
    }
}

TEST_F(AlignmentModeTest, ExitWritesOnlyTheBlocksThatChanged) {
    const struct {
        const char* name;
        int item;
        int value;
        MsgResult overwrite;
        std::vector<int> written;
        int offset;  // the radio's byte that holds the value
    } cases[] = {
        // 7711 lies in the last block, which is always written.
        {"microphone", kItemMicSensitivity, 0x52, MsgResult::kYes, {60}, 7711},
        // The wide RSSI reference, 7678, is the second last block's.
        {"RSSI", kItemRssi, 0x30, MsgResult::kYes, {59, 60}, 7678},
        {"declined", kItemMicSensitivity, 0x52, MsgResult::kNo, {}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        comSpeed = 1;  // the clone link runs at 19200
        SimulatedCable& line = Cable(19200);
        imageModified = 0;
        ASSERT_TRUE(Enter());
        StoreItem(*hardware, *channels, 0, c.item, c.value);
        alignmentModified = 1;
        ToldTexts(line.radio());
        messages.Answer(c.overwrite);

        LeaveAlignment(transfers.Runner());

        EXPECT_EQ(ToldTexts(line.radio()), (Strings{"38h", "raw 21h"}));
        EXPECT_EQ(line.radio().blocksWritten(), c.written);
        if (c.offset >= 0) {
            EXPECT_EQ(line.radio().memory()[std::size_t(c.offset)], c.value);
        }
        EXPECT_EQ(referenceImage, nullptr);
        EXPECT_EQ(line.radio().state(), RadioSimulator::State::kClone);
        comSpeed = 0;
    }
}

}  // namespace
}  // namespace kp07::test
