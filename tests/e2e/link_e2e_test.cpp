// The whole link through the real termios driver against kr318-sim on a
// pseudo-terminal, pacing its bytes at the real character time: transfers,
// fault injection and the command-line tool.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "blocks/image_ops.h"
#include "image/accessors.h"
#include "image/radio_image.h"
#include "link/link_clock.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/transfer_jobs.h"
#include "resources/message.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07::test {
namespace {

class Owner : public TransferOwner {
  public:
    void PostReport(unsigned message, unsigned value) override {
        if (message == WM_XFER_STATUS && value == 95 && pleaseWaitSince < 0)
            pleaseWaitSince = linkClock().NowMs();
        reports.push_back(message);
    }
    bool TakeCancel() override {
        return cancelAfterMs >= 0 && pleaseWaitSince >= 0 &&
               linkClock().NowMs() - pleaseWaitSince >= cancelAfterMs;
    }
    MsgResult Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) override {
        return ShowMessage(id, buttons, icon, arg1);
    }
    std::vector<unsigned> reports;
    std::int64_t cancelAfterMs = -1;  // cancel this long after "Please wait"
    std::int64_t pleaseWaitSince = -1;
};

class LinkEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(ToolsDir().empty()) << "KP07_TOOLS_DIR is not set";
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        comPort = 1;
    }
    void TearDown() override {
        currentPort.reset();
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }

    // A radio as a dealer finds it: the defaults, firmware 4.12, its own
    // alignment values and serial number. The document is left as it.
    RadioImage RadioAsDelivered() {
        FillDefaults(*radioImage);
        SetFirmwareVersion(*radioImage, 412);
        LoadPersistentBlocks(*radioImage);
        SetRfFrequency(*radioImage, 0x81);
        SetMicSensitivity(*radioImage, 0x44);
        SetRxSensitivityBase(*radioImage, 0x5C);
        SetSerialNumber(*radioImage, "3C000123");
        LoadPersistentBlocks(*radioImage);
        RebuildImage(*radioImage);
        imageModified = 0;
        return *radioImage;
    }

    // Starts kr318-sim on `memory` with `args`; the program's COM1 leads to it.
    void StartRadio(const RadioImage& memory, std::vector<std::string> args) {
        memoryFile = dir.File("radio.bin");
        ASSERT_TRUE(WriteMemory(memoryFile, memory));
        args.insert(args.begin(), {"--memory", memoryFile});
        ASSERT_TRUE(sim.Start(args));
        SetPortDevice(1, sim.device());
    }
    RadioImage StopRadio() {
        sim.Stop();
        return ReadMemory(memoryFile);
    }

    TempDir dir;
    SimProcess sim;
    std::string memoryFile;
    MessageRecorder messages;
    Owner owner;
};

TEST_F(LinkEndToEndTest, UploadEditDownloadAt9600) {
    const RadioImage radio = RadioAsDelivered();
    StartRadio(radio, {"--clone", "9600"});
    *radioImage = FilledImage(0);

    ASSERT_TRUE(UploadJob(owner)) << messages.last();
    EXPECT_EQ(*radioImage, radio);
    EXPECT_EQ(messages.last(), "Upload is completed");
    LoadPersistentBlocks(*radioImage);

    // The user edits settings, and (by mistake) a factory value.
    SetPowerOnTag(*radioImage, "E2E TEST");
    SetBeep(*radioImage, GetBeep(*radioImage) ^ 1u);
    SetRfFrequency(*radioImage, 0x10);
    LoadPersistentBlocks(*radioImage);
    RebuildImage(*radioImage);
    imageModified = 1;
    const RadioImage edited = *radioImage;

    messages.Clear();
    ASSERT_TRUE(DownloadJob(owner)) << messages.last();
    EXPECT_EQ(messages.last(), "Download is completed");
    const RadioImage stored = StopRadio();

    EXPECT_EQ(stored, *radioImage);
    EXPECT_EQ(GetPowerOnTag(stored), "E2E TEST");
    EXPECT_EQ(GetRfFrequency(stored), 0x81u);  // the radio's alignment value stays
    // Apart from the merged factory bytes (and the checksum over them) the
    // radio holds what the user edited.
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == edited[i]) continue;
        const bool merged = i <= 1 || (i >= 7678 && i <= 7711) || (i >= 7717 && i <= 7726);
        EXPECT_TRUE(merged) << "byte " << i;
    }
}

