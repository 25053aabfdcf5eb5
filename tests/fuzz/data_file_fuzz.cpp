// A data file of any size and content, opened the way the program opens one
// (the size and content checks, the firmware test, the checksum question
// answered Yes, the document built from it), then rebuilt as Save does and
// listed as `kp07 channels` lists it. A file the Open command refuses is
// still read directly, as the default file is at start-up.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "blocks/image_ops.h"
#include "channels/channel_listing.h"
#include "document/data_file.h"
#include "document/document.h"
#include "fuzz_support.h"

namespace {

using namespace kp07;

// The file lives in memory: /proc/self/fd/N names it like any other path.
struct MemoryFile {
    MemoryFile() {
        fd = ::memfd_create("fuzz.K07", MFD_CLOEXEC);
        if (fd < 0) fuzz::Fail("no memory file");
        path = "/proc/self/fd/" + std::to_string(fd);
    }
    void Replace(const std::uint8_t* data, std::size_t size) {
        if (::ftruncate(fd, 0) != 0) fuzz::Fail("cannot empty the memory file");
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pwrite(fd, data + done, size - done, off_t(done));
            if (n <= 0) fuzz::Fail("cannot fill the memory file");
            done += std::size_t(n);
        }
    }
    int fd = -1;
    std::string path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    static fuzz::SilentMessages messages;
    file.Replace(data, size);
    fuzz::ResetState(&messages);
    messages.agree = true;
    SetExecutableDirectoryForTest("/nonexistent-kp07-fuzz");

    CKP05Doc document;
    currentFileName = kNoFileName;
    CreateImageAndBlocks();
    if (document.OpenFile(file.path)) {
        if (!radioImage) fuzz::Fail("an opened document has no image");
        // Save rebuilds the image from its blocks (whether the result settles
        // is the blocks target's concern).
        RebuildImage(*radioImage);
        if (ChannelListing(*radioImage).empty()) fuzz::Fail("an opened file lists no channels");
    } else {
        // Files the Open command refuses are still read as the default file
        // is at start-up: the first 7807 bytes, whatever follows.
        FileTrailer trailer{};
        if (ReadDataFile(file.path, *radioImage, trailer)) LoadPersistentBlocks(*radioImage);
    }
    DestroyImageAndBlocks();
    fuzz::ResetState(nullptr);
    return 0;
}
