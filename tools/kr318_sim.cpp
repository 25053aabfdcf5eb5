// kr318-sim: a simulated KR-318 on a pseudo-terminal. It prints the path of
// the terminal's slave side; open that path as the programming cable's serial
// port (in the program, map a COM port to it) and the program talks to a
// radio that behaves on the line as the real one does: it echoes every byte
// as the one-wire cable does, paces every byte at the real character time,
// wakes up after a power cycle, and reads and writes its EEPROM block by
// block. Faults can be injected to see how the program copes.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "image/accessors.h"
#include "link/radio_simulator.h"
#include "regular_file.h"

namespace {

using kp07::RadioImage;
using kp07::RadioSimulator;
using kp07::RadioWire;

volatile sig_atomic_t quitRequested = 0;
volatile sig_atomic_t powerCycleRequested = 0;

void OnQuit(int) {
    quitRequested = 1;
}
void OnPowerCycle(int) {
    powerCycleRequested = 1;
}

const char kUsage[] =
    "Usage: kr318-sim [options]\n"
    "A simulated KR-318 radio on a pseudo-terminal, for the programming software's\n"
    "tests, demonstrations and training. The first line on standard output is the\n"
    "path of the terminal: use it as the serial port of the programming cable.\n"
    "\n"
    "  --memory FILE       the radio's 7808-byte EEPROM: loaded at start (created\n"
    "                      when missing) and saved after every block written;\n"
    "                      without it (or when it is missing) the radio holds the\n"
    "                      image of a new document with firmware 4.00\n"
    "  --sample            the radio holds a sample programming instead: serial\n"
    "                      number 9D000318, group 1 tagged DEMO with four named\n"
    "                      channels (with --memory: only for a new memory file)\n"
    "  --clone [9600|19200]  start in clone mode at that speed (default 9600)\n"
    "  --idle              start in normal operation (the default): the radio\n"
    "                      wakes up only after a power cycle\n"
    "  --power-cycle MS    the simulated user switches the radio off and on MS ms\n"
    "                      after the program first calls it in vain, and again\n"
    "                      every MS ms until the link has started\n"
    "  --no-pacing         bytes take no time on the line\n"
    "  --link PATH         also make PATH a symbolic link to the terminal\n"
    "  --wrong-sums N      N block replies carry a wrong checksum\n"
    "  --drop-replies N    N block requests or writes get no answer\n"
    "  --refuse-writes N   N block writes are refused (NAK) and not stored\n"
    "  --fault-period K    a counted fault hits every K-th block frame (default 1)\n"
    "  --silence-after N   the radio stops answering after N answered block frames\n"
    "  --stray-bytes N     N noise bytes before each wake-up byte\n"
    "  --noise N           N noise bytes of any value among the first 8000 bytes\n"
    "                      the PC receives in clone mode (places and values\n"
    "                      from --seed)\n"
    "  --seed S            seed of the noise (default 1)\n"
    "  --ack-delay MS      a written block is acknowledged MS ms after it arrived\n"
    "                      (a slow EEPROM; default 5)\n"
    "  --pull-lead N       the lead comes out of the PC once the radio has answered\n"
    "                      N block frames (0: as the PC answers the wake-up byte):\n"
    "                      from then on no echo and no answer\n"
    "  --alter-block N     block N is acknowledged when written, but one of its\n"
    "                      bytes reads back changed (a weak EEPROM cell)\n"
    "  --status A,B,C,D    the four bytes of the alignment status frame; the\n"
    "                      squelch and RSSI readings (B and C) move around\n"
    "                      these values as a live signal does\n"
    "  --steady-status     the readings stay exactly at the --status values\n"
    "  --until-eof         end when standard input ends: a program that starts the\n"
    "                      simulator with a pipe there takes it down with it, even\n"
    "                      when that program is killed\n"
    "  -v, --verbose       report power cycles, blocks and alignment commands on\n"
    "                      standard error\n"
    "  -h, --help          this text\n"
    "\n"
    "SIGUSR1 switches the radio off and on. SIGINT or SIGTERM saves the memory\n"
    "and ends the simulator.\n";

struct Options {
    std::string memoryFile;
    std::string linkPath;
    bool clone = false;
    std::uint32_t cloneBaud = 9600;
    long powerCycleMs = 0;
    long ackDelayMs = 5;
    long pullLeadAfter = -1;  // answered block frames before the lead comes out
    bool paced = true;
    bool verbose = false;
    bool sample = false;
    bool untilEof = false;
    kp07::RadioFaults faults;
    std::array<std::uint8_t, 4> status{{0, 40, 120, 0}};
    bool steadyStatus = false;
    long noiseBytes = 0;
    unsigned long seed = 1;
};

// Noise on the line while the clone link runs: stray bytes of any value
// slipped in before chosen bytes of what the PC receives (the radio's
// answers and the echo alike), as a poor cable or a radio nearby makes them.
class LineNoise {
  public:
    static constexpr long kSpan = 8000;  // about what an upload receives

