#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "blocks/dtmf_params.h"
#include "blocks/five_tone_decode.h"
#include "blocks/five_tone_encode.h"
#include "blocks/five_tone_general.h"
#include "blocks/five_tone_systems.h"
#include "blocks/paging_params.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "image/accessors.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

using test::BytesAt;
using test::FilledImage;
using test::RandomImage;

// The block stored onto an all-zero image. The image, read back into a fresh
// block and stored again, must come out the same: with bytes checked by hand
// this proves that Load reads every field from where Store puts it.
template <class Block>
RadioImage StoredOnZero(const Block& block) {
    RadioImage image = FilledImage(0);
    block.Store(image);
    Block reread;
    reread.Load(image);
    RadioImage again = FilledImage(0);
    reread.Store(again);
    EXPECT_EQ(again, image) << "a field is read from elsewhere than it is stored";
    return image;
}

template <class Block>
RadioImage DefaultsImage() {
    Block block;
    block.SetDefaults();
    return StoredOnZero(block);
}

// The 2-tone defaults, which a new (5-tone) image does not show; the other
// defaults are checked in the bytes of a new image (image_ops_test).
TEST(SignalingBlocks, TwoToneDefaults) {
    const RadioImage dtmf = DefaultsImage<DtmfParams>();
    EXPECT_EQ(dtmf[5], 0x03);                            // 2-tone auto reset "5 s"
    EXPECT_EQ(dtmf[7], 0x00);                            // auto reset beep off
    EXPECT_TRUE(BytesAt(dtmf, 7571, {0x02, 0x00, 10}));  // call beep "Beep A", beep repeat 10 s
    EXPECT_TRUE(BytesAt(DefaultsImage<TwoToneGeneral>(), 7568, {0x00, 10, 30}));
    EXPECT_TRUE(BytesAt(DefaultsImage<TwoToneSystems>(), 7614, std::vector<int>(16, 0x02)));
}

