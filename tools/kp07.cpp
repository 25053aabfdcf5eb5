// kp07: the radio link from the command line, for scripted work and support.
// It runs the same transfer jobs as the desktop program: the radio's image is
// uploaded into a data file, or a data file is downloaded into the radio with
// the hardware check and the factory-data merge.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "blocks/image_ops.h"
#include "channels/channel_listing.h"
#include "document/data_file.h"
#include "document/document.h"
#include "image/radio_image.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/transfer_jobs.h"
#include "link/transfer_owner.h"
#include "report/report_builder.h"
#include "report/report_pdf.h"
#include "report/report_text.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace {

using namespace kp07;

const char kUsage[] =
    "Usage: kp07 upload   --device PATH [--speed 9600|19200] [--timeout SECONDS]\n"
    "                     --out FILE.K07\n"
    "       kp07 download --device PATH [--speed 9600|19200] [--timeout SECONDS]\n"
    "                     FILE.K07\n"
    "       kp07 channels FILE.K07\n"
    "       kp07 --help\n"
    "\n"
    "Reads the memory of a KR-318 radio into a data file (upload), or writes a data\n"
    "file into the radio (download), over the programming cable on the serial\n"
    "device PATH (for example /dev/ttyUSB0).\n"
    "\n"
    "  --device PATH   serial device of the programming cable\n"
    "  --speed BAUD    speed of the clone link: 9600 (the default) or 19200\n"
    "  --timeout SECONDS\n"
    "                  stop a transfer that has not completed after SECONDS (by\n"
    "                  default a radio that does not answer is waited for until\n"
    "                  Ctrl+C)\n"
    "  --out FILE      upload: the data file to write (replaced only when the\n"
    "                  upload completed; the radio's image exactly as read)\n"
    "\n"
    "A download reads the radio first: its hardware configuration must match the\n"
    "file's, the radio's own factory data (alignment values, serial number) is\n"
    "kept, and only the blocks that differ are written. The file is not changed.\n"
    "When the radio is not in clone mode yet, switch it off and on again when asked.\n"
    "Progress and messages go to standard error. Ctrl+C cancels the transfer.\n"
    "\n"
    "channels lists the channels of a data file, group by group, with the texts\n"
    "of the program's channel grid (a check mark reads \"v\").\n"
    "\n"
    "report prints the report of a data file that File > Print gives: plain text\n"
    "pages (a form feed between pages) on standard output, or a PDF file with\n"
    "--pdf. --date puts another date than today's on the pages.\n"
    "\n"
    "Exit status: 0 when the transfer completed (also when Ctrl+C came too late to\n"
    "stop it), 1 when it failed or timed out, 2 for a usage error, 130 when it was\n"
    "cancelled.\n";

std::atomic<bool> cancelRequested{false};

void OnInterrupt(int) {
    cancelRequested = true;
}

// The program's messages as lines of text; questions get the cautious answer.
class TextMessages : public MessageBackend {
  public:
    MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon) override {
        std::string line;
        for (char c : text) {
            if (c != '\r') line += c == '\n' ? ' ' : c;
        }
        std::fprintf(stderr, "%skp07: %s\n", pendingProgress ? "\n" : "", line.c_str());
        pendingProgress = false;
        return CautiousAnswer(buttons);
    }
    bool pendingProgress = false;
};

class CommandLineOwner : public TransferOwner {
  public:
    // `timeoutSeconds` 0: no time limit.
    CommandLineOwner(TextMessages& messages, std::string device, long timeoutSeconds)
        : messages_(messages),
          terminal_(isatty(STDERR_FILENO) != 0),
          device_(std::move(device)),
          deadline_(timeoutSeconds > 0 ? Now() + std::chrono::seconds(timeoutSeconds)
                                       : std::chrono::steady_clock::time_point::max()) {}