// Faults on the line: every transfer ends with the exact image and its
// completion message, or with the message for the failure and the document
// as it was; never a false "completed".
TEST_F(LinkEndToEndTest, UploadsUnderInjectedFaults) {
    const RadioImage radio = RadioAsDelivered();
    struct Run {
        std::vector<std::string> faults;
        const char* message;  // nullptr: cancelled, no message
    };
    const Run runs[] = {
        {{"--wrong-sums", "6", "--fault-period", "4"}, "Upload is completed"},
        {{"--drop-replies", "3", "--fault-period", "9"}, "Upload is completed"},
        {{"--wrong-sums", "100", "--fault-period", "2"}, "Upload Error!"},
        {{"--silence-after", "20"}, nullptr},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.faults[0]);
        std::vector<std::string> args = {"--clone", "19200"};
        args.insert(args.end(), run.faults.begin(), run.faults.end());
        StartRadio(radio, args);
        comSpeed = 1;
        *radioImage = FilledImage(0x3C);
        imageModified = 0;
        uploadSucceeded = 0;
        messages.Clear();
        Owner o;
        if (!run.message) o.cancelAfterMs = 3000;  // the user gives up on a silent radio
        const bool done = UploadJob(o);
        StopRadio();
        if (run.message && std::string(run.message) == "Upload is completed") {
            EXPECT_TRUE(done);
            EXPECT_EQ(*radioImage, radio);
            EXPECT_EQ(messages.last(), run.message);
        } else {
            EXPECT_FALSE(done);
            EXPECT_EQ(*radioImage, FilledImage(0x3C));
            EXPECT_EQ(messages.last(), run.message ? run.message : "");
            EXPECT_EQ(uploadSucceeded, 0);
        }
        EXPECT_EQ(o.reports.back(), WM_XFER_DONE);
    }
}

TEST_F(LinkEndToEndTest, DownloadsUnderRefusedWrites) {
    const RadioImage radio = RadioAsDelivered();
    SetPowerOnTag(*radioImage, "CHANGED");
    LoadPersistentBlocks(*radioImage);
    RebuildImage(*radioImage);
    const RadioImage document = *radioImage;
    {  // refusals the retries get past
        StartRadio(radio, {"--clone", "19200", "--refuse-writes", "4"});
        comSpeed = 1;
        ASSERT_TRUE(DownloadJob(owner)) << messages.last();
        EXPECT_EQ(messages.last(), "Download is completed");
        EXPECT_EQ(StopRadio(), *radioImage);
    }
    {  // a radio that refuses every write
        *radioImage = document;
        messages.Clear();
        StartRadio(radio, {"--clone", "19200", "--refuse-writes", "1000"});
        EXPECT_FALSE(DownloadJob(owner));
        ASSERT_EQ(messages.count(), 1u);
        EXPECT_EQ(messages.last(), "Download Error!");
        EXPECT_EQ(StopRadio(), radio);
    }
}

TEST_F(LinkEndToEndTest, CommandLineUploadAndDownload) {
    const RadioImage radio = RadioAsDelivered();
    StartRadio(radio, {"--idle", "--power-cycle", "1500", "--stray-bytes", "2"});
    const std::string file = dir.File("radio.K07");

    ToolResult up =
        RunKp07({"upload", "--device", sim.device(), "--speed", "19200", "--out", file});
    EXPECT_EQ(up.status, 0) << up.errors;
    EXPECT_NE(up.errors.find("Switch radio OFF, back ON to start uploading"), std::string::npos);
    EXPECT_NE(up.errors.find("Upload is completed"), std::string::npos);
    // In a pipe the progress comes as plain lines, never rewritten in place.
    EXPECT_NE(up.errors.find("\nkp07: 0%\n"), std::string::npos) << up.errors;
    EXPECT_NE(up.errors.find("\nkp07: 100%\n"), std::string::npos) << up.errors;
    EXPECT_EQ(up.errors.find('\r'), std::string::npos) << up.errors;
    std::vector<std::uint8_t> expected(radio.begin(), radio.begin() + 7807);
    expected.insert(expected.end(), 8, 0x00);  // transmit offset 0.0 MHz
    EXPECT_EQ(ReadFileBytes(file), expected);

    // The same file back into the radio: only the last block is written.
    ToolResult down = RunKp07({"download", "--device", sim.device(), "--speed", "19200", file});
    EXPECT_EQ(down.status, 0) << down.errors;
    EXPECT_NE(down.errors.find("Download is completed"), std::string::npos);
    EXPECT_EQ(StopRadio(), radio);
}

TEST_F(LinkEndToEndTest, CommandLineCancelAndRefusals) {
    const RadioImage radio = RadioAsDelivered();
    StartRadio(radio, {"--idle"});  // nobody switches this radio off and on
    const std::string file = dir.File("never.K07");

    ToolResult cancelled =
        RunKp07({"upload", "--device", sim.device(), "--out", file}, "Switch radio OFF");
    EXPECT_EQ(cancelled.status, 130) << cancelled.errors;
    EXPECT_NE(cancelled.errors.find("cancelled"), std::string::npos);
    EXPECT_TRUE(ReadFileBytes(file).empty());
    EXPECT_NE(::access(file.c_str(), F_OK), 0);

    // A file of the wrong size is refused before the radio is called.
    const std::string shortFile = dir.File("short.K07");
    ASSERT_TRUE(WriteFileBytes(shortFile, std::vector<std::uint8_t>(7814, 0)));
    ToolResult refused = RunKp07({"download", "--device", sim.device(), shortFile});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("The File cannot be Opened."), std::string::npos);

    // A data file that could not be written: refused before the radio is called.
    ToolResult readOnlyFolder =
        RunKp07({"upload", "--device", sim.device(), "--out", dir.path() + "/missing/radio.K07"});
    EXPECT_EQ(readOnlyFolder.status, 1);
    EXPECT_NE(readOnlyFolder.errors.find("Problem opening file"), std::string::npos);
    EXPECT_EQ(readOnlyFolder.errors.find("Switch radio"), std::string::npos);

    // A device that does not exist.
    ToolResult noPort = RunKp07({"upload", "--device", "/dev/kp07-none", "--out", file});
    EXPECT_EQ(noPort.status, 1);
    EXPECT_NE(noPort.errors.find("Problem with COM port"), std::string::npos);
    EXPECT_EQ(StopRadio(), radio);
}

