// Driver of scripts/kill_saves.sh: kills the program at random moments while
// it saves a data file, and checks that the file is always either the old or
// the new complete 7815 bytes.
//
//   driver_save_kill prepare DIR
//       writes DIR/a.K07 and DIR/b.K07 through the program's Save: two data
//       files of the same radio that differ in nearly every block
//   driver_save_kill save-loop TARGET A B
//       the desktop program (offscreen) with TARGET open; it puts the image
//       of A, then B, then A ... into the document and saves with File > Save,
//       without end, printing "saved N" after each save
//   driver_save_kill kill-desktop DIR RUNS SEED
//       RUNS times: TARGET starts as a.K07 or b.K07, the save loop runs, and
//       is killed (SIGKILL) at a random moment of it
//   driver_save_kill kill-upload DIR RUNS SEED KR318_SIM KP07
//       RUNS times: `kp07 upload --out TARGET` from a simulated radio holding
//       b.K07's image, TARGET holding a.K07 or missing; killed at a random
//       moment of the transfer, or of the save that ends it
//
// Each kill run prints nothing; the summary counts the outcomes and exits
// non-zero when any file was neither old nor new, or a temporary file of a
// killed save was still there after the next save.
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/app_instance.h"
#include "app/main_frame.h"
#include "blocks/image_ops.h"
#include "channels/channel_columns.h"
#include "channels/channel_editing.h"
#include "document/data_file.h"
#include "document/document.h"
#include "document/safe_save.h"
#include "image/accessors.h"
#include "image/radio_image.h"
#include "resources/command_ids.h"
#include "resources/message.h"

namespace {

using namespace kp07;
using Bytes = std::vector<std::uint8_t>;

class ConsoleMessages : public MessageBackend {
  public:
    MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon) override {
        std::fprintf(stderr, "driver_save_kill: %s\n", text.c_str());
        return CautiousAnswer(buttons);
    }
};

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool CopyFile(const std::string& from, const std::string& to) {
    const Bytes bytes = ReadAll(from);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

// Temporary files of a save left in `dir`.
int LeftoverTemps(const std::string& dir) {
    int n = 0;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            if (std::strncmp(e->d_name, kSaveTempPrefix, std::strlen(kSaveTempPrefix)) == 0) ++n;
        }
        ::closedir(d);
    }
    return n;
}

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// ------------------------------------------------------------------ prepare

bool Save(CKP05Doc& document, const std::string& path) {
    currentFileName = path;
    return document.OnFileSave();
}

int Prepare(const std::string& dir) {
    CKP05Doc document;
    SetExecutableDirectoryForTest(dir);
    CreateImageAndBlocks();
    FillDefaults(*radioImage);
    SetFirmwareVersion(*radioImage, 400);
    LoadPersistentBlocks(*radioImage);
    const std::string a = dir + "/a.K07", b = dir + "/b.K07";
    // Saved, opened and saved again: the files are as Save leaves them.
    if (!Save(document, a) || !document.OpenFile(a) || !Save(document, a)) return 1;
    // b: every channel with another receive frequency and tag.
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        char text[32];
        std::snprintf(text, sizeof text, "%.5f", 451.0 + 0.025 * slot);
        SetCellFromText(*channels, slot, kColRx, text);
        std::snprintf(text, sizeof text, "B%03d", slot);
        SetCellFromText(*channels, slot, kColTag, text);
    }
    if (!Save(document, b)) return 1;
    currentFileName = kNoFileName;
    if (!document.OpenFile(b) || !Save(document, b)) return 1;
    int blocks = 0;
    const Bytes x = ReadAll(a), y = ReadAll(b);
    for (std::size_t i = 0; i < kDataFileSize; i += 128) {
        blocks += std::memcmp(x.data() + i, y.data() + i, std::min<std::size_t>(128, x.size() - i))
                      ? 1
                      : 0;
    }
    std::printf("a.K07 and b.K07 differ in %d of 62 blocks of 128 bytes\n", blocks);
    return 0;
}

