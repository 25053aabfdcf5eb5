#include "params/hardware_band.h"

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "document/data_file.h"
#include "document/document.h"
#include "image/accessors.h"
#include "image/frequency_codec.h"

namespace kp07 {
namespace {

// Reads the band's default file; only a file of a unit of that band counts.
bool ReadBandDefaultFile(CKP05Doc& doc, RadioImage& image, bool upperBand) {
    if (!doc.LocateDefaultFile(upperBand ? 1 : 0)) return false;
    RadioImage scratch{};
    FileTrailer trailer{};
    if (ReadDataFile(currentFileName, scratch, trailer) &&
        IsUpperBandStepCode(GetStepCode(scratch)) == upperBand) {
        image = scratch;
        return true;
    }
    currentFileName = kNoFileName;
    defaultFileLoaded = 0;
    return false;
}

}  // namespace

bool ChangeBand(CKP05Doc& doc, RadioImage& image, bool upperBand, double& offsetMHz) {
    if (!hardware || !channels) return false;
    hardware->ApplyBandDefaults(upperBand);
    offsetMHz = 0.0;
    currentFileName = kNoFileName;
    const bool taken = ReadBandDefaultFile(doc, image, upperBand);
    if (taken) hardware->Load(image);
    channels->MarkAllInUse();
    channels->ResetFrequencies(upperBand);
    return taken;
}

}  // namespace kp07
