// Radio backups and verify through kp07 against kr318-sim on a
// pseudo-terminal, and the demo radio's simulator ending with the program
// that started it.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "blocks/image_ops.h"
#include "document/data_file.h"
#include "document/radio_backups.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07::test {
namespace {

TEST(RadioBackupsEndToEnd, DownloadKeepsWhatTheRadioHeldAndVerifyFindsAWeakBlock) {
    ASSERT_FALSE(ToolsDir().empty());
    ResetProcessStateForTest();
    TempDir dir;
    const std::string data = dir.File("data");
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    const std::string backups = data + "/kp07xt/backups";

    // The radio, and a data file for it with one channel renamed.
    CreateImageAndBlocks();
    FillDefaults(*radioImage);
    SetFirmwareVersion(*radioImage, 400);
    SetSerialNumber(*radioImage, "3C000123");
    LoadPersistentBlocks(*radioImage);
    RebuildImage(*radioImage);
    const RadioImage radio = *radioImage;
    SetChannelTag(ChannelRecordAt(*radioImage, 90), "VERIFY  ");
    RebuildImage(*radioImage);
    const std::string file = dir.File("new.K07");
    MessageRecorder messages;
    ASSERT_TRUE(WriteDataFile(file, *radioImage, TrailerFromOffset(0.0)));
    DestroyImageAndBlocks();

    const struct {
        std::vector<std::string> sim;
        int status;
        const char* says;
    } cases[] = {
        {{}, 0, "Verified: the radio holds what was written"},
        {{"--alter-block", "60"},
         1,
         "Verify failed: the radio does not hold what was written in block 60 (bytes "
         "7680-7807)."},
    };
    std::size_t count = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const std::string memory = dir.File("radio.mem");
        ASSERT_TRUE(WriteMemory(memory, radio));
        SimProcess sim;
        std::vector<std::string> simArgs = {"--memory", memory, "--clone", "9600", "--no-pacing"};
        simArgs.insert(simArgs.end(), c.sim.begin(), c.sim.end());
        ASSERT_TRUE(sim.Start(simArgs));

        const ToolResult r = RunKp07({"download", "--device", sim.device(), "--verify", file});

        EXPECT_EQ(r.status, c.status) << r.errors;
        EXPECT_NE(r.errors.find(c.says), std::string::npos) << r.errors;
        // The backup holds the radio as it was before this download.
        const std::vector<std::string> kept = RadioBackups(backups, "3C000123");
        ASSERT_EQ(kept.size(), ++count);
        EXPECT_NE(r.errors.find("radio backup: " + kept.back()), std::string::npos) << r.errors;
        const std::vector<std::uint8_t> bytes = ReadFileBytes(kept.back());
        ASSERT_EQ(bytes.size(), kDataFileSize);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + kImageSize, radio.begin()));
        sim.Stop();
    }
    unsetenv("XDG_DATA_HOME");
    KeepUserFoldersInBuild();
    ResetProcessStateForTest();
}

bool Running(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string skip, state;
    // pid (name) state ...; a zombie has ended, whoever collects it.
    return stat >> skip >> skip >> state && state != "Z";
}

// The pid of kr318-sim whose parent is `parent` (-1 when there is none yet).
pid_t SimulatorOf(pid_t parent) {
    pid_t found = -1;
    DIR* proc = opendir("/proc");
    while (const dirent* e = proc ? readdir(proc) : nullptr) {
        std::ifstream stat(std::string("/proc/") + e->d_name + "/stat");
        std::string self, name, state;
        long ppid = 0;
        if (stat >> self >> name >> state >> ppid && ppid == parent && name == "(kr318-sim)") {
            found = pid_t(std::stol(self));
        }
    }
    if (proc) closedir(proc);
    return found;
}

TEST(DemoRadioEndToEnd, TheSimulatorEndsWhenTheProgramIsKilled) {
    const std::string program = ToolsDir() + "/../src/kp07xt";
    if (::access(program.c_str(), X_OK) != 0) GTEST_SKIP() << "no desktop program in this build";
    TempDir dir;
    // A copy under a name of its own, so that no other running copy of the
    // program counts as its first instance; the simulator beside it.
    const std::string copy = dir.File("kp07xt-demo-e2e");
    ASSERT_EQ(std::system(("cp '" + program + "' '" + copy + "'").c_str()), 0);
    ASSERT_EQ(symlink((ToolsDir() + "/kr318-sim").c_str(), dir.File("kr318-sim").c_str()), 0);

    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
        if (chdir(dir.path().c_str()) != 0) _exit(126);
        execl(copy.c_str(), copy.c_str(), "--demo", static_cast<char*>(nullptr));
        _exit(127);
    }
    pid_t sim = -1;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (sim < 0 && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        sim = SimulatorOf(pid);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    ASSERT_GT(sim, 0) << "the demo radio did not start";
    const auto gone = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Running(sim) && std::chrono::steady_clock::now() < gone) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_FALSE(Running(sim));
    if (Running(sim)) kill(sim, SIGKILL);
}

}  // namespace
}  // namespace kp07::test
