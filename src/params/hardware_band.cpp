#include "params/hardware_band.h"

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "document/document.h"

namespace kp07 {

bool ChangeBand(CKP05Doc& doc, RadioImage& image, bool upperBand, double& offsetMHz) {
    if (!hardware || !channels) return false;
    hardware->ApplyBandDefaults(upperBand, offsetMHz);
    currentFileName = kNoFileName;
    // The file's offset is the main window's to take, after OK.
    FileTrailer trailer{};
    const bool taken =
        doc.ReadBandDefaultFile(upperBand ? 1 : 0, image, trailer) == CKP05Doc::BandFile::kTaken;
    if (taken) {
        hardware->Load(image);
    } else {
        currentFileName = kNoFileName;
    }
    channels->MarkAllInUse();
    channels->ResetFrequencies(upperBand);
    return taken;
}

}  // namespace kp07
