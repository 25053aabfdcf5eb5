// kp07: the radio link and the data-file tools from the command line, for
// scripted work and support. It runs the same transfer jobs as the desktop
// program (the radio's image is uploaded into a data file, or a data file is
// downloaded into the radio with the hardware check and the factory-data
// merge) and the same channel-list, compare and report code.
#include <signal.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "blocks/image_dump_text.h"
#include "blocks/image_ops.h"
#include "channels/channel_file_tools.h"
#include "channels/channel_listing.h"
#include "document/data_file.h"
#include "document/document.h"
#include "image/radio_image.h"
#include "image_file.h"
#include "link/link_state.h"
#include "link/progress_line.h"
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

constexpr int kExitUsage = 2;
constexpr int kExitCancelled = 130;

std::atomic<bool> cancelRequested{false};

void OnInterrupt(int) {
    cancelRequested = true;
}

// The program's messages as lines of text; questions get the cautious answer.
class TextMessages : public MessageBackend {
  public:
    explicit TextMessages(ProgressLine* progress = nullptr) : progress_(progress) {}
    MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon) override {
        std::string line;
        for (char c : text) {
            if (c != '\r') line += c == '\n' ? ' ' : c;
        }
        const std::string close = progress_ ? progress_->Close() : std::string();
        std::fprintf(stderr, "%skp07: %s\n", close.c_str(), line.c_str());
        return CautiousAnswer(buttons);
    }

  private:
    ProgressLine* progress_;
};

// Shows the messages of one command on standard error for as long as it runs.
class MessageScope {
  public:
    explicit MessageScope(ProgressLine* progress = nullptr) : messages_(progress) {
        SetMessageBackend(&messages_);
    }
    ~MessageScope() { SetMessageBackend(nullptr); }
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;

  private:
    TextMessages messages_;
};

struct TransferOptions {
    std::string device;
    int speed = 9600;
    long timeoutSeconds = 0;  // 0: none
    std::string file;
};

class CommandLineOwner : public TransferOwner {
  public:
    CommandLineOwner(ProgressLine& progress, const TransferOptions& options)
        : progress_(progress),
          device_(options.device),
          deadline_(options.timeoutSeconds > 0
                        ? Now() + std::chrono::seconds(options.timeoutSeconds)
                        : std::chrono::steady_clock::time_point::max()) {}

