// Data files: the 7807 image bytes followed by an 8-byte trailer, the
// automatic transmit offset in MHz as a little-endian IEEE double.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/radio_image.h"

namespace kp07 {

constexpr std::size_t kDataFileSize = kImageSize + 8;  // 7815
extern const char* const kDataFileExtension;           // ".K07"
extern const char* const kDataFileFilter;              // the file dialogs' filter

using FileTrailer = std::array<std::uint8_t, 8>;
FileTrailer TrailerFromOffset(double mhz);
// The double the trailer holds, as it is.
double OffsetFromTrailer(const FileTrailer& trailer);
// The offset as the program takes it from a file: the trailer of a damaged
// file can hold anything, the offset is only ever a few MHz. Held to
// -99.9 .. 99.9; what is no number gives 0.
double TrailerOffsetMHz(const FileTrailer& trailer);

// 0 usable, 1 not found or not openable (or empty path), 2 empty, 3 size is
// not `expectedSize`.
int CheckDataFile(const std::string& path, std::size_t expectedSize);
// 0 opens and has at least one byte, 1 empty path or does not open, 2 empty.
int FileHasContent(const std::string& path);

// Reads the image and trailer. The image is replaced only when all 7807
// bytes arrived; a short trailer is not an error. Shows messages 32 and 34.
bool ReadDataFile(const std::string& path, RadioImage& image, FileTrailer& trailer);
// Writes image and trailer to `path` so that a failed save leaves the old
// file as it was (see document/safe_save.h: links are followed, a file with
// several names is written in place after a backup copy). Refuses, with
// message 35, what is not a regular file and a name the file system does not
// take; shows message 33 when the write fails; clears imageModified on success.
bool WriteDataFile(const std::string& path, const RadioImage& image, const FileTrailer& trailer);
// What WriteDataFile does, without messages and leaving imageModified
// alone: for files the program keeps on its own (radio backups).
enum class DataFileWrite { kWritten, kRefused, kFailed };  // refused: as message 35
DataFileWrite StoreDataFile(const std::string& path, const RadioImage& image,
                            const FileTrailer& trailer);
// False (after message 49) when the file exists and may not be written.
bool CheckWritable(const std::string& path);
// Whether a data file can be saved at `path` before anything is done that a
// failed save would lose: false after message 49 for a read-only file, and
// after message 35 when the path is not a regular file, its name is too long
// or its folder cannot be written.
bool CheckDataFileTarget(const std::string& path);

}  // namespace kp07
