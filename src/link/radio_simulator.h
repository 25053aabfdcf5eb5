// The radio's end of the programming cable, as the radio behaves on it: it
// sleeps through normal operation, sends one wake-up byte 55h at 9600 baud
// when it is switched on with the cable attached, takes the PC's speed byte
// (20h 9600, 21h 19200) and then answers block reads (F2h) and block writes
// (F3h) of its 7808-byte EEPROM until it is switched off. A raw 38h in clone
// mode restarts it for alignment (answered with 30h), where it takes the
// alignment commands 30h-3Bh. Faults can be switched on to test the PC side.
//
// The simulator knows nothing of time: it is told what arrived and returns
// what it sends, each item with the quiet time before it. RadioWire puts it
// on a timed line.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "image/radio_image.h"

namespace kp07 {

// A frame the radio took (its command and data bytes, without length and
// sum), or a single byte it took outside a frame: the speed byte, the 38h
// that restarts it for alignment, the 30h that starts alignment.
struct ToldFrame {
    std::uint8_t command = 0;
    std::vector<std::uint8_t> data;
    bool raw = false;
    std::int64_t atUs = 0;  // when its last byte arrived
};

// One item the radio puts on the line.
struct RadioOutput {
    enum class Kind { kByte, kBreak };
    Kind kind = Kind::kByte;
    std::uint8_t value = 0;
    std::uint32_t baud = 9600;  // the speed the radio sends at
    std::int64_t delayUs = 0;   // quiet time before the item
};

// Faults to inject. Counted faults are used up one by one, on every
// `period`-th block frame (1: every frame).
struct RadioFaults {
    int wrongSums = 0;       // block replies with a wrong checksum
    int droppedReplies = 0;  // block frames that get no answer at all
    int refusedWrites = 0;   // block writes answered with NAK and not stored
    int period = 1;
    int silenceAfter = -1;     // after this many answered block frames, silence (-1: never)
    int strayBytes = 0;        // noise bytes before each wake-up byte
    bool breakOnWake = false;  // the line is held low as the radio powers up
};

class RadioSimulator {
  public:
    enum class State { kIdle, kWaking, kClone, kAlignment };

    explicit RadioSimulator(const RadioImage& memory);

    // Puts the radio into clone mode at `baud` at once (as if the wake-up had
    // happened), or back to normal operation.
    void StartInCloneMode(std::uint32_t baud);
    void StartIdle();
    // The radio is switched off and on again: it sends its wake-up byte.
    void PowerCycle(std::vector<RadioOutput>& out);
    // A byte arrived, sent by the PC at `baud`, at time `nowUs`.
    void Receive(std::uint8_t byte, std::uint32_t baud, std::int64_t nowUs,
                 std::vector<RadioOutput>& out);

    State state() const { return state_; }
    std::uint32_t baud() const { return baud_; }
    const RadioImage& memory() const { return memory_; }
    RadioImage& memory() { return memory_; }
    RadioFaults& faults() { return faults_; }

    // Counters for tests and the tool's summary.
    int blocksRead() const { return blocksRead_; }
    const std::vector<int>& blocksWritten() const { return blocksWritten_; }
    int writesRefused() const { return writesRefused_; }
    // True once after each change of the memory (the tool then saves it).
    bool TakeMemoryChanged();

    // What the last alignment commands carried (index command - 30h); the
    // status frame answers with `status`.
    const std::vector<std::uint8_t>& lastAlignment(std::uint8_t command) const;
    bool transmitting() const { return transmitting_; }
    std::array<std::uint8_t, 4> status{{0, 40, 120, 0}};
    // With this on, the squelch and RSSI readings (status bytes 1 and 2)
    // move as a live signal does: every 500 ms a step along 0, +1, +2, +1,
    // 0, -1, -2, -1 around their `status` values, counted from time 0.
    bool wanderingStatus = false;
    // The status bytes the radio reports at `nowUs`.
    std::array<std::uint8_t, 4> StatusAt(std::int64_t nowUs) const;

    // Every frame and raw byte the radio took, oldest first (the oldest are
    // dropped beyond kToldLimit).
    static constexpr std::size_t kToldLimit = 100000;
    const std::deque<ToldFrame>& told() const { return told_; }
    void ClearTold() { told_.clear(); }

