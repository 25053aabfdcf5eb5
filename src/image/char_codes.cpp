#include "image/char_codes.h"

#include <cctype>
#include <cstring>

namespace kp07 {
namespace {
constexpr char kSpecials[] = " ()+-=*/[\\]:_";  // codes 36-48
constexpr int kFirstSpecial = 36;
constexpr int kSpecialCount = sizeof(kSpecials) - 1;

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
}  // namespace

char CodeToChar(int code) {
    if (code >= 0 && code <= 9) return static_cast<char>('0' + code);
    if (code >= 10 && code <= 35) return static_cast<char>('A' + code - 10);
    if (code >= kFirstSpecial && code < kFirstSpecial + kSpecialCount) {
        return kSpecials[code - kFirstSpecial];
    }
    return '\0';
}

int CharToCode(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c != '\0') {
        if (const char* p = std::strchr(kSpecials, c)) return kFirstSpecial + int(p - kSpecials);
    }
    return kTagSpaceCode;
}

char DtmfToChar(int code) {
    static constexpr char kDigits[] = "0123456789ABCD*#";
    if (code < 0 || code > 15) return '-';
    return kDigits[code];
}

int CharToDtmf(char c) {
    if (c == '*') return 14;
    if (c == '#') return 15;
    const char u = Upper(c);
    if (u < ':') return u - '0';
    if (u < 'E') return u - 55;
    return 0;
}

char HexToChar(int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    if (value < 0 || value > 15) return '0';
    return kDigits[value];
}

int CharToHex(char c) {
    const char u = Upper(c);
    if (u < ':') return u - '0';
    if (u < 'G') return u - 55;
    return 0;
}

}  // namespace kp07
