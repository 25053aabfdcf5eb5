#include "image/tone_codec.h"

#include <cstdio>

namespace kp07 {

const char* const kNoTransmitFrequency = "---.-----";
const char* const kNoToneText = "-------";

const std::array<int, 50> kCtcssTenths = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503,
    1598, 1655, 1713, 1773, 1835, 1899, 1966, 1995, 2065, 2291, 2541};

const std::array<int, 107> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    224, 225, 226, 243, 244, 245, 246, 250, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
    435, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565,
    606, 612, 624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

namespace {
constexpr unsigned kCtcssMark = 0x80;
constexpr unsigned kDcsMark = 0xC0;
constexpr unsigned kDcsBit = 0x40;
constexpr unsigned kInvertedBit = 0x20;
constexpr unsigned kBothBit = 0x10;
}  // namespace

Tone ReadTone(ConstBytes word) {
    const unsigned high = word.At(0);
    const unsigned value = (high & 0x0F) * 256 + word.At(1);
    Tone tone;
    if (high & kDcsBit) {
        tone.type = ToneType::kDcs;
        const unsigned d1 = (value / 64) % 8, d2 = (value / 8) % 8, d3 = value % 8;
        tone.dcsCode = int(d1 * 100 + d2 * 10 + d3);
        tone.inverted = (high & kInvertedBit) != 0;
        tone.both = (high & kBothBit) != 0;
    } else if (value != 0) {
        tone.type = ToneType::kCtcss;
        tone.ctcssTenths = int(value);
    }
    return tone;
}

void WriteTone(Bytes word, const Tone& tone) {
    unsigned high = 0, low = 0;
    if (tone.type == ToneType::kCtcss) {
        const unsigned value = unsigned(tone.ctcssTenths < 0 ? 0 : tone.ctcssTenths);
        low = value % 256;
        high = (value / 256) % 16 + kCtcssMark;
    } else if (tone.type == ToneType::kDcs) {
        const unsigned n = unsigned(tone.dcsCode < 0 ? 0 : tone.dcsCode);
        const unsigned codeWord = (n / 100) * 64 + ((n % 100) / 10) * 8 + n % 10;
        low = codeWord % 256;
        high = (codeWord / 256) % 16 + kDcsMark;
        if (tone.inverted) high += kInvertedBit;
        if (tone.both) high += kBothBit;
    }
    word.Put(0, std::uint8_t(high));
    word.Put(1, std::uint8_t(low));
}

bool IsValidCtcssHz(double hz) {
    return hz >= 67.0 && hz <= 254.1 + 1e-9;
}

bool IsValidDcsCode(int code) {
    if (code < 0 || code > 777) return false;
    for (int n = code; n > 0; n /= 10) {
        if (n % 10 > 7) return false;
    }
    return true;
}

std::string FormatFrequency(double mhz) {
    char text[64];
    std::snprintf(text, sizeof text, "%9.5f", mhz);
    return text;
}

std::string FormatTone(const Tone& tone, bool receive) {
    char text[64];
    switch (tone.type) {
        case ToneType::kCtcss:
            std::snprintf(text, sizeof text, "C-%5.1f", tone.ctcssTenths / 10.0);
            return text;
        case ToneType::kDcs: {
            char polarity = tone.inverted ? 'I' : (receive && tone.both ? 'B' : 'N');
            std::snprintf(text, sizeof text, "D-%.3d%c", tone.dcsCode, polarity);
            return text;
        }
        case ToneType::kOff:
            break;
    }
    return kNoToneText;
}

}  // namespace kp07
