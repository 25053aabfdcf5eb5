// Helper of scripts/soak.sh: makes the data files the soak downloads.
//
//   driver_soak edit IN.K07 OUT.K07 SEED
//
// Opens IN (a file uploaded from the simulated radio), changes the receive
// frequency and the tag of a few channels chosen by SEED (so that the
// download has blocks to write, spread over the image) and saves OUT through
// the program's Save, twice (saved, opened again, saved again), as a user
// would leave it. A download of OUT must then leave the radio holding exactly
// OUT's image: the file came from this radio, so the factory data the
// download takes from the radio is already the file's.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "channels/channel_columns.h"
#include "channels/channel_editing.h"
#include "document/document.h"
#include "image/radio_image.h"
#include "resources/message.h"

namespace {

using namespace kp07;

// Questions are answered Yes: the upload of a radio whose download was cut
// off holds blocks of two images and a checksum that does not match, and the
// user opens it all the same.
class Messages : public MessageBackend {
  public:
    MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon) override {
        if (buttons == MsgButtons::kYesNo) return MsgResult::kYes;
        std::fprintf(stderr, "driver_soak: %s\n", text.c_str());
        return CautiousAnswer(buttons);
    }
};

bool SaveAs(CKP05Doc& document, const std::string& path) {
    currentFileName = path;
    return document.OnFileSave();
}

int Edit(const std::string& in, const std::string& out, unsigned long seed) {
    CKP05Doc document;
    currentFileName = kNoFileName;
    if (!document.OpenFile(in)) return 1;
    std::mt19937 rng(seed);
    const int edits = 1 + int(rng() % 8);
    const double low = hardware->minFrequencyMHz;
    const double steps = (hardware->maxFrequencyMHz - low) / 0.025;
    for (int i = 0; i < edits; ++i) {
        const int slot = int(rng() % kChannelSlots);
        char text[32];
        std::snprintf(text, sizeof text, "%.5f", low + 0.025 * double(rng() % unsigned(steps)));
        SetCellFromText(*channels, slot, kColRx, text);
        std::snprintf(text, sizeof text, "S%07lu", (unsigned long)(rng() % 10000000));
        SetCellFromText(*channels, slot, kColTag, text);
    }
    if (!SaveAs(document, out)) return 1;
    currentFileName = kNoFileName;
    if (!document.OpenFile(out) || !SaveAs(document, out)) return 1;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Messages messages;
    SetMessageBackend(&messages);
    if (argc == 5 && std::string(argv[1]) == "edit") {
        return Edit(argv[2], argv[3], std::strtoul(argv[4], nullptr, 10));
    }
    std::fprintf(stderr, "usage: driver_soak edit IN.K07 OUT.K07 SEED\n");
    return 2;
}
