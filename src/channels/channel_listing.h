// The channels of an image as plain text, group by group, with the texts the
// channel grid shows (a check mark reads "v"). Scripts and support staff
// read data files with it without the desktop program.
#pragma once

#include <string>

#include "image/radio_image.h"

namespace kp07 {

std::string ChannelListing(const RadioImage& image);

}  // namespace kp07
