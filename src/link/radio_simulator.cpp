#include "link/radio_simulator.h"

#include <algorithm>
#include <limits>

namespace kp07 {
namespace {

constexpr std::uint8_t kReadBlock = 0xF2;
constexpr std::uint8_t kWriteBlock = 0xF3;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kWakeUp = 0x55;
constexpr std::uint8_t kSpeed9600 = 0x20;
constexpr std::uint8_t kSpeed19200 = 0x21;
constexpr std::uint8_t kRestart = 0x38;
constexpr std::uint8_t kEnterAlignment = 0x30;
constexpr std::uint8_t kFirstAlignment = 0x30;
constexpr std::uint8_t kLastAlignment = 0x3B;
constexpr std::uint8_t kStatusCommand = 0x31;
constexpr std::uint8_t kStartTransmit = 0x36;
constexpr std::uint8_t kEndTransmit = 0x37;
constexpr std::uint8_t kLeaveAlignment = 0x38;
constexpr int kBlockSize = 128;
constexpr int kBlockCount = 61;
// A frame whose bytes stop for this long is forgotten.
constexpr std::int64_t kFrameGapUs = 100000;
// Length byte of each alignment command (command - 30h).
constexpr std::uint8_t kAlignmentLength[12] = {2, 1, 2, 3, 4, 4, 1, 1, 1, 2, 3, 2};
// What a radio powering up puts on the line before its wake-up byte.
constexpr std::uint8_t kNoise[] = {0x00, 0xF0, 0x80, 0xFE, 0x0F, 0xC0, 0x03, 0xAA};

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
    return std::uint8_t(sum);
}

}  // namespace

RadioSimulator::RadioSimulator(const RadioImage& memory) : memory_(memory) {}

void RadioSimulator::StartInCloneMode(std::uint32_t baud) {
    state_ = State::kClone;
    baud_ = baud == 19200 ? 19200 : 9600;
    frame_.clear();
}

void RadioSimulator::StartIdle() {
    state_ = State::kIdle;
    baud_ = 9600;
    frame_.clear();
    transmitting_ = false;
}

bool RadioSimulator::TakeMemoryChanged() {
    const bool changed = memoryChanged_;
    memoryChanged_ = false;
    return changed;
}

const std::vector<std::uint8_t>& RadioSimulator::lastAlignment(std::uint8_t command) const {
    static const std::vector<std::uint8_t> none;
    if (command < kFirstAlignment || command > kLastAlignment) return none;
    return alignment_[command - kFirstAlignment];
}

std::array<std::uint8_t, 4> RadioSimulator::StatusAt(std::int64_t nowUs) const {
    static constexpr int kWander[8] = {0, 1, 2, 1, 0, -1, -2, -1};
    std::array<std::uint8_t, 4> now = status;
    if (!wanderingStatus) return now;
    const int step = kWander[std::size_t((nowUs < 0 ? 0 : nowUs) / 500000 % 8)];
    for (std::size_t i : {std::size_t(1), std::size_t(2)}) {
        now[i] = std::uint8_t(std::clamp(int(status[i]) + step, 0, 255));
    }
    return now;
}

void RadioSimulator::Tell(std::uint8_t command, std::vector<std::uint8_t> data, bool raw) {
    if (told_.size() >= kToldLimit) told_.pop_front();
    told_.push_back({command, std::move(data), raw, lastByteUs_});
}

void RadioSimulator::Send(std::vector<RadioOutput>& out, std::uint8_t byte, std::int64_t delayUs) {
    RadioOutput o;
    o.kind = RadioOutput::Kind::kByte;
    o.value = byte;
    o.baud = baud_;
    o.delayUs = delayUs;
    out.push_back(o);
}

void RadioSimulator::PowerCycle(std::vector<RadioOutput>& out) {
    transmitting_ = false;
    if (faults_.breakOnWake) {
        RadioOutput o;
        o.kind = RadioOutput::Kind::kBreak;
        o.baud = 9600;
        out.push_back(o);
    }
    Restart(out, wakeDelayUs);
}

void RadioSimulator::Restart(std::vector<RadioOutput>& out, std::int64_t delayUs) {
    state_ = State::kWaking;
    baud_ = 9600;
    frame_.clear();
    // Noise starts soon after power-on; the wake-up byte comes `delayUs`
    // after it, strays or not.
    const std::int64_t noiseAt = std::min<std::int64_t>(delayUs, 20000);
    for (int i = 0; i < faults_.strayBytes; ++i) {
        Send(out, kNoise[i % sizeof kNoise], i == 0 ? noiseAt : 0);
    }
    Send(out, kWakeUp, faults_.strayBytes > 0 ? delayUs - noiseAt : delayUs);
}

