#include "link/link_clock.h"

#include <cerrno>
#include <ctime>

namespace kp07 {
namespace {

SystemClock systemClock;
LinkClock* currentClock = &systemClock;

}  // namespace

std::int64_t SystemClock::NowUs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

void SystemClock::SleepUs(std::int64_t us) {
    if (us <= 0) return;
    // Sleep to an absolute time so that a signal does not stretch the pause.
    timespec until{};
    clock_gettime(CLOCK_MONOTONIC, &until);
    until.tv_sec += us / 1000000;
    until.tv_nsec += (us % 1000000) * 1000;
    if (until.tv_nsec >= 1000000000) {
        until.tv_sec += 1;
        until.tv_nsec -= 1000000000;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

LinkClock& linkClock() {
    return *currentClock;
}

LinkClock* SetLinkClock(LinkClock* clock) {
    LinkClock* previous = currentClock;
    currentClock = clock ? clock : &systemClock;
    return previous;
}

}  // namespace kp07
