#include "image/field_access.h"

#include <cctype>

#include "image/char_codes.h"
#include "image/tone_codec.h"

namespace kp07::access {
namespace {

constexpr int kTagLength = 8;
constexpr int kDtmfCodeMaxDigits = 15;
constexpr int kToneDigitBytes = 4;

unsigned Mask(unsigned width) {
    return width >= 8 ? 0xFFu : ((1u << width) - 1u);
}

unsigned Nibble(ConstBytes b, std::size_t offset, int index) {
    const unsigned byte = b.At(offset + std::size_t(index / 2));
    return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

void PutNibble(Bytes b, std::size_t offset, int index, unsigned value) {
    const std::size_t at = offset + std::size_t(index / 2);
    const unsigned byte = b.At(at);
    value &= 0x0F;
    b.Put(at, std::uint8_t(index % 2 == 0 ? (byte & 0x0F) | (value << 4) : (byte & 0xF0) | value));
}

}  // namespace

unsigned Read(ConstBytes b, kind::Bits f) {
    return (unsigned(b.At(f.offset)) >> f.shift) & Mask(f.width);
}

void Write(Bytes b, kind::Bits f, unsigned value) {
    if (f.anyNonZeroIsOne && value != 0) value = 1;
    const unsigned mask = Mask(f.width) << f.shift;
    const unsigned byte = b.At(f.offset);
    b.Put(f.offset, std::uint8_t((byte & ~mask) | ((value << f.shift) & mask)));
}

unsigned Read(ConstBytes b, kind::Be16 f) {
    return unsigned(b.At(f.offset)) << 8 | b.At(f.offset + 1u);
}

void Write(Bytes b, kind::Be16 f, unsigned value) {
    b.Put(f.offset, std::uint8_t((value >> 8) & 0xFF));
    b.Put(f.offset + 1u, std::uint8_t(value & 0xFF));
}

unsigned Read(ConstBytes b, kind::Count14 f) {
    return (unsigned(b.At(f.offset)) & 0x3F) << 8 | b.At(f.offset + 1u);
}

void Write(Bytes b, kind::Count14 f, unsigned value) {
    b.Put(f.offset, std::uint8_t((b.At(f.offset) & 0xC0) | ((value >> 8) & 0x3F)));
    b.Put(f.offset + 1u, std::uint8_t(value & 0xFF));
}

FlagArray Read(ConstBytes b, kind::FlagSet f) {
    FlagArray flags{};
    const unsigned byte = b.At(f.offset);
    for (unsigned k = 0; k < flags.size(); ++k) flags[k] = (byte >> k) & 1u;
    return flags;
}

void Write(Bytes b, kind::FlagSet f, const FlagArray& value) {
    unsigned byte = 0;
    for (unsigned k = 0; k < value.size(); ++k) {
        if (value[k]) byte |= 1u << k;
    }
    b.Put(f.offset, std::uint8_t(byte));
}

unsigned Read(ConstBytes b, kind::EnabledNumber f) {
    const unsigned byte = b.At(f.offset);
    return (byte & 0x80) ? (byte & 0x1F) + 1 : 0;
}

void Write(Bytes b, kind::EnabledNumber f, unsigned value) {
    unsigned byte = b.At(f.offset) & 0x60;
    if (value != 0) byte |= 0x80 | ((value - 1) & 0x1F);
    b.Put(f.offset, std::uint8_t(byte));
}

std::string Read(ConstBytes b, kind::Tag f) {
    std::string text;
    for (int i = 0; i < kTagLength; ++i) {
        const char c = CodeToChar(b.At(f.offset + std::size_t(i)) & 0x3F);
        if (c == '\0') break;
        text += c;
    }
    return text;
}

void Write(Bytes b, kind::Tag f, const std::string& value) {
    for (int i = 0; i < kTagLength; ++i) {
        const std::size_t at = f.offset + std::size_t(i);
        const int code = i < int(value.size()) ? CharToCode(value[std::size_t(i)]) : kTagSpaceCode;
        const unsigned keep = f.wholeBytes ? 0u : (b.At(at) & 0xC0u);
        b.Put(at, std::uint8_t(keep | unsigned(code)));
    }
}

std::string Read(ConstBytes b, kind::DtmfCode f) {
    const unsigned first = b.At(f.offset);
    if (first < 16) return {};
    const int count = int(first >> 4);  // at most 15 by construction
    std::string text(1, DtmfToChar(int(first & 0x0F)));
    for (int i = 1; i < count; ++i) text += DtmfToChar(int(Nibble(b, f.offset + 1u, i - 1)));
    return text;
}

void Write(Bytes b, kind::DtmfCode f, const std::string& value) {
    const int count = int(value.size() < kDtmfCodeMaxDigits ? value.size() : kDtmfCodeMaxDigits);
    if (count == 0) {
        b.Put(f.offset, 0x0F);
        return;
    }
    b.Put(f.offset, std::uint8_t(count << 4 | (CharToDtmf(value[0]) & 0x0F)));
    for (int i = 1; i < count; ++i) {
        PutNibble(b, f.offset + 1u, i - 1, unsigned(CharToDtmf(value[std::size_t(i)])));
        // A last digit in a high nibble leaves the low half of its byte 0.
        if (i == count - 1 && (i - 1) % 2 == 0) PutNibble(b, f.offset + 1u, i, 0);
    }
}

std::string Read(ConstBytes b, kind::DtmfDigits f) {
    std::string text;
    for (int i = 0; i < f.count; ++i)
        text += DtmfToChar(int(Nibble(b, f.offset, f.firstNibble + i)));
    return text;
}

void Write(Bytes b, kind::DtmfDigits f, const std::string& value) {
    for (int i = 0; i < f.count; ++i) {
        const unsigned code =
            i < int(value.size()) ? unsigned(CharToDtmf(value[std::size_t(i)])) : 0u;
        PutNibble(b, f.offset, f.firstNibble + i, code);
    }
}

std::string Read(ConstBytes b, kind::ToneDigits f) {
    std::string text;
    for (int i = 0; i < 2 * kToneDigitBytes; ++i) {
        const unsigned byte = b.At(f.offset + std::size_t(kToneDigitBytes - 1 - i / 2));
        const unsigned nibble = i % 2 == 0 ? byte & 0x0F : byte >> 4;
        if (nibble == 15) break;
        text += HexToChar(int(nibble));
    }
    return text;
}

void Write(Bytes b, kind::ToneDigits f, const std::string& value) {
    std::size_t length = value.size();
    while (length > 0 && value[length - 1] == ' ') --length;
    for (int i = 0; i < 2 * kToneDigitBytes; ++i) {
        const unsigned nibble =
            std::size_t(i) < length ? unsigned(CharToHex(value[std::size_t(i)])) & 0x0F : 15u;
        const std::size_t at = f.offset + std::size_t(kToneDigitBytes - 1 - i / 2);
        const unsigned byte = b.At(at);
        b.Put(at, std::uint8_t(i % 2 == 0 ? (byte & 0xF0) | nibble : (byte & 0x0F) | nibble << 4));
    }
}

unsigned Read(ConstBytes b, kind::Bcd4 f) {
    const unsigned hi = b.At(f.offset), lo = b.At(f.offset + 1u);
    return (hi >> 4) * 1000 + (hi & 0x0F) * 100 + (lo >> 4) * 10 + (lo & 0x0F);
}

void Write(Bytes b, kind::Bcd4 f, unsigned value) {
    const unsigned d[4] = {value / 1000 % 10, value / 100 % 10, value / 10 % 10, value % 10};
    b.Put(f.offset, std::uint8_t(d[0] << 4 | d[1]));
    b.Put(f.offset + 1u, std::uint8_t(d[2] << 4 | d[3]));
}

Tone Read(ConstBytes b, kind::ToneWord f) {
    return ReadTone(b.Sub(f.offset, 2));
}

void Write(Bytes b, kind::ToneWord f, const Tone& value) {
    WriteTone(b.Sub(f.offset, 2), value);
}

std::uint32_t Read(ConstBytes b, kind::StepCount f) {
    const std::uint32_t high = (b.At(f.highOffset) >> f.highShift) & 1u;
    return high << 16 | Read(b, kind::Be16{f.offset});
}

void Write(Bytes b, kind::StepCount f, std::uint32_t value) {
    Write(b, kind::Bits{f.highOffset, f.highShift, 1}, value >= 0x10000u ? 1u : 0u);
    Write(b, kind::Be16{f.offset}, value & 0xFFFFu);
}

unsigned ReadBit(ConstBytes b, kind::ChannelBitmap f, int slot) {
    if (slot < 0 || slot >= 168) return 0;
    return Read(b, kind::Bits{std::uint16_t(f.offset + slot / 8), std::uint8_t(slot % 8), 1});
}

void WriteBit(Bytes b, kind::ChannelBitmap f, int slot, unsigned value) {
    if (slot < 0 || slot >= 168) return;
    Write(b, kind::Bits{std::uint16_t(f.offset + slot / 8), std::uint8_t(slot % 8), 1}, value & 1u);
}

ConstBytes Entry(ConstBytes image, kind::Table t, int index) {
    if (index < 0 || index >= t.count) return {};
    return image.Sub(t.base + std::size_t(t.stride) * std::size_t(index), t.stride);
}

Bytes Entry(Bytes image, kind::Table t, int index) {
    if (index < 0 || index >= t.count) return {};
    return image.Sub(t.base + std::size_t(t.stride) * std::size_t(index), t.stride);
}

}  // namespace kp07::access
