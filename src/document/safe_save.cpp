#include "document/safe_save.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "resources/message.h"

namespace kp07 {

const char* const kSaveTempPrefix = ".kp07save.";

namespace {

constexpr int kMaxLinkHops = 40;          // as the kernel allows
constexpr std::size_t kSuffixLength = 6;  // ".kp07save." + 6 characters

SaveFaultsForTest faults;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteFully(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        std::size_t chunk = size - done;
        if (faults.failAfter >= 0) {
            if (long(done) >= faults.failAfter) {
                if (faults.killThere) ::raise(SIGKILL);
                errno = EIO;
                return false;
            }
            chunk = std::min<std::size_t>(chunk, std::size_t(faults.failAfter) - done);
        }
        const ssize_t n = ::write(fd, data + done, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

// Copies everything from `from` (from its start) to `to` (from its start)
// and cuts `to` there.
bool CopyWhole(int from, int to) {
    if (::lseek(from, 0, SEEK_SET) != 0 || ::lseek(to, 0, SEEK_SET) != 0) return false;
    std::vector<std::uint8_t> buffer(65536);
    off_t total = 0;
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        std::size_t done = 0;
        while (done < std::size_t(n)) {
            const ssize_t w = ::write(to, buffer.data() + done, std::size_t(n) - done);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            done += std::size_t(w);
        }
        total += n;
    }
    return ::ftruncate(to, total) == 0 && ::fsync(to) == 0;
}

unsigned NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666u & ~unsigned(mask);
}

std::string RandomSuffix() {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static unsigned long counter = 0;
    unsigned long long seed =
        (unsigned long long)std::chrono::steady_clock::now().time_since_epoch().count() ^
        ((unsigned long long)::getpid() << 20) ^ (++counter * 0x9E3779B97F4A7C15ull);
    std::string suffix;
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        suffix += kChars[seed % (sizeof kChars - 1)];
        seed /= sizeof kChars - 1;
        seed ^= seed << 13;
    }
    return suffix;
}

// A temporary file in the target's folder, locked for as long as it is
// open: an unlocked one is the leftover of a save that was killed. It has no
// name at first where the file system allows that, so that a killed save
// leaves nothing behind at all.
class TempFile {
  public:
    ~TempFile() { Discard(); }

    bool Open(const std::string& folder, bool named) {
        folder_ = folder;
        if (!named) {
            fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
            if (fd_ >= 0) {
                ::flock(fd_, LOCK_EX);
                return true;
            }
        }
        std::string templ = folder + "/" + kSaveTempPrefix + std::string(kSuffixLength, 'X');
        std::vector<char> buffer(templ.begin(), templ.end());
        buffer.push_back('\0');
        fd_ = ::mkostemp(buffer.data(), O_CLOEXEC);
        if (fd_ < 0) return false;
        ::flock(fd_, LOCK_EX);
        name_ = buffer.data();
        return true;
    }

