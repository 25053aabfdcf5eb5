// The termios driver on a pseudo-terminal: line settings, the marked stream,
// time limits and exclusive use. (A pseudo-terminal has no modem-control
// lines and carries no BREAK; those are covered on the scripted line.)
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>

#include "link/link_clock.h"
#include "link/posix_serial_driver.h"

namespace kp07 {
namespace {

class PseudoTerminal {
  public:
    PseudoTerminal() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) {
            const char* name = ptsname(master);
            if (name) slave = name;
        }
    }
    ~PseudoTerminal() {
        if (master >= 0) close(master);
    }
    std::string ReadMaster(std::size_t count) {
        std::string got;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (got.size() < count && std::chrono::steady_clock::now() < until) {
            char buf[256];
            const ssize_t n = read(master, buf, sizeof buf);
            if (n > 0) got.append(buf, std::size_t(n));
        }
        return got;
    }
    int master = -1;
    std::string slave;
};

// A pseudo-terminal with the driver open on its slave side at 9600 baud.
struct OpenLine {
    OpenLine() { ok = !pty.slave.empty() && driver.Open(pty.slave) == 0 && driver.Configure(9600); }
    // Reads up to `count` bytes within `totalMs`.
    std::string Read(std::size_t count, int totalMs) {
        std::string in(count, '\0');
        std::size_t got = 0;
        ReadLimits limits;
        limits.totalMs = totalMs;
        EXPECT_TRUE(driver.Read(reinterpret_cast<std::uint8_t*>(in.data()), count, &got, limits));
        return in.substr(0, got);
    }
    PseudoTerminal pty;
    PosixSerialDriver driver;
    bool ok = false;
};

TEST(PosixSerialDriverTest, LineSettingsAreRawEightBitsTwoStopBitsNoFlowControl) {
    OpenLine line;
    ASSERT_TRUE(line.ok);
    // No modem-control lines on a pseudo-terminal: not an error.
    ASSERT_TRUE(line.driver.Configure(19200));
    termios t{};
    ASSERT_EQ(tcgetattr(line.pty.master, &t), 0);  // the master shows the slave's settings
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    EXPECT_FALSE(t.c_cflag & PARENB);
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_TRUE(t.c_cflag & CLOCAL);
    EXPECT_TRUE(t.c_cflag & CREAD);
    EXPECT_FALSE(t.c_iflag & (IXON | IXOFF | IGNBRK | BRKINT | ISTRIP | IGNPAR | ICRNL));
    EXPECT_EQ(t.c_iflag & (PARMRK | INPCK), tcflag_t(PARMRK | INPCK));
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN));
    EXPECT_FALSE(t.c_oflag & OPOST);
    EXPECT_EQ(cfgetospeed(&t), speed_t(B19200));
    EXPECT_FALSE(line.driver.Configure(38400));  // only the two speeds of the radio
}

TEST(PosixSerialDriverTest, BytesBothWaysIncludingFF) {
    OpenLine line;
    ASSERT_TRUE(line.ok);
    const std::uint8_t out[] = {0x00, 0xFF, 0x55, 0x0A, 0x0D};
    ASSERT_TRUE(line.driver.Write(out, sizeof out, 1000));
    ASSERT_TRUE(line.driver.Drain());
    EXPECT_EQ(line.pty.ReadMaster(5), std::string("\x00\xFF\x55\x0A\x0D", 5));

    // A data byte FF arrives marked as FF FF and is read as one FF.
    ASSERT_EQ(write(line.pty.master, "\xFF\x41\xFF", 3), 3);
    EXPECT_EQ(line.Read(3, 1000), "\xFF\x41\xFF");
    EXPECT_EQ(line.driver.TakeErrors(), 0u);
}

TEST(PosixSerialDriverTest, ReadGivesUpAtItsTimeLimitAndPurgeDiscards) {
    OpenLine line;
    ASSERT_TRUE(line.ok);
    const std::int64_t start = linkClock().NowMs();
    EXPECT_EQ(line.Read(1, 120), "");
    const std::int64_t took = linkClock().NowMs() - start;
    EXPECT_GE(took, 115);
    EXPECT_LT(took, 1000);

    ASSERT_EQ(write(line.pty.master, "abc", 3), 3);
    usleep(20000);
    line.driver.PurgeReceive();
    EXPECT_EQ(line.Read(1, 50), "");
}

TEST(PosixSerialDriverTest, OpenIsExclusiveAndReportsWhyItFailed) {
    PseudoTerminal pty;
    PosixSerialDriver first;
    ASSERT_EQ(first.Open(pty.slave), 0);
    PosixSerialDriver second;
    EXPECT_EQ(second.Open(pty.slave), EBUSY);
    first.Close();
    EXPECT_FALSE(first.IsOpen());
    EXPECT_EQ(second.Open(pty.slave), 0);  // closing gave the line back

    PosixSerialDriver missing;
    EXPECT_EQ(missing.Open("/dev/kp07-no-such-device"), ENOENT);
    EXPECT_EQ(missing.Open(""), ENOENT);
    EXPECT_FALSE(missing.Configure(9600));
    std::uint8_t b = 0;
    EXPECT_FALSE(missing.Write(&b, 1, 100));
}

}  // namespace
}  // namespace kp07
