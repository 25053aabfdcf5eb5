// Changing a unit's band. A unit's band decides how every channel frequency
// is encoded, so a change starts the unit afresh: the band's hardware
// defaults (or the band's default file, when one is kept next to the
// program), and every channel in use on the band's empty frequency.
#pragma once

#include "image/radio_image.h"

namespace kp07 {

class CKP05Doc;

// Puts the process-wide hardware block and channel table, and `image`, on
// the band `upperBand`. `offsetMHz` is the caller's copy of the automatic transmit
// offset, which a new band resets. The document loses its file name. A
// default file that holds a unit of the other band, or that does not read, is
// not taken. Returns whether the band's default file was taken.
bool ChangeBand(CKP05Doc& doc, RadioImage& image, bool upperBand, double& offsetMHz);

}  // namespace kp07
