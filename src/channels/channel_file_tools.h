// The channel-list and compare tools on files, as the command line runs
// them: each reads its data files, does its work and says what happened.
// File errors are told through the message routine as well (so the
// command line's message backend prints them).
#pragma once

#include <string>

#include "channels/channel_csv.h"
#include "image/radio_image.h"

namespace kp07 {

struct ToolOutput {
    int status = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// The channels of `dataFile` as CSV, written to `csvPath` ("-": into out).
// Status 0, or 1 when a file could not be read or written.
ToolOutput ExportChannelsFile(const std::string& dataFile, const std::string& csvPath,
                              CsvLayout layout);

// Imports `csvPath` into the image of `dataFile` and saves it as `outPath`
// (empty: back into `dataFile`). Status 0 when every cell was taken and the
// file written; 1 when cells were refused (they are listed, and nothing is
// written) or a file could not be read or written.
ToolOutput ImportChannelsFile(const std::string& dataFile, const std::string& csvPath,
                              const std::string& outPath);

// The differences between two data files' images. Status 0 when they are
// equal, 1 when they differ, 2 when a file could not be read.
ToolOutput DiffDataFiles(const std::string& a, const std::string& b);

// A data file's image and automatic transmit offset; false after telling
// why not.
bool LoadDataFile(const std::string& path, RadioImage* image, double* offsetMHz);
// A text file whole, or its first `limit` + 1 bytes when it is longer;
// false after message 32 when it cannot be read.
bool ReadTextFile(const std::string& path, std::size_t limit, std::string* text);
// Writes `text` to a new file beside `path` and renames it over `path`;
// false after message 33.
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace kp07