    void PostReport(unsigned message, unsigned value) override {
        switch (message) {
            case WM_XFER_CAPTION:
            case WM_XFER_STATUS:
                Finish();
                std::fprintf(stderr, "kp07: %s\n", LoadString(int(value)).c_str());
                break;
            case WM_XFER_RANGE:
                progress_.SetRange(value);
                break;
            case WM_XFER_POS:
                std::fputs(progress_.Step(value).c_str(), stderr);
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
    void Finish() { std::fputs(progress_.Close().c_str(), stderr); }

  private:
    static std::chrono::steady_clock::time_point Now() { return std::chrono::steady_clock::now(); }

    ProgressLine& progress_;
    std::string device_;
    std::chrono::steady_clock::time_point deadline_;
    bool cancelled_ = false;
    bool timedOut_ = false;
};

int Upload(const TransferOptions& o, CommandLineOwner& owner) {
    // The data file must be writable before the radio is called: an upload
    // that cannot be saved would be lost.
    if (!CheckDataFileTarget(o.file)) return 1;
    CreateImageAndBlocks();
    imageModified = 0;
    const bool done = UploadJob(owner);
    owner.Finish();
    if (!done) return 1;
    // Written beside the target and renamed over it: a failed write leaves no
    // partial file behind and an older file as it was.
    return WriteDataFile(o.file, *radioImage, TrailerFromOffset(autoTxOffsetMHz)) ? 0 : 1;
}

int Download(const TransferOptions& o, CommandLineOwner& owner) {
    CKP05Doc document;
    currentFileName = kNoFileName;
    if (!document.OpenFile(o.file)) return 1;
    RebuildImage(*radioImage);
    const bool done = DownloadJob(owner);
    owner.Finish();
    return done ? 0 : 1;
}

int RunTransfer(bool upload, const TransferOptions& o) {
    ProgressLine progress(isatty(STDERR_FILENO) != 0, "kp07: ");
    MessageScope messages(&progress);
    struct sigaction sa {};
    sa.sa_handler = OnInterrupt;
    sa.sa_flags = SA_RESETHAND;  // a second Ctrl+C ends the program at once
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    comPort = 1;
    SetPortDevice(comPort, o.device);
    comSpeed = o.speed == 19200 ? 1 : 0;

    CommandLineOwner owner(progress, o);
    const int status = upload ? Upload(o, owner) : Download(o, owner);
    currentPort.reset();
    // What happened decides, not when Ctrl+C came: a transfer that completed
    // (file written, radio programmed) is reported as completed.
    if (status != 0 && owner.cancelled()) {
        std::fprintf(stderr, "kp07: cancelled\n");
        return kExitCancelled;
    }
    if (status != 0 && owner.timedOut()) {
        std::fprintf(stderr, "kp07: stopped: the transfer did not complete within %ld s\n",
                     o.timeoutSeconds);
        return 1;
    }
    return status;
}

// Writes what a file tool produced; a failed write to standard output (a
// full disk, a closed pipe) is a failure too.
int Emit(const ToolOutput& r) {
    std::fputs(r.err.c_str(), stderr);
    const bool written = std::fputs(r.out.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
    return r.status == 0 && !written ? 1 : r.status;
}

int Channels(const std::string& file) {
    MessageScope messages;
    RadioImage image{};
    if (!LoadDataFile(file, &image, nullptr)) return 1;
    return Emit({0, ChannelListing(image), {}});
}

int PrintReport(const std::string& file, const std::string& pdf, const std::string& date) {
    MessageScope messages;
    RadioImage image{};
    double offset = 0.0;
    if (!LoadDataFile(file, &image, &offset)) return 1;
    const Report report = BuildReport(image, file, date, offset);
    if (pdf.empty()) return Emit({0, ReportPlainText(report), {}});
    return WriteReportPdf(report, pdf) ? 0 : 1;
}

int Dump(const std::string& file, const std::string& block) {
    RadioImage image{};
    double offset = 0.0;
    if (!tools::ReadImageOrDataFile("kp07", file, image, offset)) return 1;
    return Emit({0, ImageDumpText(image, file, offset, block), {}});
}

// ---------------------------------------------------------------------------
// The command line.

struct Commands {
    TransferOptions transfer;
    std::string file, file2, out, pdf, date, block, layout = "grid";
};

// A path or device name: an empty one is a slip of the script that gives it.
CLI::Validator NotEmpty() {
    return CLI::Validator(
        [](std::string& text) { return text.empty() ? std::string("is empty") : std::string(); },
        "", "not empty");
}

void AddLinkOptions(CLI::App* sub, TransferOptions& t) {
    sub->add_option("--device", t.device, "serial device of the programming cable")
        ->type_name("PATH")
        ->required()
        ->check(NotEmpty());
    sub->add_option("--speed", t.speed, "speed of the clone link: 9600 (the default) or 19200")
        ->type_name("BAUD")
        ->check(CLI::IsMember({9600, 19200}).description(""));
    sub->add_option("--timeout", t.timeoutSeconds,
                    "stop a transfer that has not completed after SECONDS, 1 to 86400 (by "
                    "default a radio that does not answer is waited for until Ctrl+C)")
        ->type_name("SECONDS")
        ->check(CLI::Range(1L, 86400L).description(""));
}

// An argument given by its place, named as the help shows it.
CLI::Option* Positional(CLI::App* sub, const char* name, std::string& value, const char* what) {
    return sub->add_option(name, value, what)->type_name("")->check(NotEmpty());
}

// The date check of the report, as an argument check: a wrong date is a usage error.
CLI::Validator ReportDate() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            std::string date;
            if (ParseReportDate(text, &date)) {
                text = date;
                return {};
            }
            return "the date is M/D/YYYY, not '" + text + "'";
        },
        "", "date");
}

const char kDescription[] =
    "Reads the memory of a KR-318 radio into a data file (upload) or writes a data file into "
    "the radio (download) over the programming cable, and works on data files: the channel "
    "list, the printed report, channels as CSV, the differences between two files and every "
    "field of a file.";

const char kExamples[] =
    "  kp07 upload --device /dev/ttyUSB0 --out radio.K07\n"
    "  kp07 download --device /dev/ttyUSB0 --speed 19200 radio.K07\n"
    "  kp07 export-csv radio.K07 channels.csv\n"
    "  kp07 diff master.K07 radio.K07";

const char kProgressNote[] =
    "Progress and messages go to standard error: on a terminal the progress is one line\n"
    "updated in place, in a pipe a line every ten percent. Ctrl+C cancels a transfer.";

const char kExitStatus[] =
    "0 when the command completed (also a transfer that Ctrl+C reached too\n"
    "late to stop), 1 when it failed or timed out (diff: the files differ), 2 for a usage\n"
    "error (diff: a file could not be read), 130 when a transfer was cancelled.";