TEST_F(LinkEndToEndTest, CommandLineReportsWhatHappened) {
    const RadioImage radio = RadioAsDelivered();
    const std::string file = dir.File("radio.K07");
    std::vector<std::uint8_t> bytes(radio.begin(), radio.begin() + 7807);
    bytes.insert(bytes.end(), 8, 0x00);
    ASSERT_TRUE(WriteFileBytes(file, bytes));

    {  // Ctrl+C while the radio stores the last block: the download completed.
        StartRadio(radio, {"--clone", "19200", "--no-pacing", "--ack-delay", "1000"});
        struct stat before {};
        ASSERT_EQ(::stat(memoryFile.c_str(), &before), 0);
        // The simulator saves its memory (a new file) as soon as it has
        // stored a block, a second before it acknowledges it.
        const auto blockStored = [&](const std::string&) {
            struct stat now {};
            return ::stat(memoryFile.c_str(), &now) == 0 && now.st_ino != before.st_ino;
        };
        const ToolResult late = RunTool(
            "kp07", {"download", "--device", sim.device(), "--speed", "19200", file}, blockStored);
        EXPECT_EQ(late.status, 0) << late.errors;
        EXPECT_NE(late.errors.find("Download is completed"), std::string::npos);
        EXPECT_EQ(late.errors.find("cancelled"), std::string::npos);
        EXPECT_EQ(StopRadio(), radio);
    }
    {  // The lead comes out right after the wake-up byte: the device is named.
        StartRadio(radio, {"--idle", "--power-cycle", "300", "--pull-lead", "0"});
        const ToolResult lead =
            RunKp07({"upload", "--device", sim.device(), "--out", dir.File("lead.K07")});
        EXPECT_EQ(lead.status, 1) << lead.errors;
        EXPECT_NE(lead.errors.find("kp07: Check that lead is connected to " + sim.device() + "\n"),
                  std::string::npos)
            << lead.errors;
        StopRadio();
    }
    {  // A radio that never answers, for a script: --timeout ends the wait.
        StartRadio(radio, {"--idle"});
        const ToolResult frozen = RunKp07(
            {"upload", "--device", sim.device(), "--timeout", "2", "--out", dir.File("t.K07")});
        EXPECT_EQ(frozen.status, 1) << frozen.errors;
        EXPECT_NE(frozen.errors.find("did not complete within 2 s"), std::string::npos);
        EXPECT_NE(::access(dir.File("t.K07").c_str(), F_OK), 0);
        StopRadio();
    }
}

TEST_F(LinkEndToEndTest, PulledLeadEndsACommandLineUploadInSeconds) {
    // The lead comes out ten blocks into an upload at 19200: no echo and no
    // reply. The 21 failed requests take about 11 s; the time limit only
    // keeps a regression from stalling the run.
    const RadioImage radio = RadioAsDelivered();
    StartRadio(radio, {"--clone", "19200", "--pull-lead", "10"});
    const std::string file = dir.File("pulled.K07");
    const std::int64_t start = linkClock().NowMs();
    const ToolResult pulled = RunKp07(
        {"upload", "--device", sim.device(), "--speed", "19200", "--timeout", "60", "--out", file});
    std::printf("upload with the lead pulled ended after %lld ms\n",
                static_cast<long long>(linkClock().NowMs() - start));
    EXPECT_EQ(pulled.status, 1) << pulled.errors;
    EXPECT_NE(pulled.errors.find("Upload Error!"), std::string::npos) << pulled.errors;
    EXPECT_NE(::access(file.c_str(), F_OK), 0);
    StopRadio();
}

// The tools take only regular files, and no more of them than they use: a
// folder, a FIFO or an endless device is refused at once.
TEST(ToolFilesTest, OnlyRegularFilesAreRead) {
    ASSERT_FALSE(ToolsDir().empty()) << "KP07_TOOLS_DIR is not set";
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.path(), fifo, std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        const ToolResult dump = RunTool("image-dump", {path}, {}, 10000);
        EXPECT_EQ(dump.status, 1) << dump.errors;
        EXPECT_NE(dump.errors.find("image-dump: cannot read " + path + ": "), std::string::npos);
        const ToolResult sim = RunTool("kr318-sim", {"--memory", path}, {}, 10000);
        EXPECT_EQ(sim.status, 1) << sim.errors;
        EXPECT_NE(sim.errors.find("kr318-sim: cannot use " + path + " as the memory: "),
                  std::string::npos);
        EXPECT_TRUE(sim.output.empty());  // no terminal was offered
    }
}

}  // namespace
}  // namespace kp07::test
