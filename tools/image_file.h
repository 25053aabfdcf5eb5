// Reading the image a person wants to look at: a data file (7815 bytes) or
// a raw memory image (7807 or 7808 bytes, as the simulator keeps it).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "document/data_file.h"
#include "image/radio_image.h"
#include "regular_file.h"

namespace kp07::tools {

// The image in `path` and the data file's automatic transmit offset (0 for
// a raw image); false after telling why not on standard error, the line
// beginning with `program`.
inline bool ReadImageOrDataFile(const char* program, const std::string& path, RadioImage& im,
                                double& offsetMHz) {
    std::vector<std::uint8_t> bytes;
    std::uint64_t size = 0;
    std::string why;
    if (!ReadRegularFile(path, kDataFileSize, &bytes, &size, &why)) {
        std::fprintf(stderr, "%s: cannot read %s: %s\n", program, path.c_str(), why.c_str());
        return false;
    }
    if ((size != kDataFileSize && size != kImageSize && size != kImageBufferSize) ||
        bytes.size() != size) {
        std::fprintf(stderr, "%s: %s has %llu bytes; a data file has %zu, an image %zu\n", program,
                     path.c_str(), static_cast<unsigned long long>(size), kDataFileSize,
                     kImageSize);
        return false;
    }
    im.fill(0);
    std::copy(bytes.begin(), bytes.begin() + kImageSize, im.begin());
    offsetMHz = 0.0;
    if (bytes.size() == kDataFileSize) {
        FileTrailer t{};
        std::copy(bytes.begin() + kImageSize, bytes.end(), t.begin());
        offsetMHz = TrailerOffsetMHz(t);
    }
    return true;
}

}  // namespace kp07::tools
