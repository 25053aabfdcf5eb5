#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "image/accessors.h"
#include "image/dtmf_params.h"
#include "image/five_tone_decode.h"
#include "image/five_tone_encode.h"
#include "image/five_tone_format.h"
#include "image/five_tone_general.h"
#include "image/five_tone_systems.h"
#include "image/five_tone_user_tones.h"
#include "image/paging_params.h"
#include "image/two_tone_general.h"
#include "image/two_tone_systems.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

using test::FilledImage;
using test::RandomImage;

// Bits by byte offset.
using Footprint = std::map<int, unsigned>;

struct ByteRange {
    int first, last;
    unsigned mask;
};

// The ranges, repeated `count` times `stride` bytes apart.
Footprint Make(std::initializer_list<ByteRange> ranges, int count = 1, int stride = 0) {
    Footprint fp;
    for (int r = 0; r < count; ++r) {
        for (const ByteRange& b : ranges) {
            for (int i = b.first; i <= b.last; ++i) fp[i + r * stride] |= b.mask;
        }
    }
    return fp;
}
Footprint Join(Footprint a, const Footprint& b) {
    for (const auto& [offset, mask] : b) a[offset] |= mask;
    return a;
}

// The bytes and bits each block owns, written out from the memory map. Bits
// left out belong to no field or to another block.
const Footprint kDtmfWithoutTwoToneCommon = Make({{2, 2, 0xF8},        // pause code
                                                  {8, 8, 0x1F},        // ANI transmit, delay, speed
                                                  {9, 88, 0xFF},       // speed dial
                                                  {128, 128, 0xE0},    // pause time
                                                  {7574, 7613, 0xFF},  // pair table
                                                  {7630, 7645, 0xFF}});  // ANI, emergency
const Footprint kDtmfWhole = Join(
    kDtmfWithoutTwoToneCommon,
    Make({{5, 5, 0x0F}, {7, 7, 0x02}, {7571, 7571, 0xFF}, {7572, 7572, 0xFC}, {7573, 7573, 0xFF}}));
// A DTMF code block keeps the bytes past its last digit.
const Footprint kDtmfCodeTails =
    Join(Make({{10, 16, 0xFF}}, 10, 8), Make({{7631, 7637, 0xFF}, {7639, 7645, 0xFF}}));
const Footprint kPaging =
    Join(Make({{7646, 7646, 0xFF}}), Make({{7647, 7647, 0xCF}, {7648, 7648, 0xFF}}, 10, 2));
const Footprint kTwoToneEncode = Make({{7568, 7568, 0xCF}, {7569, 7570, 0xFF}});
const Footprint kTwoToneSystems = Make({{7614, 7629, 0xFE}});  // b0 (ANI) is not the table's
const Footprint kFiveToneGeneral = Make({{6697, 6711, 0xFF}, {5, 5, 0x0F}, {7, 7, 0x02}});
const Footprint kSystems =
    Make({{6766, 6769, 0xFF}, {6770, 6770, 0xE0}, {6771, 6771, 0xFF}}, 32, 6);
const Footprint kDecode = Join(Make({{6958, 6964, 0xFF}, {6965, 6972, 0x3F}}, 8, 15),
                               Make({{7078, 7078, 0x7F}, {7079, 7079, 0xFF}, {7080, 7087, 0x3F}}));
const Footprint kEncode =
    Make({{7089, 7092, 0xFF}, {7093, 7093, 0xFA}, {7094, 7094, 0xFF}, {7095, 7102, 0x3F}}, 32, 15);

struct BlockCase {
    std::string name;
    Footprint footprint;
    Footprint mayKeep;  // footprint bits a store may leave as they were
    // Loads a fresh block from `from` and stores it into `into`.
    std::function<void(const RadioImage& from, RadioImage& into)> loadStore;
    std::function<void(RadioImage& into)> storeDefaults;
};

template <class Block>
BlockCase Case(const std::string& name, Footprint fp, Footprint mayKeep = {}) {
    return {name, std::move(fp), std::move(mayKeep),
            [](const RadioImage& from, RadioImage& into) {
                Block b;
                b.Load(from);
                b.Store(into);
            },
            [](RadioImage& into) {
                Block b;
                b.SetDefaults();
                b.Store(into);
            }};
}