    LineNoise(long count, unsigned long seed) : state_(seed ? seed : 1) {
        for (long i = 0; i < count; ++i) {
            places_.push_back(long(Next() % kSpan));
            values_.push_back(std::uint8_t(Next() >> 8));
        }
    }
    // The stray bytes due before the next byte the PC receives.
    std::vector<std::uint8_t> Before() {
        std::vector<std::uint8_t> stray;
        for (std::size_t i = 0; i < places_.size(); ++i) {
            if (places_[i] == received_) stray.push_back(values_[i]);
        }
        ++received_;
        return stray;
    }
    long injected() const {
        long n = 0;
        for (long p : places_) n += p < received_ ? 1 : 0;
        return n;
    }

  private:
    unsigned long Next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return (unsigned long)(state_ >> 33);
    }
    unsigned long long state_;
    std::vector<long> places_;
    std::vector<std::uint8_t> values_;
    long received_ = 0;
};

bool ParseCount(const char* text, long lo, long hi, long* out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi) return false;
    *out = v;
    return true;
}

bool ParseStatus(const char* text, std::array<std::uint8_t, 4>* out) {
    if (!text) return false;
    std::vector<std::string> parts(1);
    for (const char* c = text; *c; ++c) {
        if (*c == ',') {
            parts.emplace_back();
        } else {
            parts.back() += *c;
        }
    }
    if (parts.size() != out->size()) return false;
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        long v = 0;
        if (!ParseCount(parts[i].c_str(), 0, 255, &v)) return false;
        bytes[i] = std::uint8_t(v);
    }
    *out = bytes;
    return true;
}

// 0 run, 1 stop with status 0 (help), 2 stop with status 2 (bad usage).
int ParseOptions(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        long v = 0;
        auto count = [&](long lo, long hi) {
            if (!ParseCount(next, lo, hi, &v)) {
                std::fprintf(stderr, "kr318-sim: %s needs a number from %ld to %ld\n", a.c_str(),
                             lo, hi);
                return false;
            }
            ++i;
            return true;
        };
        if (a == "-h" || a == "--help") {
            std::fputs(kUsage, stdout);
            return 1;
        } else if (a == "-v" || a == "--verbose") {
            o->verbose = true;
        } else if (a == "--memory" && next) {
            o->memoryFile = next;
            ++i;
        } else if (a == "--link" && next) {
            o->linkPath = next;
            ++i;
        } else if (a == "--clone") {
            o->clone = true;
            if (next && (std::strcmp(next, "9600") == 0 || std::strcmp(next, "19200") == 0)) {
                o->cloneBaud = std::uint32_t(std::atoi(next));
                ++i;
            }
        } else if (a == "--idle") {
            o->clone = false;
        } else if (a == "--no-pacing") {
            o->paced = false;
        } else if (a == "--power-cycle") {
            if (!count(1, 3600000)) return 2;
            o->powerCycleMs = v;
        } else if (a == "--wrong-sums") {
            if (!count(0, INT_MAX)) return 2;
            o->faults.wrongSums = int(v);
        } else if (a == "--drop-replies") {
            if (!count(0, INT_MAX)) return 2;
            o->faults.droppedReplies = int(v);
        } else if (a == "--refuse-writes") {
            if (!count(0, INT_MAX)) return 2;
            o->faults.refusedWrites = int(v);
        } else if (a == "--fault-period") {
            if (!count(1, INT_MAX)) return 2;
            o->faults.period = int(v);
        } else if (a == "--silence-after") {
            if (!count(0, INT_MAX)) return 2;
            o->faults.silenceAfter = int(v);
        } else if (a == "--stray-bytes") {
            if (!count(0, 4096)) return 2;
            o->faults.strayBytes = int(v);
        } else if (a == "--noise") {
            if (!count(0, LineNoise::kSpan)) return 2;
            o->noiseBytes = v;
        } else if (a == "--seed") {
            if (!count(0, LONG_MAX)) return 2;
            o->seed = (unsigned long)v;
        } else if (a == "--ack-delay") {
            if (!count(0, 60000)) return 2;
            o->ackDelayMs = v;
        } else if (a == "--pull-lead") {
            if (!count(0, INT_MAX)) return 2;
            o->pullLeadAfter = v;
        } else if (a == "--sample") {
            o->sample = true;
        } else if (a == "--until-eof") {
            o->untilEof = true;
        } else if (a == "--alter-block") {
            if (!count(0, 60)) return 2;
            o->faults.alterBlock = int(v);
        } else if (a == "--steady-status") {
            o->steadyStatus = true;
        } else if (a == "--status") {
            if (!ParseStatus(next, &o->status)) {
                std::fprintf(stderr, "kr318-sim: --status needs four bytes, as in 0,40,120,0\n");
                return 2;
            }
            ++i;
        } else {
            std::fprintf(stderr, "kr318-sim: unknown or incomplete option '%s'\n%s", a.c_str(),
                         kUsage);
            return 2;
        }
    }
    return 0;
}