// Every field set to a value unlike its neighbours', against bytes written
// out by hand.
TEST(SignalingBlocks, EveryFieldHasItsOwnBits) {
    {
        DtmfParams b;
        b.SetDefaults();
        b.aniTransmit = 1;
        b.dtmfDelay = 1;
        b.dtmfSpeed = 2;
        b.pauseTime = 5;
        b.pauseCode = "9";
        b.speedDial[9] = "4";
        b.aniCode = "1";
        b.emergencyCode = "#2";
        b.twoTone = {12, 1, 2, 1, 9, 1, 0, 5, 1, 200};
        b.pairs[3] = {3490, 15135, PairGroup::kMotorola};
        const RadioImage im = StoredOnZero(b);
        EXPECT_EQ(im[2], 0x98);
        EXPECT_TRUE(BytesAt(im, 5, {0x0C, 0x00, 0x02, 0x16}));  // byte 6 is not the block's
        EXPECT_EQ(im[81], 0x14);
        EXPECT_EQ(im[128], 0xA0);
        EXPECT_TRUE(BytesAt(im, 7571, {0x9B, 0x98, 200}));
        EXPECT_TRUE(BytesAt(im, 7586, {0x0D, 0xA2, 0x3B, 0x1F}));
        EXPECT_TRUE(BytesAt(im, 7630, {0x11}));
        EXPECT_TRUE(BytesAt(im, 7638, {0x2F, 0x20}));
    }
    {
        PagingParams b;
        b.autoResetTime = 13;
        b.callTimes = 2;
        b.answerBack = 1;
        b.pages[9] = {false, 1, "987"};
        const RadioImage im = StoredOnZero(b);
        EXPECT_TRUE(BytesAt(im, 7646, {0xDA}));
        EXPECT_TRUE(BytesAt(im, 7665, {0x49, 0x87}));
    }
    {
        TwoToneGeneral b;
        b.encodeType = 2;
        b.encodePair = 9;
        b.firstTonePeriod = 25;
        b.secondTonePeriod = 255;
        EXPECT_TRUE(BytesAt(StoredOnZero(b), 7568, {0x89, 25, 255}));
    }
    {
        TwoToneSystems b;
        b.entries[4] = {7, true, false};
        b.entries[5] = {0, false, true};
        const RadioImage im = StoredOnZero(b);
        EXPECT_TRUE(BytesAt(im, 7618, {0x6C, 0x02}));
    }
    {
        FiveToneGeneral b;
        b.digitDelays = {1, 2, 3, 4};
        b.firstToneTimer = 5;
        b.transpondDelayTimer = 6;
        b.tagDisplay = false;
        b.aniDisplay = true;
        b.displayDigits = {1, 0, 0, 0, 0, 0, 0, 1};
        b.groupTone = 3;
        b.repeatTone = 4;
        b.delay3Tone = 7;
        b.clearToTranspond = true;
        b.pttCall = false;
        b.compareDigits = {0, 1, 0, 0, 0, 0, 0, 0};
        b.autoTxTime = 11;
        b.autoResetBeep = 1;
        b.idDecodeTime = 12;
        b.beepRepeatTime = 13;
        b.callKey2 = 14;
        b.callKey3 = 15;
        b.autoResetTime = 9;
        const RadioImage im = StoredOnZero(b);
        EXPECT_TRUE(
            BytesAt(im, 6697, {1, 2, 3, 4, 5, 6, 0x81, 0x34, 0x7A, 0x02, 12, 13, 14, 15, 11}));
        EXPECT_EQ(im[5], 0x09);
        EXPECT_EQ(im[7], 0x02);
    }
    {
        FiveToneSystems b;
        b.entries[5] = {6, 1, 2, false, true, 3,     32,
                        0, 1, 2, false, true, false, {0, 1, 1, 0, 0, 0, 0, 1}};
        const RadioImage im = StoredOnZero(b);
        EXPECT_TRUE(BytesAt(im, 6766 + 30, {0x65, 0xC2, 0xBF, 0x40, 0x40, 0x86}));
    }
    {
        FiveToneDecode b;
        b.SetDefaults();
        b.entries[2] = {"ABCDE", "T", 7, 1, 1, 2, 2, 1, 3, 0, 2, 1};
        const RadioImage im = StoredOnZero(b);
        EXPECT_TRUE(
            BytesAt(im, 6958 + 30,
                    {0x05, 0xFF, 0xFE, 0xDC, 0xBA, 0xDA, 0xB5, 29, 36, 36, 36, 36, 36, 36, 36}));
    }
    {
        FiveToneEncode b;
        b.SetDefaults();
        b.entries[4] = {"", "Z9", false, false, true, true, false, false, {1, 0, 1, 0, 0, 0, 0, 0}};
        const RadioImage im = StoredOnZero(b);
        EXPECT_TRUE(
            BytesAt(im, 7088 + 60,
                    {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x22, 0x05, 35, 9, 36, 36, 36, 36, 36, 36}));
    }
}

// How DTMF codes are packed is checked on the accessors (accessors_test).
TEST(SignalingBlocks, SwitchingToTwoToneEmptiesOnlyTheAniEmergencyAndPauseCodes) {
    RadioImage im = FilledImage(0xAA);
    DtmfParams dtmf;
    dtmf.Load(im);
    dtmf.speedDial[0] = "123";
    dtmf.aniCode = "123";
    dtmf.emergencyCode = "4";
    dtmf.pauseCode = "5";
    dtmf.ClearCodesForTwoTone();
    dtmf.SetTwoToneDefaults();
    dtmf.Store(im);
    EXPECT_EQ(im[2], 0x02);  // no pause code, b0-2 kept
    EXPECT_EQ(im[7630], 0x0F);
    EXPECT_EQ(im[7638], 0x0F);
    EXPECT_TRUE(BytesAt(im, 9, {0x31, 0x23}));
    EXPECT_EQ(im[8] & 0x1F, 0xAA & 0x1F);
    EXPECT_TRUE(BytesAt(im, 7574, {0x0B, 0x45, 0x0B, 0x45}));
}

TEST(SignalingBlocks, PairGroupsAreWorkedOutOnLoad) {
    RadioImage im = FilledImage(0);
    SetPairFirstTone(im, 0, 2822);  // both PLECTRON
    SetPairSecondTone(im, 0, 2947);
    SetPairFirstTone(im, 1, 5925);  // GE A with REACH A
    SetPairSecondTone(im, 1, 27040);
    DtmfParams dtmf;
    dtmf.Load(im);
    EXPECT_EQ(dtmf.pairs[0].group, PairGroup::kPlectron);
    EXPECT_EQ(dtmf.pairs[1].group, PairGroup::kCustom);
    EXPECT_EQ(dtmf.pairs[2].group, PairGroup::kOff);
    dtmf.SetTwoToneDefaults();
    EXPECT_EQ(dtmf.pairs[2].group, PairGroup::kMotorola);  // 288.5 Hz
}

