// The file data viewer's table: where each byte stands and how a typed byte
// is read.
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

TEST(FileDataTest, CellsShowImageThenTrailer) {
    RadioImage image{};
    image[0] = 0xAB;
    image[0x1E7F] = 0x5A;  // 7807, the spare byte of the buffer
    const FileTrailer trailer = {1, 2, 3, 4, 5, 6, 7, 0xF8};
    const struct {
        int row, col;
        const char* text;
        bool editable;
    } cases[] = {
        {0, 0, "", false},       {0, 1, "00", false},     {0, 16, "0f", false},
        {1, 0, "00000h", false}, {2, 0, "00010h", false}, {489, 0, "01e80h", false},
        {1, 1, "ab", true},      {488, 16, "5a", true},   {489, 1, "01", false},
        {489, 8, "f8", false},   {489, 9, "", false},     {489, 16, "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileDataCellText(image, trailer, c.row, c.col), c.text) << c.row << "," << c.col;
        EXPECT_EQ(FileDataCellEditable(c.row, c.col), c.editable) << c.row << "," << c.col;
    }
    EXPECT_EQ(FileDataOffset(489, 1), 7808);
}

}  // namespace
}  // namespace kp07::test
