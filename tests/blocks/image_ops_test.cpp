#include <gtest/gtest.h>

#include <vector>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "blocks/new_image_fixture.h"
#include "blocks/radio_identity.h"
#include "blocks/signaling_type.h"
#include "blocks/two_tone_systems.h"
#include "image/accessors.h"
#include "image/tone_codec.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

using test::BytesAt;

using ImageOps = test::NewImageTest;

// A new image, region by region, against the factory tables.
TEST_F(ImageOps, NewImageHoldsTheDefaults) {
    const RadioImage im = *radioImage;
    // Identity: firmware 3.00, production "0000", serial "1C010001".
    EXPECT_TRUE(BytesAt(im, 0, {0x03, 0x00}));                 // firmware
    EXPECT_TRUE(BytesAt(im, 7715, {0x00, 0x00}));              // production number
    EXPECT_TRUE(BytesAt(im, 7721, {0x11, 0x01, 0x01, 0x00}));  // serial number
    // Header option bytes 2-8.
    EXPECT_TRUE(BytesAt(im, 2, {0x00, 0x11, 0x9B, 0xE8, 0x28, 0x09, 0x8B}));  // header
    // Speed dial codes are empty (first byte 0x0F); ANI and emergency codes too.
    for (int k = 0; k < 10; ++k) EXPECT_EQ(im[9 + 8 * k], 0x0F) << "speed dial " << k;
    EXPECT_EQ(im[7630], 0x0F);
    EXPECT_EQ(im[7638], 0x0F);
    EXPECT_EQ(im[124], 0x33);  // scan resume times
    EXPECT_EQ(im[125], 0x20);  // low battery alert
    EXPECT_EQ(im[128], 0x40);  // DTMF pause time 2
    EXPECT_TRUE(BytesAt(im, 129, {1, 3, 8, 33, 11, 23, 2, 4, 12, 32, 31, 29}));  // key functions
    EXPECT_TRUE(BytesAt(im, 141, {0x00, 0x00, 0x11, 0x00}));                     // emergency
    EXPECT_TRUE(BytesAt(im, 145, {36, 20, 27, 40, 3, 1, 8, 36}));                // power-on tag
    EXPECT_TRUE(BytesAt(im, 281, {77, 16, 16, 16, 16, 16, 11}));                 // group sizes
    EXPECT_TRUE(BytesAt(im, 4497, std::vector<int>(2200, 0)));

    // 5-tone general, format timing and user tones 2400 .. 2600 Hz.
    EXPECT_TRUE(
        BytesAt(im, 6697, {50, 30, 30, 10, 70, 160, 0x1F, 0xAE, 0xF4, 0x1F, 160, 10, 31, 30, 60}));
    EXPECT_TRUE(BytesAt(im, 6712, {70, 42, 70,  42, 70, 42, 70, 42, 70, 42, 100, 60,
                                   70, 42, 100, 60, 40, 24, 33, 20, 70, 42, 40,  24}));
    EXPECT_TRUE(BytesAt(im, 6736, {0x09, 0x60, 0x04, 0x24, 0x04, 0x88, 0x04, 0xF6, 0x05, 0x78,
                                   0x05, 0xFA, 0x06, 0x86, 0x07, 0x26, 0x07, 0xD0, 0x08, 0x98,
                                   0x0A, 0xF0, 0x03, 0x2A, 0x03, 0xCA, 0x03, 0x75, 0x0A, 0x28}));
    // 32 systems: TP40, monitor "Both", call and PTT on, auto reset, all codes.
    for (int s = 0; s < 32; ++s) {
        EXPECT_TRUE(BytesAt(im, 6766 + 6 * s, {0xBF, 0, 0, 0, 0x80, 0xFF}));  // 5-tone system
    }
    // Decode entries "12345" / "DECODE-n"; the group entry "  GROUP ".
    for (int e = 0; e < 8; ++e) {
        EXPECT_TRUE(
            BytesAt(im, 6958 + 15 * e,
                    {0, 0xFF, 0xF5, 0x43, 0x21, 0x24, 0x10, 13, 14, 12, 24, 13, 14, 40, e + 1}));
    }
    EXPECT_TRUE(BytesAt(im, 7078, {0x24, 0x10, 36, 36, 16, 27, 24, 30, 25, 36}));
    // Encode entries "12345" / "CALL-nn".
    for (int e = 0; e < 32; ++e) {
        const int n = e + 1;
        EXPECT_TRUE(BytesAt(
            im, 7088 + 15 * e,
            {0, 0xFF, 0xF5, 0x43, 0x21, 0x48, 0x18, 12, 10, 21, 21, 40, n / 10, n % 10, 36}));
    }
    // A 5-tone radio has no 2-tone encode record, common settings or systems;
    // the pair table (ten pairs of 288.5 Hz) is kept in both families.
    EXPECT_TRUE(BytesAt(im, 7568, std::vector<int>(6, 0)));
    EXPECT_TRUE(BytesAt(im, 7614, std::vector<int>(16, 0)));
    for (int p = 0; p < 20; ++p)
        EXPECT_TRUE(BytesAt(im, 7574 + 2 * p, {0x0B, 0x45}));  // 2-tone pair
    EXPECT_TRUE(BytesAt(im, 7646, std::vector<int>(21, 0)));   // paging
    // Hardware: model KR-318 with the 4-key keypad, password "cadb" off.
    EXPECT_EQ(im[7667], 0x03);
    EXPECT_TRUE(BytesAt(im, 7712, {0x00, 0xCA, 0xDB}));  // password

    // Channels: CB CH-01 476.425 / 477.175 MHz; CB CH-22 and -23 receive
    // only; slot 77 is " CH-001 " and not in use.
    ChannelTable table(*hardware);
    table.Load(im);
    EXPECT_EQ(FormatFrequency(table.records[0].rxMHz), "476.42500");
    EXPECT_EQ(FormatFrequency(table.records[0].txMHz), "477.17500");
    EXPECT_TRUE(table.records[21].txOff);
    EXPECT_TRUE(table.records[22].txOff);
    EXPECT_EQ(table.records[77].tag, " CH-001 ");
    EXPECT_FALSE(table.IsInUse(77));
    EXPECT_TRUE(table.IsInUse(76));

    // The checksum is the 16-bit sum of bytes 2..7714.
    unsigned sum = 0;
    for (int i = 2; i <= 7714; ++i) sum += im[i];
    EXPECT_EQ((im[7725] << 8) | im[7726], int(sum & 0xFFFF));
}