// The commands, their arguments and their help texts.
void BuildCommandLine(CLI::App& app, Commands& c, bool& man) {
    app.description(kDescription);
    app.footer(std::string("Examples:\n") + kExamples + "\n\n" + kProgressNote +
               "\n\nExit status: " + kExitStatus +
               "\nRun 'kp07 COMMAND --help' for a command's arguments.");
    app.require_subcommand(0, 1);
    app.add_flag("--man", man, "print this manual page (troff) on standard output");
    app.failure_message([](const CLI::App* top, const CLI::Error& e) {
        const std::vector<const CLI::App*> chosen =
            top->get_subcommands([](const CLI::App* a) { return a->parsed(); });
        const std::string command = chosen.empty() ? "" : chosen.front()->get_name() + " ";
        return "kp07: " + std::string(e.what()) + "\nRun 'kp07 " + command +
               "--help' for the usage.\n";
    });

    CLI::App* up = app.add_subcommand("upload", "read the radio's memory into a data file");
    AddLinkOptions(up, c.transfer);
    up->add_option("--out", c.transfer.file,
                   "the data file to write: replaced only when the upload completed, with the "
                   "radio's image exactly as read")
        ->type_name("FILE.K07")
        ->required()
        ->check(NotEmpty());
    up->footer(
        "When the radio is not in clone mode yet, switch it off and on again when asked.\n"
        "The data file's folder is checked before the radio is called.");

    CLI::App* down = app.add_subcommand("download", "write a data file into the radio");
    AddLinkOptions(down, c.transfer);
    Positional(down, "FILE.K07", c.transfer.file, "the data file to write into the radio")
        ->required();
    down->footer(
        "A download reads the radio first: its hardware configuration must match the\n"
        "file's, the radio's own factory data (alignment values, serial number) is kept,\n"
        "and only the blocks that differ are written. The file is not changed.");

    CLI::App* channels =
        app.add_subcommand("channels", "list the channels of a data file, group by group");
    Positional(channels, "FILE.K07", c.file, "the data file")->required();
    channels->footer("The texts are those of the channel grid; a check mark reads \"v\".");

    CLI::App* report =
        app.add_subcommand("report", "print the report of a data file that File > Print gives");
    Positional(report, "FILE.K07", c.file, "the data file")->required();
    report->add_option("--pdf", c.pdf, "write a PDF file instead of plain text")
        ->type_name("OUT.pdf")
        ->check(NotEmpty());
    report->add_option("--date", c.date, "the date on the pages instead of today's")
        ->type_name("M/D/YYYY")
        ->check(ReportDate());
    report->footer("Plain text pages (a form feed between pages) go to standard output.");

    CLI::App* exportCsv =
        app.add_subcommand("export-csv", "write the channels of a data file as CSV");
    Positional(exportCsv, "FILE.K07", c.file, "the data file")->required();
    Positional(exportCsv, "OUT.csv", c.out, "the CSV file to write; - for standard output")
        ->required();
    exportCsv
        ->add_option("--layout", c.layout,
                     "grid (the default): every slot with the channel grid's columns; generic: "
                     "the channels in use in the generic channel-list layout of multi-radio "
                     "programming tools")
        ->type_name("LAYOUT")
        ->check(CLI::IsMember({"grid", "generic"}).description(""));
    exportCsv->footer("What the generic layout cannot hold is listed on standard error.");

    CLI::App* importCsv =
        app.add_subcommand("import-csv", "read channels from CSV into a data file");
    Positional(importCsv, "FILE.K07", c.file, "the data file")->required();
    Positional(importCsv, "IN.csv", c.file2, "the CSV file to read (either layout)")->required();
    importCsv
        ->add_option("--out", c.out, "write the result to NEW.K07 instead of replacing FILE.K07")
        ->type_name("NEW.K07")
        ->check(NotEmpty());
    importCsv->footer(
        "Every cell is checked with the channel grid's rules; the refused cells are listed\n"
        "by row and column, and then no file is written (exit status 1). The layout, grid\n"
        "or generic, is recognised by the file's headings.");

    CLI::App* diff = app.add_subcommand("diff", "list the differences between two data files");
    Positional(diff, "A.K07", c.file, "the first data file")->required();
    Positional(diff, "B.K07", c.file2, "the second data file")->required();
    diff->footer(
        "Settings by block and field, channels by number and column. Exit status 0 when\n"
        "the images are equal, 1 when they differ, 2 when a file could not be read.");

    CLI::App* dump = app.add_subcommand("dump", "print every field of a data file");
    Positional(dump, "FILE.K07", c.file, "a data file, or a raw memory image")->required();
    Positional(dump, "BLOCK", c.block, "only the blocks whose name contains BLOCK")
        ->check(CLI::Validator(
            [](std::string& block) -> std::string {
                if (ImageDumpFilterMatches(block)) return {};
                std::string names;
                for (const std::string& n : ImageDumpBlockNames()) names += " " + n;
                return "no block is called '" + block + "'; the blocks are:" + names;
            },
            "", "block"));
    std::string blocks = "The blocks:";
    for (const std::string& name : ImageDumpBlockNames()) blocks += " " + name;
    dump->footer(blocks + ".\nA raw memory image (7807 or 7808 bytes) is read as well.");
}

