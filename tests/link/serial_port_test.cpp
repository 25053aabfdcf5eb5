// The serial port layer over a scripted line: the marked stream, the error
// rules of the reads, echo handling, port names.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "link/clone_frames.h"
#include "link/link_clock.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/stream_serial_driver.h"
#include "link_fixture.h"
#include "support/test_support.h"

namespace kp07::test {
namespace {

// A line whose raw (PARMRK-marked) bytes the test scripts, each chunk at a
// time on a virtual clock; whatever is written comes back as echo unless
// switched off.
class ScriptedDriver : public StreamSerialDriver {
  public:
    struct Chunk {
        std::int64_t atUs;
        std::vector<std::uint8_t> raw;
    };
    explicit ScriptedDriver(VirtualClock& clock) : clock_(clock) {}

    int Open(const std::string&) override {
        open_ = true;
        return 0;
    }
    bool Configure(std::uint32_t) override { return open_; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(const std::uint8_t* data, std::size_t count, int) override {
        written.insert(written.end(), data, data + count);
        if (echo) Arrive(clock_.NowUs(), std::vector<std::uint8_t>(data, data + count));
        return true;
    }
    bool Drain() override { return true; }

    // Chunks are kept in time order: an echo comes before an answer
    // scripted for later.
    void Arrive(std::int64_t atUs, std::vector<std::uint8_t> raw) {
        const auto later =
            std::upper_bound(chunks.begin(), chunks.end(), atUs,
                             [](std::int64_t t, const Chunk& c) { return t < c.atUs; });
        chunks.insert(later, {atUs, std::move(raw)});
    }
    void Overrun() { AddErrors(kLineOverrun); }

    std::deque<Chunk> chunks;
    std::vector<std::uint8_t> written;
    bool echo = true;

  protected:
    int Fill(std::uint8_t* raw, std::size_t max, std::int64_t waitUs) override {
        const std::int64_t deadline = clock_.NowUs() + waitUs;
        if (chunks.empty() || chunks.front().atUs > deadline) {
            clock_.AdvanceTo(deadline);
            return 0;
        }
        clock_.AdvanceTo(chunks.front().atUs);
        std::size_t n = 0;
        Chunk& c = chunks.front();
        while (n < max && !c.raw.empty()) {
            raw[n++] = c.raw.front();
            c.raw.erase(c.raw.begin());
        }
        if (c.raw.empty()) chunks.pop_front();
        return int(n);
    }
    void FlushInput() override {
        while (!chunks.empty() && chunks.front().atUs <= clock_.NowUs()) chunks.pop_front();
    }

  private:
    VirtualClock& clock_;
    bool open_ = false;
};

class SerialPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        previous_ = SetLinkClock(&clock);
        auto d = std::make_unique<ScriptedDriver>(clock);
        line = d.get();
        port = std::make_unique<SerialPort>(std::move(d));
        ASSERT_TRUE(port->OpenPort(9600));  // the set-up takes 140 ms of the clock
        t0 = clock.NowUs();
    }
    void TearDown() override {
        port.reset();
        SetLinkClock(previous_);
        ResetProcessStateForTest();
    }
    // Reads bytes until one read gives nothing; the bytes read.
    std::vector<std::uint8_t> Drain() {
        std::vector<std::uint8_t> got;
        std::uint8_t b = 0;
        while (port->ReadByte(&b) == kReadOk) got.push_back(b);
        return got;
    }

    VirtualClock clock;
    std::int64_t t0 = 0;
    ScriptedDriver* line = nullptr;
    std::unique_ptr<SerialPort> port;

