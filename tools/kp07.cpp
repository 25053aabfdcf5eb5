// kp07: the radio link from the command line, for scripted work and support.
// It runs the same transfer jobs as the desktop program: the radio's image is
// uploaded into a data file, or a data file is downloaded into the radio with
// the hardware check and the factory-data merge.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
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
    "Usage: kp07 upload   --device PATH [--speed 9600|19200] --out FILE.K07\n"
    "       kp07 download --device PATH [--speed 9600|19200] FILE.K07\n"
    "       kp07 channels FILE.K07\n"
    "       kp07 --help\n"
    "\n"
    "Reads the memory of a KR-318 radio into a data file (upload), or writes a data\n"
    "file into the radio (download), over the programming cable on the serial\n"
    "device PATH (for example /dev/ttyUSB0).\n"
    "\n"
    "  --device PATH   serial device of the programming cable\n"
    "  --speed BAUD    speed of the clone link: 9600 (the default) or 19200\n"
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
    "Exit status: 0 when the transfer completed, 1 when it failed, 2 for a usage\n"
    "error, 130 when it was cancelled.\n";

std::atomic<bool> cancelRequested{false};
std::atomic<bool> interrupted{false};

void OnInterrupt(int) {
    cancelRequested = true;
    interrupted = true;
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
    explicit CommandLineOwner(TextMessages& messages)
        : messages_(messages), terminal_(isatty(STDERR_FILENO) != 0) {}

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
    bool TakeCancel() override { return cancelRequested.exchange(false); }
    MsgResult Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) override {
        return ShowMessage(id, buttons, icon, arg1);
    }
    void Finish() {
        if (messages_.pendingProgress) std::fputc('\n', stderr);
        messages_.pendingProgress = false;
    }

  private:
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
    unsigned range_ = 0;
    int shown_ = -1;
};

struct Arguments {
    std::string command;
    std::string device;
    std::string file;
    int speed = 9600;
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
    if (!CheckWritable(path)) return false;  // an existing read-only file
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    struct stat st {};
    const bool isFolder = ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    if (isFolder || ::access(folder.c_str(), W_OK) != 0) {
        ShowMessage(35, MsgButtons::kOk, MsgIcon::kStop, path);  // "Problem opening file"
        return false;
    }
    return true;
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
        const Report report = BuildReport(image, file, date, OffsetFromTrailer(trailer));
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

    CommandLineOwner owner(messages);
    status = a.command == "upload" ? Upload(a, owner) : Download(a, owner);
    currentPort.reset();
    SetMessageBackend(nullptr);
    if (interrupted) {
        std::fprintf(stderr, "kp07: cancelled\n");
        return 130;
    }
    return status;
}
