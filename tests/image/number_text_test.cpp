#include <gtest/gtest.h>

#include "image/number_text.h"

namespace kp07 {
namespace {

TEST(NumberText, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(ParseDecimal("12.5 s"), 12.5);
    EXPECT_EQ(ParseDecimal("  -3"), -3.0);
    EXPECT_EQ(ParseDecimal("+7"), 7.0);
    EXPECT_EQ(ParseDecimal("abc"), 0.0);
    EXPECT_EQ(ParseDecimal(""), 0.0);
    EXPECT_EQ(ParseDecimal("."), 0.0);
    EXPECT_EQ(ParseDecimal(".5"), 0.5);
    EXPECT_EQ(ParseDecimal("1.2.3"), 1.2);
    // Exactly the double the literal gives: frequencies are placed on their
    // raster from it, so a last-bit difference would move a channel.
    EXPECT_EQ(ParseDecimal("462.5625"), 462.5625);
    EXPECT_EQ(ParseDecimal("476.425"), 476.425);
    EXPECT_EQ(ParseDecimal("146.0031"), 146.0031);
    EXPECT_EQ(ClampWhole(ParseDecimal(std::string(400, '9')), 0, 255), 255);
}

TEST(NumberText, Clamps) {
    EXPECT_EQ(ClampWhole(300.7, 0, 255), 255);
    EXPECT_EQ(ClampWhole(-5, 0, 255), 0);
    EXPECT_EQ(ClampWhole(15.9, 0, 2550), 15);
    EXPECT_EQ(ClampWhole(1e300, 0, 10), 10);
    EXPECT_EQ(ClampDecimal(700.0, 0.0, 637.5), 637.5);
    EXPECT_EQ(ClampDecimal(-1.0, 0.0, 25.5), 0.0);
}

TEST(NumberText, FormatsWithAPointWhateverTheLocale) {
    EXPECT_EQ(FormatDecimal(288.5, 1, 6), " 288.5");
    EXPECT_EQ(FormatDecimal(3000.0, 1, 6), "3000.0");
    EXPECT_EQ(FormatDecimal(637.5, 1, 4), "637.5");  // wider than asked: never cut
    EXPECT_EQ(FormatDecimal(-99.9, 1, -7), "-99.9  ");
    EXPECT_EQ(FormatDecimal(1.26, 1), "1.3");
    EXPECT_EQ(FormatDecimal(0.0, 1, 3), "0.0");
}

}  // namespace
}  // namespace kp07