    void PostReport(unsigned message, unsigned value) override {
        switch (message) {
            case WM_XFER_CAPTION:
            case WM_XFER_STATUS:
                Line(LoadString(int(value)));
                break;
            case WM_XFER_RANGE:
                range_ = value;
                shown_ = -1;
                break;
            case WM_XFER_POS:
                Progress(value);
                break;
            default:
                break;
        }
    }
    // The job stops at its next check after Ctrl+C or the time limit; only
    // a job that took the stop was cancelled (one that had already passed
    // its last check completes).
    bool TakeCancel() override {
        if (cancelRequested.exchange(false)) {
            cancelled_ = true;
            return true;
        }
        if (Now() >= deadline_) {
            timedOut_ = true;
            return true;
        }
        return false;
    }
    MsgResult Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) override {
        // There are no COM numbers here: the lead is on the device given.
        if (id == kMsgCheckLead) return ShowMessage(kMsgCheckLeadDevice, buttons, icon, device_);
        return ShowMessage(id, buttons, icon, arg1);
    }
    bool cancelled() const { return cancelled_; }
    bool timedOut() const { return timedOut_; }
    void Finish() {
        if (messages_.pendingProgress) std::fputc('\n', stderr);
        messages_.pendingProgress = false;
    }

  private:
    static std::chrono::steady_clock::time_point Now() { return std::chrono::steady_clock::now(); }
    void Line(const std::string& text) {
        Finish();
        std::fprintf(stderr, "kp07: %s\n", text.c_str());
    }
    void Progress(unsigned value) {
        if (range_ == 0) return;
        const int percent = int(100.0 * value / range_);
        if (terminal_) {
            if (percent == shown_) return;
            std::fprintf(stderr, "\r%3d%%", percent);
            messages_.pendingProgress = true;
        } else {
            // In a log, one line every ten percent.
            if (percent / 10 == shown_ / 10 && shown_ >= 0) return;
            std::fprintf(stderr, "kp07: %d%%\n", percent);
        }
        shown_ = percent;
    }

    TextMessages& messages_;
    bool terminal_;
    std::string device_;
    std::chrono::steady_clock::time_point deadline_;
    bool cancelled_ = false;
    bool timedOut_ = false;
    unsigned range_ = 0;
    int shown_ = -1;
};

struct Arguments {
    std::string command;
    std::string device;
    std::string file;
    int speed = 9600;
    long timeoutSeconds = 0;  // 0: none
};

// An empty command means: stop with the status in `exitStatus`.
bool ParseArguments(int argc, char** argv, Arguments* a, int* exitStatus) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        *exitStatus = 0;
        return false;
    }
    *exitStatus = 2;
    if (argc < 2 ||
        (std::strcmp(argv[1], "upload") != 0 && std::strcmp(argv[1], "download") != 0)) {
        std::fputs(kUsage, stderr);
        return false;
    }
    a->command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            *exitStatus = 0;
            return false;
        } else if (arg == "--device" && hasValue) {
            a->device = argv[++i];
        } else if (arg == "--speed" && hasValue) {
            const std::string s = argv[++i];
            if (s != "9600" && s != "19200") {
                std::fprintf(stderr, "kp07: the speed is 9600 or 19200, not '%s'\n", s.c_str());
                return false;
            }
            a->speed = s == "19200" ? 19200 : 9600;
        } else if (arg == "--timeout" && hasValue) {
            const std::string s = argv[++i];
            char* end = nullptr;
            errno = 0;
            const long seconds = std::strtol(s.c_str(), &end, 10);
            if (s.empty() || *end != '\0' || errno != 0 || seconds < 1 || seconds > 86400) {
                std::fprintf(stderr, "kp07: the timeout is 1 to 86400 seconds, not '%s'\n",
                             s.c_str());
                return false;
            }
            a->timeoutSeconds = seconds;
        } else if (arg == "--out" && hasValue && a->command == "upload") {
            a->file = argv[++i];
        } else if (a->command == "download" && !arg.empty() && arg[0] != '-' && a->file.empty()) {
            a->file = arg;
        } else {
            std::fprintf(stderr, "kp07: unexpected argument '%s'\n%s", arg.c_str(), kUsage);
            return false;
        }
    }
    if (a->device.empty() || a->file.empty()) {
        std::fprintf(stderr, "kp07: %s\n%s",
                     a->device.empty()        ? "--device is missing"
                     : a->command == "upload" ? "--out is missing"
                                              : "the data file is missing",
                     kUsage);
        return false;
    }
    return true;
}

// The data file must be writable before the radio is called: an upload that
// cannot be saved would be lost.
bool CanWrite(const std::string& path) {
    return CheckDataFileTarget(path);
}

int Upload(const Arguments& a, CommandLineOwner& owner) {
    if (!CanWrite(a.file)) return 1;
    CreateImageAndBlocks();
    imageModified = 0;
    const bool done = UploadJob(owner);
    owner.Finish();
    if (!done) return 1;
    // Written beside the target and renamed over it: a failed write leaves no
    // partial file behind and an older file as it was.
    return WriteDataFile(a.file, *radioImage, TrailerFromOffset(autoTxOffsetMHz)) ? 0 : 1;
}

