// The editing rules of the channel table: toggles, typed values, tones,
// choices, the P and G marks, paste and channel copy, the CB tag rule and
// the allocation of channels to groups. Frequencies are worked out by hand
// for the default upper-band unit (step code 2: table A 5 kHz, raster
// 6.25 kHz, limits 440..500 MHz).
#include <gtest/gtest.h>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "channels/channel_columns.h"
#include "channels/channel_editing.h"
#include "channels/channel_paste.h"
#include "channels/group_editing.h"
#include "support/message_recorder.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

constexpr int kNone = 0, kCtcss = 1, kDcs = 2;

class EditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        hw.SetDefaults();
        table.SetDefaults();
        visible.fill(1);
    }
    void TearDown() override { ResetProcessStateForTest(); }
    ChannelRecord& R(int slot) { return table.records[std::size_t(slot)]; }
    // The receive and the transmit tone type of a slot.
    std::pair<int, int> ToneTypes(int slot) { return {R(slot).rxToneType, R(slot).txToneType}; }
    // The channels that carry the P and the G mark.
    std::pair<int, int> Marks() const { return {table.pChannel, table.gChannel}; }

    HardwareParams hw;
    ChannelTable table{hw};
    EditContext ctx;
    std::array<int, kVisibleItemCount> visible{};
    test::MessageRecorder messages;
};

TEST_F(EditTest, ReceiveCommitPlacesTheFrequencyAndFollowsWithTransmit) {
    autoTxOffsetMHz = 0.0;
    // 449.7408 MHz is nearer the 6.25 kHz raster (449.74375) than the 5 kHz
    // table (449.745); it lies within 100 ppm of 122 x 3.6864 MHz.
    ASSERT_EQ(R(10).txSetByHand, 1);
    EXPECT_TRUE(SetCellFromText(table, 10, kColRx, "449.7408"));
    EXPECT_DOUBLE_EQ(R(10).rxMHz, 449.74375);
    EXPECT_EQ(R(10).rxStepFlag, 1);
    EXPECT_DOUBLE_EQ(R(10).txMHz, 449.74375);
    EXPECT_EQ(R(10).txStepFlag, 1);
    EXPECT_EQ(R(10).txSetByHand, 0);
    EXPECT_EQ(R(10).xtal, 1);
    EXPECT_EQ(imageModified, 1);

    // 476.6751: the 5 kHz step (476.680) is nearer; TX follows 5 MHz above.
    autoTxOffsetMHz = 5.0;
    SetCellFromText(table, 10, kColRx, "476.6751");
    EXPECT_DOUBLE_EQ(R(10).rxMHz, 476.68);
    EXPECT_EQ(R(10).rxStepFlag, 0);
    EXPECT_DOUBLE_EQ(R(10).txMHz, 481.68);
    EXPECT_EQ(R(10).xtal, 0);
    // Above the band: held to the upper limit.
    SetCellFromText(table, 10, kColRx, "612");
    EXPECT_DOUBLE_EQ(R(10).rxMHz, 500.0);
    EXPECT_DOUBLE_EQ(R(10).txMHz, 500.0);

    // 0 or no number: the channel comes into use, its frequencies stay.
    for (const char* text : {"0", "", " . "}) {
        R(80).inUse = 0;
        SetCellFromText(table, 80, kColRx, text);
        EXPECT_EQ(R(80).inUse, 1) << text;
        EXPECT_DOUBLE_EQ(R(80).rxMHz, 470.1);
        EXPECT_DOUBLE_EQ(R(80).txMHz, 150.0);
    }

    // Transmit typed by hand; the no-transmit text keeps the frequency.
    SetCellFromText(table, 10, kColTx, "451.0126");
    EXPECT_DOUBLE_EQ(R(10).txMHz, 451.015);
    EXPECT_EQ(R(10).txStepFlag, 0);
    EXPECT_EQ(R(10).txSetByHand, 1);
    R(10).txSetByHand = 0;
    SetCellFromText(table, 10, kColTx, "---.-----");
    EXPECT_DOUBLE_EQ(R(10).txMHz, 451.015);
    EXPECT_EQ(R(10).txSetByHand, 0);

    SetCellFromText(table, 10, kColTag, "abcdefghij");
    EXPECT_EQ(R(10).tag, "abcdefgh");
    SetCellFromText(table, 10, kColTag, "AB");
    EXPECT_EQ(R(10).tag, "AB      ");
}

