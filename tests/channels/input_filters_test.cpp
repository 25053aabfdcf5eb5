#include "channels/input_filters.h"

#include <gtest/gtest.h>

#include <string>

namespace kp07 {
namespace {

// Every character of 0x20..0x7e that `kind` accepts (caret at 0).
std::string Accepted(int kind, int caret = 0) {
    std::string out;
    for (int c = 0x20; c <= 0x7e; ++c) {
        if (FilterAcceptsChar(kind, c, caret)) out += char(c);
    }
    return out;
}

TEST(FilterKinds, EachKindAcceptsExactlyItsCharacters) {
    const std::string all = Accepted(0);
    EXPECT_EQ(all.size(), 95u);
    EXPECT_EQ(Accepted(1), " .0123456789");
    EXPECT_EQ(Accepted(2), " +-0123456789");
    EXPECT_EQ(Accepted(3), "#*0123456789ABCDabcd");
    EXPECT_EQ(Accepted(5), " +-.0123456789");
    EXPECT_EQ(Accepted(6), " 0123456789");
    EXPECT_EQ(Accepted(7), "0123456789ABCDEFabcdef");
    EXPECT_EQ(Accepted(8), "0123456789");
    EXPECT_EQ(Accepted(10), "ABCDabcd");
    // Kind 4: the 95 printable characters less these 19.
    EXPECT_EQ(Accepted(4),
              " ()*+-/0123456789:=ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]_`abcdefghijklmnopqrstuvwxyz");
    // An unknown kind behaves like kind 0.
    EXPECT_EQ(Accepted(11), all);
}

TEST(FilterKinds, SecondPositionTakesALetterCtoNAndNoDigit) {
    EXPECT_EQ(Accepted(9, 1), "CDEFGHIJKLMNcdefghijklmn");
    EXPECT_EQ(Accepted(9, 0), "0123456789");
    EXPECT_EQ(Accepted(9, 2), "0123456789");
    EXPECT_EQ(Accepted(9, 7), "0123456789");
}

TEST(FilterKinds, BackspaceAlwaysAndBitSevenOnlyInTheTagKind) {
    for (int kind = 0; kind <= 11; ++kind) {
        EXPECT_TRUE(FilterAcceptsChar(kind, 8, 0)) << kind;
        EXPECT_TRUE(FilterAcceptsChar(kind, 8, 1)) << kind;
    }
    // 0xC1 is 'A' with bit 7 set: the tag kind judges it as 'A', 0xA1 as '!'.
    EXPECT_TRUE(FilterAcceptsChar(4, 0xC1, 0));
    EXPECT_FALSE(FilterAcceptsChar(4, 0xA1, 0));
    EXPECT_FALSE(FilterAcceptsChar(4, 0x80, 0));  // NUL with bit 7: not printable
    EXPECT_FALSE(FilterAcceptsChar(7, 0xC1, 0));
    EXPECT_FALSE(FilterAcceptsChar(8, 0xB1, 0));  // '1' with bit 7
    // Characters beyond 8 bits have no 7-bit twin.
    EXPECT_FALSE(FilterAcceptsChar(4, 0x141, 0));
    EXPECT_FALSE(FilterAcceptsChar(4, 0x4e2d, 0));
    EXPECT_TRUE(FilterAcceptsChar(0, 0x4e2d, 0));
}

TEST(CellCharTests, ReturnTheCharacterOrZero) {
    // Tag cells refuse only "!,#%&.;~": "?", "@" and the quote pass here.
    for (char c : std::string("!,#%&.;~")) EXPECT_EQ(IsTagChar(c, 0), 0) << c;
    for (char c : std::string("?@\"$'<>^{|} aZ9_")) EXPECT_EQ(IsTagChar(c, 3), c) << c;
    EXPECT_EQ(IsTagChar(0x1f, 0), 0);
    EXPECT_EQ(IsTagChar(0x7f, 0), 0);

    EXPECT_EQ(IsFreqChar('7'), '7');
    EXPECT_EQ(IsFreqChar('.'), '.');
    EXPECT_EQ(IsFreqChar(' '), ' ');
    EXPECT_EQ(IsFreqChar('-'), 0);
    EXPECT_EQ(IsFreqChar('+'), 0);
    EXPECT_EQ(IsFreqChar('e'), 0);

    EXPECT_EQ(IsToneDigit('e'), 'e');
    EXPECT_EQ(IsToneDigit('E'), 'E');
    EXPECT_EQ(IsToneDigit('a'), 'a');
    EXPECT_EQ(IsToneDigit('F'), 0);
    EXPECT_EQ(IsToneDigit('f'), 0);
    EXPECT_EQ(IsToneDigit('#'), 0);

    EXPECT_EQ(IsHexChar('F'), 'F');
    EXPECT_EQ(IsHexChar('f'), 'f');
    EXPECT_EQ(IsHexChar('G'), 0);
    EXPECT_EQ(IsHexChar('g'), 0);

    for (int c : {8}) {
        EXPECT_EQ(IsTagChar(c, 0), 8);
        EXPECT_EQ(IsFreqChar(c), 8);
        EXPECT_EQ(IsToneDigit(c), 8);
        EXPECT_EQ(IsHexChar(c), 8);
    }
}

TEST(CellCharTests, BitSevenIsTestedAsSevenBitInTagAndToneModes) {
    // 0xC5 is 'E' with bit 7 set, 0xA1 is '!' with bit 7 set. The character
    // itself comes back unchanged.
    for (int mode : {0, 5}) {
        EXPECT_EQ(CellModeChar(mode, 0xC5, 0), 0xC5) << mode;
        EXPECT_EQ(CellModeChar(mode, 0xA1, 0), 0) << mode;
    }
    EXPECT_EQ(CellModeChar(2, 0xC5, 0), 0xC5);
    EXPECT_EQ(CellModeChar(2, 0xC6, 0), 0);  // 'F' | 0x80
    EXPECT_EQ(CellModeChar(3, 0xC5, 0), 0);  // hex mode does not mask
    EXPECT_EQ(CellModeChar(1, 0xB1, 0), 0);
}

TEST(CellCharTests, ModesPickTheirTests) {
    EXPECT_EQ(CellModeChar(2, 'F', 0), 0);
    EXPECT_EQ(CellModeChar(3, 'F', 0), 'F');
    EXPECT_EQ(CellModeChar(4, '.', 0), '.');
    EXPECT_EQ(CellModeChar(4, 'C', 0), 0);
    EXPECT_EQ(CellModeChar(5, '!', 0), 0);
    EXPECT_EQ(CellModeChar(1, '!', 0), 0);
    // Any other mode lets everything through.
    EXPECT_EQ(CellModeChar(6, '!', 0), '!');
    EXPECT_EQ(CellModeChar(-1, '~', 0), '~');
}

}  // namespace
}  // namespace kp07
