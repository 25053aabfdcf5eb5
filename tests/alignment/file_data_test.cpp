// How the file data viewer reads a typed byte.
#include <gtest/gtest.h>

#include "alignment/file_data.h"

namespace kp07::test {
namespace {

TEST(FileDataTest, TypedBytes) {
    const struct {
        const char* text;
        int byte;
    } cases[] = {
        {"7", 0x07},  {"ff", 0xFF}, {"FF", 0xFF}, {"", 0x00},   {"a", 0x0A},
        {"3c", 0x3C}, {"C3", 0xC3}, {"09", 0x09}, {"10", 0x10}, {"fe0", 0xFE},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseHexByte(c.text), c.byte) << c.text;
}

}  // namespace
}  // namespace kp07::test