    // Gives an unnamed file a name in its folder.
    bool Name() {
        if (!name_.empty()) return true;
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = folder_ + "/" + kSaveTempPrefix + RandomSuffix();
            if (::linkat(AT_FDCWD, self, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                ::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
                name_ = name;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    // Renames the file over `file`; it is no temporary file any more.
    bool RenameOver(const std::string& file) {
        if (!Name() || ::rename(name_.c_str(), file.c_str()) != 0) return false;
        name_.clear();
        return true;
    }

    void Discard() {
        if (!name_.empty()) ::unlink(name_.c_str());
        name_.clear();
        if (fd_ >= 0) ::close(fd_);  // also gives up the lock
        fd_ = -1;
    }

    int fd() const { return fd_; }
    bool named() const { return !name_.empty(); }

  private:
    std::string folder_;
    std::string name_;
    int fd_ = -1;
};

// Removes the temporary files in `folder` that no running save holds.
void RemoveStaleTemps(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const int dirFd = ::dirfd(dir);
    const std::size_t prefixLength = std::strlen(kSaveTempPrefix);
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strlen(name) != prefixLength + kSuffixLength ||
            std::strncmp(name, kSaveTempPrefix, prefixLength) != 0) {
            continue;
        }
        const int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlinkat(dirFd, name, 0);
        }
        ::close(fd);
    }
    ::closedir(dir);
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool WriteInPlace(const SaveTarget& target, const std::uint8_t* data, std::size_t size);

bool WriteAndReplace(const SaveTarget& target, const std::uint8_t* data, std::size_t size,
                     bool named) {
    TempFile temp;
    if (!temp.Open(target.folder, named)) return false;
    // The new file gets the old one's owner and group, asked for only where
    // they differ (some file systems refuse any change of owner).
    struct stat made {};
    if (target.exists && (::fstat(temp.fd(), &made) != 0 || made.st_uid != target.owner ||
                          made.st_gid != target.group)) {
        if (::fchown(temp.fd(), target.owner, target.group) != 0) {
            temp.Discard();
            return WriteInPlace(target, data, size);
        }
    }
    const unsigned mode = target.exists ? target.mode : NewFileMode();
    if (!WriteFully(temp.fd(), data, size) || ::fchmod(temp.fd(), mode) != 0 ||
        ::fsync(temp.fd()) != 0) {
        return false;
    }
    if (!temp.RenameOver(target.file)) {
        // A file system or a system without the means to name an unnamed
        // file: once more with a named one.
        const bool retry = !temp.named() && !named;
        temp.Discard();
        return retry && WriteAndReplace(target, data, size, true);
    }
    temp.Discard();
    SyncFolder(target.folder);
    return true;
}

bool WriteInPlace(const SaveTarget& target, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(target.file.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    TempFile backup;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
              backup.Open(target.folder, faults.namedTemp) && CopyWhole(fd, backup.fd());
    if (ok) {
        ok = ::lseek(fd, 0, SEEK_SET) == 0 && WriteFully(fd, data, size) &&
             ::ftruncate(fd, off_t(size)) == 0 && ::fsync(fd) == 0;
        if (!ok) CopyWhole(backup.fd(), fd);  // the old content back
    }
    ::close(fd);
    return ok;
}

}  // namespace

SaveCheck CheckSaveTarget(const std::string& path, SaveTarget* target) {
    if (path.empty()) return SaveCheck::kUnreachable;
    SaveTarget t;
    std::string file = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(file.c_str(), &st) != 0) {
            if (errno == ENAMETOOLONG) return SaveCheck::kNameTooLong;
            if (errno != ENOENT) return SaveCheck::kUnreachable;
            break;  // a new file
        }
        if (S_ISLNK(st.st_mode)) {
            if (hops >= kMaxLinkHops) return SaveCheck::kUnreachable;
            std::vector<char> link(PATH_MAX + 1);
            const ssize_t n = ::readlink(file.c_str(), link.data(), link.size());
            if (n <= 0 || std::size_t(n) >= link.size()) return SaveCheck::kUnreachable;
            const std::string to(link.data(), std::size_t(n));
            file = to[0] == '/' ? to : FolderOf(file) + "/" + to;
            continue;
        }
        if (!S_ISREG(st.st_mode)) return SaveCheck::kNotAFile;
        t.exists = true;
        t.links = st.st_nlink;
        t.mode = st.st_mode & 07777;
        t.owner = st.st_uid;
        t.group = st.st_gid;
        break;
    }
    const std::string name = BaseName(file);
    if (name.empty() || name == "." || name == "..") return SaveCheck::kNotAFile;
    t.file = file;
    t.folder = FolderOf(file);
    struct stat folder {};
    if (::stat(t.folder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        return SaveCheck::kUnreachable;
    }
    const long nameMax = ::pathconf(t.folder.c_str(), _PC_NAME_MAX);
    if (nameMax > 0 && name.size() > std::size_t(nameMax)) return SaveCheck::kNameTooLong;
    if (::access(t.folder.c_str(), W_OK | X_OK) != 0) return SaveCheck::kFolderNotWritable;
    // A writable folder lets anyone replace a file in it: only a file this
    // user may write is saved over.
    if (t.exists && ::access(t.file.c_str(), W_OK) != 0) return SaveCheck::kFileNotWritable;
    if (target) *target = t;
    return SaveCheck::kOk;
}

bool SaveFileSafely(const SaveTarget& target, const std::uint8_t* data, std::size_t size) {
    RemoveStaleTemps(target.folder);
    if (target.exists && target.links > 1) return WriteInPlace(target, data, size);
    return WriteAndReplace(target, data, size, faults.namedTemp);
}

void SetSaveFaultsForTest(const SaveFaultsForTest& f) {
    faults = f;
}

bool SaveFileTellingUser(const std::string& path, const void* data, std::size_t size) {
    constexpr int kMsgWriteFailed = 33;   // "Problem writing to file"
    constexpr int kMsgOpenForWrite = 35;  // "Problem opening file"
    SaveTarget target;
    if (CheckSaveTarget(path, &target) != SaveCheck::kOk) {
        ShowMessage(kMsgOpenForWrite, MsgButtons::kOk, MsgIcon::kStop, path);
        return false;
    }
    if (!SaveFileSafely(target, static_cast<const std::uint8_t*>(data), size)) {
        ShowMessage(kMsgWriteFailed, MsgButtons::kOk, MsgIcon::kStop);
        return false;
    }
    return true;
}

}  // namespace kp07
