// Every field of a memory image as text, block by block, so that a person
// can read a data file (or the image of a new document) and check it.
#pragma once

#include <string>
#include <vector>

#include "image/radio_image.h"

namespace kp07 {

// The blocks the text shows, in its order.
const std::vector<std::string>& ImageDumpBlockNames();
// True when some block's name contains `blockFilter` (case as written).
bool ImageDumpFilterMatches(const std::string& blockFilter);

// The text: a head naming `source` (a path, or "new document"), the file's
// automatic transmit offset and the checksum, then the blocks; with
// `blockFilter` not empty only those whose name contains it.
std::string ImageDumpText(const RadioImage& image, const std::string& source, double offsetMHz,
                          const std::string& blockFilter = {});

}  // namespace kp07