TEST_F(ImageOps, RebuildClearsUnownedBytesButKeepsTheIdentityBytes) {
    RadioImage im = *radioImage;
    const int unowned[] = {113, 123, 209, 280, 288, 4497, 6696, 7708, 7727, 7770, 7806};
    for (int i : unowned) im[i] = 0xA5;
    im[7686] |= 0xF8;  // bits no block owns
    im[7078] |= 0x80;  // the group decode entry has neither a code nor auto TX
    im[7079] |= 0x01;
    for (int i = 7717; i <= 7720; ++i) im[i] = std::uint8_t(0x10 + i);
    im[0] = 0x4A;  // firmware nibbles that are no decimal digits
    im[1] = 0xBC;
    LoadPersistentBlocks(im);
    RebuildImage(im);
    EXPECT_TRUE(BytesAt(im, 0, {0x4A, 0xBC}));  // as read, not as the number 5122
    identity->firmwareVersion = 401;            // a version set by the program
    RebuildImage(im);
    EXPECT_TRUE(BytesAt(im, 0, {0x04, 0x01}));
    for (int i : unowned) EXPECT_EQ(im[i], 0) << i;
    EXPECT_EQ(im[7686] & 0xF8, 0);
    EXPECT_EQ(im[7078] & 0x80, 0);
    EXPECT_EQ(im[7079] & 0x01, 0);
    for (int i = 7717; i <= 7720; ++i) EXPECT_EQ(im[i], std::uint8_t(0x10 + i)) << i;
}

TEST_F(ImageOps, SwitchingToTwoToneDropsTheFiveToneRegionsForGood) {
    RadioImage im = *radioImage;
    signalingType->type = kTwoTone;
    SetSignalingType(im, kTwoTone);
    RebuildImage(im);
    // Only the user tones (6736-6765), written in both families, remain.
    for (int i = 6697; i <= 7567; ++i) {
        if (i < 6736 || i > 6765) {
            ASSERT_EQ(im[i], 0) << i;
        }
    }
    EXPECT_EQ(im[6736], 0x09);
    // The 2-tone systems are written while the radio is 2-tone.
    TwoToneSystems systems;
    systems.SetDefaults();
    systems.Store(im);
    RebuildImage(im);
    EXPECT_EQ(im[7614] & 0x02, 0x02);  // auto reset kept in a 2-tone image

    signalingType->type = kFiveTone;
    SetSignalingType(im, kFiveTone);
    RebuildImage(im);
    for (int i = 6697; i <= 6735; ++i) ASSERT_EQ(im[i], 0) << i;
    for (int i = 6766; i <= 7567; ++i) ASSERT_EQ(im[i], 0) << i;
    for (int i = 7614; i <= 7629; ++i) ASSERT_EQ(im[i], 0) << i;
}

// Rebuilding a rebuilt image of a real unit changes nothing: settings of
// every kind, with the hardware and channel frequencies of a real radio, stay
// put from the first rebuild on. (Images of any bytes, which may take a few
// rebuilds to settle, are the blocks fuzz target's.)
TEST_F(ImageOps, RebuildIsStable) {
    std::mt19937 rng(31);
    for (int round = 0; round < 20; ++round) {
        RadioImage im = *radioImage;
        for (int i = 2; i < 7667; ++i) {
            const int inSlot = (i - 297) % 25;
            const bool frequencyByte =
                i >= 297 && i <= 4496 && (inSlot == 2 || (inSlot >= 8 && inSlot <= 11));
            if (!frequencyByte) im[i] = std::uint8_t(rng());
        }
        LoadPersistentBlocks(im);
        RebuildImage(im);
        const RadioImage once = im;
        LoadPersistentBlocks(im);
        RebuildImage(im);
        ASSERT_EQ(im, once) << "round " << round;
    }
}

}  // namespace
}  // namespace kp07