TEST_F(EditTest, TypedTonesAreCheckedAndRefusalsRestoreTheTypes) {
    EXPECT_EQ(StartToneTyping(table, 0, kColDecoder, 'x'), "");
    EXPECT_EQ(StartToneTyping(table, 77, kColDecoder, 'd'), "");  // not in use
    ASSERT_EQ(StartToneTyping(table, 0, kColDecoder, 'd'), "D-");
    EXPECT_EQ(ToneTypes(0), std::pair(kDcs, kDcs));
    for (const char* bad : {"D-778", "D-128", "D-093"}) {
        R(0).rxToneType = R(0).txToneType = kNone;
        StartToneTyping(table, 0, kColDecoder, 'd');
        EXPECT_FALSE(SetCellFromText(table, 0, kColDecoder, bad)) << bad;
        EXPECT_EQ(ToneTypes(0), std::pair(kNone, kNone)) << bad;
    }
    StartToneTyping(table, 0, kColDecoder, 'D');
    EXPECT_TRUE(SetCellFromText(table, 0, kColDecoder, "D-0"));
    EXPECT_EQ(R(0).rxToneType, kDcs);
    EXPECT_EQ(R(0).rxDcsCode, 0.0);
    StartToneTyping(table, 0, kColDecoder, 'D');
    EXPECT_TRUE(SetCellFromText(table, 0, kColDecoder, "D-754"));
    EXPECT_EQ(R(0).txDcsCode, 754.0);

    // CTCSS: 67.0 .. 254.1 Hz, kept in tenths.
    for (const auto& [text, tenths] :
         {std::pair<const char*, double>{"C-67", 670}, {"C-254.1", 2541}, {"C-69.3", 693}}) {
        StartToneTyping(table, 0, kColDecoder, 'c');
        EXPECT_TRUE(SetCellFromText(table, 0, kColDecoder, text)) << text;
        EXPECT_EQ(R(0).rxCtcss, tenths) << text;
        EXPECT_EQ(R(0).txCtcss, tenths) << text;
    }
    for (const char* bad : {"C-66.9", "C-254.2"}) {
        R(0).rxToneType = R(0).txToneType = kDcs;
        StartToneTyping(table, 0, kColDecoder, 'c');
        EXPECT_FALSE(SetCellFromText(table, 0, kColDecoder, bad)) << bad;
        EXPECT_EQ(R(0).rxToneType, kDcs);
        EXPECT_EQ(R(0).rxCtcss, 693);
    }

    // The encoder column changes only the encoder.
    R(1).rxToneType = kCtcss;
    R(1).rxCtcss = 1000;
    StartToneTyping(table, 1, kColEncoder, 'd');
    EXPECT_EQ(R(1).rxToneType, kCtcss);
    EXPECT_TRUE(SetCellFromText(table, 1, kColEncoder, "D-23"));
    EXPECT_EQ(R(1).txToneType, kDcs);
    EXPECT_EQ(R(1).txDcsCode, 23.0);
    EXPECT_EQ(R(1).rxCtcss, 1000);

    // A bare prefix ("C-" here) stores nothing (the old code stays) and asks for the list.
    R(2).rxToneType = R(2).txToneType = kDcs;
    R(2).rxDcsCode = R(2).txDcsCode = 23;
    StartToneTyping(table, 2, kColDecoder, 'c');
    EXPECT_FALSE(SetCellFromText(table, 2, kColDecoder, "C-  "));
    EXPECT_EQ(R(2).rxToneType, kDcs);
    EXPECT_EQ(R(2).rxDcsCode, 23);
    EXPECT_TRUE(ToneTextOpensList("D-"));
    EXPECT_TRUE(ToneTextOpensList("C-   "));
    EXPECT_FALSE(ToneTextOpensList("D-0"));
    EXPECT_FALSE(ToneTextOpensList(""));
    EXPECT_TRUE(IsBareTonePrefix(" D- "));
    EXPECT_FALSE(IsBareTonePrefix("D-1"));
}

