#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "image/accessors.h"
#include "image/field_catalog.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

using test::BytesAt;
using test::FieldCatalog;
using test::FilledImage;

// Every setter, on images filled with 0xA5 and 0x5A, changes no bit outside
// the bits that the memory map gives its field, and reads back what it wrote.
TEST(Accessors, EverySetterKeepsEveryOtherBit) {
    std::mt19937 rng(7);
    for (const std::uint8_t fill : {std::uint8_t(0xA5), std::uint8_t(0x5A)}) {
        for (const auto& field : FieldCatalog()) {
            test::Footprint allowed;
            for (const auto& [offset, mask] : field.footprint) allowed[offset] |= mask;
            for (int round = 0; round < 8; ++round) {
                const RadioImage before = FilledImage(fill);
                RadioImage after = before;
                EXPECT_TRUE(field.setRandom(after, rng)) << field.name << " does not read back";
                ASSERT_TRUE(test::ChangedOnlyInside(allowed, before, after))
                    << field.name << ", fill 0x" << std::hex << int(fill);
            }
        }
    }
}

TEST(Accessors, EnabledNumberWrittenWithZeroKeepsItsNeighbours) {
    RadioImage im = FilledImage(0xFF);
    auto system = FiveToneSystemAt(im, 3);
    SetSystemCallCode(system, 0);
    EXPECT_EQ(im[6766 + 6 * 3 + 2], 0x60);  // b5-6 (flow) kept, b7 and b0-4 cleared
    EXPECT_EQ(GetSystemCallCode(FiveToneSystemAt(std::as_const(im), 3)), 0u);
    SetSystemCallCode(system, 32);
    EXPECT_EQ(im[6766 + 6 * 3 + 2], 0x80 | 0x60 | 31);
}

TEST(Accessors, ChannelBitmapsAddressSlotsByBitOfByte) {
    RadioImage im = FilledImage(0);
    SetScanListOp(im, 167, 1);
    EXPECT_EQ(im[92 + 20], 0x80);  // bit 7 of the 21st byte
    SetScanListOp(im, 0, 1);
    EXPECT_EQ(im[92], 0x01);
    SetScanListGr(im, 10, 1);
    EXPECT_EQ(im[7728 + 1], 0x04);
    // Slots outside 0..167 are neither read nor written.
    const RadioImage copy = im;
    SetScanListPri(im, 168, 1);
    SetScanListPri(im, -1, 1);
    EXPECT_EQ(im, copy);
    EXPECT_EQ(GetScanListOp(im, 168), 0u);
}

TEST(Accessors, TagsKeepTheTopTwoBitsAndStoreUnknownCharactersAsSpace) {
    RadioImage im = FilledImage(0xC0);
    SetGroupTag(im, 2, "ab?Z9()_");
    EXPECT_TRUE(BytesAt(
        im, 153 + 16,
        {0xC0 | 36, 0xC0 | 36, 0xC0 | 36, 0xC0 | 35, 0xC0 | 9, 0xC0 | 37, 0xC0 | 38, 0xC0 | 48}));
    EXPECT_EQ(GetGroupTag(im, 2), "   Z9()_");

    // Short tags are completed with spaces; codes 49-63 end a tag.
    SetGroupTag(im, 0, "  C  B");
    EXPECT_EQ(GetGroupTag(im, 0), "  C  B  ");
    im[153 + 3] = 0xC0 | 50;
    EXPECT_EQ(GetGroupTag(im, 0), "  C");

    // The power-on tag writes whole bytes.
    SetPowerOnTag(im, " KR-318 ");
    EXPECT_TRUE(BytesAt(im, 145, {36, 20, 27, 40}));  // " KR-"
}

