#include "alignment/file_data.h"

#include <cctype>
#include <cstdio>

namespace kp07 {
namespace {

constexpr int kTrailerEnd = int(kImageBufferSize) + 8;

std::string Format(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

unsigned Nibble(char c) {
    const unsigned value = unsigned(static_cast<unsigned char>(c)) & 0x0F;
    return (std::isalpha(static_cast<unsigned char>(c)) ? value + 9 : value) & 0x0F;
}

}  // namespace

int FileDataOffset(int row, int col) {
    if (row < 1 || row >= kFileDataRows || col < 1 || col >= kFileDataCols) return -1;
    return kFileDataBytesPerRow * (row - 1) + (col - 1);
}

std::string FileDataCellText(const RadioImage& image, const FileTrailer& trailer, int row,
                             int col) {
    if (row < 0 || row >= kFileDataRows || col < 0 || col >= kFileDataCols) return {};
    if (row == 0) return col == 0 ? std::string() : Format("%02x", unsigned(col - 1));
    if (col == 0) return Format("%05xh", unsigned(kFileDataBytesPerRow * (row - 1)));
    const int offset = FileDataOffset(row, col);
    if (offset < int(kImageBufferSize)) return Format("%02x", image[std::size_t(offset)]);
    if (offset < kTrailerEnd) {
        return Format("%02x", trailer[std::size_t(offset - int(kImageBufferSize))]);
    }
    return {};
}

bool FileDataCellEditable(int row, int col) {
    const int offset = FileDataOffset(row, col);
    return offset >= 0 && offset < int(kImageBufferSize);
}

std::uint8_t ParseHexByte(const std::string& text) {
    std::string two = text.substr(0, 2);
    while (two.size() < 2) two.insert(two.begin(), ' ');
    return std::uint8_t(Nibble(two[0]) << 4 | Nibble(two[1]));
}

}  // namespace kp07