// ---------------------------------------------------------------- save loop

int SaveLoop(int argc, char** argv, const std::string& target, const std::string& a,
             const std::string& b) {
    QApplication app(argc, argv);
    ConsoleMessages messages;
    SetMessageBackend(&messages);
    Application program;
    program.singleInstance = false;
    program.profilePath = QString::fromStdString(target + ".ini");
    if (!program.InitInstance({QString::fromStdString(target)})) return 1;
    CMainFrame& frame = *program.frame();
    QAction* save = frame.Action(cmd::kSave);
    const std::string sources[2] = {b, a};  // the target starts as a copy of one of them
    long saves = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        // The next image arrives in the document, as an edit would bring it.
        FileTrailer trailer{};
        if (!ReadDataFile(sources[saves % 2], *radioImage, trailer)) std::exit(1);
        autoTxOffsetMHz = TrailerOffsetMHz(trailer);
        LoadPersistentBlocks(*radioImage);
        imageModified = 1;
        save->trigger();
        std::printf("saved %ld\n", ++saves);
        std::fflush(stdout);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    timer.start(0);
    return app.exec();
}

// --------------------------------------------------------------- kill runs

struct Child {
    pid_t pid = -1;
    int out = -1;  // the child's stdout (save loop) or stderr (kp07)
    std::string text;