TEST(Accessors, DtmfCodesPackDigitsAndLeaveUnusedBytes) {
    RadioImage im = FilledImage(0x77);
    SetSpeedDialCode(im, 0, "123");
    // Past the last digit the bytes are left as they were.
    EXPECT_TRUE(BytesAt(im, 9, {0x31, 0x23, 0x77}));
    SetSpeedDialCode(im, 1, "12");
    EXPECT_TRUE(BytesAt(im, 17, {0x21, 0x20}));  // the half byte after an even last digit is 0
    EXPECT_EQ(GetSpeedDialCode(im, 1), "12");

    SetAniCode(im, "");
    EXPECT_TRUE(BytesAt(im, 7630, {0x0F, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}));
    EXPECT_EQ(GetAniCode(im), "");

    // Lower case is stored upper case; 15 digits is the most a block holds.
    SetEmergencyCode(im, "a*#0123456789dcba");
    EXPECT_EQ(GetEmergencyCode(im), "A*#0123456789DC");
    EXPECT_EQ(im[7638], 0xFA);

    // Any byte content reads without leaving the 8 bytes.
    // A block of all FFh reads as 15 "#" and writes back as it was.
    for (int i = 0; i < 8; ++i) im[9 + 8 * 9 + i] = 0xFF;
    EXPECT_EQ(GetSpeedDialCode(im, 9), std::string(15, '#'));
    SetSpeedDialCode(im, 9, std::string(15, '#'));
    EXPECT_TRUE(BytesAt(im, 81, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(Accessors, SharedBytesKeepTheirOtherFields) {
    RadioImage im = FilledImage(0);
    SetGChannel(im, 40, 2);
    SetPChannel(im, 100, 5);
    EXPECT_EQ(im[90], 0x25);  // G group high nibble, P group low nibble
    SetPChannel(im, 0, 9);
    EXPECT_TRUE(BytesAt(im, 90, {0x20, 0}));
    EXPECT_EQ(GetPChannel(im), 0u);
    EXPECT_EQ(GetGChannel(im), 40u);

    SetDtmfPauseCode(im, "");
    im[2] = 0xFF;
    SetDtmfPauseCode(im, "");
    EXPECT_EQ(im[2], 0x07);  // b3-7 cleared, b0-2 kept
    SetDtmfPauseCode(im, "*");
    EXPECT_EQ(im[2], 0xEF);
    EXPECT_EQ(GetDtmfPauseCode(im), "*");
}

// The serial number's nibble order and the password are checked in the new
// image's bytes (image_ops_test); the firmware version is BCD.
TEST(Accessors, FirmwareVersionIsBcd) {
    RadioImage im = FilledImage(0);
    SetFirmwareVersion(im, 400);
    EXPECT_TRUE(BytesAt(im, 0, {0x04, 0x00}));
    im[0] = 0x03;
    im[1] = 0x99;
    EXPECT_EQ(GetFirmwareVersion(im), 399u);
}

TEST(Accessors, ChannelSelectorsAndSplitFields) {
    RadioImage im = FilledImage(0);
    auto rec = ChannelRecordAt(im, 0);
    SetChannelSignaling(rec, {3, 5});
    EXPECT_EQ(im[297 + 3], 3 * 64 + 5);
    SetChannelSignaling(rec, {1, 5});
    EXPECT_EQ(im[297 + 3], 64 + 4);
    SetChannelSignaling(rec, {2, 0});
    EXPECT_EQ(im[297 + 3], 0);
    EXPECT_EQ(GetChannelSignaling(rec), (SignalingSelector{0, 0}));

    SetChannelBandwidth(rec, 2);
    EXPECT_EQ(im[297] & 0x40, 0x40);
    SetChannelBandwidth(rec, 1);
    EXPECT_EQ(im[297] & 0x40, 0);
    EXPECT_EQ(im[298] & 0x08, 0x08);
    EXPECT_EQ(GetChannelBandwidth(rec), 1u);

    SetChannelEncryption(rec, 2);
    EXPECT_EQ(im[298] & 0x14, 0x04);

    // The 5-tone decode code selector: 0, 1 and n from 2.
    auto dec = FiveToneDecodeAt(im, 0);
    SetDecodeTranspondCode(dec, 1);
    EXPECT_EQ(im[6958], 32);
    EXPECT_EQ(im[6963] & 0x80, 0x80);
    SetDecodeTranspondCode(dec, 2);
    EXPECT_EQ(im[6958], 0);
    SetDecodeTranspondCode(dec, 0);
    EXPECT_EQ(im[6963] & 0x80, 0);

    // 5-tone digits are read from the last byte down, low nibble first.
    SetDecodeNumber(dec, "12345");
    EXPECT_TRUE(BytesAt(im, 6959, {0xFF, 0xF5, 0x43, 0x21}));
    EXPECT_EQ(GetDecodeNumber(dec), "12345");
}

TEST(Accessors, EmergencyChannelStoresTheGroupOfItsChannel) {
    RadioImage im = FilledImage(0);
    const unsigned sizes[7] = {77, 16, 16, 16, 16, 16, 11};
    for (int g = 0; g < 7; ++g) im[281 + g] = std::uint8_t(sizes[g]);
    im[141] = 0x20;  // silent mode survives
    SetEmergencyChannel(im, 79);
    EXPECT_TRUE(BytesAt(im, 141, {0x80 | 0x20 | 1, 77}));
    EXPECT_EQ(GetEmergencyChannel(im), 79u);
    SetEmergencyChannel(im, 2);
    EXPECT_EQ(im[142], 0);
    EXPECT_EQ(im[141] & 0x0F, 0);
    SetEmergencyChannel(im, 1);
    EXPECT_EQ(im[141], 0x40 | 0x20);
}

// Random images through every getter and every setter with random values;
// run in the sanitizer build this proves nothing reads or writes outside the
// buffer whatever the image holds.
TEST(Accessors, RandomImagesThroughEveryAccessor) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 10000; ++round) {
        RadioImage im = test::RandomImage(rng);
        for (const auto& field : FieldCatalog()) {
            field.get(im);
            field.setRandom(im, rng);
        }
    }
}

TEST(Accessors, IndexesOutsideTheirTablesDoNothing) {
    RadioImage im = FilledImage(0x3C);
    const RadioImage before = im;
    // Each setter with the size of its table.
    const std::pair<std::function<void(int)>, int> setters[] = {
        {[&](int i) { SetGroupChannelCount(im, i, 9); }, 7},
        {[&](int i) { SetGroupTag(im, i, "XXXXXXXX"); }, 7},
        {[&](int i) { SetGroupType(im, i, 1); }, 7},
        {[&](int i) { SetKeyFunction(im, i, 1); }, 12},
        {[&](int i) { SetSpeedDialCode(im, i, "1"); }, 10},
        {[&](int i) { SetPageCode(im, i, "123"); }, 10},
        {[&](int i) { SetUserTone(im, i, 1000); }, 15},
        {[&](int i) { SetFormatPeriod(im, i, 1); }, 12},
        {[&](int i) { SetPairFirstTone(im, i, 1); }, 10},
        {[&](int i) { SetChannelTag(ChannelRecordAt(im, i), "ZZZZZZZZ"); }, 168},
        {[&](int i) { SetDecodeTag(DecodeOptionsAt(im, i), "ZZZZZZZZ"); }, 9},
        {[&](int i) { SetDecodeNumber(FiveToneDecodeAt(im, i), "1"); }, 8},
        {[&](int i) { SetEncodeTag(FiveToneEncodeAt(im, i), "ZZZZZZZZ"); }, 32},
        {[&](int i) { SetSystemDuty(FiveToneSystemAt(im, i), 1); }, 32},
        {[&](int i) { SetTwoToneFirstPair(im, i, 3); }, 16},
    };
    for (const auto& [set, size] : setters) {
        for (int i : {-1000, -1, size, 1 << 20}) set(i);
    }
    for (int far : {-1000, -1, 7, 1 << 20}) {
        EXPECT_EQ(GetGroupChannelCount(im, far), 0u);
        (void)GetGroupTag(im, far);
        (void)GetChannelTag(ChannelRecordAt(std::as_const(im), far * 24));
    }
    EXPECT_EQ(im, before);
}

}  // namespace
}  // namespace kp07
