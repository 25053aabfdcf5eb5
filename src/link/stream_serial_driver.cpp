#include "link/stream_serial_driver.h"

#include <algorithm>

#include "link/link_clock.h"

namespace kp07 {

bool ParmrkDecoder::Feed(std::uint8_t raw, std::uint8_t* data, unsigned* errors) {
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
                *errors |= kLineBreak;
                return false;
            }
            // A character that arrived with a framing error: the error is
            // reported and the character kept, as a UART does.
            *errors |= kLineFraming;
            *data = raw;
            return true;
    }
    return false;
}

void StreamSerialDriver::ResetReceiveState() {
    received_.clear();
    decoder_.Reset();
    errors_ = 0;
}

int StreamSerialDriver::Pump(std::int64_t waitUs) {
    std::uint8_t raw[512];
    const int n = Fill(raw, sizeof raw, waitUs);
    if (n < 0) return -1;
    for (int i = 0; i < n; ++i) {
        std::uint8_t data = 0;
        if (!decoder_.Feed(raw[i], &data, &errors_)) continue;
        if (received_.size() >= kSerialQueueSize) {
            errors_ |= kLineRxOverflow;  // the queue is full: the byte is lost
            continue;
        }
        received_.push_back(data);
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
            data[(*got)++] = received_.front();
            received_.pop_front();
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
        if (received_.size() > before) lastArrival = clock.NowUs();
    }
}

unsigned StreamSerialDriver::TakeErrors() {
    // Errors are marked in the stream, so whatever has arrived is decoded
    // first; a read failure shows up at the next read.
    while (Pump(0) == 512) {
    }
    const unsigned errors = errors_;
    errors_ = 0;
    return errors;
}

void StreamSerialDriver::PurgeReceive() {
    FlushInput();
    received_.clear();
    decoder_.Reset();
}

}  // namespace kp07