TEST(SignalingBlocks, TwoToneSystemBitsAndTheSignalingChangeClear) {
    RadioImage im = FilledImage(0xFF);
    TwoToneSystems systems;
    systems.Load(im);
    EXPECT_EQ(systems.entries[0].firstPair, 16u);  // raw b4-7 = 15
    systems.entries[0] = {10, false, true};
    systems.entries[1] = {0, true, false};
    systems.Store(im);
    // 7614, pair 10: b4-7 = 9, b3 on; auto reset; ANI kept. 7615, off: b3-7
    // cleared; second pair; ANI kept.
    EXPECT_TRUE(BytesAt(im, 7614, {0x9B, 0x05}));
    RadioImage zero = FilledImage(0);
    systems.Store(zero);
    EXPECT_EQ(zero[7614], 0x9A);

    TwoToneSystems::ClearAll(im);
    for (int i = 7614; i <= 7629; ++i) EXPECT_EQ(im[std::size_t(i)], 0) << i;
    EXPECT_EQ(im[7613], 0xFF);
    EXPECT_EQ(im[7630], 0xFF);
}

TEST(SignalingBlocks, DecodeTranspondCodesAndTheGroupEntry) {
    // Every code of the chooser reads back, whatever the other bytes hold;
    // how they are stored is checked on the accessors (accessors_test).
    std::mt19937 rng(5);
    RadioImage im = RandomImage(rng);
    FiveToneDecode decode, back;
    decode.Load(im);
    for (unsigned code = 0; code <= 32; ++code) {
        decode.entries[3].transpondCode = code;
        decode.Store(im);
        back.Load(im);
        EXPECT_EQ(back.entries[3].transpondCode, code);
    }
    decode.entries[3].transpondCode = 33;
    decode.Store(im);
    EXPECT_EQ(im[6958 + 45], 31);
    // A stored selector beyond the 32 codes reads as Disable.
    RadioImage junk = FilledImage(0);
    junk[6958] = 0xA2;
    junk[6963] = 0x80;
    decode.Load(junk);
    EXPECT_EQ(decode.entries[0].transpondCode, 0u);

    // The group entry lives in 7078-7087; its number, transpond code and
    // auto TX have no place in the image and are not written anywhere.
    const RadioImage zero = FilledImage(0);
    FiveToneDecode group;
    group.Load(zero);
    RadioImage baseline = zero;
    group.Store(baseline);
    group.entries[kGroupDecodeEntry] = {"999", "GRP-A", 5, 1, 3, 2, 1, 1, 7, 1, 3, 1};
    RadioImage changed = zero;
    group.Store(changed);
    EXPECT_TRUE(BytesAt(changed, 7078, {0x79, 0xFE, 16, 27, 25, 40, 10, 36, 36, 36}));
    for (int i = 7078; i <= 7087; ++i) changed[std::size_t(i)] = baseline[std::size_t(i)];
    EXPECT_EQ(changed, baseline);
}

TEST(SignalingBlocks, PageCodesAndTheirEnteredFlag) {
    RadioImage im = FilledImage(0x30);  // b4-5 of a page code's first byte belong to no field
    PagingParams paging;
    paging.SetDefaults();
    paging.CommitPageCode(0, "12a4");
    paging.pages[0].decode = 1;
    paging.CommitPageCode(1, "");
    paging.CommitPageCode(10, "999");  // no such page: ignored
    paging.Store(im);
    EXPECT_TRUE(BytesAt(im, 7647, {0xF1, 0x2A}));  // entered, DEC, "12A"
    EXPECT_TRUE(BytesAt(im, 7649, {0xB0, 0x00}));  // entered with an empty code
    EXPECT_TRUE(BytesAt(im, 7651, {0x30, 0x00}));  // never entered
    EXPECT_EQ(im[7646], 0x00);

    PagingParams back;
    back.Load(im);
    EXPECT_EQ(back.pages[0].code, "12A");
    EXPECT_TRUE(back.pages[1].entered);
    back.pages[2].code = "555";
    back.ClearCodesNotEntered();
    EXPECT_EQ(back.pages[2].code, "");
    EXPECT_EQ(back.pages[0].code, "12A");
}

}  // namespace
}  // namespace kp07
