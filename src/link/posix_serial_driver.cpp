#include "link/posix_serial_driver.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "link/link_clock.h"

namespace kp07 {
namespace {

timespec ToTimespec(std::int64_t us) {
    timespec ts{};
    if (us < 0) us = 0;
    ts.tv_sec = us / 1000000;
    ts.tv_nsec = (us % 1000000) * 1000;
    return ts;
}

}  // namespace

PosixSerialDriver::~PosixSerialDriver() {
    Close();
}

int PosixSerialDriver::Open(const std::string& device) {
    Close();
    if (device.empty()) return ENOENT;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    // Exclusive use: no other program may open the line while we hold it.
    // TIOCEXCL keeps out later opens by ordinary users; the lock also keeps
    // out a second copy of this program running with more rights.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return err;
    }
    ioctl(fd, TIOCEXCL);
    fd_ = fd;
    ResetReceiveState();
    countsOverruns_ = ReadOverruns(&overruns_);
    return 0;
}

bool PosixSerialDriver::Configure(std::uint32_t baud) {
    if (fd_ < 0) return false;
    speed_t speed;
    switch (baud) {
        case 9600:
            speed = B9600;
            break;
        case 19200:
            speed = B19200;
            break;
        default:
            errno = EINVAL;
            return false;
    }
    termios t{};
    if (tcgetattr(fd_, &t) != 0) return false;
    // Input: no translation, no software flow control; line events marked in
    // the stream (PARMRK with INPCK) instead of ignored or turned into signals.
    t.c_iflag &= ~tcflag_t(IGNBRK | BRKINT | IGNPAR | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                           IXOFF | IXANY | IMAXBEL);
    t.c_iflag |= PARMRK | INPCK;
    t.c_oflag &= ~tcflag_t(OPOST);
    t.c_lflag &= ~tcflag_t(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    // 8 data bits, no parity, two stop bits, no RTS/CTS, receiver on, modem
    // status lines ignored.
    t.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CRTSCTS);
    t.c_cflag |= CS8 | CSTOPB | CREAD | CLOCAL | HUPCL;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    t.c_cc[VSTART] = 0x11;
    t.c_cc[VSTOP] = 0x13;
    if (cfsetispeed(&t, speed) != 0 || cfsetospeed(&t, speed) != 0) return false;
    if (tcsetattr(fd_, TCSANOW, &t) != 0) return false;
    // Start bit, 8 data bits, two stop bits.
    characterUs_ = 11 * 1000000 / std::int64_t(baud);
    return ModemLines(TIOCMBIS, TIOCM_DTR | TIOCM_RTS);
}

bool PosixSerialDriver::ModemLines(unsigned long request, int bits) {
    if (ioctl(fd_, request, &bits) == 0) return true;
    // A pseudo-terminal or an adapter without modem-control lines answers
    // ENOTTY (or EINVAL): there is nothing to switch, which is fine.
    return errno == ENOTTY || errno == EINVAL;
}

void PosixSerialDriver::Close() {
    if (fd_ < 0) return;
    ModemLines(TIOCMBIC, TIOCM_DTR);
    tcflush(fd_, TCIOFLUSH);
    // Clear the exclusive flag so that the next open (by us, to change speed
    // or reset the line) is not refused while another holder keeps the line.
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    characterUs_ = 0;
    ResetReceiveState();
}

bool PosixSerialDriver::Write(const std::uint8_t* data, std::size_t count, int timeoutMs) {
    if (fd_ < 0) return false;
    LinkClock& clock = linkClock();
    const std::int64_t deadline = clock.NowUs() + std::int64_t(timeoutMs) * 1000;
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, data + done, count - done);
        if (n > 0) {
            done += std::size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        const std::int64_t left = deadline - clock.NowUs();
        if (left <= 0) return false;
        pollfd p{fd_, POLLOUT, 0};
        const timespec ts = ToTimespec(left);
        if (ppoll(&p, 1, &ts, nullptr) < 0 && errno != EINTR) return false;
        if (p.revents & (POLLERR | POLLNVAL)) return false;
    }
    return true;
}

bool PosixSerialDriver::Drain() {
    if (fd_ < 0) return false;
    while (tcdrain(fd_) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

int PosixSerialDriver::Fill(std::uint8_t* raw, std::size_t max, std::int64_t waitUs) {
    if (fd_ < 0) return -1;
    if (waitUs > 0) {
        pollfd p{fd_, POLLIN, 0};
        const timespec ts = ToTimespec(waitUs);
        const int r = ppoll(&p, 1, &ts, nullptr);
        if (r < 0) return errno == EINTR ? 0 : -1;
        if (r == 0) return 0;
        if (!(p.revents & POLLIN)) return -1;  // hung up or failed
    }
    const ssize_t n = ::read(fd_, raw, max);
    if (n >= 0) return int(n);
    return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ? 0 : -1;
}

void PosixSerialDriver::FlushInput() {
    if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
}

bool PosixSerialDriver::ReadOverruns(unsigned long* count) {
    serial_icounter_struct counts{};
    if (ioctl(fd_, TIOCGICOUNT, &counts) != 0) return false;
    *count =
        static_cast<unsigned long>(counts.overrun) + static_cast<unsigned long>(counts.buf_overrun);
    return true;
}

unsigned PosixSerialDriver::TakeErrors() {
    if (countsOverruns_) {
        unsigned long now = 0;
        if (ReadOverruns(&now) && now != overruns_) {
            overruns_ = now;
            AddErrors(kLineOverrun);
        }
    }
    return StreamSerialDriver::TakeErrors();
}

}  // namespace kp07