void RadioSimulator::Receive(std::uint8_t byte, std::uint32_t baud, std::int64_t nowUs,
                             std::vector<RadioOutput>& out) {
    if (state_ == State::kIdle) return;  // normal operation: the cable is not listened to
    if (baud != baud_) {
        frame_.clear();  // at another speed a byte is only noise
        return;
    }
    if (!frame_.empty() && nowUs - lastByteUs_ > kFrameGapUs) frame_.clear();
    lastByteUs_ = nowUs;

    if (state_ == State::kWaking) {
        if (byte == kSpeed9600 || byte == kSpeed19200) {
            Tell(byte, {}, true);
            StartInCloneMode(byte == kSpeed19200 ? 19200 : 9600);
        } else if (byte == kEnterAlignment) {
            Tell(byte, {}, true);
            state_ = State::kAlignment;
            baud_ = 9600;
            frame_.clear();
        }
        return;
    }

    if (frame_.empty()) {
        const bool starts = state_ == State::kClone
                                ? (byte == kReadBlock || byte == kWriteBlock)
                                : (byte >= kFirstAlignment && byte <= kLastAlignment);
        if (!starts) {
            // In clone mode a lone 38h asks the radio to restart (the way
            // into alignment); anything else between frames is ignored.
            if (state_ == State::kClone && byte == kRestart) {
                Tell(byte, {}, true);
                Restart(out, wakeDelayUs);
            }
            return;
        }
    }
    frame_.push_back(byte);
    if (frame_.size() < 2) return;
    const std::size_t length = frame_[1];
    if (length < 1 || length > 0x82) {
        frame_.clear();
        return;
    }
    if (frame_.size() < length + 2) return;
    HandleFrame(out);
    frame_.clear();
}

void RadioSimulator::HandleFrame(std::vector<RadioOutput>& out) {
    if (Sum(frame_, frame_.size() - 1) != frame_.back()) {
        // A damaged block write is refused; anything else damaged is ignored.
        if (state_ == State::kClone && frame_[0] == kWriteBlock) Send(out, kNak, ackDelayUs);
        return;
    }
    Tell(frame_[0], std::vector<std::uint8_t>(frame_.begin() + 2, frame_.end() - 1), false);
    if (state_ == State::kClone) {
        HandleCloneFrame(out);
    } else {
        HandleAlignmentFrame(out);
    }
}

RadioSimulator::Fault RadioSimulator::NextFault(bool isWrite) {
    if (faults_.silenceAfter >= 0 && answeredFrames_ >= faults_.silenceAfter) return Fault::kSilent;
    ++blockFrames_;
    Fault fault = Fault::kNone;
    if (faults_.period <= 1 || blockFrames_ % faults_.period == 0) {
        if (isWrite && faults_.refusedWrites > 0) {
            --faults_.refusedWrites;
            fault = Fault::kRefuse;
        } else if (!isWrite && faults_.wrongSums > 0) {
            --faults_.wrongSums;
            fault = Fault::kWrongSum;
        } else if (faults_.droppedReplies > 0) {
            --faults_.droppedReplies;
            fault = Fault::kDrop;
        }
    }
    if (fault != Fault::kDrop) ++answeredFrames_;
    return fault;
}

void RadioSimulator::HandleCloneFrame(std::vector<RadioOutput>& out) {
    const std::uint8_t command = frame_[0];
    if (command == kReadBlock && frame_[1] == 0x02 && frame_[2] < kBlockCount) {
        const Fault fault = NextFault(false);
        if (fault == Fault::kSilent || fault == Fault::kDrop) return;
        const int block = frame_[2];
        std::vector<std::uint8_t> reply = {kReadBlock, 0x81};
        reply.insert(reply.end(), memory_.begin() + block * kBlockSize,
                     memory_.begin() + (block + 1) * kBlockSize);
        std::uint8_t sum = Sum(reply, reply.size());
        if (fault == Fault::kWrongSum) sum = std::uint8_t(sum + 1);
        reply.push_back(sum);
        for (std::size_t i = 0; i < reply.size(); ++i)
            Send(out, reply[i], i == 0 ? replyDelayUs : 0);
        ++blocksRead_;
        return;
    }
    if (command == kWriteBlock && frame_[1] == 0x82 && frame_[2] < kBlockCount) {
        const Fault fault = NextFault(true);
        if (fault == Fault::kSilent || fault == Fault::kDrop) return;
        if (fault == Fault::kRefuse) {
            ++writesRefused_;
            Send(out, kNak, ackDelayUs);
            return;
        }
        const int block = frame_[2];
        std::copy(frame_.begin() + 3, frame_.begin() + 3 + kBlockSize,
                  memory_.begin() + block * kBlockSize);
        blocksWritten_.push_back(block);
        memoryChanged_ = true;
        Send(out, kAck, ackDelayUs);
    }
}