// A radio as delivered: the image of a new document, firmware 4.00. The
// sample radio of demonstrations has been programmed a little: a serial
// number of its own and a first group of named channels, so that an upload
// visibly brings something new into the program.
RadioImage DeliveredMemory(bool sample) {
    kp07::CreateImageAndBlocks();
    RadioImage& image = *kp07::radioImage;
    kp07::FillDefaults(image);
    kp07::SetFirmwareVersion(image, 400);
    kp07::LoadPersistentBlocks(image);
    if (sample) {
        kp07::identity->serialNumber = "9D000318";
        kp07::ChannelTable& table = *kp07::channels;
        table.groupTags[1] = "DEMO    ";
        const char* const names[] = {"DEPOT", "YARD", "GATE", "PATROL"};
        const int first = table.FirstSlotOfGroup(1);
        for (int i = 0; i < 4; ++i) {
            kp07::ChannelRecord& r = table.records[std::size_t(first + i)];
            r.tag = names[i];
            r.inUse = 1;
            r.txOff = 0;
            r.rxMHz = r.txMHz = 460.0 + 0.5 * i;
            table.ComputeRxTuning(r);
            table.ComputeTxTuning(r);
        }
    }
    kp07::RebuildImage(image);
    const RadioImage copy = image;
    kp07::DestroyImageAndBlocks();
    return copy;
}

// Any regular file is taken: a short one is padded with zeros, a long one
// cut (and read no further than the memory's size).
bool LoadMemory(const std::string& path, RadioImage* image) {
    std::vector<std::uint8_t> bytes;
    std::uint64_t size = 0;
    std::string why;
    if (!kp07::tools::ReadRegularFile(path, image->size(), &bytes, &size, &why)) {
        std::fprintf(stderr, "kr318-sim: cannot use %s as the memory: %s\n", path.c_str(),
                     why.c_str());
        return false;
    }
    if (size != image->size()) {
        std::fprintf(stderr, "kr318-sim: %s holds %llu bytes, not %zu; %s\n", path.c_str(),
                     static_cast<unsigned long long>(size), image->size(),
                     size < image->size() ? "the rest reads as zero" : "the rest is ignored");
    }
    image->fill(0);
    std::copy(bytes.begin(), bytes.end(), image->begin());
    return true;
}

// Written beside the file and renamed over it, so that a reader never sees
// half a memory.
bool SaveMemory(const std::string& path, const RadioImage& image) {
    const std::string temp = path + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < image.size()) {
        const ssize_t n = ::write(fd, image.data() + done, image.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        done += std::size_t(n);
    }
    if (::close(fd) != 0 || std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::int64_t NowUs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

// The speed the program set on its side of the terminal.
std::uint32_t LineBaud(int master) {
    termios t{};
    if (tcgetattr(master, &t) != 0) return 0;
    switch (cfgetospeed(&t)) {
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        default:
            return 0;
    }
}

void WriteAll(int fd, const std::uint8_t* data, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, data + done, count - done);
        if (n > 0) {
            done += std::size_t(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return;  // nobody reads the line: what the radio says is lost
        }
    }
}

// Standard input has something: true when it is the end (whatever else
// arrives there is read and ignored).
bool InputEnded() {
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    return n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN);
}

void PullLead(RadioWire& wire, bool verbose) {
    wire.PullLead();
    if (verbose) std::fprintf(stderr, "kr318-sim: lead pulled\n");
}

