#include "document/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace kp07 {

const char* const kUserFolderName = "kp07xt";

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    // No usable HOME (a service, a stripped environment): the account's own.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return {};
}

// The base folder named by `variable` (only an absolute path counts), else
// `fallback` below the home folder.
std::string BaseFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/" + fallback;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string UserDataFolder() {
    const std::string base = BaseFolder("XDG_DATA_HOME", ".local/share");
    return base.empty() ? base : base + "/" + kUserFolderName;
}

std::string UserConfigFolder() {
    const std::string base = BaseFolder("XDG_CONFIG_HOME", ".config");
    return base.empty() ? base : base + "/" + kUserFolderName;
}

bool MakeFolders(const std::string& path) {
    if (path.empty()) return false;
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    return IsFolder(path);
}

bool FolderWritable(const std::string& path) {
    return !path.empty() && IsFolder(path) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

std::string WritableProgramFolder(const std::string& programFolder, const std::string& userFolder) {
    if (FolderWritable(programFolder) || userFolder.empty()) return programFolder;
    MakeFolders(userFolder);
    return userFolder;
}

}  // namespace kp07
