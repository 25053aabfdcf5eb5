#include "document/radio_backups.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <tuple>

#include "document/user_folders.h"
#include "image/accessors.h"

namespace kp07 {
namespace {

bool AllDigits(const std::string& text, std::size_t from, std::size_t count) {
    if (from + count > text.size()) return false;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

// A backup name of radio `part`: <part>-<8 digits>-<6 digits>[-<n>].K07.
// Gives the sort key (date and time, then the number of a second backup in
// the same second), or false for any other name.
bool BackupKey(const std::string& name, const std::string& part,
               std::tuple<std::string, long>* key) {
    const std::string prefix = part + "-";
    const std::string ext = kDataFileExtension;
    if (name.size() < prefix.size() + 15 + ext.size()) return false;
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    if (name.compare(name.size() - ext.size(), ext.size(), ext) != 0) return false;
    const std::size_t at = prefix.size();
    if (!AllDigits(name, at, 8) || name[at + 8] != '-' || !AllDigits(name, at + 9, 6)) {
        return false;
    }
    const std::string stamp = name.substr(at, 15);
    const std::string rest = name.substr(at + 15, name.size() - ext.size() - at - 15);
    long sequence = 1;
    if (!rest.empty()) {
        if (rest.size() < 2 || rest.size() > 6 || rest[0] != '-' ||
            !AllDigits(rest, 1, rest.size() - 1)) {
            return false;
        }
        sequence = std::stol(rest.substr(1));
    }
    *key = {stamp, sequence};
    return true;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

std::string RadioBackupFolder() {
    const std::string data = UserDataFolder();
    return data.empty() ? data : data + "/backups";
}

std::string BackupSerialPart(const std::string& serial) {
    std::string part;
    for (char c : serial) {
        const bool plain =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        part += plain ? c : '_';
    }
    return part.find_first_not_of('_') == std::string::npos ? "unknown" : part;
}

std::string BackupFileName(const std::string& serial, const std::tm& local) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return BackupSerialPart(serial) + "-" + stamp + kDataFileExtension;
}

std::vector<std::string> RadioBackups(const std::string& folder, const std::string& serial) {
    const std::string part = BackupSerialPart(serial);
    std::vector<std::pair<std::tuple<std::string, long>, std::string>> found;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            std::tuple<std::string, long> key;
            if (BackupKey(entry->d_name, part, &key)) found.emplace_back(key, entry->d_name);
        }
        ::closedir(dir);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (const auto& f : found) paths.push_back(folder + "/" + f.second);
    return paths;
}

BackupResult KeepRadioBackup(const std::string& folder, const RadioImage& image,
                             const FileTrailer& trailer, std::time_t when, int keep) {
    BackupResult result;
    if (folder.empty()) {
        result.error = "There is no home folder to keep backups in.";
        return result;
    }
    if (!MakeFolders(folder)) {
        result.error = folder + ": " + std::strerror(errno);
        return result;
    }
    std::tm local{};
    localtime_r(&when, &local);
    const std::string serial = GetSerialNumber(image);
    const std::string name = BackupFileName(serial, local);
    const std::string stem = name.substr(0, name.size() - std::strlen(kDataFileExtension));
    std::string path = folder + "/" + name;
    for (int n = 2; Exists(path); ++n) {
        if (n > 99999) {
            result.error = path + ": too many backups in one second";
            return result;
        }
        path = folder + "/" + stem + "-" + std::to_string(n) + kDataFileExtension;
    }
    switch (StoreDataFile(path, image, trailer)) {
        case DataFileWrite::kWritten:
            break;
        case DataFileWrite::kRefused:
            result.error = path + ": the file cannot be created";
            return result;
        case DataFileWrite::kFailed:
            result.error = path + ": the file could not be written";
            return result;
    }
    result.kept = true;
    result.path = path;
    std::vector<std::string> backups = RadioBackups(folder, serial);
    const std::size_t limit = std::size_t(std::max(keep, 1));
    for (std::size_t i = 0; i + limit < backups.size(); ++i) ::unlink(backups[i].c_str());
    return result;
}

}  // namespace kp07
