#include "link/stream_serial_driver.h"

#include <algorithm>

#include "link/link_clock.h"

namespace kp07 {

bool ParmrkDecoder::Feed(std::uint8_t raw, std::uint8_t* data, unsigned* event) {
    *event = 0;
    switch (state_) {
        case State::kData:
            if (raw == 0xFF) {
                state_ = State::kAfterFF;
                return false;
            }
            *data = raw;
            return true;
        case State::kAfterFF:
            if (raw == 0xFF) {  // an escaped data byte FF
                state_ = State::kData;
                *data = 0xFF;
                return true;
            }
            if (raw == 0x00) {
                state_ = State::kAfterFF00;
                return false;
            }
            // A lone FF cannot occur in a marked stream; keep the byte that
            // follows it rather than lose it.
            state_ = State::kData;
            *data = raw;
            return true;
        case State::kAfterFF00:
            state_ = State::kData;
            if (raw == 0x00) {  // the line was held low: BREAK
                *event = kLineBreak;
                return false;
            }
            // A character that arrived with a framing error: the error is
            // reported and the character kept, as a UART does.
            *event = kLineFraming;
            *data = raw;
            return true;
    }
    return false;
}

namespace {
constexpr std::uint16_t kEventMark = 0x8000;
// Longest sleep while the bytes of a long read gather (well inside the
// 100 ms between bytes after which a read gives up).
constexpr std::int64_t kGatherLimitUs = 20000;
}  // namespace

void StreamSerialDriver::ResetReceiveState() {
    received_.clear();
    dataCount_ = 0;
    decoder_.Reset();
    errors_ = 0;
}

void StreamSerialDriver::Push(std::uint16_t item) {
    if (item & kEventMark) {
        received_.push_back(item);
        return;
    }
    if (dataCount_ >= kSerialQueueSize) {
        errors_ |= kLineRxOverflow;  // the queue is full: the byte is lost
        return;
    }
    received_.push_back(item);
    ++dataCount_;
}

int StreamSerialDriver::Pump(std::int64_t waitUs) {
    std::uint8_t raw[512];
    const int n = Fill(raw, sizeof raw, waitUs);
    if (n < 0) return -1;
    for (int i = 0; i < n; ++i) {
        std::uint8_t data = 0;
        unsigned event = 0;
        const bool isData = decoder_.Feed(raw[i], &data, &event);
        if (event) Push(std::uint16_t(kEventMark | event));
        if (isData) Push(data);
    }
    return n;
}

bool StreamSerialDriver::Read(std::uint8_t* data, std::size_t count, std::size_t* got,
                              ReadLimits limits) {
    *got = 0;
    LinkClock& clock = linkClock();
    const std::int64_t start = clock.NowUs();
    const std::int64_t deadline = start + std::int64_t(limits.totalMs) * 1000;
    std::int64_t lastArrival = start;
    for (;;) {
        while (*got < count && !received_.empty()) {
            if (received_.front() & kEventMark) return true;  // a line event ends the read
            data[(*got)++] = std::uint8_t(received_.front());
            received_.pop_front();
            --dataCount_;
        }
        if (*got == count) return true;
        const std::int64_t now = clock.NowUs();
        std::int64_t until = deadline;
        if (limits.intervalMs > 0 && *got > 0) {
            until = std::min(until, lastArrival + std::int64_t(limits.intervalMs) * 1000);
        }
        if (until <= now) return true;  // time is up: what came is the result
        const std::size_t before = received_.size();
        if (Pump(until - now) < 0) return false;
        if (received_.size() == before) continue;
        lastArrival = clock.NowUs();
        // The rest of a long read cannot come faster than the line carries
        // it: sleep while it gathers rather than wake for every byte.
        const std::size_t queued = dataCount_;
        const std::size_t missing = count - *got > queued ? count - *got - queued : 0;
        if (missing > 1 && CharacterUs() > 0) {
            std::int64_t pause = std::int64_t(missing - 1) * CharacterUs();
            pause = std::min(pause, kGatherLimitUs);
            pause = std::min(pause, until - lastArrival);
            if (pause > 0) clock.SleepUs(pause);
        }
    }
}

unsigned StreamSerialDriver::TakeErrors() {
    // The events the reader has reached; later ones wait for their turn.
    while (!received_.empty() && (received_.front() & kEventMark)) {
        errors_ |= received_.front() & ~kEventMark;
        received_.pop_front();
    }
    const unsigned errors = errors_;
    errors_ = 0;
    return errors;
}

void StreamSerialDriver::PurgeReceive() {
    FlushInput();
    received_.clear();
    dataCount_ = 0;
    decoder_.Reset();
}

}  // namespace kp07
