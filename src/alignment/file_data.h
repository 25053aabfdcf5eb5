// The file data viewer's table: the whole image as hexadecimal bytes, sixteen
// to a row, with the data file's 8-byte trailer after the image buffer.
#pragma once

#include <cstdint>
#include <string>

#include "document/data_file.h"
#include "image/radio_image.h"

namespace kp07 {

// One heading row and column; 489 rows of sixteen bytes cover the 7808-byte
// buffer and the trailer.
constexpr int kFileDataRows = 490;
constexpr int kFileDataCols = 17;
constexpr int kFileDataBytesPerRow = 16;

// The byte offset a cell shows (row and column count the headings as 0), or
// -1 for a heading. Offsets from kImageBufferSize on are trailer bytes, and
// past the trailer the cells stay empty.
int FileDataOffset(int row, int col);
// What a cell shows: "%02x" headings over the columns, "%05xh" row offsets,
// "%02x" bytes from the image or the trailer, "" past the trailer.
std::string FileDataCellText(const RadioImage& image, const FileTrailer& trailer, int row, int col);
// Only image bytes are edited; the trailer belongs to the file.
bool FileDataCellEditable(int row, int col);

// A typed byte: right-aligned to two characters (a missing character counts
// as 0), each character giving its low four bits, plus 9 for a letter, so
// that "7" is 07h and both "ff" and "FF" are FFh. Only the first two
// characters of a longer text count.
std::uint8_t ParseHexByte(const std::string& text);

}  // namespace kp07