  private:
    LinkClock* previous_ = nullptr;
};

TEST_F(SerialPortTest, MarkedStreamDecodesEvenWhenMarksAreSplit) {
    // FF FF is the data byte FF; marks may be cut between two reads.
    line->Arrive(t0, {0x41, 0xFF});
    line->Arrive(t0 + 1000, {0xFF, 0x42, 0xFF});
    line->Arrive(t0 + 2000, {0xFF, 0x00});
    EXPECT_EQ(Drain(), (std::vector<std::uint8_t>{0x41, 0xFF, 0x42, 0xFF, 0x00}));
    EXPECT_EQ(breakSeen, 0);
}

TEST_F(SerialPortTest, BreakPurgesAndIsSeenOnce) {
    line->Arrive(t0, {0x41, 0xFF, 0x00, 0x00, 0x43, 0x44});
    std::uint8_t b = 0;
    std::size_t n = 0;
    EXPECT_EQ(port->ReadOneByte(&b, &n), kReadOk);
    EXPECT_EQ(b, 0x41);
    EXPECT_EQ(port->ReadOneByte(&b, &n), kReadNothing);  // BREAK: purged
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(breakSeen, 1);
    EXPECT_TRUE(Drain().empty());  // 43 44 went with the purge
}

TEST_F(SerialPortTest, FramingErrorIsALineErrorExceptWhileWaitingForTheRadio) {
    std::uint8_t b = 0;
    std::size_t n = 0;
    // Outside the handshake: line error, nothing read, nothing purged.
    line->Arrive(t0, {0xFF, 0x00, 0x41, 0x42});
    EXPECT_EQ(port->ReadOneByte(&b, &n), kReadLineError);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(breakSeen, 0);
    EXPECT_EQ(Drain(), (std::vector<std::uint8_t>{0x41, 0x42}));

    // While the link start waits for the wake-up byte it counts as a BREAK.
    handshakePhase = 1;
    line->Arrive(clock.NowUs(), {0xFF, 0x00, 0x41, 0x42});
    EXPECT_EQ(port->ReadOneByte(&b, &n), kReadNothing);
    EXPECT_EQ(breakSeen, 1);
    EXPECT_TRUE(Drain().empty());

    // Anything besides BREAK and framing stays a line error, also then.
    breakSeen = 0;
    line->Overrun();
    line->Arrive(clock.NowUs(), {0xFF, 0x00, 0x00, 0x55});
    EXPECT_EQ(port->ReadOneByte(&b, &n), kReadLineError);
    EXPECT_EQ(breakSeen, 0);
}

TEST_F(SerialPortTest, EventWhileWaitingEndsTheReadAndIsReportedByIt) {
    // A radio powering up: BREAK, then its wake-up byte 200 ms later. The
    // BREAK must be seen before the byte, not by the write that follows it.
    line->Arrive(t0 + 100000, {0xFF, 0x00, 0x00});
    line->Arrive(t0 + 300000, {0x55});
    std::uint8_t b = 0;
    EXPECT_EQ(port->ReadByte(&b), kReadNothing);
    EXPECT_EQ(breakSeen, 1);
    EXPECT_EQ(clock.NowUs() - t0, 100000);
    breakSeen = 0;
    EXPECT_EQ(port->ReadByte(&b), kReadOk);
    EXPECT_EQ(b, 0x55);
    const std::uint8_t speed = 0x20;
    EXPECT_TRUE(port->WriteWithEcho(&speed, 1));
    EXPECT_EQ(breakSeen, 0);
}

TEST_F(SerialPortTest, TimeLimitsOfReads) {
    std::uint8_t b = 0;
    EXPECT_EQ(port->ReadByte(&b), kReadNothing);
    EXPECT_EQ(clock.NowUs() - t0, 505000);  // 5 ms x 1 + 500 ms

    // ReadBytes: 100 ms between bytes once they flow.
    std::uint8_t buf[4];
    line->Arrive(clock.NowUs() + 10000, {1, 2});
    const std::int64_t start = clock.NowUs();
    EXPECT_EQ(port->ReadBytes(buf, 4), kReadNothing);
    EXPECT_EQ(clock.NowUs() - start, 110000);
}

TEST_F(SerialPortTest, EchoIsConsumedAndItsAbsenceFailsTheWrite) {
    std::vector<std::uint8_t> block(129, 0x06);
    EXPECT_TRUE(port->WriteWithEcho(block.data(), block.size()));
    std::uint8_t b = 0;
    EXPECT_EQ(port->ReadByte(&b), kReadNothing);  // no echo byte left behind

    line->echo = false;
    const std::int64_t start = clock.NowUs();
    EXPECT_FALSE(port->WriteWithEcho(block.data(), 1));
    EXPECT_EQ(clock.NowUs() - start, 505000);  // the read limit: 5 ms x 1 + 500 ms

    std::vector<std::uint8_t> tooLong(4097, 0);
    EXPECT_FALSE(port->WriteBytes(tooLong.data(), tooLong.size()));
}

TEST_F(SerialPortTest, AFrameOrAckWithAByteBehindItIsNotTaken) {
    // A stray byte inside a block reply shifts it by one: what is read as the
    // checksum is the last data byte and the real checksum follows. With the
    // stray byte's value chosen as line noise sometimes does, the 8-bit sum
    // still matches; the byte behind the frame gives it away.
    currentPort = std::move(port);
    std::vector<std::uint8_t> data(128);
    for (int i = 0; i < 128; ++i) data[std::size_t(i)] = std::uint8_t(i * 3 + 1);
    const std::uint8_t sum = FrameSum(0xF2, 0x81, data.data(), data.size());
    const std::uint8_t stray = std::uint8_t(2 * data[127] - sum);
    ASSERT_NE(stray, 0xFF);  // the raw stream would carry it doubled
    std::vector<std::uint8_t> reply = {0xF2, 0x81};
    reply.insert(reply.end(), data.begin(), data.end());
    reply.push_back(sum);
    std::vector<std::uint8_t> shifted = reply;
    shifted.insert(shifted.begin() + 42, stray);
    // The reply cut after the length byte and 64 data bytes.
    const std::vector<std::uint8_t> head(reply.begin(), reply.begin() + 66);
    const std::vector<std::uint8_t> tail(reply.begin() + 66, reply.end());
    const std::int64_t characterUs = 1146;  // 9600 baud
    struct Case {
        const char* what;
        std::vector<std::uint8_t> first;
        std::int64_t secondAfterUs;  // -1: nothing more
        std::vector<std::uint8_t> second;
        int outcome;
    };
    const Case cases[] = {
        {"a clean reply", reply, -1, {}, kLinkOk},
        {"a stray byte that the sum does not see", shifted, -1, {}, kLinkFailed},
        {"a byte one character behind", reply, characterUs, {0x41}, kLinkFailed},
        {"a byte long after", reply, 50000, {0x41}, kLinkOk},
        // Inside the data each byte is waited for as long as the first.
        {"a pause of 300 ms inside", head, 300000, tail, kLinkOk},
        {"a pause of 600 ms inside", head, 600000, tail, kLinkSilent},
        {"a reply that stops", head, -1, {}, kLinkSilent},
    };
    for (const Case& c : cases) {
        line->chunks.clear();
        const std::int64_t at = clock.NowUs() + 5000;
        line->Arrive(at, c.first);
        if (c.secondAfterUs >= 0) line->Arrive(at + c.secondAfterUs, c.second);
        std::uint8_t block[128] = {};
        EXPECT_EQ(RequestBlock(3, block), c.outcome) << c.what;
        if (c.outcome == kLinkOk) {
            EXPECT_TRUE(std::equal(data.begin(), data.end(), block)) << c.what;
        }
    }
    // A block write: an ACK alone is the radio's; an ACK with a refusal
    // right behind it was noise.
    for (const bool refusalBehind : {false, true}) {
        line->chunks.clear();
        const std::int64_t at = clock.NowUs() + 150000 + 5000;  // after the pause before a write
        line->Arrive(at, {0x06});
        if (refusalBehind) line->Arrive(at + characterUs, {0x15});
        EXPECT_EQ(SendBlock(7, data.data()), refusalBehind ? kLinkFailed : kLinkOk);
    }
}

TEST(PortNamesTest, NumbersMapToDevices) {
    ResetProcessStateForTest();
    EXPECT_EQ(PortName(1), "COM1");
    EXPECT_EQ(PortName(16), "COM16");
    EXPECT_EQ(PortName(0), "COM1");
    EXPECT_EQ(PortName(17), "COM1");
    EXPECT_EQ(PortDevice(1), "/dev/ttyS0");
    EXPECT_EQ(PortDevice(12), "/dev/ttyS11");
    EXPECT_EQ(PortDevice(-3), "/dev/ttyS0");
    SetPortDevice(3, "/dev/ttyUSB0");
    EXPECT_EQ(PortDevice(3), "/dev/ttyUSB0");
    EXPECT_EQ(PortDevice(4), "/dev/ttyS3");
    SetPortDevice(3, "");
    EXPECT_EQ(PortDevice(3), "/dev/ttyS2");
    ResetProcessStateForTest();
}

using OpenPortTest = LinkTest;

TEST_F(OpenPortTest, AnOpenPortKeepsItsSpeedAndAFailedSetUpClosesIt) {
    comPort = 5;
    RadioImage memory{};
    SimulatedCable& c = Cable(memory);
    EXPECT_EQ(c.device(), "/dev/ttyS4");
    SerialPort port;
    ASSERT_TRUE(port.OpenPort(9600));
    EXPECT_EQ(port.settings().portNumber, 5);
    EXPECT_EQ(port.settings().connected, 1);
    EXPECT_EQ(port.settings().stopBits, 2);
    EXPECT_TRUE(port.OpenPort(19200));
    EXPECT_EQ(port.settings().baudRate, 9600u);

    // Exclusive: a second port on the same line is refused.
    SerialPort second;
    EXPECT_FALSE(second.OpenPort(9600));
    EXPECT_EQ(second.openError(), EBUSY);

    port.ClosePort();
    c.SetConfigureFails(true);
    SerialPort third;
    EXPECT_FALSE(third.OpenPort(9600));
    EXPECT_EQ(third.settings().connected, 0);
    EXPECT_FALSE(third.IsOpen());
    EXPECT_EQ(third.openError(), 0);
}

}  // namespace
}  // namespace kp07::test
