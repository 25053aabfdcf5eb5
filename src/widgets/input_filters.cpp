#include "widgets/input_filters.h"

#include <cstring>

namespace kp07 {
namespace {

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

// Upper-cases an ASCII letter; everything else is returned as it is.
int Upper(int c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

bool IsLetterIn(int c, char first, char last) {
    const int u = Upper(c);
    return u >= first && u <= last;
}

// Printable 7-bit characters, from the blank to the tilde.
bool IsPrintable7(int c) {
    return c >= 0x20 && c <= 0x7e;
}

// The low seven bits of an 8-bit character; a wider code point cannot be
// stored by the radio and gives 0, which no rule accepts.
int Low7(int c) {
    return c >= 0 && c <= 0xff ? c & 0x7f : 0;
}

bool IsOneOf(int c, const char* set) {
    return c > 0 && c < 0x80 && std::strchr(set, c) != nullptr;
}

// The 19 characters that the dialogs' tag fields refuse.
constexpr const char kTagFieldRefused[] = "!\"#$%&',.;<>?@^{|}~";
// The 8 that the grid's tag cells refuse.
constexpr const char kTagCellRefused[] = "!,#%&.;~";

}  // namespace

bool FilterAcceptsChar(int kind, int c, int caret) {
    if (c == kBackspaceChar) return true;
    switch (kind) {
        case kFilterDecimal:
            return IsDigit(c) || c == '.' || c == ' ';
        case kFilterSigned:
            return IsDigit(c) || c == ' ' || c == '-' || c == '+';
        case kFilterDtmf:
            return IsDigit(c) || IsLetterIn(c, 'A', 'D') || c == '#' || c == '*';
        case kFilterTag: {
            const int low = Low7(c);
            return IsPrintable7(low) && !IsOneOf(low, kTagFieldRefused);
        }
        case kFilterSignedDecimal:
            return IsDigit(c) || c == '.' || c == ' ' || c == '-' || c == '+';
        case kFilterDigitsSpace:
            return IsDigit(c) || c == ' ';
        case kFilterHex:
            return IsDigit(c) || IsLetterIn(c, 'A', 'F');
        case kFilterDigits:
            return IsDigit(c);
        case kFilterLetterAtSecond:
            return caret == 1 ? IsLetterIn(c, 'C', 'N') : IsDigit(c);
        case kFilterDtmfLetters:
            return IsLetterIn(c, 'A', 'D');
        default:
            return true;
    }
}

int IsTagChar(int c, int /*position*/) {
    if (c == kBackspaceChar) return c;
    const int low = Low7(c);
    return IsPrintable7(low) && !IsOneOf(low, kTagCellRefused) ? c : 0;
}

int IsFreqChar(int c) {
    return c == kBackspaceChar || IsDigit(c) || c == '.' || c == ' ' ? c : 0;
}

int IsToneDigit(int c) {
    if (c == kBackspaceChar || IsDigit(c)) return c;
    return IsLetterIn(Low7(c), 'A', 'E') ? c : 0;
}

int IsHexChar(int c) {
    return c == kBackspaceChar || IsDigit(c) || IsLetterIn(c, 'A', 'F') ? c : 0;
}

int CellModeChar(int mode, int c, int position) {
    switch (mode) {
        case kCellTag:
        case kCellTag2:
            return IsTagChar(c, position);
        case kCellFreq:
        case kCellToneValue:
            return IsFreqChar(c);
        case kCellToneDigit:
            return IsToneDigit(c);
        case kCellHex:
            return IsHexChar(c);
        default:
            return c;
    }
}

}  // namespace kp07
