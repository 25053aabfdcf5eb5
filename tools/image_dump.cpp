// image-dump: prints a radio image field by field, block by block, so that a
// person can read a data file (or the image of a new document) and check it.
// `kp07 dump` prints the same text.
//
//   image-dump               the image of a new document
//   image-dump FILE          a data file (7815 bytes) or a raw image (7807/7808 bytes)
//   image-dump FILE BLOCK    only the block whose name contains BLOCK
#include <cstdio>
#include <cstring>
#include <string>

#include "blocks/image_dump_text.h"
#include "blocks/image_ops.h"
#include "image_file.h"

using namespace kp07;

int main(int argc, char** argv) {
    if (argc > 3 ||
        (argc > 1 && (!std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "--help")))) {
        std::fprintf(stderr,
                     "usage: image-dump [FILE [BLOCK]]\n"
                     "  Prints a radio image field by field. Without FILE: the image of a new\n"
                     "  document. FILE is a data file (.K07) or a raw image; BLOCK limits the\n"
                     "  output to the blocks whose name contains it (e.g. ChannelTable).\n");
        return argc > 3 ? 2 : 0;
    }
    RadioImage im{};
    double offset = 0.0;
    if (argc >= 2) {
        if (!tools::ReadImageOrDataFile("image-dump", argv[1], im, offset)) return 1;
    } else {
        FillDefaults(im);
        RebuildImage(im);
    }
    const std::string text =
        ImageDumpText(im, argc >= 2 ? argv[1] : "new document", offset, argc == 3 ? argv[2] : "");
    std::fputs(text.c_str(), stdout);
    return 0;
}
