#include <gtest/gtest.h>

#include "image/char_codes.h"
#include "image/frequency_codec.h"
#include "image/tone_codec.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

constexpr int kSlot0 = 297;

TEST(FrequencyCodec, EmptyCountReadsAsTheBandsPlaceholder) {
    RadioImage im = test::FilledImage(0);
    const auto rec = ChannelRecordAt(std::as_const(im), 0);
    EXPECT_EQ(FormatFrequency(ReadRxFrequency(rec, 1, 1, false, 50.85, 1)), "150.00000");
    EXPECT_EQ(FormatFrequency(ReadRxFrequency(rec, 1, 2, true, 50.85, 0)), "450.00000");
    const TxFrequency tx = ReadTxFrequency(rec, 1, 2, true, 470.0, 440.0, 500.0);
    EXPECT_EQ(tx.mhz, 450.0);
    EXPECT_FALSE(tx.inhibited);
}

TEST(FrequencyCodec, ReceiveCountCarriesTheIfAndBit16) {
    RadioImage im = test::FilledImage(0);
    auto rec = ChannelRecordAt(im, 0);
    // 476.425 MHz, IF 50.85 MHz below (side 0), table B of step code 2
    // (6250 Hz): (476.425 - 50.85) MHz / 6250 Hz = 68092 = 0x109FC.
    WriteRxFrequency(rec, 476.425, 1, 2, 50.85, 0);
    EXPECT_EQ(im[kSlot0 + 2] & 0x80, 0x80);
    EXPECT_TRUE(test::BytesAt(im, kSlot0 + 8, {0x09, 0xFC}));
    EXPECT_EQ(FormatFrequency(ReadRxFrequency(rec, 1, 2, true, 50.85, 0)), "476.42500");

    // A later smaller count clears bit 16 again.
    WriteRxFrequency(rec, 146.0, 1, 1, 50.85, 1);  // (146 + 50.85) MHz / 6250 = 31496
    EXPECT_EQ(im[kSlot0 + 2] & 0x80, 0);
    EXPECT_EQ((im[kSlot0 + 8] << 8) | im[kSlot0 + 9], 31496);
    EXPECT_EQ(FormatFrequency(ReadRxFrequency(rec, 1, 1, false, 50.85, 1)), "146.00000");

    // The transmit count uses byte 2 b6 as its bit 16 and no IF.
    WriteTxFrequency(rec, 477.175, 1, 2);  // 76348 = 0x12A3C
    EXPECT_EQ(im[kSlot0 + 2] & 0x40, 0x40);
    EXPECT_TRUE(test::BytesAt(im, kSlot0 + 10, {0x2A, 0x3C}));
    WriteTxFrequency(rec, 150.0, 0, 1);  // 30000
    EXPECT_EQ(im[kSlot0 + 2] & 0x40, 0);
}

TEST(FrequencyCodec, FloatingPointShortfallIsRoundedUpToTheStep) {
    RadioImage im = test::FilledImage(0);
    auto rec = ChannelRecordAt(im, 0);
    // 0.0124999999 MHz is 12499 Hz after truncation: taken as 12500 = 5 x 2500.
    WriteTxFrequency(rec, 0.0124999999, 0, 0);
    EXPECT_EQ(im[kSlot0 + 11], 5);
    // Writing exactly 0 clears the count and keeps bit 16.
    im[kSlot0 + 2] = 0x40;
    WriteTxFrequency(rec, 0.0, 0, 0);
    EXPECT_TRUE(test::BytesAt(im, kSlot0 + 10, {0, 0}));
    EXPECT_EQ(im[kSlot0 + 2], 0x40);
}