    // Quiet times of the radio, microseconds.
    std::int64_t wakeDelayUs = 200000;  // power-on to wake-up byte
    std::int64_t replyDelayUs = 0;      // request to block reply
    std::int64_t ackDelayUs = 5000;     // block write to ACK (EEPROM write)

  private:
    void Restart(std::vector<RadioOutput>& out, std::int64_t delayUs);
    void HandleFrame(std::vector<RadioOutput>& out);
    void HandleCloneFrame(std::vector<RadioOutput>& out);
    void HandleAlignmentFrame(std::vector<RadioOutput>& out);
    // Decides the fault for the next block frame: 0 none, else the kind.
    enum class Fault { kNone, kWrongSum, kDrop, kRefuse, kSilent };
    Fault NextFault(bool isWrite);
    void Tell(std::uint8_t command, std::vector<std::uint8_t> data, bool raw);
    void Send(std::vector<RadioOutput>& out, std::uint8_t byte, std::int64_t delayUs = 0);

    RadioImage memory_;
    RadioFaults faults_;
    State state_ = State::kIdle;
    std::uint32_t baud_ = 9600;
    std::vector<std::uint8_t> frame_;
    std::int64_t lastByteUs_ = 0;
    int blockFrames_ = 0;
    int answeredFrames_ = 0;
    int blocksRead_ = 0;
    std::vector<int> blocksWritten_;
    int writesRefused_ = 0;
    bool memoryChanged_ = false;
    bool transmitting_ = false;
    std::array<std::vector<std::uint8_t>, 12> alignment_;
    std::deque<ToldFrame> told_;
};

// The cable between the PC and the radio, with time. Each byte occupies the
// line for one character time (start bit, 8 data bits, two stop bits: 11 bit
// times); the PC's bytes come straight back as the echo and reach the radio,
// whose answers follow on the same wire.
class RadioWire {
  public:
    struct Delivery {
        enum class Kind { kByte, kBreak, kFramingError };
        std::int64_t atUs = 0;
        Kind kind = Kind::kByte;
        std::uint8_t value = 0;
    };

    // With `paced` false every byte takes no time on the line.
    RadioWire(RadioSimulator& radio, bool paced);

    // The PC sent bytes at `pcBaud`, starting at `nowUs`.
    void FromPc(const std::uint8_t* data, std::size_t count, std::int64_t nowUs,
                std::uint32_t pcBaud);
    void PowerCycle(std::int64_t nowUs);
    // A BREAK on the line (a cable being plugged in, a radio dropping power).
    void InjectBreak(std::int64_t nowUs);
    // Without the echo the cable is broken on the way back to the PC.
    void SetEcho(bool on) { echo_ = on; }
    // The lead comes out of the PC: from now on nothing the PC sends comes
    // back or reaches the radio, and nothing the radio sends arrives.
    void PullLead();
    bool leadPulled() const { return pulled_; }

    // Everything that has reached the PC by `nowUs`, oldest first. A radio
    // byte sent at another speed than the PC listens at arrives as a framing
    // error.
    std::vector<Delivery> TakeDue(std::int64_t nowUs, std::uint32_t pcBaud);
    // When the next delivery reaches the PC (INT64_MAX when none is pending).
    std::int64_t NextDeliveryUs() const;
    // When the last byte the PC sent has left the line.
    std::int64_t PcDoneUs() const { return pcDoneUs_; }

    static std::int64_t CharacterUs(std::uint32_t baud);

  private:
    struct Pending {
        std::int64_t atUs;
        Delivery::Kind kind;
        std::uint8_t value;
        std::uint32_t baud;  // 0: the PC's own echo, always readable
    };
    void Schedule(const std::vector<RadioOutput>& out, std::int64_t fromUs);
    std::int64_t Occupy(std::int64_t fromUs, std::int64_t lengthUs);

    RadioSimulator& radio_;
    bool paced_;
    bool echo_ = true;
    bool pulled_ = false;
    std::int64_t busyUntilUs_ = 0;
    std::int64_t pcDoneUs_ = 0;
    std::deque<Pending> pending_;  // ordered by time
};

}  // namespace kp07
