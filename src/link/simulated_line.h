// A programming cable with a simulated radio on it, inside the process, for
// the unit tests of the link. It runs on its own virtual clock: a read that
// waits half a second for a silent radio returns at once with the clock half
// a second later, so whole transfers run in milliseconds while every time
// limit and pause keeps its real length on that clock. Events (the user
// switching the radio off and on, a BREAK) are scheduled on the same clock.
//
// While a SimulatedCable exists it is the line of every new SerialPort and
// its clock is the link clock.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/link_clock.h"
#include "link/link_state.h"
#include "link/radio_simulator.h"
#include "link/stream_serial_driver.h"

namespace kp07 {

class SimulatedCable {
  public:
    // `device` is the one device name that opens (see PortDevice).
    explicit SimulatedCable(const RadioImage& memory, std::string device = "/dev/ttyS0");
    ~SimulatedCable();
    SimulatedCable(const SimulatedCable&) = delete;
    SimulatedCable& operator=(const SimulatedCable&) = delete;

    RadioSimulator& radio() { return radio_; }
    RadioWire& wire() { return wire_; }
    VirtualClock& clock() { return clock_; }
    std::int64_t NowMs() { return clock_.NowUs() / 1000; }

    // Runs `action` when the clock reaches `atMs` (with that time in µs).
    void At(std::int64_t atMs, std::function<void(std::int64_t)> action);
    void PowerCycleAt(std::int64_t atMs);
    void BreakAt(std::int64_t atMs);

    // Makes opens fail with `error` (0: opens work again).
    void SetOpenError(int error) { openError_ = error; }
    void SetConfigureFails(bool fails) { configureFails_ = fails; }

    // Every successful open, with its time in ms.
    const std::vector<std::int64_t>& openTimes() const { return openTimes_; }
    const std::string& device() const { return device_; }

  private:
    friend class SimulatedLineDriver;
    struct Action {
        std::int64_t atUs;
        std::function<void(std::int64_t)> run;
    };
    // Runs the actions that are due.
    void Sync();
    // Moves what reached the PC into its receive stream (marked as a UART
    // driver with PARMRK marks it), or drops it while no port is open.
    void Collect();
    std::int64_t NextActionUs() const;

    VirtualClock clock_;
    RadioSimulator radio_;
    RadioWire wire_;
    std::string device_;
    std::vector<Action> actions_;
    std::deque<std::uint8_t> pcStream_;
    bool lineInUse_ = false;
    std::uint32_t pcBaud_ = 9600;
    int openError_ = 0;
    bool configureFails_ = false;
    std::vector<std::int64_t> openTimes_;
    LinkClock* previousClock_ = nullptr;
    SerialDriverFactory previousFactory_;
};

// The PC's side of a SimulatedCable.
class SimulatedLineDriver : public StreamSerialDriver {
  public:
    explicit SimulatedLineDriver(SimulatedCable& cable) : cable_(cable) {}
    ~SimulatedLineDriver() override;

    int Open(const std::string& device) override;
    bool Configure(std::uint32_t baud) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool Write(const std::uint8_t* data, std::size_t count, int timeoutMs) override;
    bool Drain() override;

  protected:
    int Fill(std::uint8_t* raw, std::size_t max, std::int64_t waitUs) override;
    void FlushInput() override;

  private:
    SimulatedCable& cable_;
    bool open_ = false;
    std::uint32_t baud_ = 9600;
};

}  // namespace kp07