int Download(const Arguments& a, CommandLineOwner& owner) {
    CKP05Doc document;
    currentFileName = kNoFileName;
    if (!document.OpenFile(a.file)) return 1;
    RebuildImage(*radioImage);
    const bool done = DownloadJob(owner);
    owner.Finish();
    return done ? 0 : 1;
}

// The image of a data file and its trailer, or false after the data-file
// message.
bool ReadImageFile(const std::string& path, RadioImage& image, FileTrailer& trailer) {
    switch (CheckDataFile(path, kDataFileSize)) {
        case 0:
            return ReadDataFile(path, image, trailer);
        case 2:
            ShowMessage(34, MsgButtons::kOk, MsgIcon::kStop, path);  // "Problem reading from file"
            return false;
        case 3:
            ShowMessage(37, MsgButtons::kOk, MsgIcon::kStop, path);  // format invalid
            return false;
        default:
            ShowMessage(32, MsgButtons::kOk, MsgIcon::kStop, path);  // "Problem opening file"
            return false;
    }
}

// kp07 channels FILE: the channel listing of a data file on standard output.
int Channels(int argc, char** argv) {
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    TextMessages messages;
    SetMessageBackend(&messages);
    RadioImage image{};
    FileTrailer trailer{};
    const bool read = ReadImageFile(argv[2], image, trailer);
    if (read) std::fputs(ChannelListing(image).c_str(), stdout);
    SetMessageBackend(nullptr);
    return read ? 0 : 1;
}

// kp07 report FILE [--pdf OUT] [--date M/D/YYYY]: the printed report.
int PrintReport(int argc, char** argv) {
    std::string file, pdf, date = TodayReportDate();
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--pdf" && i + 1 < argc) {
            pdf = argv[++i];
        } else if (arg == "--date" && i + 1 < argc) {
            if (!ParseReportDate(argv[++i], &date)) {
                std::fprintf(stderr, "kp07: the date is M/D/YYYY, not '%s'\n", argv[i]);
                return 2;
            }
        } else if (!arg.empty() && arg[0] != '-' && file.empty()) {
            file = arg;
        } else {
            std::fprintf(stderr, "kp07: unexpected argument '%s'\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    if (file.empty()) {
        std::fprintf(stderr, "kp07: the data file is missing\n%s", kUsage);
        return 2;
    }
    TextMessages messages;
    SetMessageBackend(&messages);
    RadioImage image{};
    FileTrailer trailer{};
    bool ok = ReadImageFile(file, image, trailer);
    if (ok) {
        const Report report = BuildReport(image, file, date, TrailerOffsetMHz(trailer));
        if (pdf.empty()) {
            ok = std::fputs(ReportPlainText(report).c_str(), stdout) >= 0 &&
                 std::fflush(stdout) == 0;
        } else {
            ok = WriteReportPdf(report, pdf);
        }
    }
    SetMessageBackend(nullptr);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "channels") == 0) return Channels(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "report") == 0) return PrintReport(argc, argv);
    Arguments a;
    int status = 0;
    if (!ParseArguments(argc, argv, &a, &status)) return status;

    TextMessages messages;
    SetMessageBackend(&messages);
    struct sigaction sa {};
    sa.sa_handler = OnInterrupt;
    sa.sa_flags = SA_RESETHAND;  // a second Ctrl+C ends the program at once
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    comPort = 1;
    SetPortDevice(comPort, a.device);
    comSpeed = a.speed == 19200 ? 1 : 0;

    CommandLineOwner owner(messages, a.device, a.timeoutSeconds);
    status = a.command == "upload" ? Upload(a, owner) : Download(a, owner);
    currentPort.reset();
    SetMessageBackend(nullptr);
    // What happened decides, not when Ctrl+C came: a transfer that completed
    // (file written, radio programmed) is reported as completed.
    if (status != 0 && owner.cancelled()) {
        std::fprintf(stderr, "kp07: cancelled\n");
        return 130;
    }
    if (status != 0 && owner.timedOut()) {
        std::fprintf(stderr, "kp07: stopped: the transfer did not complete within %ld s\n",
                     a.timeoutSeconds);
        return 1;
    }
    return status;
}
