// Backups of radios. Before a download writes a radio, what the radio held
// is kept as a data file "<serial>-<yyyymmdd>-<hhmmss>.K07" in the user's
// backup folder, so that a radio programmed by mistake can be put back. The
// newest backups of each radio are kept, older ones removed.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "document/data_file.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kBackupsPerRadio = 50;

// <user data folder>/backups ("" without a home folder).
std::string RadioBackupFolder();

// The serial number as it appears in a backup's name: letters and digits
// kept, anything else (the '*' and '#' a serial may hold) as '_'; "unknown"
// when nothing is left.
std::string BackupSerialPart(const std::string& serial);
// "<serial part>-<yyyymmdd>-<hhmmss>.K07" for a local time.
std::string BackupFileName(const std::string& serial, const std::tm& local);

// The backups of one radio in `folder`, oldest first, as full paths. Only
// names of the backup form count; other files are never touched.
std::vector<std::string> RadioBackups(const std::string& folder, const std::string& serial);

struct BackupResult {
    bool kept = false;
    std::string path;   // the file written
    std::string error;  // why not, for the user
};

// Keeps `image` (what the radio held) as a backup of its radio, taken at
// `when`, in `folder` (created when missing): a second backup in the same
// second gets "-2", "-3" ... before the extension. Then removes the oldest
// backups of that radio beyond `keep`. Shows no message.
BackupResult KeepRadioBackup(const std::string& folder, const RadioImage& image,
                             const FileTrailer& trailer, std::time_t when,
                             int keep = kBackupsPerRadio);

}  // namespace kp07