std::vector<BlockCase> Blocks() {
    std::vector<BlockCase> cases = {
        Case<DtmfParams>("DtmfParams", kDtmfWhole, kDtmfCodeTails),
        Case<PagingParams>("PagingParams", kPaging),
        Case<TwoToneGeneral>("TwoToneGeneral", kTwoToneEncode),
        Case<TwoToneSystems>("TwoToneSystems", kTwoToneSystems),
        Case<FiveToneGeneral>("FiveToneGeneral", kFiveToneGeneral),
        Case<FiveToneFormat>("FiveToneFormat", Make({{6712, 6735, 0xFF}})),
        Case<FiveToneUserTones>("FiveToneUserTones", Make({{6736, 6765, 0xFF}})),
        Case<FiveToneSystems>("FiveToneSystems", kSystems),
        Case<FiveToneDecode>("FiveToneDecode", kDecode),
        Case<FiveToneEncode>("FiveToneEncode", kEncode),
    };
    // The 5-tone form leaves the 2-tone common settings alone.
    BlockCase except{"DtmfParams::StoreExceptTwoToneCommon", kDtmfWithoutTwoToneCommon,
                     kDtmfCodeTails,
                     [](const RadioImage& from, RadioImage& into) {
                         DtmfParams b;
                         b.Load(from);
                         b.StoreExceptTwoToneCommon(into);
                     },
                     [](RadioImage& into) {
                         DtmfParams b;
                         b.SetDefaults();
                         b.StoreExceptTwoToneCommon(into);
                     }};
    cases.push_back(except);
    return cases;
}

// Every bit that changed between `before` and `after` lies in `fp`.
::testing::AssertionResult ChangedOnlyInside(const Footprint& fp, const RadioImage& before,
                                             const RadioImage& after) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto it = fp.find(int(i));
        const unsigned mask = it == fp.end() ? 0u : it->second;
        const unsigned outside = unsigned(before[i] ^ after[i]) & ~mask;
        if (outside != 0) {
            return ::testing::AssertionFailure()
                   << "byte " << i << " changed outside the block: bits 0x" << std::hex << outside;
        }
    }
    return ::testing::AssertionSuccess();
}

// A random image whose decode transpond codes lie in the chooser's range:
// stored values outside it do not survive a load and store unchanged.
RadioImage RandomImageWithValidTranspondCodes(std::mt19937& rng) {
    RadioImage image = RandomImage(rng);
    for (int e = 0; e < 8; ++e) SetDecodeTranspondCode(FiveToneDecodeAt(image, e), rng() % 34);
    return image;
}

// Random images, the sanitizer build included: a block read from any bytes
// and written onto any other bytes changes only its own bits, writes all of
// them, and a second read and write changes nothing.
TEST(SignalingBlocks, LoadAndStoreTouchOnlyTheirOwnBitsOnAnyImage) {
    std::mt19937 rng(20240611);
    for (const BlockCase& block : Blocks()) {
        SCOPED_TRACE(block.name);
        for (int round = 0; round < 150; ++round) {
            const RadioImage from = RandomImageWithValidTranspondCodes(rng);
            const RadioImage before = RandomImage(rng);

            RadioImage after = before;
            block.loadStore(from, after);
            ASSERT_TRUE(ChangedOnlyInside(block.footprint, before, after));

            RadioImage again = after;
            block.loadStore(after, again);
            ASSERT_EQ(again, after) << "a second load and store changed the image";

            RadioImage defaults = before;
            block.storeDefaults(defaults);
            ASSERT_TRUE(ChangedOnlyInside(block.footprint, before, defaults));
        }
        // Stored onto all-zero and all-one bytes, the block leaves the same
        // bits in its footprint: no field is forgotten by Store.
        const RadioImage from = RandomImageWithValidTranspondCodes(rng);
        RadioImage zeros = FilledImage(0x00), ones = FilledImage(0xFF);
        block.loadStore(from, zeros);
        block.loadStore(from, ones);
        for (const auto& [offset, mask] : block.footprint) {
            const auto kept = block.mayKeep.find(offset);
            const unsigned free = kept == block.mayKeep.end() ? 0u : kept->second;
            EXPECT_EQ((zeros[std::size_t(offset)] ^ ones[std::size_t(offset)]) & mask & ~free, 0u)
                << "byte " << offset << " not written";
        }
    }
}

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

void ExpectBytes(const RadioImage& image, int offset, std::initializer_list<int> bytes) {
    int i = offset;
    for (int expected : bytes) {
        EXPECT_EQ(int(image[std::size_t(i)]), expected) << "byte " << i;
        ++i;
    }
}