void RadioSimulator::HandleAlignmentFrame(std::vector<RadioOutput>& out) {
    const std::uint8_t command = frame_[0];
    const int index = command - kFirstAlignment;
    if (frame_[1] != kAlignmentLength[index]) return;
    alignment_[index].assign(frame_.begin() + 2, frame_.end() - 1);
    switch (command) {
        case kStatusCommand: {
            std::vector<std::uint8_t> reply = {kStatusCommand, 0x05};
            const std::array<std::uint8_t, 4> now = StatusAt(lastByteUs_);
            reply.insert(reply.end(), now.begin(), now.end());
            reply.push_back(Sum(reply, reply.size()));
            for (std::uint8_t b : reply) Send(out, b);
            return;
        }
        case kLeaveAlignment:
            transmitting_ = false;
            Restart(out, wakeDelayUs);
            return;
        case kStartTransmit:
            transmitting_ = true;
            break;
        case kEndTransmit:
            transmitting_ = false;
            break;
        default:
            break;
    }
    Send(out, kAck);
}

// ------------------------------------------------------------------ RadioWire

RadioWire::RadioWire(RadioSimulator& radio, bool paced) : radio_(radio), paced_(paced) {}

std::int64_t RadioWire::CharacterUs(std::uint32_t baud) {
    if (baud == 0) return 0;
    return (11 * std::int64_t(1000000) + baud / 2) / baud;
}

std::int64_t RadioWire::Occupy(std::int64_t fromUs, std::int64_t lengthUs) {
    const std::int64_t start = std::max(fromUs, busyUntilUs_);
    busyUntilUs_ = start + (paced_ ? lengthUs : 0);
    return busyUntilUs_;
}

void RadioWire::Schedule(const std::vector<RadioOutput>& out, std::int64_t fromUs) {
    std::int64_t at = fromUs;
    for (const RadioOutput& o : out) {
        at += o.delayUs;
        if (o.kind == RadioOutput::Kind::kBreak) {
            // The line held low for about two characters.
            at = Occupy(at, 2 * CharacterUs(o.baud));
            pending_.push_back({at, Delivery::Kind::kBreak, 0, o.baud});
        } else {
            at = Occupy(at, CharacterUs(o.baud));
            pending_.push_back({at, Delivery::Kind::kByte, o.value, o.baud});
        }
    }
}

void RadioWire::FromPc(const std::uint8_t* data, std::size_t count, std::int64_t nowUs,
                       std::uint32_t pcBaud) {
    if (pulled_) return;
    std::vector<RadioOutput> out;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int64_t end = Occupy(nowUs, CharacterUs(pcBaud));
        pcDoneUs_ = end;
        if (echo_) pending_.push_back({end, Delivery::Kind::kByte, data[i], 0});
        out.clear();
        radio_.Receive(data[i], pcBaud, end, out);
        Schedule(out, end);
    }
}

void RadioWire::PullLead() {
    pulled_ = true;
    pending_.clear();  // what was still on its way is lost with the lead
}

void RadioWire::PowerCycle(std::int64_t nowUs) {
    std::vector<RadioOutput> out;
    radio_.PowerCycle(out);
    if (!pulled_) Schedule(out, nowUs);
}

void RadioWire::InjectBreak(std::int64_t nowUs) {
    if (pulled_) return;
    RadioOutput o;
    o.kind = RadioOutput::Kind::kBreak;
    Schedule({o}, nowUs);
}

std::vector<RadioWire::Delivery> RadioWire::TakeDue(std::int64_t nowUs, std::uint32_t pcBaud) {
    std::vector<Delivery> due;
    while (!pending_.empty() && pending_.front().atUs <= nowUs) {
        const Pending p = pending_.front();
        pending_.pop_front();
        Delivery d;
        d.atUs = p.atUs;
        d.kind = p.kind;
        d.value = p.value;
        if (p.kind == Delivery::Kind::kByte && p.baud != 0 && p.baud != pcBaud) {
            // Sent at another speed: the UART sees a damaged character.
            d.kind = Delivery::Kind::kFramingError;
            d.value = std::uint8_t((p.value >> 1) | 0x80);
        }
        due.push_back(d);
    }
    return due;
}

std::int64_t RadioWire::NextDeliveryUs() const {
    return pending_.empty() ? std::numeric_limits<std::int64_t>::max() : pending_.front().atUs;
}

}  // namespace kp07
