#include "widgets/input_filters.h"

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
    for (int caret : {0, 2, 7}) EXPECT_EQ(Accepted(9, caret), "0123456789") << caret;
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

// Every character of 0x20..0x7e that `test` returns unchanged (the others
// must give 0), and the same for the characters with bit 7 set.
template <class Test>
std::string Passed(Test test, int bit7 = 0) {
    std::string out;
    for (int c = 0x20; c <= 0x7e; ++c) {
        const int got = test(c | bit7);
        EXPECT_TRUE(got == 0 || got == (c | bit7)) << c;
        if (got) out += char(c);
    }
    return out;
}

TEST(CellCharTests, EachTestPassesExactlyItsCharacters) {
    std::string tag;  // all printable characters but "!,#%&.;~"
    for (int c = 0x20; c <= 0x7e; ++c) {
        if (std::string("!,#%&.;~").find(char(c)) == std::string::npos) tag += char(c);
    }
    const auto tagTest = [](int c) { return IsTagChar(c, 3); };
    EXPECT_EQ(Passed(tagTest), tag);
    EXPECT_EQ(Passed(IsFreqChar), " .0123456789");
    EXPECT_EQ(Passed(IsToneDigit), "0123456789ABCDEabcde");
    EXPECT_EQ(Passed(IsHexChar), "0123456789ABCDEFabcdef");
    EXPECT_EQ(IsTagChar(0x1f, 0), 0);
    EXPECT_EQ(IsTagChar(0x7f, 0), 0);
    EXPECT_EQ(IsTagChar(kBackspaceChar, 0), kBackspaceChar);
    EXPECT_EQ(IsFreqChar(kBackspaceChar), kBackspaceChar);
    EXPECT_EQ(IsToneDigit(kBackspaceChar), kBackspaceChar);
    EXPECT_EQ(IsHexChar(kBackspaceChar), kBackspaceChar);

    // The editor's modes pick their test; the tag modes and the letters of the
    // tone-digit mode judge a character with bit 7 set as its 7-bit twin.
    const auto mode = [](int m) { return [m](int c) { return CellModeChar(m, c, 0); }; };
    for (int m : {kCellTag, kCellTag2}) {
        EXPECT_EQ(Passed(mode(m)), tag) << m;
        EXPECT_EQ(Passed(mode(m), 0x80), tag) << m;
    }
    EXPECT_EQ(Passed(mode(kCellFreq)), " .0123456789");
    EXPECT_EQ(Passed(mode(kCellToneDigit)), "0123456789ABCDEabcde");
    EXPECT_EQ(Passed(mode(kCellToneDigit), 0x80), "ABCDEabcde");  // digits are not masked
    EXPECT_EQ(Passed(mode(kCellHex)), "0123456789ABCDEFabcdef");
    EXPECT_EQ(Passed(mode(kCellToneValue)), " .0123456789");
    for (int m : {kCellFreq, kCellHex}) EXPECT_EQ(Passed(mode(m), 0x80), "") << m;
    // Any other mode lets everything through.
    EXPECT_EQ(CellModeChar(6, '!', 0), '!');
    EXPECT_EQ(CellModeChar(-1, '~', 0), '~');
}

}  // namespace
}  // namespace kp07
