#include "link/simulated_line.h"

#include <algorithm>
#include <cerrno>
#include <limits>

#include "link/serial_port.h"

namespace kp07 {

SimulatedCable::SimulatedCable(const RadioImage& memory, std::string device)
    : radio_(memory), wire_(radio_, true), device_(std::move(device)) {
    previousClock_ = SetLinkClock(&clock_);
    previousFactory_ = SetSerialDriverFactory([this]() -> std::unique_ptr<SerialDriver> {
        return std::make_unique<SimulatedLineDriver>(*this);
    });
}

SimulatedCable::~SimulatedCable() {
    currentPort.reset();  // its line is this cable
    SetSerialDriverFactory(previousFactory_);
    SetLinkClock(previousClock_);
}

void SimulatedCable::At(std::int64_t atMs, std::function<void(std::int64_t)> action) {
    Action a{atMs * 1000, std::move(action)};
    const auto pos = std::upper_bound(actions_.begin(), actions_.end(), a.atUs,
                                      [](std::int64_t t, const Action& x) { return t < x.atUs; });
    actions_.insert(pos, std::move(a));
}

void SimulatedCable::PowerCycleAt(std::int64_t atMs) {
    At(atMs, [this](std::int64_t us) { wire_.PowerCycle(us); });
}

void SimulatedCable::BreakAt(std::int64_t atMs) {
    At(atMs, [this](std::int64_t us) { wire_.InjectBreak(us); });
}

void SimulatedCable::Sync() {
    while (!actions_.empty() && actions_.front().atUs <= clock_.NowUs()) {
        Action a = std::move(actions_.front());
        actions_.erase(actions_.begin());
        a.run(a.atUs);
    }
}

std::int64_t SimulatedCable::NextActionUs() const {
    return actions_.empty() ? std::numeric_limits<std::int64_t>::max() : actions_.front().atUs;
}

void SimulatedCable::Collect() {
    for (const RadioWire::Delivery& d : wire_.TakeDue(clock_.NowUs(), pcBaud_)) {
        if (!lineInUse_) continue;
        switch (d.kind) {
            case RadioWire::Delivery::Kind::kByte:
                pcStream_.push_back(d.value);
                if (d.value == 0xFF) pcStream_.push_back(0xFF);
                break;
            case RadioWire::Delivery::Kind::kBreak:
                pcStream_.insert(pcStream_.end(), {0xFF, 0x00, 0x00});
                break;
            case RadioWire::Delivery::Kind::kFramingError:
                pcStream_.insert(pcStream_.end(), {0xFF, 0x00, d.value});
                break;
        }
    }
}

// ---------------------------------------------------------- SimulatedLineDriver

SimulatedLineDriver::~SimulatedLineDriver() {
    Close();
}

int SimulatedLineDriver::Open(const std::string& device) {
    Close();
    cable_.Sync();
    if (cable_.openError_ != 0) return cable_.openError_;
    if (device != cable_.device_) return ENOENT;
    if (cable_.lineInUse_) return EBUSY;
    // Whatever reached the line while no port was open is gone.
    cable_.Collect();
    cable_.lineInUse_ = true;
    cable_.pcStream_.clear();
    open_ = true;
    ResetReceiveState();
    cable_.openTimes_.push_back(cable_.NowMs());
    return 0;
}

bool SimulatedLineDriver::Configure(std::uint32_t baud) {
    if (!open_ || cable_.configureFails_) return false;
    if (baud != 9600 && baud != 19200) return false;
    cable_.Sync();
    cable_.Collect();  // what came at the old speed was read at the old speed
    baud_ = baud;
    cable_.pcBaud_ = baud;
    return true;
}

void SimulatedLineDriver::Close() {
    if (!open_) return;
    cable_.Sync();
    cable_.Collect();
    cable_.pcStream_.clear();
    cable_.lineInUse_ = false;
    open_ = false;
    ResetReceiveState();
}

bool SimulatedLineDriver::Write(const std::uint8_t* data, std::size_t count, int) {
    if (!open_) return false;
    cable_.Sync();
    cable_.wire_.FromPc(data, count, cable_.clock_.NowUs(), baud_);
    return true;
}

bool SimulatedLineDriver::Drain() {
    if (!open_) return false;
    cable_.clock_.AdvanceTo(cable_.wire_.PcDoneUs());
    cable_.Sync();
    return true;
}

int SimulatedLineDriver::Fill(std::uint8_t* raw, std::size_t max, std::int64_t waitUs) {
    if (!open_) return -1;
    VirtualClock& clock = cable_.clock_;
    const std::int64_t deadline = clock.NowUs() + std::max<std::int64_t>(waitUs, 0);
    for (;;) {
        cable_.Sync();
        cable_.Collect();
        if (!cable_.pcStream_.empty() || clock.NowUs() >= deadline) break;
        const std::int64_t next = std::min(cable_.wire_.NextDeliveryUs(), cable_.NextActionUs());
        clock.AdvanceTo(std::min(next, deadline));
    }
    std::size_t n = 0;
    while (n < max && !cable_.pcStream_.empty()) {
        raw[n++] = cable_.pcStream_.front();
        cable_.pcStream_.pop_front();
    }
    return int(n);
}

void SimulatedLineDriver::FlushInput() {
    cable_.Sync();
    cable_.Collect();
    cable_.pcStream_.clear();
}

}  // namespace kp07
