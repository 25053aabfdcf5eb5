// Running the tools (kr318-sim, kp07) from the build as child processes.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "image/radio_image.h"

namespace kp07::test {

// The folder of the built tools (KP07_TOOLS_DIR), or "" when unknown.
std::string ToolsDir();

// A private temporary folder, removed with its files at destruction.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// kr318-sim on its own pseudo-terminal.
class SimProcess {
  public:
    // Starts the simulator with `args` and waits for the terminal path.
    bool Start(const std::vector<std::string>& args);
    ~SimProcess();
    // Ends the simulator (it saves its memory first).
    void Stop();
    const std::string& device() const { return device_; }

  private:
    pid_t pid_ = -1;
    std::string device_;
};

struct ToolResult {
    int status = -1;     // exit status, or 128 + signal
    std::string errors;  // standard error
    std::string output;  // standard output
};

// Runs kp07 with `args`. With `interruptWhen` set, sends SIGINT once that
// text has appeared on its standard error.
ToolResult RunKp07(const std::vector<std::string>& args, const std::string& interruptWhen = {});
// Runs the tool `name` with `args`. Sends SIGINT once `interruptWhen` (when
// given) answers true, asked with the standard error so far every 50 ms or
// so; kills a tool still running after `killAfterMs` (its status is then
// 128 + SIGKILL).
ToolResult RunTool(const std::string& name, const std::vector<std::string>& args,
                   const std::function<bool(const std::string& errors)>& interruptWhen = {},
                   int killAfterMs = 120000);

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
// A memory file for the simulator.
bool WriteMemory(const std::string& path, const RadioImage& image);
RadioImage ReadMemory(const std::string& path);

}  // namespace kp07::test