TEST(SignalingBlocks, DefaultsOfANewImage) {
    {
        const RadioImage im = DefaultsImage<DtmfParams>();
        EXPECT_EQ(im[2], 0x00);    // no pause code
        EXPECT_EQ(im[5], 0x03);    // 2-tone auto reset "5 s"
        EXPECT_EQ(im[7], 0x00);    // auto reset beep off
        EXPECT_EQ(im[8], 0x0B);    // "PTT Pressed", "300 ms", "66 ms"
        EXPECT_EQ(im[128], 0x40);  // pause time "2 s"
        for (int k = 0; k < 10; ++k) ExpectBytes(im, 9 + 8 * k, {0x0F, 0, 0, 0, 0, 0, 0, 0});
        ExpectBytes(im, 7571, {0x02, 0x00, 10});  // call beep "Beep A", beep repeat 10 s
        for (int p = 0; p < 10; ++p) ExpectBytes(im, 7574 + 4 * p, {0x0B, 0x45, 0x0B, 0x45});
        ExpectBytes(im, 7630, {0x0F});
        ExpectBytes(im, 7638, {0x0F});
    }
    ExpectBytes(DefaultsImage<TwoToneGeneral>(), 7568, {0x00, 10, 30});
    {
        const RadioImage im = DefaultsImage<TwoToneSystems>();
        for (int i = 7614; i <= 7629; ++i) EXPECT_EQ(im[std::size_t(i)], 0x02) << i;
    }
    {
        const RadioImage im = DefaultsImage<FiveToneGeneral>();
        ExpectBytes(im, 6697,
                    {50, 30, 30, 10, 70, 160, 0x1F, 0xAE, 0xF4, 0x1F, 160, 10, 31, 30, 60});
        EXPECT_EQ(im[5], 0x08);  // auto reset "10 s"
        EXPECT_EQ(im[7], 0x00);
    }
    ExpectBytes(DefaultsImage<FiveToneFormat>(), 6712,
                {70, 42, 70,  42, 70, 42, 70, 42, 70, 42, 100, 60,    // ZVEI1 .. CCIR1
                 70, 42, 100, 60, 40, 24, 33, 20, 70, 42, 40,  24});  // CCIR2 .. TP40
    {
        const RadioImage im = DefaultsImage<FiveToneUserTones>();
        ExpectBytes(im, 6736, {0x09, 0x60, 0x04, 0x24});  // 2400 Hz, 1060 Hz
        ExpectBytes(im, 6758, {0x03, 0x2A});              // digit B: 810 Hz
        ExpectBytes(im, 6764, {0x0A, 0x28});              // digit E: 2600 Hz
    }
    {
        // TP40, monitor "Both", call and PTT on; no codes; auto reset; all decodes.
        const RadioImage im = DefaultsImage<FiveToneSystems>();
        for (int s = 0; s < 32; ++s) ExpectBytes(im, 6766 + 6 * s, {0xBF, 0, 0, 0, 0x80, 0xFF});
    }
    {
        const RadioImage im = DefaultsImage<FiveToneDecode>();
        // "12345", LED display 2, mode "Open", beep "A", tag "DECODE-1".
        ExpectBytes(im, 6958,
                    {0x00, 0xFF, 0xF5, 0x43, 0x21, 0x24, 0x10, 13, 14, 12, 24, 13, 14, 40, 1});
        ExpectBytes(im, 6958 + 15 * 7 + 14, {8});  // "DECODE-8"
        // The group entry: same options, tag "  GROUP ".
        ExpectBytes(im, 7078, {0x24, 0x10, 36, 36, 16, 27, 24, 30, 25, 36});
    }
    {
        const RadioImage im = DefaultsImage<FiveToneEncode>();
        // "12345", recalling code and group digit on, input digits 4 and 5, "CALL-01 ".
        ExpectBytes(im, 7088,
                    {0x00, 0xFF, 0xF5, 0x43, 0x21, 0x48, 0x18, 12, 10, 21, 21, 40, 0, 1, 36});
        ExpectBytes(im, 7088 + 15 * 31 + 12, {3, 2, 36});  // "CALL-32 "
    }
    {
        const RadioImage im = DefaultsImage<PagingParams>();
        for (int i = 7646; i <= 7666; ++i) EXPECT_EQ(im[std::size_t(i)], 0) << i;
    }
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
        EXPECT_EQ(im[5], 0x0C);
        EXPECT_EQ(im[7], 0x02);
        EXPECT_EQ(im[8], 0x16);
        EXPECT_EQ(im[81], 0x14);
        EXPECT_EQ(im[128], 0xA0);
        ExpectBytes(im, 7571, {0x9B, 0x98, 200});
        ExpectBytes(im, 7586, {0x0D, 0xA2, 0x3B, 0x1F});
        ExpectBytes(im, 7630, {0x11});
        ExpectBytes(im, 7638, {0x2F, 0x20});
    }
    {
        PagingParams b;
        b.autoResetTime = 13;
        b.callTimes = 2;
        b.answerBack = 1;
        b.pages[9] = {false, 1, "987"};
        const RadioImage im = StoredOnZero(b);
        ExpectBytes(im, 7646, {0xDA});
        ExpectBytes(im, 7665, {0x49, 0x87});
    }
    {
        TwoToneGeneral b;
        b.encodeType = 2;
        b.encodePair = 9;
        b.firstTonePeriod = 25;
        b.secondTonePeriod = 255;
        ExpectBytes(StoredOnZero(b), 7568, {0x89, 25, 255});
    }
    {
        TwoToneSystems b;
        b.entries[4] = {7, true, false};
        b.entries[5] = {0, false, true};
        const RadioImage im = StoredOnZero(b);
        ExpectBytes(im, 7618, {0x6C, 0x02});
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
        ExpectBytes(im, 6697, {1, 2, 3, 4, 5, 6, 0x81, 0x34, 0x7A, 0x02, 12, 13, 14, 15, 11});
        EXPECT_EQ(im[5], 0x09);
        EXPECT_EQ(im[7], 0x02);
    }
    {
        FiveToneSystems b;
        b.entries[5] = {6, 1, 2, false, true, 3,     32,
                        0, 1, 2, false, true, false, {0, 1, 1, 0, 0, 0, 0, 1}};
        const RadioImage im = StoredOnZero(b);
        ExpectBytes(im, 6766 + 30, {0x65, 0xC2, 0xBF, 0x40, 0x40, 0x86});
    }
    {
        FiveToneDecode b;
        b.SetDefaults();
        b.entries[2] = {"ABCDE", "T", 7, 1, 1, 2, 2, 1, 3, 0, 2, 1};
        const RadioImage im = StoredOnZero(b);
        ExpectBytes(im, 6958 + 30,
                    {0x05, 0xFF, 0xFE, 0xDC, 0xBA, 0xDA, 0xB5, 29, 36, 36, 36, 36, 36, 36, 36});
    }
    {
        FiveToneEncode b;
        b.SetDefaults();
        b.entries[4] = {"", "Z9", false, false, true, true, false, false, {1, 0, 1, 0, 0, 0, 0, 0}};
        const RadioImage im = StoredOnZero(b);
        ExpectBytes(im, 7088 + 60,
                    {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x22, 0x05, 35, 9, 36, 36, 36, 36, 36, 36});
    }
}