TEST_F(EditTest, ToneListsAndDcsPolarity) {
    ToneList list;
    EXPECT_EQ(PrepareToneList(table, 0, kColDecoder, &list), ListStart::kBeep);  // no tone
    R(4).rxToneType = kCtcss;
    R(4).rxCtcss = 1000;
    ASSERT_EQ(PrepareToneList(table, 4, kColDecoder, &list), ListStart::kShow);
    EXPECT_EQ(list.title, "CTCSS Frequency(CH= 5)");
    ASSERT_EQ(list.entries.size(), 50u);
    EXPECT_EQ(list.entries[0], " 67.0");
    EXPECT_EQ(list.entries[49], "254.1");
    EXPECT_EQ(list.selected, 12);  // 100.0 Hz
    EXPECT_EQ(list.columnWidth, 100);
    ApplyToneChoice(table, 4, kColDecoder, 0);
    EXPECT_EQ(R(4).rxCtcss, 670);
    EXPECT_EQ(R(4).txCtcss, 670);

    R(4).txToneType = kDcs;
    R(4).txDcsCode = 754;
    ASSERT_EQ(PrepareToneList(table, 4, kColEncoder, &list), ListStart::kShow);
    EXPECT_EQ(list.title, "DCS Frequency(CH= 5)");
    ASSERT_EQ(list.entries.size(), 107u);
    EXPECT_EQ(list.entries[0], "023");
    EXPECT_EQ(list.selected, 106);
    EXPECT_EQ(list.columnWidth, 50);
    ApplyToneChoice(table, 4, kColEncoder, 1);
    EXPECT_EQ(R(4).txDcsCode, 25);
    EXPECT_EQ(R(4).rxCtcss, 670);

    // F3 on DCS steps the polarity (channel_view_test); elsewhere it does nothing.
    EXPECT_FALSE(CycleDcsPolarity(table, 0, kColDecoder));
}

TEST_F(EditTest, TogglesAndTheirRefusals) {
    EXPECT_EQ(ToggleCell(table, 0, kColChannel, ctx), EditResult::kNothing);  // slot 0 stays
    EXPECT_EQ(R(0).inUse, 1);
    EXPECT_EQ(ToggleCell(table, 80, kColBandwidth, ctx), EditResult::kNothing);  // not in use
    EXPECT_EQ(imageModified, 0);
    EXPECT_EQ(ToggleCell(table, 80, kColChannel, ctx), EditResult::kChanged);
    EXPECT_EQ(R(80).inUse, 1);
    EXPECT_EQ(imageModified, 1);

    // Decoder type: none, CTCSS 67.0 on both sides, DCS 023 on both, none.
    ToggleCell(table, 3, kColDecoder, ctx);
    EXPECT_EQ(R(3).rxToneType, kCtcss);
    EXPECT_EQ(R(3).txCtcss, 670);
    ToggleCell(table, 3, kColDecoder, ctx);
    EXPECT_EQ(R(3).txToneType, kDcs);
    EXPECT_EQ(R(3).rxDcsCode, 23);
    // QLNK needs DCS both ways; leaving DCS on either side switches it off.
    EXPECT_EQ(ToggleCell(table, 3, kColQlnk, ctx), EditResult::kChanged);
    EXPECT_EQ(R(3).qlnk, 1);
    ToggleCell(table, 3, kColEncoder, ctx);  // DCS -> none
    EXPECT_EQ(R(3).txToneType, kNone);
    EXPECT_EQ(R(3).qlnk, 0);
    EXPECT_EQ(ToggleCell(table, 3, kColQlnk, ctx), EditResult::kBeep);
    R(3).qlnk = 1;  // as a damaged file may hold it
    EXPECT_EQ(ToggleCell(table, 3, kColQlnk, ctx), EditResult::kChanged);
    EXPECT_EQ(R(3).qlnk, 0);
    ToggleCell(table, 3, kColDecoder, ctx);  // DCS -> none, the encoder too
    EXPECT_EQ(ToneTypes(3), std::pair(kNone, kNone));

    // Signaling type: 0, 1, 2 (3 only with option board 6).
    R(3).signalingNumber = 5;
    R(3).dtmfAni = 1;
    ToggleCell(table, 3, kColSignalingType, ctx);
    EXPECT_EQ(R(3).signalingType, 1);
    EXPECT_EQ(R(3).dtmfAni, 0);
    EXPECT_EQ(R(3).signalingNumber, 5);
    EXPECT_EQ(ToggleCell(table, 3, kColDtmfAni, ctx), EditResult::kBeep);
    ToggleCell(table, 3, kColSignalingType, ctx);
    EXPECT_EQ(R(3).signalingType, 2);
    EXPECT_EQ(R(3).signalingNumber, 0);
    ToggleCell(table, 3, kColSignalingType, ctx);
    EXPECT_EQ(R(3).signalingType, 0);
    ctx.optionBoard = 6;
    for (int i = 0; i < 3; ++i) ToggleCell(table, 3, kColSignalingType, ctx);
    EXPECT_EQ(R(3).signalingType, 3);
    EXPECT_EQ(R(3).encryption, 0);

    for (int lockOut : {1, 2, 0}) {
        ToggleCell(table, 3, kColLockOut, ctx);
        EXPECT_EQ(R(3).lockOut, lockOut) << "stepping to " << lockOut;
    }
    ToggleCell(table, 3, kColScanGr, ctx);
    EXPECT_EQ(R(3).scanFlags, kScanOp | kScanPri);
    ToggleCell(table, 3, kColTx, ctx);
    EXPECT_EQ(R(3).txOff, 1);
}

