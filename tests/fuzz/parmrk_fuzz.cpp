// The receive side of the serial driver over any raw byte stream: the PARMRK
// decoder (FF FF a data FF, FF 00 00 a BREAK, FF 00 c a damaged c) and the
// reads with their time limits, interleaved as the fuzzer likes with error
// fetches and purges, the raw bytes arriving in chunks of any size.
//
// What the reads deliver is checked against a plain model of the marked
// stream: between two purges the data bytes come out in order, none lost or
// made up; every error bit reported stands for a line event of the stream;
// and no read takes longer than its limits allow.
#include <algorithm>
#include <deque>
#include <vector>

#include "fuzz_support.h"
#include "link/link_clock.h"
#include "link/stream_serial_driver.h"

namespace {

using namespace kp07;
using fuzz::Fail;

class ChunkDriver : public StreamSerialDriver {
  public:
    explicit ChunkDriver(VirtualClock& clock) : clock_(clock) {}
    int Open(const std::string&) override {
        ResetReceiveState();
        return 0;
    }
    bool Configure(std::uint32_t) override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    bool Write(const std::uint8_t*, std::size_t, int) override { return true; }
    bool Drain() override { return true; }

    // Raw bytes that have arrived on the line, not yet fetched.
    std::deque<std::uint8_t> line;
    // How many raw bytes one fetch hands over at most (the OS's mood).
    std::size_t fetchLimit = 512;

  protected:
    int Fill(std::uint8_t* raw, std::size_t max, std::int64_t waitUs) override {
        if (line.empty()) {
            clock_.SleepUs(waitUs);  // a poll that waited for nothing
            return 0;
        }
        std::size_t n = std::min({max, fetchLimit, line.size()});
        for (std::size_t i = 0; i < n; ++i) {
            raw[i] = line.front();
            line.pop_front();
        }
        return int(n);
    }
    void FlushInput() override { line.clear(); }
    std::int64_t CharacterUs() const override { return characterUs; }

  public:
    std::int64_t characterUs = 0;

  private:
    VirtualClock& clock_;
};

// The marked stream as a list of data bytes and the error bits it carries.
struct Model {
    void Feed(std::uint8_t raw) {
        switch (state) {
            case 0:
                if (raw == 0xFF) {
                    state = 1;
                } else {
                    data.push_back(raw);
                }
                return;
            case 1:
                state = raw == 0x00 ? 2 : 0;
                if (raw != 0x00) data.push_back(raw);
                return;
            default:
                state = 0;
                if (raw == 0x00) {
                    events |= kLineBreak;
                } else {
                    events |= kLineFraming;
                    data.push_back(raw);
                }
        }
    }
    void Purge() {
        data.clear();
        state = 0;
        delivered = 0;
        events = 0;
    }
    std::vector<std::uint8_t> data;
    std::size_t delivered = 0;
    unsigned events = 0;
    int state = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    fuzz::FuzzInput in(bytes, size);
    VirtualClock clock;
    LinkClock* previous = SetLinkClock(&clock);
    ChunkDriver driver(clock);
    driver.Open("fuzz");
    Model model;
    driver.characterUs = in.Bool() ? 573 : 0;  // 19200 baud, or a line that does not say

    while (!in.empty()) {
        switch (in.Byte() % 5) {
            case 0: {  // raw bytes arrive
                const std::vector<std::uint8_t> raw = in.Bytes(std::size_t(in.Int(0, 600)));
                for (std::uint8_t b : raw) {
                    driver.line.push_back(b);
                    model.Feed(b);
                }
                break;
            }
            case 1:
                driver.fetchLimit = std::size_t(in.Int(1, 512));
                break;
            case 2: {
                const std::size_t count = std::size_t(in.Int(0, 4096));
                ReadLimits limits;
                limits.intervalMs = in.Int(0, 200);
                limits.totalMs = in.Int(0, 25000);
                std::vector<std::uint8_t> out(count + 1);
                std::size_t got = 0;
                const std::int64_t start = clock.NowUs();
                if (!driver.Read(out.data(), count, &got, limits)) Fail("a read failed");
                if (got > count) Fail("a read delivered more than asked for");
                // The gather pause may run at most 20 ms past the limit.
                if (clock.NowUs() - start > std::int64_t(limits.totalMs) * 1000 + 20000)
                    Fail("a read overran its time limit");
                for (std::size_t i = 0; i < got; ++i) {
                    if (model.delivered >= model.data.size() ||
                        model.data[model.delivered] != out[i])
                        Fail("a read delivered a byte the line did not carry");
                    ++model.delivered;
                }
                break;
            }
            case 3: {
                const unsigned errors = driver.TakeErrors();
                if (errors & ~model.events)
                    Fail("an error was reported that the line did not carry");
                break;
            }
            default:
                driver.PurgeReceive();
                model.Purge();
                break;
        }
    }
    // Whatever is left is read to the end: nothing may be missing.
    int stalls = 0;
    while (model.delivered < model.data.size() && stalls < 2) {
        const unsigned errors = driver.TakeErrors();
        std::vector<std::uint8_t> out(model.data.size() - model.delivered);
        std::size_t got = 0;
        if (!driver.Read(out.data(), out.size(), &got, ReadLimits{100, 1000}))
            Fail("a read failed");
        for (std::size_t i = 0; i < got; ++i) {
            if (model.data[model.delivered] != out[i]) Fail("a byte came out of order");
            ++model.delivered;
        }
        stalls = got == 0 && errors == 0 ? stalls + 1 : 0;
    }
    if (model.delivered != model.data.size()) Fail("bytes of the line were lost");
    SetLinkClock(previous);
    return 0;
}
