// Saving a file so that a failed or interrupted save leaves the old content
// as it was. The new content goes to a temporary file beside the real file
// (symbolic links followed) and is renamed over it at the end, with the old
// file's owner, group and permissions. A file with several hard links, or
// one whose owner or group this user cannot give a new file, is written in
// place instead, after a backup copy, so that every one of its names sees
// the new content and it stays whose it was.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace kp07 {

// Where a save of a path really writes.
struct SaveTarget {
    std::string file;    // the path with its symbolic links followed
    std::string folder;  // the folder of `file`
    bool exists = false;
    unsigned long links = 0;  // names of an existing file
    unsigned mode = 0;        // permission bits of an existing file
    uid_t owner = 0;          // owner and group of an existing file
    gid_t group = 0;
};

enum class SaveCheck {
    kOk,
    kNotAFile,           // a directory, FIFO, device, socket ...
    kUnreachable,        // empty path, a loop of links, a folder that is not there ...
    kNameTooLong,        // the file system takes no such name
    kFolderNotWritable,  // the temporary file cannot be made there
    kFileNotWritable,    // an existing file this user may not write
};

// Follows the symbolic links of `path` and tells whether a file can be saved
// there; fills `target` on kOk.
SaveCheck CheckSaveTarget(const std::string& path, SaveTarget* target);

// Writes `size` bytes as the whole content of a target that passed
// CheckSaveTarget. False when the save failed; the old content is kept then.
bool SaveFileSafely(const SaveTarget& target, const std::uint8_t* data, std::size_t size);

// The whole save of a file the user asked for: checks the target, writes
// `size` bytes safely, and tells the user when it fails ("Problem opening
// file" for a target that cannot be written, "Problem writing to file" for a
// failed write). The old content is kept on failure.
bool SaveFileTellingUser(const std::string& path, const void* data, std::size_t size);

// The prefix of the temporary files of a save; a save removes those that no
// running save holds (left by a save that was killed).
extern const char* const kSaveTempPrefix;  // ".kp07save."

// Tests only: saves fail after `failAfter` bytes of the new content (-1: no
// fault); with `killThere` the process is killed at that point instead;
// `namedTemp` makes saves use a named temporary file from the start.
struct SaveFaultsForTest {
    long failAfter = -1;
    bool killThere = false;
    bool namedTemp = false;
};
void SetSaveFaultsForTest(const SaveFaultsForTest& faults);

}  // namespace kp07
