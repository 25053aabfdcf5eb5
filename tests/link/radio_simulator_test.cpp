// The simulated radio and the timed wire it sits on.
#include <gtest/gtest.h>

#include "link/radio_simulator.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

// What the radio answers to `bytes` received at `baud` at `atUs`.
std::vector<std::uint8_t> Send(RadioSimulator& radio, const std::vector<std::uint8_t>& bytes,
                               std::uint32_t baud, std::int64_t atUs = 0) {
    std::vector<RadioOutput> out;
    for (std::uint8_t b : bytes) radio.Receive(b, baud, atUs, out);
    std::vector<std::uint8_t> reply;
    for (const auto& o : out) reply.push_back(o.value);
    return reply;
}

std::vector<std::uint8_t> Bytes(const std::vector<RadioWire::Delivery>& d) {
    std::vector<std::uint8_t> out;
    for (const auto& x : d) {
        if (x.kind == RadioWire::Delivery::Kind::kByte) out.push_back(x.value);
    }
    return out;
}

TEST(RadioWireTest, EchoAndReplyTakeTheirCharacterTimes) {
    RadioImage memory = test::FilledImage(0x00);
    memory[128] = 0xAB;  // block 1 starts with AB
    RadioSimulator radio(memory);
    radio.StartInCloneMode(9600);
    RadioWire wire(radio, true);
    EXPECT_EQ(RadioWire::CharacterUs(9600), 1146);  // 11 bits at 9600 baud
    EXPECT_EQ(RadioWire::CharacterUs(19200), 573);

    const std::uint8_t request[] = {0xF2, 0x02, 0x01, 0xF5};
    wire.FromPc(request, 4, 0, 9600);
    EXPECT_EQ(wire.PcDoneUs(), 4 * 1146);
    const auto echo = wire.TakeDue(4 * 1146, 9600);
    ASSERT_EQ(echo.size(), 4u);
    EXPECT_EQ(echo[0].atUs, 1146);
    EXPECT_EQ(Bytes(echo), std::vector<std::uint8_t>(request, request + 4));
    // Reply: F2 81, 128 bytes, sum; one character after another.
    EXPECT_EQ(wire.NextDeliveryUs(), 5 * 1146);
    const auto reply = wire.TakeDue(1000000, 9600);
    ASSERT_EQ(reply.size(), 131u);
    EXPECT_EQ(reply.back().atUs, 135 * 1146);
    EXPECT_EQ(reply[0].value, 0xF2);
    EXPECT_EQ(reply[1].value, 0x81);
    EXPECT_EQ(reply[2].value, 0xAB);
    EXPECT_EQ(reply[130].value, std::uint8_t(0xF2 + 0x81 + 0xAB));

    // The PC listening at another speed gets damaged characters.
    wire.FromPc(request, 4, 2000000, 9600);
    const auto garbled = wire.TakeDue(3000000, 19200);
    EXPECT_EQ(garbled[4].kind, RadioWire::Delivery::Kind::kFramingError);
}

TEST(RadioSimulatorTest, WakeUpSpeedByteAndAlignmentCommands) {
    RadioSimulator radio(test::FilledImage(0));
    auto send = [&](std::vector<std::uint8_t> bytes, std::uint32_t baud) {
        return Send(radio, bytes, baud);
    };
    radio.StartIdle();
    std::vector<RadioOutput> out;
    EXPECT_TRUE(send({0xF2, 0x02, 0x00, 0xF4}, 9600).empty());  // asleep

    radio.PowerCycle(out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].value, 0x55);
    EXPECT_EQ(out[0].baud, 9600u);
    EXPECT_EQ(out[0].delayUs, 200000);
    send({0x21}, 9600);  // "!": the link runs at 19200
    EXPECT_EQ(radio.state(), RadioSimulator::State::kClone);
    EXPECT_EQ(radio.baud(), 19200u);
    EXPECT_TRUE(send({0xF2, 0x02, 0x00, 0xF4}, 9600).empty());  // wrong speed: noise
    EXPECT_EQ(send({0xF2, 0x02, 0x00, 0xF4}, 19200).size(), 131u);
    EXPECT_TRUE(send({0xF2, 0x02, 0x00, 0xF5}, 19200).empty());  // bad sum: ignored

    // A raw 38h restarts the radio; 30h then starts alignment at 9600.
    EXPECT_EQ(send({0x38}, 19200), std::vector<std::uint8_t>{0x55});
    send({0x30}, 9600);
    EXPECT_EQ(radio.state(), RadioSimulator::State::kAlignment);
    EXPECT_EQ(send({0x30, 0x02, 0x05, 0x37}, 9600), std::vector<std::uint8_t>{0x06});
    EXPECT_EQ(radio.lastAlignment(0x30), std::vector<std::uint8_t>{0x05});
    // Status frame: 31 05, squelch and RSSI readings, sum.
    EXPECT_EQ(send({0x31, 0x01, 0x32}, 9600),
              (std::vector<std::uint8_t>{0x31, 0x05, 0x00, 0x28, 0x78, 0x00, 0xD6}));
    EXPECT_EQ(send({0x36, 0x01, 0x37}, 9600), std::vector<std::uint8_t>{0x06});
    EXPECT_TRUE(radio.transmitting());
    EXPECT_EQ(send({0x33, 0x03, 0x80, 0x40, 0xF6}, 9600), std::vector<std::uint8_t>{0x06});
    EXPECT_EQ(radio.lastAlignment(0x33), (std::vector<std::uint8_t>{0x80, 0x40}));
    EXPECT_TRUE(send({0x32, 0x03, 0x10, 0x00, 0x45}, 9600).empty());  // wrong length
    EXPECT_EQ(send({0x37, 0x01, 0x38}, 9600), std::vector<std::uint8_t>{0x06});
    EXPECT_FALSE(radio.transmitting());
    // 38h leaves alignment: the radio restarts and wakes up again.
    EXPECT_EQ(send({0x38, 0x01, 0x39}, 9600), std::vector<std::uint8_t>{0x55});
    send({0x20}, 9600);
    EXPECT_EQ(radio.state(), RadioSimulator::State::kClone);
    EXPECT_EQ(radio.baud(), 9600u);
}