TEST_F(EditTest, ChoiceListsAndPriorityMarks) {
    ChoiceList list;
    ASSERT_EQ(PrepareChoice(table, 4, kColSquelch, ctx, &list), ListStart::kShow);
    EXPECT_EQ(list.title, "Squelch Level(CH= 5)");
    EXPECT_EQ(list.entries.size(), 16u);
    EXPECT_EQ(list.selected, 4);
    ApplyChoice(table, 4, kColSquelch, list, 15);
    EXPECT_EQ(R(4).squelchLevel, 15);

    EXPECT_EQ(PrepareChoice(table, 4, kColSignalingNumber, ctx, &list), ListStart::kBeep);
    R(4).signalingType = 1;
    ctx.fiveTone = false;
    PrepareChoice(table, 4, kColSignalingNumber, ctx, &list);
    EXPECT_EQ(list.entries.size(), 17u);
    EXPECT_EQ(list.entries[0], "off");
    ctx.fiveTone = true;
    PrepareChoice(table, 4, kColSignalingNumber, ctx, &list);
    EXPECT_EQ(list.entries.size(), 33u);
    ApplyChoice(table, 4, kColSignalingNumber, list, 32);
    EXPECT_EQ(R(4).signalingNumber, 32);
    // Paging lists the radio's page codes and stores the code's number.
    R(4).signalingType = 2;
    R(4).signalingNumber = 5;
    ctx.pagingCodes = {2, 5};
    PrepareChoice(table, 4, kColSignalingNumber, ctx, &list);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"off"}));  // no paging unit
    ctx.optionBoard = 1;
    PrepareChoice(table, 4, kColSignalingNumber, ctx, &list);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"off", "2", "5"}));
    EXPECT_EQ(list.selected, 2);
    ApplyChoice(table, 4, kColSignalingNumber, list, 1);
    EXPECT_EQ(R(4).signalingNumber, 2);
    R(4).signalingType = 3;
    PrepareChoice(table, 4, kColSignalingNumber, ctx, &list);
    EXPECT_EQ(list.entries[2], " 2 : MDC-1200");
    EXPECT_EQ(PrepareChoice(table, 4, kColEncryption, ctx, &list), ListStart::kNone);
    R(4).signalingType = 0;
    PrepareChoice(table, 4, kColEncryption, ctx, &list);
    EXPECT_EQ(list.entries[3], " 3 : ON");
    ApplyChoice(table, 4, kColEncryption, list, 3);
    EXPECT_EQ(R(4).encryption, 3);

    // PG on one channel, then OFF on another leaves both marks.
    PrepareChoice(table, 4, kColPri, ctx, &list);
    EXPECT_EQ(list.selected, 0);
    ApplyChoice(table, 4, kColPri, list, 3);
    EXPECT_EQ(Marks(), std::pair(5, 5));
    PrepareChoice(table, 9, kColPri, ctx, &list);
    EXPECT_EQ(list.selected, 3);
    EXPECT_EQ(table.savedP, 5);
    ApplyChoice(table, 9, kColPri, list, 0);
    EXPECT_EQ(Marks(), std::pair(5, 5));
    ApplyPriChoice(table, 9, 1);  // G moves, P stays
    EXPECT_EQ(Marks(), std::pair(5, 10));
    ApplyPriChoice(table, 4, 1);  // G here takes P off this channel
    EXPECT_EQ(Marks(), std::pair(0, 5));
}