TEST(SignalingBlocks, DtmfCodesAndPauseCode) {
    RadioImage im = FilledImage(0xAA);
    DtmfParams dtmf;
    dtmf.Load(im);
    dtmf.speedDial[0] = "123";
    dtmf.speedDial[1] = "12";
    dtmf.speedDial[2] = "";
    dtmf.speedDial[3] = "a*#";
    dtmf.aniCode = "123456789ABCD*#";
    dtmf.pauseCode = "5";
    dtmf.Store(im);
    ExpectBytes(im, 9, {0x31, 0x23, 0xAA});   // odd count: the last digit's byte is whole
    ExpectBytes(im, 17, {0x21, 0x20, 0xAA});  // even count: its low half becomes 0
    ExpectBytes(im, 25, {0x0F, 0xAA});        // empty: only byte 0
    ExpectBytes(im, 33, {0x3A, 0xEF, 0xAA});
    ExpectBytes(im, 7630, {0xF1, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF});
    EXPECT_EQ(im[2], 0x5A);  // digit 5, present, b0-2 kept

    DtmfParams back;
    back.Load(im);
    EXPECT_EQ(back.speedDial[0], "123");
    EXPECT_EQ(back.speedDial[1], "12");
    EXPECT_EQ(back.speedDial[2], "");
    EXPECT_EQ(back.speedDial[3], "A*#");
    EXPECT_EQ(back.aniCode, "123456789ABCD*#");
    EXPECT_EQ(back.pauseCode, "5");

    // Switching to 2-tone empties the ANI, emergency and pause codes only.
    back.ClearCodesForTwoTone();
    back.SetTwoToneDefaults();
    back.Store(im);
    EXPECT_EQ(im[2], 0x02);
    EXPECT_EQ(im[7630], 0x0F);
    EXPECT_EQ(im[7638], 0x0F);
    ExpectBytes(im, 9, {0x31, 0x23});
    EXPECT_EQ(im[8] & 0x1F, 0xAA & 0x1F);
    ExpectBytes(im, 7574, {0x0B, 0x45, 0x0B, 0x45});

    // Code blocks of all FFh (a full block of 15 "#") read and write back as they were.
    const RadioImage ff = FilledImage(0xFF);
    DtmfParams full;
    full.Load(ff);
    EXPECT_EQ(full.speedDial[9], std::string(15, '#'));
    EXPECT_EQ(full.emergencyCode, std::string(15, '#'));
    RadioImage stored = ff;
    full.Store(stored);
    EXPECT_EQ(stored, ff);
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
    EXPECT_EQ(im[7614], 0x9B);  // pair 10: b4-7 = 9, b3 on; auto reset; ANI kept
    EXPECT_EQ(im[7615], 0x05);  // off clears b3-7; second pair; ANI kept
    RadioImage zero = FilledImage(0);
    systems.Store(zero);
    EXPECT_EQ(zero[7614], 0x9A);

    TwoToneSystems back;
    back.Load(im);
    EXPECT_EQ(back.entries[0].firstPair, 10u);
    EXPECT_TRUE(back.entries[1].secondPair);
    EXPECT_FALSE(back.entries[1].autoReset);

    TwoToneSystems::ClearAll(im);
    for (int i = 7614; i <= 7629; ++i) EXPECT_EQ(im[std::size_t(i)], 0) << i;
    EXPECT_EQ(im[7613], 0xFF);
    EXPECT_EQ(im[7630], 0xFF);
}