TEST(RadioSimulatorTest, RecordsWhatItIsToldAndItsReadingsMove) {
    RadioSimulator radio(test::FilledImage(0));
    auto send = [&](std::vector<std::uint8_t> bytes, std::int64_t atUs) {
        return Send(radio, bytes, radio.baud(), atUs);
    };
    radio.StartInCloneMode(9600);
    send({0xF2, 0x02, 0x07, 0xFB}, 1000);
    send({0xF2, 0x02, 0x07, 0xFC}, 2000);  // bad sum: not taken
    send({0x38}, 3000);
    send({0x30}, 4000);
    send({0x32, 0x02, 0x8C, 0xC0}, 5000);
    send({0x3A, 0x03, 0x80, 0x01, 0xBE}, 6000);
    const struct {
        std::uint8_t command;
        std::vector<std::uint8_t> data;
        bool raw;
        std::int64_t atUs;
    } expected[] = {
        {0xF2, {0x07}, false, 1000},
        {0x38, {}, true, 3000},
        {0x30, {}, true, 4000},
        {0x32, {0x8C}, false, 5000},
        {0x3A, {0x80, 0x01}, false, 6000},
    };
    ASSERT_EQ(radio.told().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(radio.told()[i].command, expected[i].command) << i;
        EXPECT_EQ(radio.told()[i].data, expected[i].data) << i;
        EXPECT_EQ(radio.told()[i].raw, expected[i].raw) << i;
        EXPECT_EQ(radio.told()[i].atUs, expected[i].atUs) << i;
    }

    // The readings step every 500 ms along 0 +1 +2 +1 0 -1 -2 -1, within
    // 0..255; bytes 0 and 3 stay.
    radio.wanderingStatus = true;
    const struct {
        std::array<std::uint8_t, 4> status;
        std::int64_t atUs;
        std::uint8_t squelch, rssi;
    } readings[] = {
        {{9, 40, 120, 7}, 100000, 40, 120},  {{9, 40, 120, 7}, 1000000, 42, 122},
        {{9, 40, 120, 7}, 2600000, 39, 119}, {{9, 40, 120, 7}, 4000000, 40, 120},
        {{9, 255, 1, 7}, 1200000, 255, 3},   {{9, 0, 254, 7}, 3100000, 0, 252},
    };
    for (const auto& r : readings) {
        radio.status = r.status;
        const std::uint8_t sum = std::uint8_t(0x31 + 0x05 + 9 + r.squelch + r.rssi + 7);
        EXPECT_EQ(send({0x31, 0x01, 0x32}, r.atUs),
                  (std::vector<std::uint8_t>{0x31, 0x05, 9, r.squelch, r.rssi, 7, sum}))
            << r.atUs;
    }
}

TEST(RadioSimulatorTest, BlockWritesAreStoredOnlyWithTheRightSum) {
    RadioSimulator radio(test::FilledImage(0));
    radio.StartInCloneMode(9600);
    std::vector<std::uint8_t> frame = {0xF3, 0x82, 0x3C};
    for (int i = 0; i < 128; ++i) frame.push_back(std::uint8_t(i));
    unsigned sum = 0;
    for (std::uint8_t b : frame) sum += b;
    frame.push_back(std::uint8_t(sum + 1));
    EXPECT_EQ(Send(radio, frame, 9600), std::vector<std::uint8_t>{0x15});  // NAK
    EXPECT_TRUE(radio.blocksWritten().empty());
    frame.back() = std::uint8_t(sum);
    EXPECT_EQ(Send(radio, frame, 9600), std::vector<std::uint8_t>{0x06});
    EXPECT_EQ(radio.blocksWritten(), std::vector<int>{60});
    EXPECT_EQ(radio.memory()[60 * 128 + 127], 127);
    EXPECT_TRUE(radio.TakeMemoryChanged());
    EXPECT_FALSE(radio.TakeMemoryChanged());
}

}  // namespace
}  // namespace kp07