TEST(FrequencyCodec, FrequenciesOutsideTheCountTakeItsEnds) {
    // 17 bits of 2500 Hz (table A of step code 0) reach 327.6775 MHz. A
    // factory-mode unit on that step code may be given limits up to 610 MHz;
    // what lies beyond the count must not wrap around to a low frequency or
    // to a count of 0, which reads as an empty channel. Nor may a frequency
    // below one step (a damaged unit's limits reach below zero).
    struct Case {
        double mhz;
        int stepFlag;
        unsigned stepCode;
        int count;
    };
    const Case cases[] = {
        {327.6775, 0, 0, 0x1FFFF},  // the largest count itself
        {400.0, 0, 0, 0x1FFFF},     // would have wrapped to 28928 (72.32 MHz)
        {409.6, 1, 0, 0x1FFFF},     // 131072 x 3125 Hz: would have wrapped to 0
        {1e9, 1, 3, 0x1FFFF},      {150.0, 0, 1, 30000},  // in range: unchanged
        {0.0015, 0, 0, 1},         {-5.0, 1, 2, 1},       // below one step
    };
    for (const Case& c : cases) {
        RadioImage im = test::FilledImage(0);
        auto rec = ChannelRecordAt(im, 0);
        WriteTxFrequency(rec, c.mhz, c.stepFlag, c.stepCode);
        const int count =
            ((im[kSlot0 + 2] >> 6) & 1) << 16 | im[kSlot0 + 10] << 8 | im[kSlot0 + 11];
        EXPECT_EQ(count, c.count) << c.mhz;
        WriteRxFrequency(rec, c.mhz + 50.85, c.stepFlag, c.stepCode, 50.85, 0);
        const int rxCount = (im[kSlot0 + 2] >> 7) << 16 | im[kSlot0 + 8] << 8 | im[kSlot0 + 9];
        EXPECT_EQ(rxCount, c.count) << c.mhz;
    }
}

TEST(FrequencyCodec, TransmitMarksAndLimits) {
    RadioImage im = test::FilledImage(0);
    auto rec = ChannelRecordAt(im, 0);
    // 300.0 MHz (48000 x 6250 Hz) marks a receive-only channel.
    im[kSlot0 + 10] = 48000 >> 8;
    im[kSlot0 + 11] = 48000 & 0xFF;
    TxFrequency tx = ReadTxFrequency(rec, 1, 2, true, 462.5, 440.0, 500.0);
    EXPECT_TRUE(tx.inhibited);
    EXPECT_EQ(tx.mhz, 462.5);
    // 50.0 MHz (10000 x 5000 Hz) likewise.
    im[kSlot0 + 10] = 10000 >> 8;
    im[kSlot0 + 11] = 10000 & 0xFF;
    tx = ReadTxFrequency(rec, 0, 1, false, 150.5, 136.0, 184.0);
    EXPECT_TRUE(tx.inhibited);
    EXPECT_EQ(tx.mhz, 150.5);
    // Outside the hardware limits the transmit frequency follows the receive one.
    WriteTxFrequency(rec, 430.0, 1, 2);
    tx = ReadTxFrequency(rec, 1, 2, true, 462.5, 440.0, 500.0);
    EXPECT_FALSE(tx.inhibited);
    EXPECT_EQ(tx.mhz, 462.5);
    WriteTxFrequency(rec, 467.5, 1, 2);
    EXPECT_EQ(FormatFrequency(ReadTxFrequency(rec, 1, 2, true, 462.5, 440.0, 500.0).mhz),
              "467.50000");
}

TEST(FrequencyCodec, PlaceOnRaster) {
    // A multiple of the 6250 Hz raster stays as typed, on table B.
    RasterPlacement p = PlaceOnRaster(462.5625, 2, 440.0, 500.0);
    EXPECT_EQ(p.mhz, 462.5625);
    EXPECT_EQ(p.stepFlag, 1);
    // Nearer multiple of 5000 Hz (146.005) than of 6250 Hz (146.00625).
    p = PlaceOnRaster(146.0031, 1, 136.0, 184.0);
    EXPECT_EQ(FormatFrequency(p.mhz), "146.00500");
    EXPECT_EQ(p.stepFlag, 0);
    // A multiple of the table-A step only.
    p = PlaceOnRaster(146.005, 1, 136.0, 184.0);
    EXPECT_EQ(p.stepFlag, 0);
    // The raster wins when it is nearer: 146.0061 -> 146.00625.
    p = PlaceOnRaster(146.0061, 1, 136.0, 184.0);
    EXPECT_EQ(FormatFrequency(p.mhz), "146.00625");
    EXPECT_EQ(p.stepFlag, 1);
    // On a tie the table-A step wins: with 10 kHz and 12.5 kHz steps the next
    // multiple of both above 450.0475 MHz is 450.05 MHz.
    p = PlaceOnRaster(450.0475, 3, 440.0, 500.0);
    EXPECT_EQ(FormatFrequency(p.mhz), "450.05000");
    EXPECT_EQ(p.stepFlag, 0);
    // With step code 3 a 12.5 kHz multiple is on the raster.
    p = PlaceOnRaster(450.0125, 3, 440.0, 500.0);
    EXPECT_EQ(p.stepFlag, 1);
    // Typed values are clamped into the hardware limits first.
    EXPECT_EQ(PlaceOnRaster(700.0, 2, 440.0, 500.0).mhz, 500.0);
    EXPECT_EQ(PlaceOnRaster(146.0, 2, 440.0, 500.0).mhz, 440.0);
    EXPECT_EQ(PlaceOnRaster(0.0, 2, 0.0, 500.0).stepFlag, 0);
}