// ---------------------------------------------------------------------------
// The manual page, made from the same descriptions as --help.

std::string Troff(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (char ch : text) {
        if (lineStart && (ch == '.' || ch == '\'')) out += "\\&";
        if (ch == '\\') {
            out += "\\e";
        } else if (ch == '-') {
            out += "\\-";
        } else {
            out += ch;
        }
        lineStart = ch == '\n';
    }
    return out;
}

std::string OptionUsage(const CLI::Option* o) {
    if (o->get_positional()) return "\\fI" + Troff(o->get_name()) + "\\fR";
    std::string s = "\\fB" + Troff("--" + o->get_lnames().front()) + "\\fR";
    if (o->get_type_size() > 0) s += " \\fI" + Troff(o->get_type_name()) + "\\fR";
    return s;
}

std::vector<const CLI::Option*> CommandOptions(const CLI::App* sub) {
    return sub->get_options([sub](const CLI::Option* o) {
        return o != sub->get_help_ptr() && !o->get_group().empty();
    });
}

std::string ManPage(const CLI::App& app) {
    std::string m = ".TH KP07 1 \"\" \"KP07XT\" \"User Commands\"\n.SH NAME\n";
    m += "kp07 \\- program a KR\\-318 radio and work on its data files from the command line\n";
    m += ".SH SYNOPSIS\n";
    const std::vector<const CLI::App*> subs = app.get_subcommands({});
    for (const CLI::App* sub : subs) {
        m += "\\fBkp07 " + Troff(sub->get_name()) + "\\fR";
        for (const CLI::Option* o : CommandOptions(sub)) {
            const std::string u = OptionUsage(o);
            m += " " + (o->get_required() ? u : "[" + u + "]");
        }
        m += "\n.br\n";
    }
    m += "\\fBkp07\\fR [\\fB\\-\\-help\\fR | \\fB\\-\\-man\\fR]\n";
    m += ".SH DESCRIPTION\n" + Troff(app.get_description()) + "\n.SH COMMANDS\n";
    for (const CLI::App* sub : subs) {
        m += ".SS " + Troff(sub->get_name()) + "\n" + Troff(sub->get_description()) + ".\n";
        for (const CLI::Option* o : CommandOptions(sub)) {
            m += ".TP\n" + OptionUsage(o) + "\n" + Troff(o->get_description()) + "\n";
        }
        if (!sub->get_footer().empty()) m += ".PP\n" + Troff(sub->get_footer()) + "\n";
    }
    m += ".SH EXIT STATUS\n" + Troff(kExitStatus) + "\n";
    m += ".SH EXAMPLES\n.nf\n" + Troff(kExamples) + "\n.fi\n";
    m += ".SH NOTES\n" + Troff(kProgressNote) + "\n";
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"", "kp07"};
    Commands c;
    bool man = false;
    BuildCommandLine(app, c, man);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help goes to standard output with status 0; every usage error is 2.
        return app.exit(e) == 0 ? 0 : kExitUsage;
    }
    if (man) {
        std::fputs(ManPage(app).c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (app.get_subcommands().empty()) {
        std::fprintf(stderr, "kp07: a command is missing\nRun 'kp07 --help' for the usage.\n");
        return kExitUsage;
    }
    const std::string command = app.get_subcommands().front()->get_name();
    if (command == "upload" || command == "download") {
        return RunTransfer(command == "upload", c.transfer);
    }
    if (command == "channels") return Channels(c.file);
    if (command == "report")
        return PrintReport(c.file, c.pdf, c.date.empty() ? TodayReportDate() : c.date);
    if (command == "dump") return Dump(c.file, c.block);
    MessageScope messages;
    if (command == "export-csv") {
        return Emit(ExportChannelsFile(
            c.file, c.out, c.layout == "generic" ? CsvLayout::kGeneric : CsvLayout::kGrid));
    }
    if (command == "import-csv") return Emit(ImportChannelsFile(c.file, c.file2, c.out));
    return Emit(DiffDataFiles(c.file, c.file2));
}
