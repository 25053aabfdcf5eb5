// Reading the files the tools are given: only regular files, and never more
// than the tool can use. A directory, a FIFO or a device such as /dev/zero
// is refused at once instead of failing half-way, being waited on for ever
// or read until memory runs out.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kp07::tools {

// Reads at most `limit` bytes of the regular file `path` into `bytes`;
// `size` is the file's whole size. False, with the reason in `why`, when the
// file does not open or is not a regular file.
inline bool ReadRegularFile(const std::string& path, std::size_t limit,
                            std::vector<std::uint8_t>* bytes, std::uint64_t* size,
                            std::string* why) {
    struct stat st {};
    // Looked at before it is opened: opening a device can have effects of
    // its own, and opening a FIFO waits for a writer.
    if (::stat(path.c_str(), &st) != 0) {
        *why = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *why = S_ISDIR(st.st_mode) ? "a folder, not a file" : "not a regular file";
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *why = std::strerror(errno);
        return false;
    }
    // The name may have been given to something else in between.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *why = "not a regular file";
        return false;
    }
    *size = std::uint64_t(st.st_size);
    bytes->assign(std::min<std::uint64_t>(limit, *size), 0);
    std::size_t got = 0;
    while (got < bytes->size()) {
        const ssize_t n = ::read(fd, bytes->data() + got, bytes->size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *why = std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (n == 0) break;  // the file shrank meanwhile
        got += std::size_t(n);
    }
    ::close(fd);
    bytes->resize(got);
    return true;
}

}  // namespace kp07::tools