TEST_F(EditTest, CopyChannelTakesOnlyTheVisibleColumns) {
    ChannelRecord& s = R(4);  // channel 5
    s.rxMHz = 451.0;
    s.txMHz = 456.0;
    s.txOff = 1;
    s.bandwidth = 2;
    s.tag = "SOURCE";
    s.rxToneType = s.txToneType = kDcs;
    s.rxDcsCode = s.txDcsCode = 23;
    s.squelchLevel = 9;
    s.power = 1;
    s.scanFlags = 0;
    s.encryption = 3;
    s.compander = 1;
    R(11).inUse = 0;
    const ChannelRecord before = R(11);
    table.pChannel = 5;

    visible.fill(0);
    visible[kItemFrequency] = 1;
    CopyChannel(table, 4, 11, visible);
    const ChannelRecord& t = R(11);
    EXPECT_DOUBLE_EQ(t.rxMHz, 451.0);
    EXPECT_DOUBLE_EQ(t.txMHz, 456.0);
    EXPECT_EQ(t.txOff, 1);
    EXPECT_EQ(t.inUse, 1);
    EXPECT_EQ(t.bandwidth, before.bandwidth);
    EXPECT_EQ(t.tag, before.tag);
    EXPECT_EQ(t.rxToneType, before.rxToneType);
    EXPECT_EQ(t.squelchLevel, before.squelchLevel);
    EXPECT_EQ(t.power, before.power);
    EXPECT_EQ(t.scanFlags, before.scanFlags);
    EXPECT_EQ(t.encryption, before.encryption);
    EXPECT_EQ(t.compander, before.compander);
    EXPECT_EQ(t.powerSaveRx, before.powerSaveRx);
    EXPECT_EQ(table.pChannel, 5);  // Pri hidden: P stays on channel 5

    visible.fill(1);
    CopyChannel(table, 4, 11, visible);
    EXPECT_EQ(t.tag, "SOURCE");
    EXPECT_EQ(t.rxDcsCode, 23);
    EXPECT_EQ(t.encryption, 3);
    EXPECT_EQ(table.pChannel, 12);  // the P mark moved with the channel
    // The first channel stays in use whatever is copied onto it.
    R(80).inUse = 0;
    CopyChannel(table, 80, 0, visible);
    EXPECT_EQ(R(0).inUse, 1);
}