TEST(SignalingBlocks, DecodeTranspondCodesAndTheGroupEntry) {
    std::mt19937 rng(5);
    for (unsigned code = 0; code <= 32; ++code) {
        RadioImage im = RandomImage(rng);
        FiveToneDecode decode;
        decode.Load(im);
        decode.entries[3].transpondCode = code;
        decode.Store(im);
        FiveToneDecode back;
        back.Load(im);
        EXPECT_EQ(back.entries[3].transpondCode, code);
    }
    // A stored selector beyond the 32 codes reads as Disable.
    RadioImage junk = FilledImage(0);
    junk[6958] = 0xA2;
    junk[6963] = 0x80;
    FiveToneDecode fromJunk;
    fromJunk.Load(junk);
    EXPECT_EQ(fromJunk.entries[0].transpondCode, 0u);

    RadioImage im = FilledImage(0);
    FiveToneDecode decode;
    decode.Load(im);
    decode.entries[0].transpondCode = 1;
    decode.entries[1].transpondCode = 2;
    decode.entries[2].transpondCode = 33;
    decode.Store(im);
    ExpectBytes(im, 6958, {32});
    EXPECT_EQ(im[6958 + 5], 0x80);
    ExpectBytes(im, 6958 + 15, {0});
    EXPECT_EQ(im[6958 + 15 + 5], 0x80);
    ExpectBytes(im, 6958 + 30, {31});

    // The group entry lives in 7078-7087; its number and transpond code have
    // no place in the image and are not written anywhere.
    const RadioImage zero = FilledImage(0);
    FiveToneDecode group;
    group.Load(zero);
    RadioImage baseline = zero;
    group.Store(baseline);
    group.entries[kGroupDecodeEntry] = {"999", "GRP-A", 5, 1, 3, 2, 1, 1, 7, 1, 3, 1};
    RadioImage changed = zero;
    group.Store(changed);
    ExpectBytes(changed, 7078, {0x79, 0xFF, 16, 27, 25, 40, 10, 36, 36, 36});
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
    ExpectBytes(im, 7647, {0xF1, 0x2A});  // entered, DEC, "12A"
    ExpectBytes(im, 7649, {0xB0, 0x00});  // entered with an empty code
    ExpectBytes(im, 7651, {0x30, 0x00});  // never entered
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