TEST(ToneCodec, WordsOfEachType) {
    const struct {
        Tone tone;
        int high, low;  // the word's two bytes
    } cases[] = {
        {Tone{ToneType::kDcs, 0, 23, true, false}, 224, 19},
        {Tone{ToneType::kDcs, 0, 754, false, true}, 192 + 16 + 1, 492 - 256},  // word 492
        {Tone{ToneType::kCtcss, 670, 0, false, false}, 128 + 2, 670 - 512},
        {Tone{}, 0, 0},
    };
    for (const auto& c : cases) {
        const std::string label = FormatTone(c.tone, true);
        std::uint8_t word[2] = {0xFF, 0xFF};
        Bytes bytes(word, 2);
        WriteTone(bytes, c.tone);
        EXPECT_EQ(word[0], c.high) << label;
        EXPECT_EQ(word[1], c.low) << label;
        EXPECT_EQ(ReadTone(bytes), c.tone) << label;
    }

    // Reading ignores b7: a value without it is still CTCSS.
    std::uint8_t word[2] = {0x02, 0x9E};
    EXPECT_EQ(ReadTone(Bytes(word, 2)).ctcssTenths, 670);
}

TEST(ToneCodec, DisplayForms) {
    EXPECT_EQ(FormatTone(Tone{ToneType::kCtcss, 670, 0, false, false}, false), "C- 67.0");
    EXPECT_EQ(FormatTone(Tone{ToneType::kCtcss, 2541, 0, false, false}, true), "C-254.1");
    EXPECT_EQ(FormatTone(Tone{ToneType::kDcs, 0, 23, false, false}, true), "D-023N");
    EXPECT_EQ(FormatTone(Tone{ToneType::kDcs, 0, 23, true, false}, false), "D-023I");
    EXPECT_EQ(FormatTone(Tone{ToneType::kDcs, 0, 23, false, true}, true), "D-023B");
    EXPECT_EQ(FormatTone(Tone{ToneType::kDcs, 0, 23, false, true}, false), "D-023N");
    EXPECT_EQ(FormatTone(Tone{}, true), "-------");
    EXPECT_EQ(FormatFrequency(476.425), "476.42500");
}

// Which typed tones are accepted is checked where they are typed
// (channel_editing_test).
TEST(ToneCodec, ChoiceLists) {
    EXPECT_EQ(kCtcssTenths.front(), 670);
    EXPECT_EQ(kCtcssTenths[38], 2503);  // 250.3, then the list continues at 159.8
    EXPECT_EQ(kCtcssTenths[39], 1598);
    EXPECT_EQ(kCtcssTenths.back(), 2541);
    EXPECT_EQ(kDcsCodes.front(), 23);
    EXPECT_EQ(kDcsCodes[16], 114);
    EXPECT_EQ(kDcsCodes.back(), 754);
}

// Every code of each alphabet, and what every 7-bit character is stored as.
TEST(CharCodes, Alphabets) {
    std::string tags, dtmf, hex;
    for (int code = 0; code < 64; ++code) tags += CodeToChar(code);
    for (int code = 0; code <= 16; ++code) dtmf += DtmfToChar(code);
    for (int value = 0; value <= 16; ++value) hex += HexToChar(value);
    const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ ()+-=*/[\\]:_";
    EXPECT_EQ(tags, alphabet + std::string(15, '\0'));
    EXPECT_EQ(dtmf, "0123456789ABCD*#-");
    EXPECT_EQ(hex, "0123456789ABCDEF0");
    for (int c = 0; c < 256; ++c) {
        const std::size_t at = alphabet.find(char(c));
        EXPECT_EQ(CharToCode(char(c)), c && at != std::string::npos ? int(at) : 36) << c;
    }

    const std::pair<char, int> dtmfCodes[] = {{'a', 10}, {'D', 13}, {'e', 0},
                                              {'*', 14}, {'#', 15}, {'7', 7}};
    for (const auto& [c, code] : dtmfCodes) EXPECT_EQ(CharToDtmf(c), code) << c;
    const std::pair<char, int> hexValues[] = {{'f', 15}, {'g', 0}, {'9', 9}};
    for (const auto& [c, value] : hexValues) EXPECT_EQ(CharToHex(c), value) << c;
}

}  // namespace
}  // namespace kp07
