// Time for the radio link. The pauses the radio needs (between block
// requests, around block writes, while a port settles) and the time limits of
// the serial line are measured on one clock. The program runs on the system's
// monotonic clock; the in-process simulated line brings its own clock, on
// which waiting costs no real time.
#pragma once

#include <cstdint>

namespace kp07 {

class LinkClock {
  public:
    virtual ~LinkClock() = default;
    // Microseconds since an arbitrary fixed point.
    virtual std::int64_t NowUs() = 0;
    virtual void SleepUs(std::int64_t us) = 0;

    std::int64_t NowMs() { return NowUs() / 1000; }
    void SleepMs(std::int64_t ms) { SleepUs(ms * 1000); }
};

// The monotonic system clock; SleepUs really sleeps.
class SystemClock : public LinkClock {
  public:
    std::int64_t NowUs() override;
    void SleepUs(std::int64_t us) override;
};

// A clock that only moves when told to: sleeping moves it forward at once.
class VirtualClock : public LinkClock {
  public:
    std::int64_t NowUs() override { return now_; }
    void SleepUs(std::int64_t us) override {
        if (us > 0) now_ += us;
    }
    void AdvanceTo(std::int64_t us) {
        if (us > now_) now_ = us;
    }

  private:
    std::int64_t now_ = 0;
};

// The clock the link uses (the system clock unless a test installed another).
LinkClock& linkClock();
// Installs `clock` (nullptr puts back the system clock); returns the previous one.
LinkClock* SetLinkClock(LinkClock* clock);

}  // namespace kp07