    // Runs `args`; its standard error (`readStderr`) or output comes to
    // `text`, the other goes to `log` (appended; nowhere when empty).
    bool Start(const std::vector<std::string>& args, bool readStderr,
               const std::string& log = std::string()) {
        int fds[2];
        if (::pipe(fds) != 0) return false;
        pid = ::fork();
        if (pid < 0) return false;
        if (pid == 0) {
            const int other = log.empty()
                                  ? ::open("/dev/null", O_WRONLY)
                                  : ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            ::dup2(fds[1], readStderr ? STDERR_FILENO : STDOUT_FILENO);
            ::dup2(other, readStderr ? STDOUT_FILENO : STDERR_FILENO);
            ::close(fds[0]);
            ::close(fds[1]);
            std::vector<char*> argv;
            for (const std::string& s : args) argv.push_back(const_cast<char*>(s.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(fds[1]);
        out = fds[0];
        ::fcntl(out, F_SETFL, ::fcntl(out, F_GETFL) | O_NONBLOCK);
        return true;
    }
    // Collects output for up to `ms`; true when `wanted` has appeared.
    bool WaitFor(const std::string& wanted, double ms) {
        const double end = NowMs() + ms;
        for (;;) {
            if (text.find(wanted) != std::string::npos) return true;
            const double left = end - NowMs();
            if (left <= 0) return false;
            pollfd p{out, POLLIN, 0};
            if (::poll(&p, 1, int(left) + 1) <= 0) continue;
            char buffer[4096];
            const ssize_t n = ::read(out, buffer, sizeof buffer);
            if (n <= 0) return text.find(wanted) != std::string::npos;
            text.append(buffer, std::size_t(n));
        }
    }
    void Kill() {
        ::kill(pid, SIGKILL);
        Reap();
    }
    int Reap() {
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(out);
        return status;
    }
};

std::string Self() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, std::size_t(n)) : std::string("driver_save_kill");
}

struct Tally {
    int runs = 0, oldFile = 0, newFile = 0, noFile = 0, torn = 0, temps = 0;
    void Check(const std::string& target, const Bytes& old, const Bytes& fresh, bool hadFile,
               const std::string& dir) {
        ++runs;
        if (LeftoverTemps(dir) > 0) ++temps;
        if (!Exists(target)) {
            if (hadFile) {
                ++torn;
                std::printf("run %d: the old file is gone\n", runs);
            } else {
                ++noFile;
            }
            return;
        }
        const Bytes now = ReadAll(target);
        if (hadFile && now == old) {
            ++oldFile;
        } else if (now == fresh) {
            ++newFile;
        } else {
            ++torn;
            std::printf("run %d: the file holds %zu bytes, neither the old nor the new ones\n",
                        runs, now.size());
            CopyFile(target, target + ".torn" + std::to_string(runs));
        }
    }
    // `remaining`: temporary files still there after one more save, which
    // removes those of killed saves.
    int Report(const char* what, double seconds, int remaining) const {
        std::printf(
            "%s: %d kills in %.0f s: %d old file, %d new file, %d no file (none before), %d "
            "neither; %d kills left a temporary file, %d remained after the next save\n",
            what, runs, seconds, oldFile, newFile, noFile, torn, temps, remaining);
        return torn == 0 && remaining == 0 ? 0 : 1;
    }
};

int KillDesktop(const std::string& dir, int runs, unsigned seed) {
    std::mt19937 rng(seed);
    const std::string a = dir + "/a.K07", b = dir + "/b.K07", target = dir + "/target.K07";
    const Bytes bytesA = ReadAll(a), bytesB = ReadAll(b);
    Tally tally;
    long savesSeen = 0;
    double slowestStart = 0;
    const double start = NowMs();
    for (int run = 0; run < runs; ++run) {
        // The save loop writes b first when the target holds a, and the
        // other way round; either way old and new alternate.
        const bool startA = run % 2 == 0;
        ::unlink(target.c_str());
        CopyFile(startA ? a : b, target);
        Child child;
        const std::string log = dir + "/desktop.log";
        const double began = NowMs();
        if (!child.Start({Self(), "save-loop", target, startA ? a : b, startA ? b : a}, false,
                         log)) {
            return 1;
        }
        if (!child.WaitFor("ready", 120000)) {
            child.Kill();
            std::printf("run %d: the desktop program did not start within 2 minutes (see %s)\n",
                        run + 1, log.c_str());
            return 1;
        }
        const double startMs = NowMs() - began;
        if (startMs > 5000) {
            std::printf("run %d: the desktop program took %.1f s to start\n", run + 1,
                        startMs / 1000);
        }
        slowestStart = std::max(slowestStart, startMs);
        const double delay = std::uniform_real_distribution<double>(0, 600)(rng);
        child.WaitFor("\n#never#", delay);
        child.Kill();
        // The last save named is complete; the one after it may have been cut.
        const std::size_t last = child.text.rfind("saved ");
        const long saves = last == std::string::npos ? 0 : std::atol(child.text.c_str() + last + 6);
        savesSeen += saves;
        // Saves alternate from the first source: an even count of completed
        // saves leaves the starting content as "old".
        const Bytes& first = startA ? bytesA : bytesB;
        const Bytes& second = startA ? bytesB : bytesA;
        const Bytes& old = saves % 2 == 0 ? first : second;
        const Bytes& fresh = saves % 2 == 0 ? second : first;
        tally.Check(target, old, fresh, true, dir);
    }
    std::printf(
        "desktop: %ld saves completed before the kills (%.1f per run); the slowest start took "
        "%.1f s\n",
        savesSeen, double(savesSeen) / runs, slowestStart / 1000);
    // One more save, not killed.
    Child last;
    if (!last.Start({Self(), "save-loop", target, a, b}, false)) return 1;
    last.WaitFor("saved 1\n", 120000);
    last.Kill();
    return tally.Report("desktop Save", (NowMs() - start) / 1000, LeftoverTemps(dir));
}

int KillUpload(const std::string& dir, int runs, unsigned seed, const std::string& sim,
               const std::string& kp07) {
    std::mt19937 rng(seed);
    const std::string a = dir + "/a.K07", b = dir + "/b.K07", target = dir + "/up.K07";
    const std::string memory = dir + "/radio.mem";
    const Bytes bytesA = ReadAll(a);
    // The radio holds b's image; an upload's file is that image and a zero offset.
    Bytes image = ReadAll(b);
    image.resize(kImageSize);
    Bytes fresh = image;
    fresh.resize(kDataFileSize, 0);
    image.resize(kImageBufferSize, 0);
    Tally tally;
    double transferMs = 0;  // how long a whole upload takes
    int inSave = 0;
    const double start = NowMs();
    // One run more than asked for: the first is not killed, it measures.
    for (int run = -1; run < runs; ++run) {
        std::ofstream(memory, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
        const bool hadFile = run % 2 != 0;
        ::unlink(target.c_str());
        if (hadFile) CopyFile(a, target);

        Child radio;
        if (!radio.Start({sim, "--memory", memory, "--clone", "19200", "--no-pacing"}, false)) {
            return 1;
        }
        if (!radio.WaitFor("\n", 30000)) {
            radio.Kill();
            std::printf("run %d: the simulator did not start\n", run + 1);
            return 1;
        }
        const std::string device = radio.text.substr(0, radio.text.find('\n'));
        Child upload;
        const double began = NowMs();
        upload.Start({kp07, "upload", "--device", device, "--speed", "19200", "--out", target},
                     true);
        if (run < 0) {
            upload.WaitFor("\n#never#", 60000);
            upload.Reap();
            transferMs = NowMs() - began;
        } else if (rng() % 2) {
            // Any moment of the whole transfer.
            upload.WaitFor("\n#never#", std::uniform_real_distribution<double>(0, transferMs)(rng));
            upload.Kill();
        } else {
            // A moment of the save that ends it: the file is written after
            // the radio's image has arrived ("Upload is completed").
            upload.WaitFor("Upload is completed", 60000);
            const auto delay = std::chrono::microseconds(rng() % 20000);
            std::this_thread::sleep_for(delay);
            upload.Kill();
            ++inSave;
        }
        ::kill(radio.pid, SIGTERM);
        radio.Reap();
        if (run >= 0) tally.Check(target, bytesA, fresh, hadFile, dir);
    }
    std::printf("upload: a whole transfer took %.0f ms; %d kills aimed at the save\n", transferMs,
                inSave);
    // One more upload, not killed.
    Child radio;
    if (!radio.Start({sim, "--memory", memory, "--clone", "19200", "--no-pacing"}, false)) return 1;
    if (radio.WaitFor("\n", 30000)) {
        Child upload;
        upload.Start({kp07, "upload", "--device", radio.text.substr(0, radio.text.find('\n')),
                      "--speed", "19200", "--out", target},
                     true);
        upload.WaitFor("\n#never#", 60000);
        upload.Reap();
    }
    ::kill(radio.pid, SIGTERM);
    radio.Reap();
    return tally.Report("kp07 upload --out", (NowMs() - start) / 1000, LeftoverTemps(dir));
}

}  // namespace

int main(int argc, char** argv) {
    ConsoleMessages messages;
    SetMessageBackend(&messages);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "prepare" && argc == 3) return Prepare(argv[2]);
    if (mode == "save-loop" && argc == 5) return SaveLoop(argc, argv, argv[2], argv[3], argv[4]);
    if (mode == "kill-desktop" && argc == 5) {
        return KillDesktop(argv[2], std::atoi(argv[3]),
                           unsigned(std::strtoul(argv[4], nullptr, 10)));
    }
    if (mode == "kill-upload" && argc == 7) {
        return KillUpload(argv[2], std::atoi(argv[3]), unsigned(std::strtoul(argv[4], nullptr, 10)),
                          argv[5], argv[6]);
    }
    std::fprintf(stderr,
                 "usage: driver_save_kill prepare DIR | save-loop TARGET A B |\n"
                 "       kill-desktop DIR RUNS SEED | kill-upload DIR RUNS SEED SIM KP07\n");
    return 2;
}