TEST_F(EditTest, PasteAcceptsOnlyTextsThatFitTheColumn) {
    auto paste = [&](int slot, int col, const std::string& text) {
        return PasteCell(table, slot, col, text, ctx, visible).result;
    };
    EXPECT_EQ(paste(80, kColBandwidth, "N"), PasteOutcome::kRejected);  // not in use
    EXPECT_EQ(paste(3, kColBandwidth, "N"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(3).bandwidth, 2);
    EXPECT_EQ(paste(3, kColBandwidth, "n"), PasteOutcome::kRejected);

    // Channel number into column 0: a copy after the question.
    messages.Answer(MsgResult::kYes);
    R(4).tag = "FIVE";
    PasteOutcome out = PasteCell(table, 11, kColChannel, "5", ctx, visible);
    EXPECT_EQ(out.result, PasteOutcome::kAccepted);
    EXPECT_EQ(out.copiedFrom, 4);
    EXPECT_EQ(messages.last(), "Do you copy Ch5 data to Ch  12?\n(Only visible columns)");
    EXPECT_EQ(R(11).tag, "FIVE");
    R(4).tag = "OTHER";
    EXPECT_EQ(paste(11, kColChannel, "  5"), PasteOutcome::kDeclined);  // answered No
    EXPECT_EQ(R(11).tag, "FIVE");
    const std::size_t asked = messages.count();
    for (const char* bad : {"12", "5.0", "169", "0", "x5", ""}) {
        EXPECT_EQ(paste(11, kColChannel, bad), PasteOutcome::kRejected) << bad;
    }
    EXPECT_EQ(messages.count(), asked);

    // Tones: the texts the grid shows and copies.
    EXPECT_EQ(paste(3, kColDecoder, "D-023B  "), PasteOutcome::kAccepted);
    EXPECT_EQ(ToneTypes(3), std::pair(kDcs, kDcs));
    EXPECT_EQ(R(3).rxDcsBoth, 1);
    EXPECT_EQ(paste(3, kColQlnk, "v"), PasteOutcome::kAccepted);
    EXPECT_EQ(paste(3, kColEncoder, "D-023B"), PasteOutcome::kRejected);  // encoder: N or I
    EXPECT_EQ(paste(3, kColEncoder, "C- 67.0"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(3).txCtcss, 670);
    EXPECT_EQ(R(3).qlnk, 0);  // no longer DCS both ways
    EXPECT_EQ(paste(3, kColQlnk, "v"), PasteOutcome::kRejected);
    EXPECT_EQ(paste(3, kColDecoder, "C- 67.1"), PasteOutcome::kRejected);
    EXPECT_EQ(paste(3, kColDecoder, "D-024N"), PasteOutcome::kRejected);  // not a list code
    EXPECT_EQ(paste(3, kColDecoder, "-------"), PasteOutcome::kAccepted);
    EXPECT_EQ(ToneTypes(3), std::pair(kNone, kNone));

    // A refused transmit text leaves TX off as it was.
    EXPECT_EQ(paste(21, kColTx, "abc"), PasteOutcome::kRejected);
    EXPECT_EQ(R(21).txOff, 1);
    EXPECT_EQ(paste(21, kColTx, "477.325\r\n"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(21).txOff, 0);
    EXPECT_EQ(paste(21, kColTx, "---.-----"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(21).txOff, 1);

    // Power save TX, power and lock out work on every channel in use.
    R(90).inUse = 1;
    EXPECT_EQ(paste(90, kColPowerSaveTx, "v"), PasteOutcome::kAccepted);
    EXPECT_EQ(paste(90, kColPower, "L"), PasteOutcome::kAccepted);
    EXPECT_EQ(paste(90, kColLockOut, "BT"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(90).powerSaveTx, 1);
    EXPECT_EQ(R(90).power, 1);
    EXPECT_EQ(R(90).lockOut, 2);

    EXPECT_EQ(paste(3, kColSquelch, " 0"), PasteOutcome::kAccepted);
    EXPECT_EQ(paste(3, kColSquelch, "15"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(3).squelchLevel, 15);
    EXPECT_EQ(paste(3, kColSquelch, "16"), PasteOutcome::kRejected);
    EXPECT_EQ(paste(3, kColSignalingNumber, "16"), PasteOutcome::kAccepted);
    EXPECT_EQ(paste(3, kColSignalingNumber, "17"), PasteOutcome::kRejected);
    EXPECT_EQ(paste(3, kColEncryption, "2"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(3).encryption, 2);
    EXPECT_EQ(paste(3, kColScanOp, "-"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(3).scanFlags & kScanOp, 0);
    EXPECT_EQ(paste(3, kColTag, "ab!"), PasteOutcome::kRejected);
    EXPECT_EQ(paste(3, kColTag, "ab?@"), PasteOutcome::kAccepted);
    EXPECT_EQ(R(3).tag, "ab?@    ");  // pasted text keeps its case
    ctx.alphaTags = false;
    EXPECT_EQ(paste(3, kColTag, "AB"), PasteOutcome::kRejected);
    EXPECT_EQ(paste(3, kColRx, "abc"), PasteOutcome::kRejected);
    EXPECT_EQ(paste(3, kColRx, "1234567890"), PasteOutcome::kRejected);  // ten characters

    // Pri: "P" marks this channel; the other texts only remove P from it.
    table.gChannel = 7;
    EXPECT_EQ(paste(3, kColPri, "P"), PasteOutcome::kAccepted);
    EXPECT_EQ(table.pChannel, 4);
    EXPECT_EQ(paste(3, kColPri, "G"), PasteOutcome::kAccepted);
    EXPECT_EQ(Marks(), std::pair(0, 7));
    EXPECT_EQ(paste(3, kColPri, "X"), PasteOutcome::kRejected);
}

TEST_F(EditTest, ClearingTheCbTagSwitchesTheCbGroupOff) {
    table.SelectGroup(0);
    EXPECT_FALSE(CheckCbTag(table));  // nothing changed yet
    CommitGroupTag(table, "  ");
    EXPECT_EQ(table.groupTags[0], "        ");
    EXPECT_TRUE(CheckCbTag(table));
    for (int slot = 0; slot < 77; ++slot) EXPECT_EQ(R(slot).inUse, 0) << slot;
    EXPECT_EQ(R(77).inUse, 1);
    EXPECT_FALSE(CheckCbTag(table));  // already done
    CommitGroupTag(table, "cb");
    EXPECT_TRUE(CheckCbTag(table));
    for (int slot = 0; slot < 77; ++slot) EXPECT_EQ(R(slot).inUse, 1) << slot;
    // Only while the CB group is shown.
    table.SelectGroup(2);
    table.groupTags[0] = "";
    EXPECT_FALSE(CheckCbTag(table));
    EXPECT_EQ(R(5).inUse, 1);
}

// The names and the groups listed are the channel view's test; an empty
// name is the CB group.
TEST_F(EditTest, GroupSelectorNames) {
    EXPECT_EQ(GroupFromSelectorName("GROUP-3 "), 3);
    EXPECT_EQ(GroupFromSelectorName(""), 0);
    table.SetGroupSizes({0, 16, 0, 10, 0, 0, 0});
    EXPECT_EQ(SelectorGroups(table), (std::vector<int>{1, 3}));
}

TEST_F(EditTest, AllocationMovesGroupBoundariesWithinTheRoomLeft) {
    ASSERT_EQ(table.channelsLeft(), 0);
    EXPECT_FALSE(CommitGroupCount(table, 1, "17"));
    EXPECT_EQ(messages.last(), "Too many channels");
    EXPECT_EQ(messages.shown().back().icon, MsgIcon::kStop);
    EXPECT_EQ(table.groupSizes()[1], 16u);
    EXPECT_EQ(table.currentGroup, 1);

    EXPECT_TRUE(CommitGroupCount(table, 6, "10"));
    EXPECT_EQ(table.channelsLeft(), 1);
    EXPECT_TRUE(CommitGroupCount(table, 1, "17"));
    EXPECT_EQ(table.channelsLeft(), 0);
    // No record moved: the former first channel of GROUP-2 (slot 93) now
    // ends GROUP-1, and GROUP-2 begins one slot further on.
    EXPECT_EQ(table.GroupOfSlot(93), 1);
    EXPECT_EQ(table.FirstSlotOfGroup(2), 94);
    EXPECT_EQ(R(93).tag, " CH-017 ");
    table.SelectGroup(2);
    EXPECT_EQ(table.firstRow, 95);

    // Counts are held to 0..128; 0 makes the group conventional.
    table.SetGroupSizes({30, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(CommitGroupCount(table, 1, "999"));
    EXPECT_EQ(table.groupSizes()[1], 128u);
    EXPECT_EQ(GroupCountText(table, 1), "128");
    EXPECT_TRUE(CommitGroupCount(table, 1, "-5"));
    EXPECT_EQ(table.groupSizes()[1], 0u);
    table.groupTypes[2] = 1;
    EXPECT_TRUE(CommitGroupCount(table, 2, "7"));
    EXPECT_EQ(GroupCountText(table, 2), "007");
    EXPECT_TRUE(CommitGroupCount(table, 2, "0"));
    EXPECT_EQ(table.groupTypes[2], 0u);
    // The last channels of the radio cannot all go.
    table.SetGroupSizes({0, 0, 0, 0, 0, 0, 4});
    EXPECT_TRUE(CommitGroupCount(table, 6, "0"));
    EXPECT_EQ(table.groupSizes()[6], 1u);
    EXPECT_FALSE(CommitGroupCount(table, 0, "5"));  // CB is fixed here

    CommitAllocationTag(table, 2, "ABC");
    EXPECT_EQ(table.groupTags[2], "ABC");
    CommitAllocationTag(table, 2, "ABCDEFGHIJ");
    EXPECT_EQ(table.groupTags[2], "ABCDEFGH");
}

}  // namespace
}  // namespace kp07