// An alignment command as the technician's notes would put it: "32h 8C",
// "31h" (the status requests are too many to be worth a line each).
void ReportTold(const kp07::ToldFrame& f) {
    if (f.command == 0x31 && !f.raw) return;
    if (f.command == 0xF2 || f.command == 0xF3) return;  // blocks have their own lines
    std::fprintf(stderr, "kr318-sim: %s%02Xh", f.raw ? "raw " : "", f.command);
    for (std::uint8_t b : f.data) std::fprintf(stderr, " %02X", b);
    std::fputc('\n', stderr);
}

const char* StateName(RadioSimulator::State s) {
    switch (s) {
        case RadioSimulator::State::kIdle:
            return "normal operation";
        case RadioSimulator::State::kWaking:
            return "waking up";
        case RadioSimulator::State::kClone:
            return "clone mode";
        case RadioSimulator::State::kAlignment:
            return "alignment mode";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    const int parsed = ParseOptions(argc, argv, &opt);
    if (parsed == 1) return 0;
    if (parsed == 2) return 2;

    RadioImage memory = DeliveredMemory(opt.sample);
    if (!opt.memoryFile.empty()) {
        struct stat st {};
        if (::lstat(opt.memoryFile.c_str(), &st) != 0 && errno == ENOENT) {
            // A new radio: its memory file is created.
            if (!SaveMemory(opt.memoryFile, memory)) {
                std::fprintf(stderr, "kr318-sim: cannot create %s: %s\n", opt.memoryFile.c_str(),
                             std::strerror(errno));
                return 1;
            }
        } else if (!LoadMemory(opt.memoryFile, &memory)) {
            return 1;
        }
    }

    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::fprintf(stderr, "kr318-sim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    const char* slaveName = ptsname(master);
    if (!slaveName) {
        std::fprintf(stderr, "kr318-sim: no pseudo-terminal name: %s\n", std::strerror(errno));
        return 1;
    }
    const std::string slavePath = slaveName;
    // Holding the slave side open keeps the terminal alive while the program
    // closes and reopens its port.
    const int hold = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (hold < 0) {
        std::fprintf(stderr, "kr318-sim: cannot open %s: %s\n", slavePath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    termios raw{};
    if (tcgetattr(hold, &raw) == 0) {
        cfmakeraw(&raw);
        cfsetispeed(&raw, B9600);
        cfsetospeed(&raw, B9600);
        tcsetattr(hold, TCSANOW, &raw);
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    if (!opt.linkPath.empty()) {
        ::unlink(opt.linkPath.c_str());
        if (::symlink(slavePath.c_str(), opt.linkPath.c_str()) != 0) {
            std::fprintf(stderr, "kr318-sim: cannot link %s: %s\n", opt.linkPath.c_str(),
                         std::strerror(errno));
        }
    }

    struct sigaction quit {};
    quit.sa_handler = OnQuit;
    sigaction(SIGINT, &quit, nullptr);
    sigaction(SIGTERM, &quit, nullptr);
    struct sigaction cycle {};
    cycle.sa_handler = OnPowerCycle;
    sigaction(SIGUSR1, &cycle, nullptr);
    signal(SIGPIPE, SIG_IGN);

    RadioSimulator radio(memory);
    radio.faults() = opt.faults;
    radio.status = opt.status;
    radio.wanderingStatus = !opt.steadyStatus;
    radio.ackDelayUs = opt.ackDelayMs * 1000;
    if (opt.clone) {
        radio.StartInCloneMode(opt.cloneBaud);
    } else {
        radio.StartIdle();
    }
    RadioWire wire(radio, opt.paced);
    LineNoise noise(opt.noiseBytes, opt.seed);

    std::printf("%s\n", slavePath.c_str());
    std::fflush(stdout);
    if (opt.verbose) {
        std::fprintf(stderr, "kr318-sim: %s on %s\n", StateName(radio.state()), slavePath.c_str());
    }

    // The simulated user: power-cycles a radio that the program calls in vain.
    const std::int64_t noCycle = INT64_MAX;
    std::int64_t cycleAtUs = noCycle;
    RadioSimulator::State lastState = radio.state();
    std::size_t writtenReported = 0;

    while (!quitRequested) {
        std::int64_t now = NowUs();
        std::int64_t wakeAt = std::min(wire.NextDeliveryUs(), cycleAtUs);
        std::int64_t waitUs =
            wakeAt == INT64_MAX ? 1000000 : std::max<std::int64_t>(0, wakeAt - now);
        if (waitUs > 1000000) waitUs = 1000000;
        pollfd fds[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        timespec ts{time_t(waitUs / 1000000), long(waitUs % 1000000) * 1000};
        const int r = ppoll(fds, opt.untilEof ? 2 : 1, &ts, nullptr);
        if (r < 0 && errno != EINTR) break;
        now = NowUs();
        const std::uint32_t baud = LineBaud(master);
        const pollfd& p = fds[0];
        if (r > 0 && opt.untilEof && fds[1].revents != 0 && InputEnded()) break;

        if (r > 0 && (p.revents & POLLIN)) {
            std::uint8_t buffer[4096];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0) {
                if (opt.pullLeadAfter == 0 && !wire.leadPulled() &&
                    radio.state() == RadioSimulator::State::kWaking) {
                    PullLead(wire, opt.verbose);  // the speed byte gets nowhere
                }
                const bool understood = radio.state() == RadioSimulator::State::kClone ||
                                        radio.state() == RadioSimulator::State::kAlignment;
                wire.FromPc(buffer, std::size_t(n), now, baud);
                const bool heard = understood && radio.baud() == baud;
                if (opt.powerCycleMs > 0 && !heard && cycleAtUs == noCycle) {
                    cycleAtUs = now + opt.powerCycleMs * 1000;
                }
            }
        }
        if (powerCycleRequested || now >= cycleAtUs) {
            powerCycleRequested = 0;
            if (opt.verbose) std::fprintf(stderr, "kr318-sim: radio switched off and on\n");
            wire.PowerCycle(now);
            cycleAtUs = opt.powerCycleMs > 0 ? now + opt.powerCycleMs * 1000 : noCycle;
        }
        for (const RadioWire::Delivery& d : wire.TakeDue(now, baud)) {
            // A pseudo-terminal carries no BREAK or damaged characters.
            if (d.kind != RadioWire::Delivery::Kind::kByte) continue;
            if (radio.state() == RadioSimulator::State::kClone) {
                const std::vector<std::uint8_t> stray = noise.Before();
                if (!stray.empty()) WriteAll(master, stray.data(), stray.size());
            }
            WriteAll(master, &d.value, 1);
        }
        if (opt.pullLeadAfter > 0 && !wire.leadPulled() && wire.NextDeliveryUs() == INT64_MAX) {
            // Pulled once the N-th answer has reached the PC.
            const long answered =
                radio.blocksRead() + long(radio.blocksWritten().size()) + radio.writesRefused();
            if (answered >= opt.pullLeadAfter) PullLead(wire, opt.verbose);
        }
        if (radio.state() != lastState) {
            lastState = radio.state();
            if (lastState == RadioSimulator::State::kClone ||
                lastState == RadioSimulator::State::kAlignment) {
                cycleAtUs = noCycle;  // the link has started
            }
            if (opt.verbose) {
                std::fprintf(stderr, "kr318-sim: %s at %u baud\n", StateName(lastState),
                             radio.baud());
            }
        }
        if (radio.TakeMemoryChanged() && !opt.memoryFile.empty() &&
            !SaveMemory(opt.memoryFile, radio.memory())) {
            std::fprintf(stderr, "kr318-sim: cannot save %s: %s\n", opt.memoryFile.c_str(),
                         std::strerror(errno));
        }
        if (opt.verbose) {
            for (const kp07::ToldFrame& f : radio.told()) ReportTold(f);
        }
        radio.ClearTold();  // the tool keeps no history
        if (opt.verbose && radio.blocksWritten().size() != writtenReported) {
            for (; writtenReported < radio.blocksWritten().size(); ++writtenReported) {
                std::fprintf(stderr, "kr318-sim: block %d written\n",
                             radio.blocksWritten()[writtenReported]);
            }
        }
    }

    if (!opt.memoryFile.empty()) SaveMemory(opt.memoryFile, radio.memory());
    if (!opt.linkPath.empty()) ::unlink(opt.linkPath.c_str());
    std::fprintf(stderr, "kr318-sim: %d blocks read, %zu blocks written, %d writes refused",
                 radio.blocksRead(), radio.blocksWritten().size(), radio.writesRefused());
    // The faults that came into play, for the scripts that inject them.
    const kp07::RadioFaults& left = radio.faults();
    if (opt.faults.wrongSums > 0)
        std::fprintf(stderr, ", %d wrong sums", opt.faults.wrongSums - left.wrongSums);
    if (opt.faults.droppedReplies > 0)
        std::fprintf(stderr, ", %d replies dropped",
                     opt.faults.droppedReplies - left.droppedReplies);
    if (opt.noiseBytes > 0) std::fprintf(stderr, ", %ld noise bytes", noise.injected());
    if (wire.leadPulled()) std::fprintf(stderr, ", lead pulled");
    std::fputc('\n', stderr);
    ::close(hold);
    ::close(master);
    return 0;
}
