// The kinds of field the radio's memory uses. A descriptor says where a field
// lies (byte offset, bits) and its Value type says what its getter returns.
// Offsets are from the start of the image, or from the start of a record for
// record fields.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kp07 {

// A CTCSS or DCS tone as stored in a two-byte tone word.
enum class ToneType { kOff = 0, kCtcss = 1, kDcs = 2 };

struct Tone {
    ToneType type = ToneType::kOff;
    int ctcssTenths = 0;  // CTCSS tone in tenths of a hertz (67.0 Hz = 670)
    int dcsCode = 0;      // DCS code as the decimal number of its octal digits (023 = 23)
    bool inverted = false;
    bool both = false;  // decode both polarities (receive tone only)
    bool operator==(const Tone& o) const {
        return type == o.type && ctcssTenths == o.ctcssTenths && dcsCode == o.dcsCode &&
               inverted == o.inverted && both == o.both;
    }
};

// The signaling byte of a channel: type 0 none, 1 signal, 2 page, 3 option.
struct SignalingSelector {
    unsigned type = 0;
    unsigned number = 0;
    bool operator==(const SignalingSelector& o) const {
        return type == o.type && number == o.number;
    }
};

// A channel reference (the P and G channels): slot + 1 (0 = none) and the
// group that holds the slot.
struct ChannelReference {
    unsigned channel = 0;
    unsigned group = 0;
};

using FlagArray = std::array<std::uint8_t, 8>;

namespace kind {

// A bit range of one byte; width 1 is a flag, shift 0 width 8 a whole byte.
// With anyNonZeroIsOne a flag setter stores 1 for every non-zero value.
struct Bits {
    using Value = unsigned;
    std::uint16_t offset;
    std::uint8_t shift;
    std::uint8_t width;
    bool anyNonZeroIsOne = false;
};

// Two bytes, high byte first.
struct Be16 {
    using Value = unsigned;
    std::uint16_t offset;
};

// A 14-bit count: b0-5 of the first byte and all of the second.
struct Count14 {
    using Value = unsigned;
    std::uint16_t offset;
};

// Eight one-bit options in one byte, option k in bit k.
struct FlagSet {
    using Value = FlagArray;
    std::uint16_t offset;
};

// b7 = enabled, b0-4 = number - 1; b5-6 belong to another field.
struct EnabledNumber {
    using Value = unsigned;
    std::uint16_t offset;
};

// One bit per channel slot over 21 bytes: slot i in bit (i mod 8) of byte i/8.
struct ChannelBitmap {
    std::uint16_t offset;
};

// Eight characters in the low six bits of eight bytes. With wholeBytes the
// setter writes entire bytes (the top two bits become 0); otherwise the top
// two bits belong to other fields and are kept.
struct Tag {
    using Value = std::string;
    std::uint16_t offset;
    bool wholeBytes = false;
};

// Eight bytes: (digit count x 16 + first digit), then two digits per byte.
struct DtmfCode {
    using Value = std::string;
    std::uint16_t offset;
};

// DTMF digits packed as nibbles, high nibble first, from nibble `firstNibble`
// of the byte at `offset` (0 = high nibble of that byte).
struct DtmfDigits {
    using Value = std::string;
    std::uint16_t offset;
    std::uint8_t firstNibble;
    std::uint8_t count;
};

// Up to 8 hexadecimal tone digits in bytes offset..offset+3, read from the
// last byte backwards, low nibble first; the nibble 15 ends the string.
struct ToneDigits {
    using Value = std::string;
    std::uint16_t offset;
};

// Four decimal digits in two bytes, high nibble first.
struct Bcd4 {
    using Value = unsigned;
    std::uint16_t offset;
};

// A tone word: two bytes, type bits and a 12-bit value.
struct ToneWord {
    using Value = Tone;
    std::uint16_t offset;
};

// A 17-bit synthesizer step count: 16 bits at `offset` and bit 16 as one bit
// of the byte at `highOffset`.
struct StepCount {
    using Value = std::uint32_t;
    std::uint16_t offset;
    std::uint16_t highOffset;
    std::uint8_t highShift;
};

// A run of whole bytes, both ends included, that is compared or copied as raw
// bytes (the clone link carries some factory data this way).
struct ByteRange {
    std::uint16_t first;
    std::uint16_t last;
};

// Where an array of equal records lies.
struct Table {
    std::uint16_t base;
    std::uint16_t stride;
    std::uint16_t count;
};

}  // namespace kind
}  // namespace kp07
