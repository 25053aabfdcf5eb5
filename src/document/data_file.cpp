#include "document/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

#include "document/safe_save.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {

const char* const kDataFileExtension = ".K07";
const char* const kDataFileFilter = "KP07 Files(*.K07)|*.K07||";

namespace {

constexpr int kMsgOpenForRead = 32;
constexpr int kMsgReadFailed = 34;
constexpr int kMsgOpenForWrite = 35;
constexpr int kMsgReadOnly = 49;

// Reads up to `size` bytes, retrying on interruption; returns the count read.
std::size_t ReadFully(int fd, std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += std::size_t(n);
    }
    return done;
}

// What a data file holds: the image bytes, then the trailer.
std::vector<std::uint8_t> DataFileBytes(const RadioImage& image, const FileTrailer& trailer) {
    std::vector<std::uint8_t> bytes(image.begin(), image.begin() + kImageSize);
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    return bytes;
}

}  // namespace

FileTrailer TrailerFromOffset(double mhz) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &mhz, sizeof bits);
    FileTrailer t{};
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = std::uint8_t(bits >> (8 * i));
    return t;
}

double OffsetFromTrailer(const FileTrailer& trailer) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < trailer.size(); ++i) bits |= std::uint64_t(trailer[i]) << (8 * i);
    double mhz = 0.0;
    std::memcpy(&mhz, &bits, sizeof mhz);
    return mhz;
}

double TrailerOffsetMHz(const FileTrailer& trailer) {
    const double mhz = OffsetFromTrailer(trailer);
    if (!std::isfinite(mhz)) return 0.0;
    return std::clamp(mhz, -99.9, 99.9);
}

int CheckDataFile(const std::string& path, std::size_t expectedSize) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return 1;
    if (!S_ISREG(st.st_mode)) return 1;
    if (std::size_t(st.st_size) != expectedSize) return 3;
    return FileHasContent(path);
}

int FileHasContent(const std::string& path) {
    if (path.empty()) return 1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return 1;
    }
    std::uint8_t byte = 0;
    const std::size_t n = ReadFully(fd, &byte, 1);
    ::close(fd);
    return n == 1 ? 0 : 2;
}

bool ReadDataFile(const std::string& path, RadioImage& image, FileTrailer& trailer) {
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ShowMessage(kMsgOpenForRead, MsgButtons::kOk, MsgIcon::kStop, path);
        return false;
    }
    // Read into a scratch copy: a short file must not leave a half-replaced image.
    std::vector<std::uint8_t> scratch(kImageSize);
    if (ReadFully(fd, scratch.data(), kImageSize) != kImageSize) {
        ::close(fd);
        ShowMessage(kMsgReadFailed, MsgButtons::kOk, MsgIcon::kStop, path);
        return false;
    }
    FileTrailer t{};
    ReadFully(fd, t.data(), t.size());  // a short trailer is not reported
    ::close(fd);
    std::copy(scratch.begin(), scratch.end(), image.begin());
    trailer = t;
    return true;
}

DataFileWrite StoreDataFile(const std::string& path, const RadioImage& image,
                            const FileTrailer& trailer) {
    SaveTarget target;
    if (CheckSaveTarget(path, &target) != SaveCheck::kOk) return DataFileWrite::kRefused;
    const std::vector<std::uint8_t> bytes = DataFileBytes(image, trailer);
    return SaveFileSafely(target, bytes.data(), bytes.size()) ? DataFileWrite::kWritten
                                                              : DataFileWrite::kFailed;
}

bool WriteDataFile(const std::string& path, const RadioImage& image, const FileTrailer& trailer) {
    const std::vector<std::uint8_t> bytes = DataFileBytes(image, trailer);
    if (!SaveFileTellingUser(path, bytes.data(), bytes.size())) return false;
    imageModified = 0;
    return true;
}

bool CheckWritable(const std::string& path) {
    struct stat st {};
    if (!path.empty() && ::stat(path.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR)) {
        ShowMessage(kMsgReadOnly, MsgButtons::kOk, MsgIcon::kStop, path);
        return false;
    }
    return true;
}

bool CheckDataFileTarget(const std::string& path) {
    if (!CheckWritable(path)) return false;
    if (CheckSaveTarget(path, nullptr) != SaveCheck::kOk) {
        ShowMessage(kMsgOpenForWrite, MsgButtons::kOk, MsgIcon::kStop, path);
        return false;
    }
    return true;
}

}  // namespace kp07
