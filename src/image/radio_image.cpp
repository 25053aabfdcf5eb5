#include "image/radio_image.h"

namespace kp07 {

const char* const kNoFileName = "<none>";

std::unique_ptr<RadioImage> radioImage;
double autoTxOffsetMHz = 0.0;
int imageModified = 0;
// Replaced by the document before any use.
std::string currentFileName = "defaultv.k07";
int defaultFileLoaded = 0;

void ResetImageStateForTest() {
    radioImage.reset();
    autoTxOffsetMHz = 0.0;
    imageModified = 0;
    currentFileName = "defaultv.k07";
    defaultFileLoaded = 0;
}

}  // namespace kp07
