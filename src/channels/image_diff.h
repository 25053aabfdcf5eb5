// The differences between two memory images, field by field, so that a
// radio can be checked against a master file. Settings are named as the
// memory map names them ("CommonParams.Beep", "FiveToneSystems.FtsCallCode[3]",
// table entries counted from 1); channels by number and grid column, with
// the channel's hidden fields (such as ChTxSetByHand) named when no column
// shows the difference; bytes no field owns by offset.
#pragma once

#include <string>
#include <vector>

#include "image/radio_image.h"

namespace kp07 {

struct ImageDiff {
    bool equal = true;
    // One line per difference: "<what>: <value in a> -> <value in b>".
    std::vector<std::string> lines;
};

ImageDiff DiffImages(const RadioImage& a, const RadioImage& b);

// The lines and their count, or "No differences.".
std::string ImageDiffText(const ImageDiff& diff);

}  // namespace kp07
